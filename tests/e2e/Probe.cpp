// tavprobe: looks at a running Tav from outside, for the end-to-end tests.
// Each call does one thing and prints its answer (text in UTF-8) on stdout;
// the exit code is 0 on success, 1 when the thing asked for is not there.
//
//   tavprobe wait-window MS      wait until the main window exists
//   tavprobe hold-desktop MS     keeps Wine's desktop for MS milliseconds
//   tavprobe count               number of main windows
//   tavprobe state               "visible iconic zoomed topmost" as 0/1
//   tavprobe title | status | wordbox
//   tavprobe rows words|translations
//   tavprobe selection words|translations   index and text of the selected row
//   tavprobe row-point words|translations N  the screen point in the middle of row N
//   tavprobe set-wordbox TEXT    WM_SETTEXT, as if typed
//   tavprobe command ID          sends WM_COMMAND and waits for it
//   tavprobe post-command ID     posts WM_COMMAND
//   tavprobe focus               control id and class of the focused window
//   tavprobe rect words|translations|wordbar|wordbox|toolbar|status|client
//   tavprobe row-height words|translations   the rows' height in pixels
//   tavprobe setting-change TEXT  broadcasts WM_SETTINGCHANGE naming TEXT, as Windows does
//   tavprobe show N              ShowWindow(main window, N)
//   tavprobe windows CLASS       visible top-level windows of a class: "hwnd title"
//   tavprobe dialog-text TITLE   texts of the controls of the dialog with that title
//   tavprobe click TITLE ID      presses button ID of the dialog with that title
//   tavprobe close               posts WM_CLOSE
//   tavprobe clipboard-set TEXT  puts Unicode text on the clipboard
//   tavprobe key-free            1 when the lookup key (Ctrl+Shift+F11) can be registered
//   tavprobe hold-key MS         holds the lookup key for MS milliseconds
//   tavprobe foreground          1 when the main window is in front
//   tavprobe acp                 the ANSI code page this process runs with
//   tavprobe clipboard           the Unicode text on the clipboard, then its CF_TEXT bytes in hex
//   tavprobe reg-clear           deletes HKCU\Software\Ordal\Tav
//   tavprobe reg-get NAME        a value of ...\Tav\Settings (number, text or hex bytes)
//   tavprobe reg-set SECTION NAME TYPE HEX   any type and bytes, in ...\Tav\SECTION
//   tavprobe reg-lock-run 1|0    the user's Run key read-only for everyone, or writable again
//   tavprobe post|send MSG WPARAM LPARAM  another program's message to the main window
//   tavprobe answers             1 when the main window still handles what is sent to it
#include <windows.h>

#include <commctrl.h>
#include <sddl.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

const char kClassName[] = "F2908B5A-A477-4ea8-9382-F5DCFAE04B37";

std::string ToUtf8(const std::wstring& text) {
    int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), &out[0], n, nullptr,
                        nullptr);
    return out;
}

std::wstring FromUtf8(const char* text) {
    int n = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
    std::wstring out(static_cast<size_t>(n > 0 ? n - 1 : 0), L'\0');
    if (n > 1)
        MultiByteToWideChar(CP_UTF8, 0, text, -1, &out[0], n);
    return out;
}

void Print(const std::wstring& text) {
    std::printf("%s\n", ToUtf8(text).c_str());
}

HWND MainWindow() {
    return FindWindowA(kClassName, nullptr);
}

