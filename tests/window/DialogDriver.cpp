#include "DialogDriver.h"

#include "framework/WideText.h"
#include "framework/Wnd.h"

namespace {
DialogDriver* g_pActive = nullptr;
}  // namespace

DialogDriver::DialogDriver(const char* lpszCaption, std::vector<Step> steps)
    : m_strCaption(lpszCaption ? lpszCaption : ""), m_steps(std::move(steps)) {
    g_pActive = this;
    m_nTimer = SetTimer(nullptr, 0, 30, OnTick);
}

DialogDriver::~DialogDriver() {
    KillTimer(nullptr, m_nTimer);
    if (g_pActive == this)
        g_pActive = nullptr;
}

// A visible dialog of this thread with the caption (any, when none is given).
HWND DialogDriver::FindDialog() const {
    const char* lpszCaption = m_strCaption.empty() ? nullptr : m_strCaption.c_str();
    for (HWND h = FindWindowExA(nullptr, nullptr, "#32770", lpszCaption); h;
         h = FindWindowExA(nullptr, h, "#32770", lpszCaption)) {
        if (IsWindowVisible(h) && GetWindowThreadProcessId(h, nullptr) == GetCurrentThreadId())
            return h;
    }
    return nullptr;
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
