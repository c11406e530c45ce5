#include "framework/FrameWnd.h"

#include "framework/ControlBar.h"
#include "framework/DocTemplate.h"
#include "framework/Document.h"
#include "framework/Gdi.h"
#include "framework/Module.h"
#include "framework/Palette.h"
#include "framework/Splitter.h"
#include "framework/StatusBar.h"
#include "framework/View.h"
#include "framework/WideText.h"
#include "framework/WinApp.h"

#include <commctrl.h>

#include <algorithm>
#include <set>

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
ON_COMMAND(ID_NEXT_PANE, OnNextPane)
ON_COMMAND(ID_PREV_PANE, OnPrevPane)
END_MESSAGE_MAP()

namespace {

const char kFrameClass[] = "TavFrame";
enum { kTop, kBottom, kLeft, kRight };
const DWORD kSideAlign[4] = {CBRS_ALIGN_TOP, CBRS_ALIGN_BOTTOM, CBRS_ALIGN_LEFT, CBRS_ALIGN_RIGHT};

// The prompt of a command: its string up to the first newline.
CString LoadPrompt(UINT nID) {
    CString strText;
    strText.LoadString(nID);
    int nNewLine = strText.Find('\n');
    return nNewLine >= 0 ? strText.Left(nNewLine) : strText;
}

}  // namespace

CFrameWnd::~CFrameWnd() {
    for (CControlBar* pBar : m_bars)
        pBar->m_pDockFrame = nullptr;  // bars that outlive the frame
}

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
    for (const CRect& rc : m_rcDockAreas) {
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

void CFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle) {
    CDocument* pDoc = GetActiveDocument();
    UpdateFrameTitleForDocument(
        bAddToTitle && pDoc && !pDoc->GetTitle().IsEmpty() ? pDoc->GetTitle().Str().c_str() : nullptr);
}

