// CProgressBar: a progress control shown inside one pane of the main
// frame's status bar while a long operation runs. The pane shows a short
// message with the bar to its right; destroying the bar gives the pane its
// text back.
#pragma once

#include "framework/Controls.h"
#include "framework/String.h"
#include "framework/Types.h"

class CStatusBar;

class CProgressBar : public CProgressCtrl {
    DECLARE_DYNCREATE(CProgressBar)
public:
    CProgressBar();
    // Without a status bar (or when its creation fails) the bar simply does
    // nothing.
    CProgressBar(LPCSTR lpszText, int nWidthPercent, int nMaximum, BOOL bSmooth, int nPane,
                 CStatusBar* pStatusBar);
    ~CProgressBar() override;

    BOOL Create(LPCSTR lpszText, int nWidthPercent, int nMaximum, BOOL bSmooth, int nPane);

    // The range is 32-bit, so counts above 65535 are fine.
    BOOL SetRange(int nLower, int nUpper, int nStep);
    // Both return the control's previous step (position), 0 without a control.
    int SetStep(int nStep);
    int StepIt();

    BOOL FitToPane();
    void RestorePane();
    CStatusBar* FindStatusBar() const;

    // Where the bar goes in a pane: right of a message cxText wide (bHasText
    // false for no message) and four blanks of cxBlank, nWidthPercent of the
    // room left, inset by a tenth of the pane's height at top and bottom.
    static CRect CalcBarRect(const RECT& rcPane, BOOL bHasText, int cxText, int cxBlank, int nWidthPercent);

    DECLARE_MESSAGE_MAP()

protected:
    BOOL OnEraseBkgnd(CDC* pDC);

    int m_nWidthPercent = 0;
    int m_nPane = 0;
    CString m_strText;
    CString m_strSavedPaneText;
    CRect m_rcPlaced;
    CStatusBar* m_pStatusBar = nullptr;  // not owned
};
