// The main window's creation, layout, showing, closing and destruction, its
// timers, the keyboard's way between the word box and the lists, and the
// entry points of the lookup and the update cycle, which its parts carry out.
#include "frame/MainFrame.h"

#include "frame/ListViews.h"
#include "frame/OutcomeReport.h"
#include "frame/TavDoc.h"
#include "framework/DocTemplate.h"
#include "framework/Module.h"
#include "res/resource.h"

IMPLEMENT_DYNCREATE(CMainFrame, CFrameWnd)

const char g_szWindowClassName[] = "F2908B5A-A477-4ea8-9382-F5DCFAE04B37";

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_SHOWWINDOW()
ON_WM_CLOSE()
ON_WM_DESTROY()
ON_WM_TIMER()
ON_WM_HELPINFO()
ON_EN_CHANGE(IDC_WORDBOX, OnWordBoxChange)
ON_MESSAGE(WM_LOAD_DICTIONARY, OnLoadDictionary)
ON_MESSAGE(WM_UPDATE_REPORT, OnUpdateReport)
END_MESSAGE_MAP()

namespace {

// WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC
const DWORD kTopBarStyle = 0x50402834;
// WS_CHILD | WS_VISIBLE | CBRS_BOTTOM
const DWORD kStatusBarStyle = 0x50008200;

const UINT kIndicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};

// A stored placement is applied only when it is a whole record that puts
// the window on some monitor.
BOOL IsUsablePlacement(const WINDOWPLACEMENT& wp) {
    const RECT& rc = wp.rcNormalPosition;
    if (rc.right <= rc.left || rc.bottom <= rc.top)
        return FALSE;
    return MonitorFromRect(&rc, MONITOR_DEFAULTTONULL) != nullptr;
}

// What the update cycle may ask of the window.
UpdateCycleHost HostIn(CMainFrame& frame) {
    UpdateCycleHost host;
    host.say = [&frame](LPCSTR pszText) { ShowOutcomeText(&frame, pszText); };
    host.openEditDialogs = [&frame] { return frame.m_nEditDialogs; };
    host.direction = [&frame] { return frame.m_settings.direction; };
    host.reloadKeepingFocus = [&frame] {
        HWND hFocus = ::GetFocus();
        DWORD dwStart = 0, dwEnd = 0;
        CWnd* pWordBox = frame.m_wndWordBar.GetWordBox();
        if (pWordBox)
            pWordBox->SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart),
                                  reinterpret_cast<LPARAM>(&dwEnd));
        frame.m_lookup.LoadDirection(frame.m_settings.direction);
        if (hFocus && ::IsChild(frame.m_hWnd, hFocus) && hFocus != ::GetFocus()) {
            frame.m_bFocusInWordBox = pWordBox && hFocus == pWordBox->m_hWnd;
            ::SetFocus(hFocus);
        }
        if (pWordBox)
            pWordBox->SendMessage(EM_SETSEL, dwStart, static_cast<LPARAM>(dwEnd));
    };
    host.holdTranslations = [&frame] { frame.KillTimer(ID_TIMER_TRANSLATIONS); };
    host.showTranslationsSoon = [&frame] { frame.m_lookup.ShowTranslationsSoon(); };
    host.recordAttempt = [&frame](LPCSTR pszWhen) { WriteLastUpdate(frame.m_settings, pszWhen); };
    return host;
}

}  // namespace

CMainFrame::CMainFrame()
    : m_settings(HeldSettings()),
      m_bFocusInWordBox(TRUE),
      m_nEditDialogs(0),
      m_lookup(*this),
      m_history(*this),
      m_lookupKey(*this),
      m_import(*this),
      m_appearance(*this),
      m_commands(*this),
      m_updateCycle(m_trayIcon, HostIn(*this)),
      m_bSplitterCreated(FALSE),
      m_bFirstShow(TRUE),
      m_bDeleteAllowed(FALSE),
      m_bAutoStart(FALSE),
      m_bAlwaysOnTop(FALSE),
      m_bHideWhenClose(FALSE),
      m_bHideWhenMinimized(FALSE),
      m_escape(EscapeFunction::kResetWord) {
    for (CCmdTarget* pPart :
         std::initializer_list<CCmdTarget*>{&m_commands, &m_lookupKey, &m_import, &m_appearance})
        AddPart(pPart);
}

