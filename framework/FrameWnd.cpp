#include "framework/FrameWnd.h"

#include "framework/ControlBar.h"
#include "framework/DocTemplate.h"
#include "framework/Document.h"
#include "framework/Gdi.h"
#include "framework/Module.h"
#include "framework/Palette.h"
#include "framework/StatusBar.h"
#include "framework/View.h"
#include "framework/WideText.h"
#include "framework/WinApp.h"

#include <commctrl.h>

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_CLOSE()
ON_WM_DESTROY()
ON_WM_SETFOCUS()
ON_WM_ERASEBKGND()
ON_MESSAGE(WM_INITMENUPOPUP, OnInitMenuPopup)
ON_MESSAGE(WM_MENUSELECT, OnMenuSelect)
ON_MESSAGE(WM_EXITMENULOOP, OnExitMenuLoop)
ON_COMMAND(ID_VIEW_TOOLBAR, OnViewToolBar)
ON_COMMAND(ID_VIEW_STATUS_BAR, OnViewStatusBar)
ON_UPDATE_COMMAND_UI(ID_VIEW_TOOLBAR, OnUpdateControlBarMenu)
ON_UPDATE_COMMAND_UI(ID_VIEW_STATUS_BAR, OnUpdateControlBarMenu)
ON_UPDATE_COMMAND_UI(ID_INDICATOR_CAPS, OnUpdateKeyIndicator)
ON_UPDATE_COMMAND_UI(ID_INDICATOR_NUM, OnUpdateKeyIndicator)
ON_UPDATE_COMMAND_UI(ID_INDICATOR_SCRL, OnUpdateKeyIndicator)
END_MESSAGE_MAP()

namespace {

const char kFrameClass[] = "TavFrame";

// The prompt of a command: its string up to the first newline.
CString LoadPrompt(UINT nID) {
    CString strText;
    strText.LoadString(nID);
    int nNewLine = strText.Find('\n');
    return nNewLine >= 0 ? strText.Left(nNewLine) : strText;
}

}  // namespace

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCTA& cs) {
    if (!cs.lpszClass) {
        WNDCLASSA wc = {};
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = ::DefWindowProcW;
        wc.hInstance = AfxGetInstanceHandle();
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.hIcon = ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(m_nIDResource));
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = kFrameClass;
        AfxRegisterClass(&wc);
        cs.lpszClass = kFrameClass;
    }
    cs.style &= ~static_cast<LONG>(FWS_ADDTOTITLE);
    return TRUE;
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                          CCreateContext* pContext) {
    m_nIDResource = nIDResource;
    CString strTitle;
    if (strTitle.LoadString(nIDResource)) {
        int nNewLine = strTitle.Find('\n');
        m_strTitle = nNewLine >= 0 ? strTitle.Left(nNewLine) : strTitle;
    }
    HMENU hMenu = ::LoadMenuA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDResource));
    if (!CreateEx(0, nullptr, m_strTitle, dwDefaultStyle, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                  CW_USEDEFAULT, pParentWnd ? pParentWnd->m_hWnd : nullptr, hMenu, pContext)) {
        if (hMenu)
            DestroyMenu(hMenu);
        return FALSE;
    }
    m_hAccelTable = ::LoadAcceleratorsA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDResource));
    return TRUE;
}

int CFrameWnd::OnCreate(LPCREATESTRUCT lpcs) {
    if (CWnd::OnCreate(lpcs) == -1)
        return -1;
    if (!OnCreateClient(lpcs, static_cast<CCreateContext*>(lpcs->lpCreateParams)))
        return -1;
    RecalcLayout();
    return 0;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext) {
    if (pContext && pContext->m_pNewViewClass && !CreateView(pContext))
        return FALSE;
    return TRUE;
}

CWnd* CFrameWnd::CreateView(CCreateContext* pContext, UINT nID) {
    CObject* pObject = pContext->m_pNewViewClass->CreateObject();
    auto* pView = DynamicDowncast<CWnd>(pObject);
    if (!pView) {
        delete pObject;
        return nullptr;
    }
    // A view that fails to be created deletes itself.
    if (!pView->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 0, 0), this, nID,
                       pContext))
        return nullptr;
    return pView;
}