void CFrameWnd::UpdateFrameTitleForDocument(LPCSTR lpszDocName) {
    CString strTitle = m_strTitle;
    if (strTitle.IsEmpty() && AfxGetApp() && AfxGetApp()->m_pszAppName)
        strTitle = AfxGetApp()->m_pszAppName;
    if (lpszDocName && *lpszDocName)
        strTitle = CString(lpszDocName) + " - " + strTitle;
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
    if (m_pViewActive && m_pViewActive->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinApp* pApp = AfxGetApp();
    return pApp && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
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

void CFrameWnd::OnUpdateControlBarMenu(CCmdUI* pCmdUI) {
    CControlBar* pBar = GetControlBar(pCmdUI->m_nID);
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
    if (CControlBar* pBar = GetControlBar(nID))
        ShowControlBar(pBar, (pBar->GetStyle() & WS_VISIBLE) == 0, FALSE);
}

void CFrameWnd::ActivateNextPane(BOOL bPrevious) {
    if (auto* pSplitter = DynamicDowncast<CSplitterWnd>(GetDlgItem(AFX_IDW_PANE_FIRST)))
        pSplitter->ActivateNext(bPrevious);
}

void CFrameWnd::OnIdleUpdateCmdUI() {
    for (CControlBar* pBar : std::vector<CControlBar*>(m_bars)) {
        if (pBar->m_hWnd && pBar->IsWindowVisible())
            pBar->OnUpdateCmdUI(this, TRUE);
    }
}

// ---- Control bars -------------------------------------------------------

void CFrameWnd::AddControlBar(CControlBar* pBar) {
    if (std::find(m_bars.begin(), m_bars.end(), pBar) == m_bars.end())
        m_bars.push_back(pBar);
}

void CFrameWnd::RemoveControlBar(CControlBar* pBar) {
    m_bars.erase(std::remove(m_bars.begin(), m_bars.end(), pBar), m_bars.end());
}

CControlBar* CFrameWnd::GetControlBar(UINT nID) const {
    for (CControlBar* pBar : m_bars) {
        if (pBar->m_hWnd && static_cast<UINT>(pBar->GetDlgCtrlID()) == nID)
            return pBar;
    }
    return nullptr;
}

int CFrameWnd::SideOfDockBar(UINT nDockBarID) {
    switch (nDockBarID) {
        case AFX_IDW_DOCKBAR_BOTTOM:
            return kBottom;
        case AFX_IDW_DOCKBAR_LEFT:
            return kLeft;
        case AFX_IDW_DOCKBAR_RIGHT:
            return kRight;
        case AFX_IDW_DOCKBAR_TOP:
            return kTop;
        default:
            return -1;
    }
}

void CFrameWnd::NormalizeRows() {
    // Rows are numbered 0, 1, 2 ... on each side, without gaps.
    for (int nSide = 0; nSide < 4; ++nSide) {
        std::set<int> rows;
        for (CControlBar* pBar : m_bars) {
            if (pBar->m_nDockSide == nSide)
                rows.insert(pBar->m_nDockRow);
        }
        for (CControlBar* pBar : m_bars) {
            if (pBar->m_nDockSide == nSide)
                pBar->m_nDockRow = static_cast<int>(std::distance(rows.begin(), rows.find(pBar->m_nDockRow)));
        }
    }
}

void CFrameWnd::PlaceBar(CControlBar* pBar, int nSide, int nRow, int nOffset) {
    pBar->m_nDockSide = nSide;
    pBar->m_nDockRow = nRow;
    pBar->m_nDockOffset = std::max(nOffset, 0);
    pBar->SetBarStyle((pBar->GetBarStyle() & ~CBRS_ALIGN_ANY) | kSideAlign[nSide]);
    NormalizeRows();
    if (pBar->m_hWnd)
        pBar->SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
    RecalcLayout();
}

void CFrameWnd::DockControlBar(CControlBar* pBar, UINT nDockBarID, LPCRECT lpRect) {
    int nSide = SideOfDockBar(nDockBarID);
    if (nSide < 0) {
        for (int i = 0; i < 4 && nSide < 0; ++i) {
            if (pBar->m_dwDockStyle & m_dwDockStyle & kSideAlign[i])
                nSide = i;
        }
    }
    if (nSide < 0)
        return;
    RecalcLayout();
    int nRow = 0;
    for (CControlBar* p : m_bars) {
        if (p != pBar && p->m_nDockSide == nSide)
            nRow = std::max(nRow, p->m_nDockRow + 1);
    }
    int nOffset = 0;
    if (lpRect) {
        // Join the row that the rectangle's corner falls into, at its place.
        CRect rc(*lpRect);
        ScreenToClient(&rc);
        BOOL bHorz = nSide == kTop || nSide == kBottom;
        const CRect& rcArea = m_rcDockAreas[nSide];
        nOffset = bHorz ? rc.left - rcArea.left : rc.top - rcArea.top;
        for (CControlBar* p : m_bars) {
            if (p == pBar || p->m_nDockSide != nSide || !p->IsVisible())
                continue;
            CRect rcOther;
            p->GetWindowRect(&rcOther);
            ScreenToClient(&rcOther);
            BOOL bInRow = bHorz ? (rc.top >= rcOther.top && rc.top < rcOther.bottom)
                                : (rc.left >= rcOther.left && rc.left < rcOther.right);
            if (bInRow) {
                nRow = p->m_nDockRow;
                break;
            }
        }
    }
    PlaceBar(pBar, nSide, nRow, nOffset);
}

void CFrameWnd::DockControlBarAtPoint(CControlBar* pBar, CPoint ptScreen, const CRect& rcBarScreen) {
    CPoint pt = ptScreen;
    ScreenToClient(&pt);
    CRect rcClient;
    GetClientRect(&rcClient);
    const int kSlack = 24;
    // The side whose dock area (or the edge next to it) holds the point.
    int nSide = -1;
    for (int i = 0; i < 4 && nSide < 0; ++i) {
        if (!(pBar->m_dwDockStyle & m_dwDockStyle & kSideAlign[i]))
            continue;
        CRect rcZone = m_rcDockAreas[i];
        switch (i) {
            case kTop:
                rcZone.bottom = std::max<LONG>(rcZone.bottom, rcClient.top) + kSlack;
                break;
            case kBottom:
                rcZone.top = std::min<LONG>(rcZone.top, rcClient.bottom) - kSlack;
                break;
            case kLeft:
                rcZone.right = std::max<LONG>(rcZone.right, rcClient.left) + kSlack;
                break;
            default:
                rcZone.left = std::min<LONG>(rcZone.left, rcClient.right) - kSlack;
                break;
        }
        if (rcZone.PtInRect(pt))
            nSide = i;
    }
    if (nSide < 0)
        return;  // not a place the bar may go: it stays where it was
    BOOL bHorz = nSide == kTop || nSide == kBottom;
    CRect rcBar(rcBarScreen);
    ScreenToClient(&rcBar);
    int nOffset = bHorz ? rcBar.left - m_rcDockAreas[nSide].left : rcBar.top - m_rcDockAreas[nSide].top;
    // The row under the point; beyond the last row, a new one.
    int nRow = 0, nLastRow = -1;
    BOOL bFound = FALSE;
    for (CControlBar* p : m_bars) {
        if (p->m_nDockSide != nSide || !p->IsVisible())
            continue;
        nLastRow = std::max(nLastRow, p->m_nDockRow);
        CRect rcOther;
        p->GetWindowRect(&rcOther);
        ScreenToClient(&rcOther);
        BOOL bInRow = bHorz ? (pt.y >= rcOther.top && pt.y < rcOther.bottom)
                            : (pt.x >= rcOther.left && pt.x < rcOther.right);
        if (bInRow && !bFound) {
            nRow = p->m_nDockRow;
            bFound = TRUE;
        }
    }
    if (!bFound) {
        BOOL bBefore = (nSide == kTop && pt.y < m_rcDockAreas[nSide].top) ||
                       (nSide == kBottom && pt.y >= m_rcDockAreas[nSide].bottom) ||
                       (nSide == kLeft && pt.x < m_rcDockAreas[nSide].left) ||
                       (nSide == kRight && pt.x >= m_rcDockAreas[nSide].right);
        if (bBefore) {
            for (CControlBar* p : m_bars) {
                if (p->m_nDockSide == nSide)
                    ++p->m_nDockRow;
            }
            nRow = 0;
        } else {
            nRow = nLastRow + 1;
        }
    }
    PlaceBar(pBar, nSide, nRow, nOffset);
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
    auto place = [](CControlBar* pBar, int x, int y, int cx, int cy) {
        CRect rcNew(x, y, x + cx, y + cy);
        CRect rcOld;
        pBar->GetWindowRect(&rcOld);
        pBar->GetParent()->ScreenToClient(&rcOld);
        if (rcOld != rcNew)
            pBar->SetWindowPos(nullptr, x, y, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
    };

    // Bars fixed to an edge (the status bar) take the outermost place.
    for (CControlBar* pBar : m_bars) {
        if (pBar->m_nDockSide >= 0 || !pBar->IsVisible())
            continue;
        int cy = pBar->CalcFixedLayout(TRUE, TRUE).cy;
        if (pBar->GetBarStyle() & CBRS_ALIGN_TOP) {
            place(pBar, rc.left, rc.top, rc.Width(), cy);
            rc.top += cy;
        } else {
            place(pBar, rc.left, rc.bottom - cy, rc.Width(), cy);
            rc.bottom -= cy;
        }
    }

    // Then each side's rows, from the edge inwards.
    for (int nSide = 0; nSide < 4; ++nSide) {
        BOOL bHorz = nSide == kTop || nSide == kBottom;
        std::set<int> rows;
        for (CControlBar* pBar : m_bars) {
            if (pBar->m_nDockSide == nSide && pBar->IsVisible())
                rows.insert(pBar->m_nDockRow);
        }
        CRect rcArea = rc;
        for (int nRow : rows) {
            std::vector<CControlBar*> bars;
            for (CControlBar* pBar : m_bars) {
                if (pBar->m_nDockSide == nSide && pBar->IsVisible() && pBar->m_nDockRow == nRow)
                    bars.push_back(pBar);
            }
            std::stable_sort(bars.begin(), bars.end(), [](CControlBar* a, CControlBar* b) {
                return a->m_nDockOffset < b->m_nDockOffset;
            });
            // A row of the top or bottom that is wider than the window goes on
            // below itself, a bar at a time (at a high resolution the toolbar
            // and the word bar do not fit side by side), so no bar is cut off.
            std::vector<std::vector<CControlBar*>> lines(1);
            int nEnd = rc.left;
            for (CControlBar* pBar : bars) {
                const int cx = pBar->CalcFixedLayout(FALSE, bHorz).cx;
                const int x = std::max<int>(nEnd, rc.left + pBar->m_nDockOffset);
                if (bHorz && !lines.back().empty() && x + cx > rc.right) {
                    lines.emplace_back();
                    nEnd = rc.left + cx;
                } else {
                    nEnd = x + cx;
                }
                lines.back().push_back(pBar);
            }
            for (size_t nLine = 0; nLine < lines.size(); ++nLine) {
                int nThickness = 0;
                for (CControlBar* pBar : lines[nLine]) {
                    CSize size = pBar->CalcFixedLayout(FALSE, bHorz);
                    nThickness = std::max<int>(nThickness, bHorz ? size.cy : size.cx);
                }
                int nPos = bHorz ? rc.left : rc.top;
                for (CControlBar* pBar : lines[nLine]) {
                    CSize size = pBar->CalcFixedLayout(FALSE, bHorz);
                    if (bHorz) {
                        if (nLine == 0)
                            nPos = std::max<int>(nPos, rc.left + pBar->m_nDockOffset);
                        int y = nSide == kTop ? rc.top : rc.bottom - nThickness;
                        place(pBar, nPos, y, size.cx, nThickness);
                        nPos += size.cx;
                    } else {
                        nPos = std::max<int>(nPos, rc.top + pBar->m_nDockOffset);
                        int x = nSide == kLeft ? rc.left : rc.right - nThickness;
                        place(pBar, x, nPos, nThickness, size.cy);
                        nPos += size.cy;
                    }
                }
                switch (nSide) {
                    case kTop:
                        rc.top += nThickness;
                        break;
                    case kBottom:
                        rc.bottom -= nThickness;
                        break;
                    case kLeft:
                        rc.left += nThickness;
                        break;
                    default:
                        rc.right -= nThickness;
                        break;
                }
            }
        }
        switch (nSide) {
            case kTop:
                m_rcDockAreas[nSide] = CRect(rcArea.left, rcArea.top, rcArea.right, rc.top);
                break;
            case kBottom:
                m_rcDockAreas[nSide] = CRect(rcArea.left, rc.bottom, rcArea.right, rcArea.bottom);
                break;
            case kLeft:
                m_rcDockAreas[nSide] = CRect(rcArea.left, rc.top, rc.left, rc.bottom);
                break;
            default:
                m_rcDockAreas[nSide] = CRect(rc.right, rc.top, rcArea.right, rc.bottom);
                break;
        }
    }

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

void CFrameWnd::SaveBarState(LPCSTR lpszProfileName) const {
    CWinApp* pApp = AfxGetApp();
    if (!pApp)
        return;
    CString strSummary = CString(lpszProfileName) + "-Summary";
    int nIndex = 0;
    for (CControlBar* pBar : m_bars) {
        if (!pBar->m_hWnd)
            continue;
        CString strSection;
        strSection.Format("%s-Bar%d", lpszProfileName, nIndex++);
        pApp->WriteProfileInt(strSection, "BarID", pBar->GetDlgCtrlID());
        pApp->WriteProfileInt(strSection, "Visible", (pBar->GetStyle() & WS_VISIBLE) ? 1 : 0);
        pApp->WriteProfileInt(strSection, "DockSide", pBar->m_nDockSide);
        pApp->WriteProfileInt(strSection, "DockRow", pBar->m_nDockRow);
        pApp->WriteProfileInt(strSection, "DockOffset", pBar->m_nDockOffset);
    }
    pApp->WriteProfileInt(strSummary, "Bars", nIndex);
}

void CFrameWnd::LoadBarState(LPCSTR lpszProfileName) {
    CWinApp* pApp = AfxGetApp();
    if (!pApp)
        return;
    CString strSummary = CString(lpszProfileName) + "-Summary";
    int nBars = static_cast<int>(pApp->GetProfileInt(strSummary, "Bars", 0));
    if (nBars <= 0 || nBars > 64)
        return;
    const int kLimit = 1 << 16;
    for (int i = 0; i < nBars; ++i) {
        CString strSection;
        strSection.Format("%s-Bar%d", lpszProfileName, i);
        CControlBar* pBar = GetControlBar(pApp->GetProfileInt(strSection, "BarID", 0));
        if (!pBar)
            continue;
        // A value out of its range is ignored, and the bar stays as created.
        int nSide = static_cast<int>(pApp->GetProfileInt(strSection, "DockSide", pBar->m_nDockSide));
        int nRow = static_cast<int>(pApp->GetProfileInt(strSection, "DockRow", pBar->m_nDockRow));
        int nOffset = static_cast<int>(pApp->GetProfileInt(strSection, "DockOffset", pBar->m_nDockOffset));
        if (pBar->m_nDockSide >= 0 && nSide >= 0 && nSide < 4 &&
            (pBar->m_dwDockStyle & m_dwDockStyle & kSideAlign[nSide]) && nRow >= 0 && nRow < 64 &&
            nOffset >= 0 && nOffset < kLimit) {
            pBar->m_nDockSide = nSide;
            pBar->m_nDockRow = nRow;
            pBar->m_nDockOffset = nOffset;
            pBar->SetBarStyle((pBar->GetBarStyle() & ~CBRS_ALIGN_ANY) | kSideAlign[nSide]);
        }
        UINT nVisible = pApp->GetProfileInt(strSection, "Visible", 2);
        if (nVisible == 0 || nVisible == 1)
            pBar->ShowWindow(nVisible ? SW_SHOWNA : SW_HIDE);
    }
    NormalizeRows();
    for (CControlBar* pBar : m_bars) {
        if (pBar->m_hWnd)
            pBar->SetWindowPos(nullptr, 0, 0, 0, 0,
                               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
    }
    RecalcLayout();
}
