// CStatusBar: the system status bar as a control bar at the bottom of the
// frame. Pane 0 stretches and shows messages; the other panes are
// indicators whose texts come from the string table and whose update
// handlers show or blank them.
#pragma once

#include "framework/ControlBar.h"

#include <vector>

class CStatusBar : public CControlBar {
    DECLARE_DYNAMIC(CStatusBar)
public:
    CStatusBar() = default;

    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
                UINT nID = AFX_IDW_STATUS_BAR);
    BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);

    BOOL SetPaneText(int nIndex, LPCSTR lpszNewText, BOOL bUpdate = TRUE);
    CString GetPaneText(int nIndex) const;
    void GetItemRect(int nIndex, LPRECT lpRect) const;

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHandler) override;

    DECLARE_MESSAGE_MAP()

protected:
    void OnSize(UINT nType, int cx, int cy);
    // In the program's own colours the bar paints itself: the control
    // draws its text in the system's colour only.
    void OnPaint();

private:
    struct Pane {
        UINT nID;
        CString strText;     // the text shown
        CString strDefault;  // the indicator's text from the string table
        int cxText;
    };

    void UpdateParts();

    std::vector<Pane> m_panes;
};