void CFrameWnd::PostNcDestroy() {
    CWinThread* pThread = AfxGetThread();
    if (pThread && pThread->m_pMainWnd == this) {
        pThread->m_pMainWnd = nullptr;
        PostQuitMessage(0);
    }
    delete this;
}

void CFrameWnd::OnClose() {
    // Closing the frame closes its document, which destroys the frame.
    CDocument* pDoc = GetActiveDocument();
    if (!pDoc) {
        CDocTemplate* pTemplate = AfxGetApp() ? AfxGetApp()->GetFirstDocTemplate() : nullptr;
        auto* pSingle = DynamicDowncast<CSingleDocTemplate>(pTemplate);
        pDoc = pSingle ? pSingle->GetDocument() : nullptr;
        if (pDoc && (pDoc->GetViews().empty() || pDoc->GetViews().front()->GetParentFrame() != this))
            pDoc = nullptr;
    }
    if (pDoc) {
        pDoc->OnCloseDocument();
        return;
    }
    DestroyWindow();
}

void CFrameWnd::OnDestroy() {
    CWnd::OnDestroy();
}

void CFrameWnd::OnSize(UINT nType, int cx, int cy) {
    CWnd::OnSize(nType, cx, cy);
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

void CFrameWnd::OnSetFocus(CWnd* pOldWnd) {
    if (m_pViewActive && m_pViewActive->m_hWnd)
        m_pViewActive->SetFocus();
    else
        CWnd::OnSetFocus(pOldWnd);
}

BOOL CFrameWnd::OnEraseBkgnd(CDC* pDC) {
    // The rows of docked bars are wider than their bars: their background
    // is the frame's to paint. The rest lies under the bars and the pane,
    // which paint themselves and must not be painted over.
    int nSaved = SaveDC(pDC->m_hDC);
    for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        if (!::IsWindowVisible(hChild))
            continue;
        CRect rc;
        ::GetWindowRect(hChild, &rc);
        ScreenToClient(&rc);
        ExcludeClipRect(pDC->m_hDC, rc.left, rc.top, rc.right, rc.bottom);
    }
    for (int nSide = 0; nSide < 4; ++nSide) {
        const CRect& rc = m_docking.DockArea(nSide);
        if (!rc.IsRectEmpty())
            FillRect(pDC->m_hDC, &rc, palette::FaceBrush());
    }
    RestoreDC(pDC->m_hDC, nSaved);
    return TRUE;
}

CDocument* CFrameWnd::GetActiveDocument() const {
    return m_pViewActive ? m_pViewActive->GetDocument() : nullptr;
}

void CFrameWnd::SetActiveView(CView* pViewNew, BOOL bNotify) {
    CView* pViewOld = m_pViewActive;
    if (pViewNew == pViewOld)
        return;
    m_pViewActive = pViewNew;
    if (pViewOld && pViewOld->m_hWnd)
        pViewOld->OnActivateView(FALSE, pViewNew, pViewOld);
    if (bNotify && pViewNew)
        pViewNew->OnActivateView(TRUE, pViewNew, pViewOld);
}

void CFrameWnd::InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible) {
    if (!m_pViewActive && pDoc && !pDoc->GetViews().empty())
        SetActiveView(pDoc->GetViews().front(), FALSE);
    if (pDoc) {
        std::vector<CView*> views = pDoc->GetViews();
        for (CView* pView : views)
            pView->OnInitialUpdate();
    }
    OnUpdateFrameTitle(TRUE);
    if (CStatusBar* pBar = DynamicDowncast<CStatusBar>(GetMessageBar())) {
        if (pBar->GetPaneText(0).IsEmpty())
            SetMessageText(AFX_IDS_IDLEMESSAGE);
    }
    if (bMakeVisible) {
        ActivateFrame();
        if (m_pViewActive && IsWindowVisible() && !IsIconic())
            m_pViewActive->OnActivateView(TRUE, m_pViewActive, m_pViewActive);
    }
}