// The first window below hMain of the class (with the id, when nID >= 0).
HWND Child(HWND hMain, const char* className, int nID = -1) {
    struct Search {
        const char* className;
        int nID;
        HWND hFound;
    } search = {className, nID, nullptr};
    EnumChildWindows(
        hMain,
        [](HWND hWnd, LPARAM lParam) -> BOOL {
            auto* p = reinterpret_cast<Search*>(lParam);
            char name[64] = {};
            GetClassNameA(hWnd, name, sizeof(name));
            if (lstrcmpiA(name, p->className) != 0 || (p->nID >= 0 && GetDlgCtrlID(hWnd) != p->nID))
                return TRUE;
            p->hFound = hWnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.hFound;
}

// words (also by default), translations, wordbox, wordbar, toolbar or status.
HWND Part(HWND hMain, const std::string& name) {
    if (name.empty() || name == "words" || name == "translations")
        return Child(hMain, "ListBox", name == "translations" ? 0xE901 : 0xE900);
    if (name == "wordbox" || name == "wordbar") {
        HWND hBox = Child(hMain, "Edit", 1000);
        return name == "wordbox" ? hBox : GetParent(hBox);
    }
    return name == "toolbar"  ? Child(hMain, TOOLBARCLASSNAMEA)
           : name == "status" ? Child(hMain, STATUSCLASSNAMEA)
                              : nullptr;
}

std::wstring WindowText(HWND hWnd) {
    int n = static_cast<int>(SendMessageW(hWnd, WM_GETTEXTLENGTH, 0, 0));
    std::wstring text(static_cast<size_t>(n) + 1, L'\0');
    SendMessageW(hWnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(wcslen(text.c_str()));
    return text;
}

std::wstring RowText(HWND hList, int nIndex) {
    // Across processes the wide message is the reliable one.
    int n = static_cast<int>(SendMessageW(hList, LB_GETTEXTLEN, static_cast<WPARAM>(nIndex), 0));
    if (n < 0)
        return std::wstring();
    std::wstring text(static_cast<size_t>(n) * 2 + 2, L'\0');
    SendMessageW(hList, LB_GETTEXT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(wcslen(text.c_str()));
    return text;
}

std::vector<BYTE> FromHex(const char* p) {
    std::vector<BYTE> data;
    for (; p[0] && p[1]; p += 2) {
        const char byte[3] = {p[0], p[1], 0};
        data.push_back(static_cast<BYTE>(std::strtoul(byte, nullptr, 16)));
    }
    return data;
}

int Registry(int argc, char** argv) {
    const std::string verb = argv[1];
    if (verb == "reg-clear") {
        RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Ordal\\Tav");
        return 0;
    }
    if (verb == "reg-lock-run" && argc > 2) {
        // As an account that may not change its own start-up programs finds it.
        PSECURITY_DESCRIPTOR pSd = nullptr;
        HKEY hKey = nullptr;
        if (!ConvertStringSecurityDescriptorToSecurityDescriptorA(
                std::atoi(argv[2]) ? "D:P(A;;KR;;;WD)" : "D:P(A;;KA;;;WD)", SDDL_REVISION_1, &pSd, nullptr) ||
            RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Run", 0,
                          WRITE_DAC, &hKey))
            return 1;
        const LONG lResult = RegSetKeySecurity(hKey, DACL_SECURITY_INFORMATION, pSd);
        RegCloseKey(hKey);
        LocalFree(pSd);
        return lResult == ERROR_SUCCESS ? 0 : 1;
    }
    const bool bSet = verb == "reg-set";
    if (argc < (bSet ? 6 : 3))
        return 2;
    // Values are set as nothing of the program writes them: any type, any size.
    const std::string key = std::string("Software\\Ordal\\Tav\\") + (bSet ? argv[2] : "Settings");
    HKEY hKey = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hKey,
                        nullptr))
        return 1;
    LONG lResult = ERROR_SUCCESS;
    if (bSet) {
        const std::vector<BYTE> data = FromHex(argv[5]);
        lResult = RegSetValueExA(hKey, argv[3], 0, std::strtoul(argv[4], nullptr, 0), data.data(),
                                 static_cast<DWORD>(data.size()));
    } else {
        DWORD dwType = 0, dwSize = 0;
        lResult = RegQueryValueExA(hKey, argv[2], nullptr, &dwType, nullptr, &dwSize);
        std::vector<BYTE> data(dwSize + 1);
        if (lResult == ERROR_SUCCESS)
            lResult = RegQueryValueExA(hKey, argv[2], nullptr, &dwType, data.data(), &dwSize);
        if (lResult == ERROR_SUCCESS && dwType == REG_DWORD) {
            std::printf("%ld\n", static_cast<long>(*reinterpret_cast<DWORD*>(data.data())));
        } else if (lResult == ERROR_SUCCESS && dwType == REG_SZ) {
            std::printf("%s\n", reinterpret_cast<char*>(data.data()));
        } else if (lResult == ERROR_SUCCESS) {
            for (DWORD i = 0; i < dwSize; ++i)
                std::printf("%02x", data[i]);
            std::printf("\n");
        }
    }
    RegCloseKey(hKey);
    return lResult == ERROR_SUCCESS ? 0 : 1;
}

int Clipboard(const char* text) {
    for (int i = 0; i < 50 && !OpenClipboard(nullptr); ++i)
        Sleep(20);
    int nResult = 0;
    if (text) {
        const std::wstring wide = FromUtf8(text);
        HGLOBAL hData = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
        auto* p = static_cast<wchar_t*>(GlobalLock(hData));
        wcscpy(p, wide.c_str());
        GlobalUnlock(hData);
        EmptyClipboard();
        nResult = SetClipboardData(CF_UNICODETEXT, hData) ? 0 : 1;
    } else {
        HANDLE hWide = GetClipboardData(CF_UNICODETEXT);
        Print(hWide ? static_cast<LPCWSTR>(GlobalLock(hWide)) : L"");
        if (hWide)
            GlobalUnlock(hWide);
        HANDLE hAnsi = GetClipboardData(CF_TEXT);
        for (auto* p = hAnsi ? static_cast<const unsigned char*>(GlobalLock(hAnsi)) : nullptr; p && *p; ++p)
            std::printf("%02x", *p);
        std::printf("\n");
        if (hAnsi)
            GlobalUnlock(hAnsi);
    }
    CloseClipboard();
    return nResult;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return 2;
    std::string verb = argv[1];
    if (verb == "acp") {
        std::printf("%u\n", GetACP());
        return 0;
    }
    if (verb == "clipboard" || verb == "clipboard-set")
        return Clipboard(verb == "clipboard" ? nullptr : argc > 2 ? argv[2] : "");
    if (verb.rfind("reg-", 0) == 0)
        return Registry(argc, argv);
    if (verb == "key-free" || verb == "hold-key") {
        BOOL bFree = RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_SHIFT, VK_F11);
        std::printf("%d\n", bFree ? 1 : 0);
        std::fflush(stdout);
        if (bFree && verb == "hold-key")
            Sleep(static_cast<DWORD>(argc > 2 ? std::atoi(argv[2]) : 5000));
        if (bFree)
            UnregisterHotKey(nullptr, 1);
        return 0;
    }
    if (verb == "setting-change" && argc > 2) {
        const std::wstring section = FromUtf8(argv[2]);
        DWORD_PTR result = 0;
        SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(section.c_str()),
                            SMTO_ABORTIFHUNG, 2000, &result);
        return 0;
    }
    if (verb == "hold-desktop" && argc > 2) {
        // Wine ends its desktop a second after the last program on it, and
        // the next one starts it again; one program that stays spares each
        // test that, and the desktop's coming and going.
        GetDesktopWindow();
        Sleep(static_cast<DWORD>(std::atoi(argv[2])));
        return 0;
    }
    if (verb == "wait-window") {
        const DWORD dwLimit = static_cast<DWORD>(argc > 2 ? std::atoi(argv[2]) : 10000);
        for (const DWORD dwStart = GetTickCount(); !MainWindow(); Sleep(20)) {
            if (GetTickCount() - dwStart > dwLimit)
                return 1;
        }
        return 0;
    }
    if (verb == "windows" && argc > 2) {
        for (HWND h = FindWindowExA(nullptr, nullptr, argv[2], nullptr); h;
             h = FindWindowExA(nullptr, h, argv[2], nullptr)) {
            if (IsWindowVisible(h)) {
                std::printf("%p ", static_cast<void*>(h));
                Print(WindowText(h));
            }
        }
        return 0;
    }
    if ((verb == "dialog-text" || verb == "click") && argc > 2) {
        std::wstring title = FromUtf8(argv[2]);
        HWND hDlg = FindWindowW(L"#32770", title.c_str());
        if (!hDlg)
            return 1;
        if (verb == "click") {
            int nID = argc > 3 ? std::atoi(argv[3]) : IDOK;
            PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(hDlg, nID)));
            return 0;
        }
        // Every control below the dialog, property pages included.
        EnumChildWindows(
            hDlg,
            [](HWND h, LPARAM) -> BOOL {
                if (IsWindowVisible(h))
                    std::printf("%d %s\n", GetDlgCtrlID(h), ToUtf8(WindowText(h)).c_str());
                return TRUE;
            },
            0);
        return 0;
    }
    if (verb == "count") {
        int n = 0;
        for (HWND h = FindWindowExA(nullptr, nullptr, kClassName, nullptr); h;
             h = FindWindowExA(nullptr, h, kClassName, nullptr))
            ++n;
        std::printf("%d\n", n);
        return 0;
    }

    HWND hMain = MainWindow();
    if (!hMain)
        return 1;
    std::string arg = argc > 2 ? argv[2] : "";
    if (verb == "state") {
        std::printf("%d %d %d %d\n", IsWindowVisible(hMain) ? 1 : 0, IsIconic(hMain) ? 1 : 0,
                    IsZoomed(hMain) ? 1 : 0, (GetWindowLongA(hMain, GWL_EXSTYLE) & WS_EX_TOPMOST) ? 1 : 0);
    } else if (verb == "title") {
        Print(WindowText(hMain));
    } else if (verb == "status") {
        HWND hStatus = Part(hMain, verb);
        if (!hStatus)
            return 1;
        Print(WindowText(hStatus));
    } else if (verb == "wordbox") {
        Print(WindowText(Part(hMain, verb)));  // empty while there is none yet
    } else if (verb == "set-wordbox") {
        std::wstring text = FromUtf8(arg.c_str());
        SendMessageW(Part(hMain, "wordbox"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    } else if (verb == "rows") {
        HWND hList = Part(hMain, arg);
        int n = static_cast<int>(SendMessageW(hList, LB_GETCOUNT, 0, 0));
        for (int i = 0; i < n; ++i)
            Print(RowText(hList, i));
    } else if (verb == "selection") {
        HWND hList = Part(hMain, arg);
        int n = static_cast<int>(SendMessageW(hList, LB_GETCURSEL, 0, 0));
        std::printf("%d\n", n);
        if (n >= 0)
            Print(RowText(hList, n));
    } else if (verb == "row-point" && argc > 3) {
        // Where on the screen the middle of a row is, for a real click.
        HWND hList = Part(hMain, arg);
        RECT rc = {};
        SendMessageW(hList, LB_GETITEMRECT, static_cast<WPARAM>(std::atoi(argv[3])),
                     reinterpret_cast<LPARAM>(&rc));
        POINT pt = {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
        ClientToScreen(hList, &pt);
        std::printf("%ld %ld\n", pt.x, pt.y);
    } else if (verb == "command" || verb == "post-command") {
        WPARAM wParam = static_cast<WPARAM>(std::strtoul(arg.c_str(), nullptr, 0));
        if (verb == "command")
            SendMessageA(hMain, WM_COMMAND, wParam, 0);
        else
            PostMessageA(hMain, WM_COMMAND, wParam, 0);
    } else if (verb == "focus") {
        GUITHREADINFO info = {};
        info.cbSize = sizeof(info);
        GetGUIThreadInfo(GetWindowThreadProcessId(hMain, nullptr), &info);
        char className[64] = {};
        if (info.hwndFocus)
            GetClassNameA(info.hwndFocus, className, sizeof(className));
        std::printf("%d %s\n", info.hwndFocus ? GetDlgCtrlID(info.hwndFocus) : 0, className);
    } else if (verb == "rect") {
        // In the main window's client coordinates.
        RECT rc = {};
        if (arg == "client") {
            GetClientRect(hMain, &rc);
        } else if (HWND hWnd = Part(hMain, arg)) {
            GetWindowRect(hWnd, &rc);
            MapWindowPoints(nullptr, hMain, reinterpret_cast<POINT*>(&rc), 2);
        } else {
            return 1;
        }
        std::printf("%ld %ld %ld %ld\n", rc.left, rc.top, rc.right, rc.bottom);
    } else if (verb == "row-height") {
        std::printf("%d\n", static_cast<int>(SendMessageW(Part(hMain, arg), LB_GETITEMHEIGHT, 0, 0)));
    } else if (verb == "show") {
        ShowWindow(hMain, std::atoi(arg.c_str()));
    } else if (verb == "foreground") {
        std::printf("%d\n", GetForegroundWindow() == hMain ? 1 : 0);
    } else if (verb == "close") {
        PostMessageA(hMain, WM_CLOSE, 0, 0);
    } else if ((verb == "post" || verb == "send") && argc > 4) {
        // Another program's message: numbers as C literals (0x... allowed).
        const UINT message = static_cast<UINT>(std::strtoul(argv[2], nullptr, 0));
        const WPARAM wParam = static_cast<WPARAM>(std::strtoull(argv[3], nullptr, 0));
        const LPARAM lParam = static_cast<LPARAM>(std::strtoll(argv[4], nullptr, 0));
        if (verb == "post")
            return PostMessageA(hMain, message, wParam, lParam) ? 0 : 1;
        DWORD_PTR result = 0;
        SendMessageTimeoutA(hMain, message, wParam, lParam, SMTO_ABORTIFHUNG, 2000, &result);
    } else if (verb == "answers") {
        // Whether the window still handles what is sent to it.
        DWORD_PTR result = 0;
        std::printf("%d\n", SendMessageTimeoutA(hMain, WM_NULL, 0, 0, SMTO_NORMAL, 3000, &result) ? 1 : 0);
    } else {
        return 2;
    }
    return 0;
}
