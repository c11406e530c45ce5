#include "framework/PropertySheet.h"

#include "framework/Module.h"
#include "framework/WideText.h"
#include "framework/WinApp.h"

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)
IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
    if (rControl.m_hWnd)
        return;
    HWND hControl = ::GetDlgItem(pDX->m_pDlgWnd->m_hWnd, nIDC);
    if (hControl)
        rControl.SubclassWindow(hControl);
}

namespace {

// The sheet being created on this thread; the creation hook attaches it to
// the first dialog window that is not a child (the sheet's own frame).
thread_local CPropertySheet* t_pSheetInit = nullptr;
thread_local HHOOK t_hCreateHook = nullptr;

// The modal sheet whose windows get PreTranslateMessage, and the hook that
// calls it from the system's modal loop.
thread_local CPropertySheet* t_pModalSheet = nullptr;
thread_local HHOOK t_hGetMessageHook = nullptr;

void UnhookSheetCreate() {
    t_pSheetInit = nullptr;
    if (t_hCreateHook) {
        UnhookWindowsHookEx(t_hCreateHook);
        t_hCreateHook = nullptr;
    }
}

LRESULT CALLBACK SheetCreateHook(int nCode, WPARAM wParam, LPARAM lParam) {
    if (nCode == HCBT_CREATEWND && t_pSheetInit) {
        HWND hWnd = reinterpret_cast<HWND>(wParam);
        const CREATESTRUCTW* pcs = reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs;
        char szClass[16] = "";
        ::GetClassNameA(hWnd, szClass, sizeof(szClass));
        if (!(pcs->style & WS_CHILD) && lstrcmpA(szClass, "#32770") == 0) {
            CPropertySheet* pSheet = t_pSheetInit;
            t_pSheetInit = nullptr;
            pSheet->SubclassWindow(hWnd);
        }
    }
    return CallNextHookEx(t_hCreateHook, nCode, wParam, lParam);
}

// The sheet tells us it is set up: the creation hook has done its work.
int CALLBACK SheetCallback(HWND, UINT uMsg, LPARAM) {
    if (uMsg == PSCB_INITIALIZED)
        UnhookSheetCreate();
    return 0;
}

LRESULT CALLBACK SheetGetMessageHook(int nCode, WPARAM wParam, LPARAM lParam) {
    if (nCode == HC_ACTION && wParam == PM_REMOVE && t_pModalSheet) {
        auto* pMsg = reinterpret_cast<MSG*>(lParam);
        HWND hWndSheet = t_pModalSheet->m_hWnd;
        if (hWndSheet && pMsg->hwnd && (pMsg->hwnd == hWndSheet || ::IsChild(hWndSheet, pMsg->hwnd))) {
            BOOL bTaken = AfxCallGuarded([&] { return AfxWalkPreTranslateTree(hWndSheet, pMsg); }, FALSE);
            if (bTaken)
                pMsg->message = WM_NULL;  // handled: the loop dispatches nothing
        }
    }
    return CallNextHookEx(t_hGetMessageHook, nCode, wParam, lParam);
}

// The page's dialog procedure: the system hands it the page's
// PROPSHEETPAGE with WM_INITDIALOG, whose lParam is the page object.
INT_PTR CALLBACK PropertyPageDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_INITDIALOG)
        return FALSE;
    const auto* psp = reinterpret_cast<const PROPSHEETPAGEW*>(lParam);
    auto* pPage = psp ? reinterpret_cast<CPropertyPage*>(psp->lParam) : nullptr;
    if (!pPage || CWnd::FromHandlePermanent(hWnd) || !pPage->SubclassWindow(hWnd))
        return TRUE;
    return AfxCallGuarded([&] { return pPage->HandleInitDialog(wParam, lParam); }, FALSE);
}

}  // namespace

// CPropertyPage

CPropertyPage::CPropertyPage(UINT nIDTemplate) : CDialog(nIDTemplate), m_psp() {
    m_psp.dwSize = sizeof(m_psp);
    m_psp.dwFlags = PSP_DEFAULT;
    m_psp.pszTemplate = MAKEINTRESOURCEW(nIDTemplate);
    m_psp.pfnDlgProc = PropertyPageDlgProc;
    m_psp.lParam = reinterpret_cast<LPARAM>(this);
}

BOOL CPropertyPage::OnSetActive() {
    return TRUE;
}

BOOL CPropertyPage::OnKillActive() {
    return UpdateData(TRUE);
}

void CPropertyPage::OnOK() {}

void CPropertyPage::OnCancel() {}