void CFrameWnd::ActivateFrame(int nCmdShow) {
    if (nCmdShow == -1) {
        CWinApp* pApp = AfxGetApp();
        if (!IsWindowVisible() && pApp && pApp->m_pMainWnd == this && pApp->m_nCmdShow != -1) {
            nCmdShow = pApp->m_nCmdShow;
            pApp->m_nCmdShow = -1;  // only the first showing follows the start-up command
        } else {
            nCmdShow = IsIconic() ? SW_RESTORE : SW_SHOW;
        }
    }
    ShowWindow(nCmdShow);
}

void CFrameWnd::OnUpdateFrameTitle(BOOL) {
    CString strTitle = m_strTitle;
    if (strTitle.IsEmpty() && AfxGetApp() && AfxGetApp()->m_pszAppName)
        strTitle = AfxGetApp()->m_pszAppName;
    CString strOld;
    GetWindowText(strOld);
    if (strOld != strTitle)
        SetWindowText(strTitle);
}

CWnd* CFrameWnd::GetMessageBar() const {
    return GetDescendantWindow(AFX_IDW_STATUS_BAR);
}

void CFrameWnd::SetMessageText(LPCSTR lpszText) {
    CWnd* pBar = GetMessageBar();
    if (CStatusBar* pStatusBar = DynamicDowncast<CStatusBar>(pBar))
        pStatusBar->SetPaneText(0, lpszText);
    else if (pBar)
        pBar->SetWindowText(lpszText);
}

void CFrameWnd::SetMessageText(UINT nID) {
    SetMessageText(LoadPrompt(nID));
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) {
    for (CCmdTarget* pPart : m_parts) {
        if (pPart->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
            return TRUE;
    }
    if (m_pViewActive && m_pViewActive->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinApp* pApp = AfxGetApp();
    return pApp && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CFrameWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    for (CCmdTarget* pPart : m_parts) {
        if (pPart->OnTargetMessage(message, wParam, lParam, pResult))
            return TRUE;
    }
    return CWnd::OnWndMsg(message, wParam, lParam, pResult);
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg) {
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST || !m_hAccelTable ||
        !::TranslateAcceleratorW(m_hWnd, m_hAccelTable, pMsg))
        return FALSE;
    // An Alt key taken as a command never reaches a window procedure, and
    // Wine's then takes Alt's release for Alt pressed alone and opens the
    // menu, where the letters typed next would go: it is shown the key.
    if (pMsg->message == WM_SYSKEYDOWN)
        ::DefWindowProcW(pMsg->hwnd, WM_SYSKEYDOWN, pMsg->wParam, pMsg->lParam);
    return TRUE;
}

BOOL CFrameWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    auto* pHeader = reinterpret_cast<NMHDR*>(lParam);
    if (pHeader->code == TTN_GETDISPINFOA || pHeader->code == TTN_GETDISPINFOW) {
        // A toolbar button's tooltip: the text after the prompt's newline.
        UINT_PTR nID = pHeader->idFrom;
        auto* pInfoA = reinterpret_cast<NMTTDISPINFOA*>(lParam);
        // The wide record's text buffer is twice as long: its flags lie further on.
        UINT uFlags = pHeader->code == TTN_GETDISPINFOA ? pInfoA->uFlags
                                                        : reinterpret_cast<NMTTDISPINFOW*>(lParam)->uFlags;
        if (uFlags & TTF_IDISHWND)
            nID = static_cast<UINT_PTR>(::GetDlgCtrlID(reinterpret_cast<HWND>(nID)));
        CString strText;
        strText.LoadString(static_cast<UINT>(nID));
        int nNewLine = strText.Find('\n');
        strText = nNewLine >= 0 ? strText.Mid(nNewLine + 1) : CString();
        if (pHeader->code == TTN_GETDISPINFOA) {
            lstrcpynA(pInfoA->szText, strText, static_cast<int>(sizeof(pInfoA->szText)));
            pInfoA->lpszText = pInfoA->szText;
        } else {
            auto* pInfoW = reinterpret_cast<NMTTDISPINFOW*>(lParam);
            lstrcpynW(pInfoW->szText, WideText(strText).c_str(), 80);
            pInfoW->lpszText = pInfoW->szText;
        }
        *pResult = 0;
        return TRUE;
    }
    return CWnd::OnNotify(wParam, lParam, pResult);
}