BOOL CMainFrame::PreCreateWindow(CREATESTRUCTA& cs) {
    if (!CFrameWnd::PreCreateWindow(cs))
        return FALSE;
    // The class name is how a second start finds this window.
    WNDCLASSA wc = {};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = AfxGetInstanceHandle();
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hIcon = ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME));
    wc.lpszClassName = g_szWindowClassName;
    if (!AfxRegisterClass(&wc))
        return FALSE;
    cs.lpszClass = g_szWindowClassName;
    return TRUE;
}

int CMainFrame::OnCreate(LPCREATESTRUCT lpcs) {
    if (CFrameWnd::OnCreate(lpcs) == -1)
        return -1;

    if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT, kTopBarStyle, CRect(0, 0, 0, 0), AFX_IDW_TOOLBAR) ||
        !m_wndToolBar.LoadToolBar(IDR_MAINFRAME))
        return -1;

    if (!m_wndStatusBar.Create(this, kStatusBarStyle, AFX_IDW_STATUS_BAR) ||
        !m_wndStatusBar.SetIndicators(kIndicators,
                                      static_cast<int>(sizeof(kIndicators) / sizeof(kIndicators[0]))))
        return -1;

    if (!m_wndWordBar.Create(this, IDD_WORDBAR, kTopBarStyle, IDD_WORDBAR))
        return -1;
    m_appearance.Apply(m_settings);

    // The word bar joins the toolbar's row, right of it.
    m_wndToolBar.EnableDocking(CBRS_ALIGN_ANY);
    m_docking.EnableDocking(CBRS_ALIGN_ANY);
    m_wndWordBar.EnableDocking(CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM);
    m_docking.EnableDocking(CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM);
    m_docking.DockControlBar(&m_wndToolBar, AFX_IDW_DOCKBAR_TOP);
    RecalcLayout(TRUE);
    CRect rect;
    m_wndToolBar.GetWindowRect(&rect);
    rect.OffsetRect(1, 0);
    m_docking.DockControlBar(&m_wndWordBar, AFX_IDW_DOCKBAR_TOP, &rect);

    LoadBarState("BarState");

    // The options as the settings were read (see TavSettings).
    m_bAutoStart = m_settings.bAutoStart;
    m_bHideWhenMinimized = m_settings.bHideWhenMinimized;
    m_bAlwaysOnTop = m_settings.bAlwaysOnTop;
    m_bHideWhenClose = m_settings.bHideWhenClose;
    m_escape = m_settings.escape;
    m_lookupKey.Start(m_settings.bLookupKey);
    m_history.Load();

    if (m_bAlwaysOnTop)
        ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);

    // Without shell support the program simply has no icon.
    m_trayIcon.Create(nullptr, WM_TRAY_NOTIFY, "Double-click to open the dictionary",
                      ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME)), IDR_TRAYMENU,
                      FALSE, nullptr, nullptr, NIIF_INFO, 10);
    m_trayIcon.SetMenuDefaultItem(2, TRUE);  // "&Restore", also the icon's double-click
    m_trayIcon.SetNotifyTarget(this);

    m_updateCycle.Attach(m_hWnd, ID_TIMER_UPDATE);
    m_updateCycle.UseServer(m_settings.strServerHost);
    return 0;
}

BOOL CMainFrame::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext) {
    CRect rect;
    GetWindowRect(&rect);
    int nHalf = rect.Width() / 2;
    if (!m_wndSplitter.CreateStatic(this, 1, 2, WS_CHILD | WS_VISIBLE, AFX_IDW_PANE_FIRST))
        return FALSE;
    if (!m_wndSplitter.CreateView(0, 0, RUNTIME_CLASS(CList1), CSize(nHalf, 0), pContext) ||
        !m_wndSplitter.CreateView(0, 1, RUNTIME_CLASS(CList2), CSize(0, nHalf), pContext))
        return FALSE;
    m_bSplitterCreated = TRUE;
    if (auto* pDoc = DynamicDowncast<CTavDoc>(pContext ? pContext->m_pCurrentDoc : nullptr)) {
        DocumentWindows windows;
        windows.pFrame = this;
        windows.pWordList = GetWordList();
        windows.pTranslationList = GetTranslationList();
        windows.direction = m_settings.direction;
        pDoc->SetWindows(windows);
    }
    return TRUE;
}

