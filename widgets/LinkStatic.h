// CLinkStatic: a dialog's static text acting as a hyperlink. The text is
// drawn underlined in the link colour, red while the mouse is over it and
// dark blue once clicked; the pointer becomes a hand, an optional tooltip
// explains the link, and a click opens the target through the shell (a web
// address or any document the shell can open). Attach it to an existing
// static control (data exchange); it is never created by itself.
#pragma once

#include "framework/Controls.h"
#include "framework/Gdi.h"
#include "framework/String.h"

#include <shellapi.h>

// The shell's ShellExecuteA; tests put a recorder in its place.
typedef HINSTANCE(WINAPI* PFN_SHELLEXECUTE)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);

class CLinkStatic : public CStatic {
    DECLARE_DYNAMIC(CLinkStatic)
public:
    CLinkStatic();
    ~CLinkStatic() override;

    // Before or after the control is attached.
    void SetTarget(LPCSTR lpszTarget) { m_strTarget = lpszTarget; }
    void EnableTip(BOOL bEnable) { m_bTipEnabled = bEnable; }
    // Changes the tooltip's text when the tip is enabled; after attaching.
    void SetTipText(LPCSTR lpszText);

    // Opens lpszTarget through the shell, minimised; TRUE when the shell
    // took it.
    static BOOL OpenTarget(LPCSTR lpszTarget);

    BOOL PreTranslateMessage(MSG* pMsg) override;

    // The tooltip's one tool.
    static const UINT kToolId = 1001;
    static PFN_SHELLEXECUTE s_pfnShellExecute;

    DECLARE_MESSAGE_MAP()

protected:
    void PreSubclassWindow() override;

    void OnMouseMove(UINT nFlags, CPoint point);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnClicked();
    HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);

    HCURSOR m_hHandCursor = nullptr;  // shared resource, not destroyed
    BOOL m_bTipEnabled = FALSE;
    BOOL m_bHover = FALSE;  // the mouse is over the link and captured by it
    BOOL m_bVisited = FALSE;
    CFont m_fontUnderline;
    CToolTipCtrl m_tip;
    CString m_strTarget;

public:
    COLORREF m_crHover = RGB(255, 0, 0);     // hovered, not yet visited
    COLORREF m_crLink = RGB(0, 0, 255);      // neither hovered nor visited
    COLORREF m_crVisited = RGB(5, 34, 143);  // visited, hovered or not
};
