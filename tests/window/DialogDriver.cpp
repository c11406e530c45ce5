#include "DialogDriver.h"

#include "framework/WideText.h"
#include "framework/Wnd.h"

namespace {
DialogDriver* g_pActive = nullptr;

struct Search {
    const DialogDriver* pDriver;
    const std::string* pCaption;
    bool bAny;
    HWND hFound;
};

BOOL CALLBACK FindVisibleDialog(HWND hWnd, LPARAM lParam) {
    auto* search = reinterpret_cast<Search*>(lParam);
    char className[32] = {};
    GetClassNameA(hWnd, className, sizeof(className));
    if (!IsWindowVisible(hWnd) || lstrcmpA(className, "#32770") != 0)
        return TRUE;
    char caption[256] = {};
    GetWindowTextA(hWnd, caption, sizeof(caption));
    if (search->bAny || *search->pCaption == caption) {
        search->hFound = hWnd;
        return FALSE;
    }
    return TRUE;
}
}  // namespace

DialogDriver::DialogDriver(const char* lpszCaption, std::vector<Step> steps, UINT nTickMs)
    : m_strCaption(lpszCaption ? lpszCaption : ""),
      m_bAnyCaption(lpszCaption == nullptr),
      m_steps(std::move(steps)) {
    g_pActive = this;
    m_nTimer = SetTimer(nullptr, 0, nTickMs, OnTick);
}

DialogDriver::~DialogDriver() {
    KillTimer(nullptr, m_nTimer);
    if (g_pActive == this)
        g_pActive = nullptr;
}

HWND DialogDriver::FindDialog() const {
    Search search = {this, &m_strCaption, m_bAnyCaption, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), FindVisibleDialog, reinterpret_cast<LPARAM>(&search));
    return search.hFound;
}

void CALLBACK DialogDriver::OnTick(HWND, UINT, UINT_PTR, DWORD) {
    DialogDriver* pDriver = g_pActive;
    if (!pDriver)
        return;
    HWND hDlg = pDriver->FindDialog();
    if (!hDlg)
        return;
    if (pDriver->Finished()) {
        if (GetTickCount() - pDriver->m_dwLastStep > 3000)
            PostMessageA(hDlg, WM_CLOSE, 0, 0);
        return;
    }
    pDriver->m_dwLastStep = GetTickCount();
    pDriver->m_steps[pDriver->m_nNext++](hDlg);
}

std::string DlgText(HWND hDlg, int nID) {
    return NarrowTextForDisplay(AfxGetWindowTextW(GetDlgItem(hDlg, nID))).Str();
}

void ClickButton(HWND hDlg, int nID) {
    PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(hDlg, nID)));
}

void TypeText(HWND hDlg, int nID, const char* text) {
    HWND hEdit = GetDlgItem(hDlg, nID);
    SendMessageW(hEdit, EM_SETSEL, 0, -1);
    SendMessageW(hEdit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(WideText(text).c_str()));
}
