#include "framework/DialogBar.h"

#include "framework/FrameWnd.h"

IMPLEMENT_DYNAMIC(CDialogBar, CControlBar)

BOOL CDialogBar::Create(CWnd* pParentWnd, UINT nIDTemplate, UINT nStyle, UINT nID) {
    AttachToFrame(pParentWnd, nStyle);
    if (!CreateDlg(nIDTemplate, pParentWnd))
        return FALSE;
    // The template's size is the bar's size, plus room for the gripper.
    CRect rc;
    GetWindowRect(&rc);
    m_sizeDefault = CSize(rc.Width() + GripperSize(), rc.Height());
    SetWindowLongPtrW(m_hWnd, GWLP_ID, static_cast<LONG_PTR>(nID));
    ModifyStyle(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | DS_MODALFRAME,
                WS_CHILD | WS_CLIPSIBLINGS | (nStyle & WS_VISIBLE), SWP_FRAMECHANGED);
    return TRUE;
}

CSize CDialogBar::CalcFixedLayout(BOOL, BOOL) {
    return m_sizeDefault;
}

void CDialogBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL) {
    // Controls with an update handler follow it; the others are left alone.
    CCmdUI state;
    for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        state.m_pOther = CWnd::FromHandle(hChild);
        state.m_nID = static_cast<UINT>(::GetDlgCtrlID(hChild));
        state.DoUpdate(pTarget, FALSE);
    }
}

void CDialogBar::ScaleLayout(UINT nFromDpi, UINT nToDpi) {
    if (nFromDpi == nToDpi || !nFromDpi)
        return;
    auto scale = [&](LONG n) { return MulDiv(n, static_cast<int>(nToDpi), static_cast<int>(nFromDpi)); };
    for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        CRect rc;
        ::GetWindowRect(hChild, &rc);
        ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rc), 2);
        ::SetWindowPos(hChild, nullptr, scale(rc.left), scale(rc.top), scale(rc.Width()), scale(rc.Height()),
                       SWP_NOZORDER | SWP_NOACTIVATE);
    }
    m_sizeDefault = CSize(scale(m_sizeDefault.cx - GripperSize()) + GripperSize(), scale(m_sizeDefault.cy));
}

void CDialogBar::GrowControl(UINT nID, int cyBy) {
    HWND hControl = ::GetDlgItem(m_hWnd, static_cast<int>(nID));
    if (!hControl || !cyBy)
        return;
    CRect rc;
    ::GetWindowRect(hControl, &rc);
    ::SetWindowPos(hControl, nullptr, 0, 0, rc.Width(), rc.Height() + cyBy,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_sizeDefault.cy += cyBy;
}