BOOL CPropertyPage::PreTranslateMessage(MSG* pMsg) {
    return CWnd::PreTranslateMessage(pMsg);
}

BOOL CPropertyPage::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    const auto* pHeader = reinterpret_cast<const NMHDR*>(lParam);
    if (pHeader->hwndFrom != ::GetParent(m_hWnd))
        return CDialog::OnNotify(wParam, lParam, pResult);
    switch (pHeader->code) {
        case PSN_SETACTIVE:
            *pResult = OnSetActive() ? 0 : -1;
            break;
        case PSN_KILLACTIVE:
            *pResult = OnKillActive() ? FALSE : TRUE;
            break;
        case PSN_APPLY:
            OnOK();
            *pResult = PSNRET_NOERROR;
            break;
        case PSN_RESET:
            OnCancel();
            *pResult = 0;
            break;
        default:
            return CDialog::OnNotify(wParam, lParam, pResult);
    }
    // A dialog answers notifications through its message result as well.
    ::SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, *pResult);
    return TRUE;
}

// CPropertySheet

CPropertySheet::CPropertySheet(LPCSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : m_psh(), m_strCaption(pszCaption), m_pParentWnd(pParentWnd) {
    m_psh.dwSize = sizeof(m_psh);
    m_psh.nStartPage = iSelectPage;
}

void CPropertySheet::AddPage(CPropertyPage* pPage) {
    if (pPage)
        m_pages.push_back(pPage);
}

CPropertyPage* CPropertySheet::GetPage(int nPage) const {
    if (nPage < 0 || nPage >= GetPageCount())
        return nullptr;
    return m_pages[static_cast<size_t>(nPage)];
}

INT_PTR CPropertySheet::DoModal() {
    if (m_hWnd || m_pages.empty())
        return -1;

    std::vector<PROPSHEETPAGEW> pages;
    for (CPropertyPage* pPage : m_pages) {
        PROPSHEETPAGEW psp = pPage->m_psp;
        psp.hInstance = AfxGetResourceHandle();  // RT_DIALOG
        pages.push_back(psp);
    }

    CWnd* pParent = m_pParentWnd ? m_pParentWnd : AfxGetMainWnd();
    HWND hWndOwner = pParent && pParent->m_hWnd ? ::GetAncestor(pParent->m_hWnd, GA_ROOT) : nullptr;

    const std::wstring strCaption = WideText(m_strCaption);
    PROPSHEETHEADERW psh = m_psh;
    psh.dwSize = sizeof(psh);
    psh.dwFlags = (psh.dwFlags & ~PSH_MODELESS) | PSH_PROPSHEETPAGE | PSH_USECALLBACK;
    psh.hwndParent = hWndOwner;
    psh.hInstance = AfxGetResourceHandle();
    psh.pszCaption = strCaption.c_str();
    psh.nPages = static_cast<UINT>(pages.size());
    if (psh.nStartPage >= psh.nPages)
        psh.nStartPage = 0;
    psh.ppsp = pages.data();
    psh.pfnCallback = SheetCallback;

    // Attach the sheet as it is created; while it runs, our hook gives its
    // windows their PreTranslateMessage. A sheet opened from a sheet's
    // handler borrows the hook and hands it back when it ends.
    CPropertySheet* pOuterSheet = t_pModalSheet;
    BOOL bOwnHook = t_hGetMessageHook == nullptr;
    t_pModalSheet = this;
    if (bOwnHook)
        t_hGetMessageHook =
            SetWindowsHookExW(WH_GETMESSAGE, SheetGetMessageHook, nullptr, GetCurrentThreadId());
    t_pSheetInit = this;
    t_hCreateHook = SetWindowsHookExW(WH_CBT, SheetCreateHook, nullptr, GetCurrentThreadId());

    INT_PTR nResult = ::PropertySheetW(&psh);

    UnhookSheetCreate();
    if (bOwnHook && t_hGetMessageHook) {
        UnhookWindowsHookEx(t_hGetMessageHook);
        t_hGetMessageHook = nullptr;
    }
    t_pModalSheet = pOuterSheet;

    // The system has destroyed the sheet; should it have left the window,
    // let it go all the same.
    if (m_hWnd && !::IsWindow(m_hWnd))
        Detach();
    return nResult;
}

LRESULT CPropertySheet::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG)
        return HandleInitDialog(wParam, lParam);
    return CWnd::WindowProc(message, wParam, lParam);
}

BOOL CPropertySheet::HandleInitDialog(WPARAM, LPARAM) {
    // The system lays out the sheet and creates the start page first.
    BOOL bResult = static_cast<BOOL>(Default());
    OnInitDialog();
    return bResult;
}
