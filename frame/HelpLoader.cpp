#include "frame/HelpLoader.h"

namespace {

typedef HWND(WINAPI* HtmlHelpProc)(HWND, LPCWSTR, UINT, DWORD_PTR);

const char kHelpControlKey[] = "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";
const char kHelpControlFile[] = "hhctrl.ocx";
LPCSTR g_pszControlKey = kHelpControlKey;
const WORD kHtmlHelpOrdinal = 15;  // HtmlHelpW

HMODULE g_hHelpControl = nullptr;
BOOL g_bHelpLoadFailed = FALSE;
HtmlHelpProc g_pfnHtmlHelp = nullptr;

HMODULE LoadHelpControl() {
    HMODULE hModule = nullptr;
    HKEY hKey = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, g_pszControlKey, 0, KEY_READ, &hKey) == ERROR_SUCCESS) {
        char path[MAX_PATH] = {};
        DWORD dwSize = sizeof(path) - 1;
        DWORD dwType = 0;
        LONG lResult =
            RegQueryValueExA(hKey, nullptr, nullptr, &dwType, reinterpret_cast<BYTE*>(path), &dwSize);
        RegCloseKey(hKey);
        if (lResult == ERROR_SUCCESS && path[0])
            hModule = LoadLibraryA(path);
    }
    if (!hModule)
        hModule = LoadLibraryA(kHelpControlFile);
    return hModule;
}

}  // namespace

HWND WINAPI HtmlHelpW(HWND hwndCaller, LPCWSTR pszFile, UINT uCommand, DWORD_PTR dwData) {
    if (g_bHelpLoadFailed)
        return nullptr;
    if (!g_hHelpControl) {
        g_hHelpControl = LoadHelpControl();
        if (!g_hHelpControl) {
            g_bHelpLoadFailed = TRUE;
            return nullptr;
        }
    }
    if (!g_pfnHtmlHelp) {
        g_pfnHtmlHelp = reinterpret_cast<HtmlHelpProc>(
            reinterpret_cast<void*>(GetProcAddress(g_hHelpControl, MAKEINTRESOURCEA(kHtmlHelpOrdinal))));
        if (!g_pfnHtmlHelp) {
            g_bHelpLoadFailed = TRUE;
            return nullptr;
        }
    }
    return g_pfnHtmlHelp(hwndCaller, pszFile, uCommand, dwData);
}

void ResetHtmlHelpLoader(LPCSTR pszControlKey) {
    g_pszControlKey = pszControlKey ? pszControlKey : kHelpControlKey;
    g_hHelpControl = nullptr;
    g_bHelpLoadFailed = FALSE;
    g_pfnHtmlHelp = nullptr;
}