LRESULT CFrameWnd::OnInitMenuPopup(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(lParam))
        return Default();  // the system menu
    HMENU hMenu = reinterpret_cast<HMENU>(wParam);
    UpdatePass pass(*this);
    CCmdUI state;
    state.m_hMenu = hMenu;
    int nCount = GetMenuItemCount(hMenu);
    state.m_nIndexMax = static_cast<UINT>(nCount);
    for (int i = 0; i < nCount; ++i) {
        UINT nID = GetMenuItemID(hMenu, i);
        if (nID == 0 || nID == static_cast<UINT>(-1))
            continue;  // a separator or a submenu
        state.m_nIndex = static_cast<UINT>(i);
        state.m_nID = nID;
        // An item that nobody handles is shown disabled.
        state.DoUpdate(this, TRUE);
    }
    return 0;
}

LRESULT CFrameWnd::OnMenuSelect(WPARAM wParam, LPARAM lParam) {
    UINT nFlags = HIWORD(wParam);
    if (nFlags == 0xFFFF && lParam == 0) {
        SetMessageText(AFX_IDS_IDLEMESSAGE);  // the menu closed
    } else if (nFlags & (MF_POPUP | MF_SEPARATOR)) {
        SetMessageText("");
    } else {
        SetMessageText(static_cast<UINT>(LOWORD(wParam)));
    }
    return 0;
}

LRESULT CFrameWnd::OnExitMenuLoop(WPARAM, LPARAM) {
    return Default();
}

void CFrameWnd::ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL) {
    pBar->ShowWindow(bShow ? SW_SHOWNA : SW_HIDE);
    RecalcLayout();
}

void CFrameWnd::RecalcLayout(BOOL) {
    if (m_bInRecalcLayout || !m_hWnd)
        return;
    m_bInRecalcLayout = TRUE;
    CRect rc;
    GetClientRect(&rc);
    m_docking.Layout(rc);
    if (HWND hPane = ::GetDlgItem(m_hWnd, AFX_IDW_PANE_FIRST)) {
        if (rc.right < rc.left)
            rc.right = rc.left;
        if (rc.bottom < rc.top)
            rc.bottom = rc.top;
        ::SetWindowPos(hPane, nullptr, rc.left, rc.top, rc.Width(), rc.Height(),
                       SWP_NOZORDER | SWP_NOACTIVATE);
    }
    m_bInRecalcLayout = FALSE;
}

void CFrameWnd::OnUpdateControlBarMenu(CCmdUI* pCmdUI) {
    CControlBar* pBar = m_docking.GetControlBar(pCmdUI->m_nID);
    if (!pBar) {
        pCmdUI->ContinueRouting();
        return;
    }
    pCmdUI->SetCheck((pBar->GetStyle() & WS_VISIBLE) != 0);
}

void CFrameWnd::OnUpdateKeyIndicator(CCmdUI* pCmdUI) {
    int nVirtKey = pCmdUI->m_nID == ID_INDICATOR_CAPS  ? VK_CAPITAL
                   : pCmdUI->m_nID == ID_INDICATOR_NUM ? VK_NUMLOCK
                                                       : VK_SCROLL;
    pCmdUI->Enable(::GetKeyState(nVirtKey) & 1);
}

void CFrameWnd::ToggleBar(UINT nID) {
    if (CControlBar* pBar = m_docking.GetControlBar(nID))
        ShowControlBar(pBar, (pBar->GetStyle() & WS_VISIBLE) == 0, FALSE);
}

void CFrameWnd::OnIdleUpdateCmdUI() {
    UpdatePass pass(*this);
    for (CControlBar* pBar : std::vector<CControlBar*>(m_docking.Bars())) {
        if (pBar->m_hWnd && pBar->IsWindowVisible())
            pBar->OnUpdateCmdUI(this, TRUE);
    }
}