CWnd* CMainFrame::GetWordList() const {
    return m_bSplitterCreated ? m_wndSplitter.GetPane(0, 0) : nullptr;
}

CWnd* CMainFrame::GetTranslationList() const {
    return m_bSplitterCreated ? m_wndSplitter.GetPane(0, 1) : nullptr;
}

CTavDoc* GetTavDoc(const CMainFrame& frame) {
    CView* pView = frame.GetActiveView();
    if (!pView)
        pView = DynamicDowncast<CView>(frame.GetWordList());
    return pView ? DynamicDowncast<CTavDoc>(pView->GetDocument()) : nullptr;
}

void CMainFrame::OnSize(UINT nType, int cx, int cy) {
    if (nType == SIZE_MINIMIZED && m_bHideWhenMinimized == 1) {
        m_trayIcon.HideTarget();
    } else if (nType == SIZE_RESTORED || nType == SIZE_MAXIMIZED) {
        m_trayIcon.HideIcon();
        if (m_bSplitterCreated) {
            // Every resize splits the lists equally again.
            CRect rect;
            GetWindowRect(&rect);
            m_wndSplitter.SetColumnInfo(0, rect.Width() / 2, 10);
            m_wndSplitter.SetColumnInfo(1, rect.Width() / 2, 10);
            m_wndSplitter.RecalcLayout();
        }
    }
    CFrameWnd::OnSize(nType, cx, cy);
}

void CMainFrame::OnShowWindow(BOOL bShow, UINT nStatus) {
    CFrameWnd::OnShowWindow(bShow, nStatus);
    if (!bShow || IsWindowVisible() || !m_bFirstShow)
        return;
    m_bFirstShow = FALSE;
    if (m_settings.bPlacement && IsUsablePlacement(m_settings.placement)) {
        WINDOWPLACEMENT wp = m_settings.placement;
        wp.length = sizeof(wp);
        if (m_bAutoStart)
            wp.showCmd = SW_MINIMIZE;  // started with Windows: come up minimised
        SetWindowPlacement(&wp);
    }
}

void CMainFrame::OnClose() {
    if (m_bHideWhenClose) {
        ShowWindow(SW_MINIMIZE);
        m_trayIcon.HideTarget();
        return;
    }
    m_trayIcon.HideIcon();
    CFrameWnd::OnClose();
}

void CMainFrame::OnDestroy() {
    SaveBarState("BarState");
    CFrameWnd::OnDestroy();

    WINDOWPLACEMENT wp;
    if (GetWindowPlacement(&wp)) {
        // A minimised window comes back maximised rather than as an icon.
        if (wp.showCmd == SW_SHOWMINIMIZED)
            wp.showCmd = SW_SHOWMAXIMIZED;
        m_settings.placement = wp;
        m_settings.bPlacement = TRUE;
    }
    m_settings.bAlwaysOnTop = m_bAlwaysOnTop;
    m_settings.bHideWhenMinimized = m_bHideWhenMinimized;
    m_settings.bHideWhenClose = m_bHideWhenClose;
    m_settings.escape = m_escape;
    m_settings.bAutoStart = m_bAutoStart;
    m_settings.bLookupKey = m_lookupKey.IsWanted();
    m_appearance.Save(m_settings);
    WriteSettings(m_settings);
    m_history.Save();
    m_lookupKey.Stop();

    m_import.Cancel();
    m_updateCycle.GiveUp();
}

void CMainFrame::OnTimer(UINT_PTR nIDEvent) {
    if (nIDEvent == ID_TIMER_TRANSLATIONS) {
        KillTimer(ID_TIMER_TRANSLATIONS);
        m_lookup.ShowLookupResult();
        SetTimer(ID_TIMER_HISTORY, 1000);  // shown for a second, the word counts as looked up
    } else if (nIDEvent == ID_TIMER_HISTORY) {
        m_history.RecordLookup();
    } else if (nIDEvent == ID_TIMER_UPDATE) {
        m_updateCycle.OnTick();
    }
    CFrameWnd::OnTimer(nIDEvent);
}

