#include "framework/MessageGuard.h"

namespace messageguard {

namespace {

thread_local HHOOK t_hHook = nullptr;

LRESULT CALLBACK GetMessageHook(int nCode, WPARAM wParam, LPARAM lParam) {
    if (nCode == HC_ACTION) {
        auto* pMsg = reinterpret_cast<MSG*>(lParam);
        // Thread messages (no window) are the program's own business; a
        // window's must be one that may be posted at all.
        if (pMsg->hwnd && IsSendOnly(pMsg->message)) {
            pMsg->message = WM_NULL;
            pMsg->wParam = 0;
            pMsg->lParam = 0;
        }
    }
    return ::CallNextHookEx(t_hHook, nCode, wParam, lParam);
}

}  // namespace

void InstallForThisThread() {
    if (!t_hHook)
        t_hHook = ::SetWindowsHookExW(WH_GETMESSAGE, GetMessageHook, nullptr, ::GetCurrentThreadId());
}

bool IsSendOnly(UINT message) {
    switch (message) {
        case WM_CREATE:
        case WM_NCCREATE:
        case WM_SETTEXT:
        case WM_GETTEXT:
        case WM_SETTINGCHANGE:
        case WM_DEVMODECHANGE:
        case WM_GETMINMAXINFO:
        case WM_DRAWITEM:
        case WM_MEASUREITEM:
        case WM_DELETEITEM:
        case WM_COMPAREITEM:
        case WM_WINDOWPOSCHANGING:
        case WM_WINDOWPOSCHANGED:
        case WM_COPYDATA:
        case WM_NOTIFY:
        case WM_HELP:
        case WM_STYLECHANGING:
        case WM_STYLECHANGED:
        case WM_NCCALCSIZE:
        case WM_GETDLGCODE:
        case WM_NEXTMENU:
        case WM_SIZING:
        case WM_MOVING:
        case WM_MDICREATE:
        case WM_DPICHANGED:
            return true;
        default:
            // From WM_USER up to the application's range: the controls' own
            // messages (list box, edit, toolbar, status bar), many of which
            // carry addresses. The program posts none of them.
            return message >= WM_USER && message < WM_APP;
    }
}

bool IsSentFromAnotherThread() {
    return (::InSendMessageEx(nullptr) & (ISMEX_SEND | ISMEX_NOTIFY | ISMEX_CALLBACK)) != 0;
}

}  // namespace messageguard
