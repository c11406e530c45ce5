#include "framework/ToolBar.h"

#include "framework/FrameWnd.h"
#include "framework/Module.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CToolBar, CControlBar)

BEGIN_MESSAGE_MAP(CToolBar, CControlBar)
ON_WM_MOUSEMOVE()
ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
END_MESSAGE_MAP()

namespace {

// Updates one button from the command's update handler.
class CToolCmdUI : public CCmdUI {
public:
    void Enable(BOOL bOn) override {
        m_bEnableChanged = TRUE;
        SetState(TBSTATE_ENABLED, bOn);
    }
    void SetCheck(int nCheck) override { SetState(TBSTATE_CHECKED, nCheck != 0); }
    void SetRadio(BOOL bOn) override { SetCheck(bOn ? 1 : 0); }
    void SetText(LPCSTR) override {}

private:
    void SetState(BYTE bit, BOOL bOn) {
        LRESULT nState = m_pOther->SendMessage(TB_GETSTATE, m_nID);
        if (nState == -1)
            return;
        BYTE newState = static_cast<BYTE>(bOn ? (nState | bit) : (nState & ~bit));
        if (newState != nState)
            m_pOther->SendMessage(TB_SETSTATE, m_nID, MAKELPARAM(newState, 0));
    }
};

}  // namespace

BOOL CToolBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, CRect rcBorders, UINT nID) {
    m_rcBorders = rcBorders;
    AttachToFrame(pParentWnd, dwStyle);
    DWORD dwWindowStyle = (dwStyle & (WS_CHILD | WS_VISIBLE)) | WS_CHILD | WS_CLIPSIBLINGS | dwCtrlStyle |
                          CCS_NOPARENTALIGN | CCS_NOMOVEY | CCS_NORESIZE | CCS_NODIVIDER;
    if (dwStyle & CBRS_TOOLTIPS)
        dwWindowStyle |= TBSTYLE_TOOLTIPS;
    if (!CWnd::CreateEx(0, TOOLBARCLASSNAMEA, nullptr, dwWindowStyle, 0, 0, 100, 30, pParentWnd->m_hWnd,
                        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID))))
        return FALSE;
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    return TRUE;
}

BOOL CToolBar::LoadToolBar(UINT nIDResource) {
    HINSTANCE hInst = AfxGetResourceHandle();
    HRSRC hRsrc = FindResourceA(hInst, MAKEINTRESOURCEA(nIDResource), MAKEINTRESOURCEA(241));
    if (!hRsrc)
        return FALSE;
    HGLOBAL hGlobal = LoadResource(hInst, hRsrc);
    auto* pData = hGlobal ? static_cast<const WORD*>(LockResource(hGlobal)) : nullptr;
    DWORD dwSize = SizeofResource(hInst, hRsrc);
    if (!pData || dwSize < 8 || pData[0] != 1 || dwSize < 8u + 2u * pData[3])
        return FALSE;
    std::vector<UINT> ids(pData + 4, pData + 4 + pData[3]);
    if (!SetButtons(ids.data(), static_cast<int>(ids.size())))
        return FALSE;
    SetSizes(CSize(pData[1] + 7, pData[2] + 7), CSize(pData[1], pData[2]));
    return TRUE;
}

BOOL CToolBar::SetButtons(const UINT* lpIDArray, int nIDCount) {
    while (SendMessage(TB_BUTTONCOUNT) > 0)
        SendMessage(TB_DELETEBUTTON, 0);
    std::vector<TBBUTTON> buttons;
    int iImage = 0;
    for (int i = 0; i < nIDCount; ++i) {
        TBBUTTON button = {};
        button.idCommand = static_cast<int>(lpIDArray[i]);
        if (lpIDArray[i] == ID_SEPARATOR) {
            button.fsStyle = BTNS_SEP;
            button.iBitmap = 6;
        } else {
            button.fsStyle = BTNS_BUTTON;
            button.fsState = TBSTATE_ENABLED;
            button.iBitmap = iImage++;
        }
        buttons.push_back(button);
    }
    m_ids.assign(lpIDArray, lpIDArray + nIDCount);
    return nIDCount == 0 ||
           SendMessage(TB_ADDBUTTONSA, buttons.size(), reinterpret_cast<LPARAM>(buttons.data())) != 0;
}