LRESULT CMainFrame::OnUpdateReport(WPARAM, LPARAM) {
    m_updateCycle.OnReport();
    return 0;
}

void CMainFrame::OnHelpUpdate() {
    m_updateCycle.Begin();
}

void CMainFrame::OnWordBoxChange() {
    m_lookup.OnWordBoxChange();
}

BOOL CMainFrame::PreTranslateMessage(MSG* pMsg) {
    CWnd* pWordList = GetWordList();
    CWnd* pTranslationList = GetTranslationList();
    CWnd* pWordBox = m_wndWordBar.GetWordBox();
    if (!pWordList || !pTranslationList || !pWordBox)
        return CFrameWnd::PreTranslateMessage(pMsg);

    HWND hWnd = pMsg->hwnd;
    BOOL bInList = hWnd == pWordList->m_hWnd || hWnd == pTranslationList->m_hWnd;
    if (pMsg->message == WM_LBUTTONDOWN) {
        if (bInList)
            m_bFocusInWordBox = FALSE;
        else if (hWnd == pWordBox->m_hWnd)
            m_bFocusInWordBox = TRUE;
    } else if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN && hWnd == pWordBox->m_hWnd) {
        // Enter: the word now, and it counts as looked up.
        m_lookup.ShowLookupResultNow();
        return TRUE;
    } else if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_TAB) {
        // Tab (with or without Shift) goes word box -> word list -> word box.
        BOOL bBarVisible = m_wndWordBar.IsWindowVisible();
        if (hWnd == pWordBox->m_hWnd) {
            m_bFocusInWordBox = FALSE;
            pWordList->SetFocus();
            return TRUE;
        }
        if (bInList && bBarVisible) {
            m_bFocusInWordBox = TRUE;
            pWordBox->SetFocus();
            CWordLookup::PutCaretAtEnd(pWordBox);
            return TRUE;
        }
        if (hWnd == pWordList->m_hWnd)
            return FALSE;  // the list takes Tab as an ordinary key
        if (hWnd == pTranslationList->m_hWnd) {
            m_bFocusInWordBox = FALSE;
            pWordList->SetFocus();
            return TRUE;
        }
    }
    return CFrameWnd::PreTranslateMessage(pMsg);
}

void CMainFrame::FocusWordBox(BOOL bSelectAll) {
    if (CWnd* pWordBox = m_wndWordBar.GetShownWordBox()) {
        m_bFocusInWordBox = TRUE;
        pWordBox->SetFocus();
        if (bSelectAll) {
            pWordBox->SendMessage(EM_SETSEL, 0, -1);
            pWordBox->SendMessage(EM_SCROLLCARET);
        } else {
            CWordLookup::PutCaretAtEnd(pWordBox);
        }
    } else {
        m_bFocusInWordBox = FALSE;
        if (CWnd* pWordList = GetWordList())
            pWordList->SetFocus();
    }
}

LRESULT CMainFrame::OnLoadDictionary(WPARAM wParam, LPARAM) {
    // Only the window itself asks for a load; another program's message, or
    // a direction that does not exist, changes nothing.
    if (!m_lookup.TakeLoadRequest() || wParam > static_cast<WPARAM>(Direction::kRomanianEnglish))
        return static_cast<LRESULT>(m_settings.direction);
    m_bDeleteAllowed = FALSE;
    m_settings.direction = static_cast<Direction>(wParam);
    OnUpdateFrameTitle(FALSE);
    if (!GetWordList() || !GetTranslationList())
        return static_cast<LRESULT>(m_settings.direction);
    m_lookup.LoadWordList("Loading ...");
    FocusWordBox(TRUE);

    // The user's word, looked up in the dictionary just loaded.
    CWnd* pWordBox = m_wndWordBar.GetWordBox();
    if (pWordBox && pWordBox->GetWindowTextLength() > 0) {
        m_lookup.LookUpWordBoxText();
        m_lookup.ShowTranslationsSoon();
    }
    return static_cast<LRESULT>(m_settings.direction);
}
