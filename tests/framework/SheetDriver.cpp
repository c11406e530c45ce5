#include "SheetDriver.h"

#include "widgets/LinkStatic.h"

#include <commctrl.h>
#include <prsht.h>

#include <set>

std::vector<ShellCall> g_shellCalls;
INT_PTR g_nShellResult = 42;

HINSTANCE WINAPI RecordShellExecute(HWND hWnd, LPCSTR lpVerb, LPCSTR lpFile, LPCSTR lpParameters,
                                    LPCSTR lpDirectory, INT nShowCmd) {
    g_shellCalls.push_back({hWnd, lpVerb ? lpVerb : "", lpFile ? lpFile : "",
                            lpParameters != nullptr || lpDirectory != nullptr, nShowCmd});
    return reinterpret_cast<HINSTANCE>(g_nShellResult);
}

namespace {

std::string Text(HWND hWnd) {
    char sz[512] = "";
    GetWindowTextA(hWnd, sz, sizeof(sz));
    return sz;
}

std::string ClassOf(HWND hWnd) {
    char sz[64] = "";
    GetClassNameA(hWnd, sz, sizeof(sz));
    return sz;
}

std::vector<HWND> ThreadWindows(LPCSTR lpszClass) {
    struct Search {
        LPCSTR lpszClass;
        std::vector<HWND> found;
    } search = {lpszClass, {}};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hWnd, LPARAM lParam) -> BOOL {
            auto* p = reinterpret_cast<Search*>(lParam);
            if (lstrcmpiA(ClassOf(hWnd).c_str(), p->lpszClass) == 0)
                p->found.push_back(hWnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

struct DriverState {
    std::string strTitle;
    const std::function<void(HWND)>* pAct;
    DWORD dwStart;
    SheetRun* pRun;
    std::set<HWND> answered;
} * g_pState;

void CALLBACK DriverTick(HWND, UINT, UINT_PTR, DWORD) {
    bool bLate = GetTickCount() - g_pState->dwStart > 10000;
    for (HWND hWnd : ThreadWindows("#32770")) {
        if (!IsWindowVisible(hWnd))
            continue;
        if (Text(hWnd) == g_pState->strTitle) {
            if (bLate) {
                g_pState->pRun->bTimedOut = true;
                PostMessageA(hWnd, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
            } else if (!g_pState->pRun->bSeen) {
                g_pState->pRun->bSeen = true;  // first: act may run loops of its own
                (*g_pState->pAct)(hWnd);
            }
        } else if (g_pState->answered.insert(hWnd).second) {
            std::string strText;  // the box's texts (the icon has none)
            for (HWND h = GetWindow(hWnd, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT))
                if (lstrcmpiA(ClassOf(h).c_str(), "Static") == 0)
                    strText += Text(h);
            g_pState->pRun->boxes.push_back(strText);
            PostMessageA(hWnd, WM_COMMAND, IDOK, 0);
        }
    }
}

}  // namespace

SheetRun RunModalSheet(LPCSTR lpszTitle, const std::function<INT_PTR()>& show,
                       const std::function<void(HWND)>& act) {
    SheetRun run;
    DriverState state = {lpszTitle, &act, GetTickCount(), &run, {}};
    for (HWND hWnd : ThreadWindows("#32770"))
        state.answered.insert(hWnd);  // not this run's boxes
    g_pState = &state;
    UINT_PTR nTimer = SetTimer(nullptr, 0, 30, DriverTick);
    run.nResult = show();
    KillTimer(nullptr, nTimer);
    g_pState = nullptr;
    return run;
}

HWND CurrentPage(HWND hWndSheet) {
    return reinterpret_cast<HWND>(SendMessageA(hWndSheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

std::string ItemText(HWND hWndDlg, int nID) {
    return Text(GetDlgItem(hWndDlg, nID));
}

void Click(HWND hWnd) {
    SendMessageA(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageA(hWnd, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}

std::string LinkTipText(HWND hWndLink) {
    for (HWND hWndTip : ThreadWindows(TOOLTIPS_CLASSA)) {
        char szText[256] = "";
        TTTOOLINFOA ti = {};
        ti.cbSize = sizeof(ti);
        ti.hwnd = hWndLink;
        ti.uId = CLinkStatic::kToolId;
        ti.lpszText = szText;
        if (SendMessageA(hWndTip, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&ti))) {
            SendMessageA(hWndTip, TTM_GETTEXTA, sizeof(szText), reinterpret_cast<LPARAM>(&ti));
            return szText;
        }
    }
    return "<no tooltip>";
}