void CToolBar::SetSizes(SIZE sizeButton, SIZE sizeImage) {
    m_sizeButton = CSize(sizeButton.cx, sizeButton.cy);
    SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(sizeImage.cx, sizeImage.cy));
    SendMessage(TB_SETBUTTONSIZE, 0, MAKELPARAM(sizeButton.cx, sizeButton.cy));
}

UINT CToolBar::GetItemID(int nIndex) const {
    return nIndex >= 0 && nIndex < static_cast<int>(m_ids.size()) ? m_ids[static_cast<size_t>(nIndex)] : 0;
}

void CToolBar::GetItemRect(int nIndex, LPRECT lpRect) const {
    SendMessage(TB_GETITEMRECT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpRect));
}

void CToolBar::SetOrientation(BOOL bHorz) {
    // A vertical toolbar wraps after every button.
    if (m_bVertical == !bHorz)
        return;
    m_bVertical = !bHorz;
    for (int i = 0; i < static_cast<int>(m_ids.size()); ++i) {
        TBBUTTONINFOA info = {};
        info.cbSize = sizeof(info);
        info.dwMask = TBIF_STATE | TBIF_BYINDEX;
        SendMessage(TB_GETBUTTONINFOA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&info));
        info.fsState =
            static_cast<BYTE>(m_bVertical ? (info.fsState | TBSTATE_WRAP) : (info.fsState & ~TBSTATE_WRAP));
        SendMessage(TB_SETBUTTONINFOA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&info));
    }
}

CSize CToolBar::CalcFixedLayout(BOOL, BOOL bHorz) {
    SetOrientation(bHorz);
    // The extent of the buttons, then the borders and the gripper around them.
    CSize size(0, 0);
    int nButtons = static_cast<int>(SendMessage(TB_BUTTONCOUNT));
    for (int i = 0; i < nButtons; ++i) {
        CRect rc;
        SendMessage(TB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&rc));
        size.cx = std::max<LONG>(size.cx, rc.right);
        size.cy = std::max<LONG>(size.cy, rc.bottom);
    }
    if (size.cx == 0)
        size = m_sizeButton;
    size.cx += m_rcBorders.left + m_rcBorders.right + (bHorz ? GripperSize() : 0) + 2;
    size.cy += m_rcBorders.top + m_rcBorders.bottom + (bHorz ? 0 : GripperSize()) + 2;
    return size;
}

void CToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHandler) {
    CToolCmdUI state;
    state.m_pOther = this;
    state.m_nIndexMax = static_cast<UINT>(m_ids.size());
    for (size_t i = 0; i < m_ids.size(); ++i) {
        if (m_ids[i] == ID_SEPARATOR)
            continue;
        state.m_nIndex = static_cast<UINT>(i);
        state.m_nID = m_ids[i];
        state.DoUpdate(pTarget, bDisableIfNoHandler);
    }
}

void CToolBar::OnMouseMove(UINT nFlags, CPoint point) {
    if (m_dwStyle & CBRS_FLYBY) {
        // The status bar shows the prompt of the button under the mouse.
        POINT pt = point;
        int nIndex = static_cast<int>(SendMessage(TB_HITTEST, 0, reinterpret_cast<LPARAM>(&pt)));
        UINT nID = GetItemID(nIndex);
        if (nID != m_nIDFlyby) {
            m_nIDFlyby = nID;
            if (CFrameWnd* pFrame = DynamicDowncast<CFrameWnd>(GetOwner()))
                pFrame->SetMessageText(nID ? nID : AFX_IDS_IDLEMESSAGE);
        }
        TRACKMOUSEEVENT tme = {sizeof(tme), TME_LEAVE, m_hWnd, 0};
        TrackMouseEvent(&tme);
    }
    CControlBar::OnMouseMove(nFlags, point);
}

LRESULT CToolBar::OnMouseLeave(WPARAM, LPARAM) {
    if (m_nIDFlyby) {
        m_nIDFlyby = 0;
        if (CFrameWnd* pFrame = DynamicDowncast<CFrameWnd>(GetOwner()))
            pFrame->SetMessageText(AFX_IDS_IDLEMESSAGE);
    }
    return Default();
}
