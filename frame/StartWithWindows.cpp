#include "frame/StartWithWindows.h"

#include "framework/WideText.h"

namespace {

const char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

bool HasRunValue(HKEY hRoot, LPCSTR pszName) {
    HKEY hKey = nullptr;
    if (RegOpenKeyExA(hRoot, kRunKey, 0, KEY_QUERY_VALUE, &hKey) != ERROR_SUCCESS)
        return false;
    const bool bFound = RegQueryValueExA(hKey, pszName, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    RegCloseKey(hKey);
    return bFound;
}

}  // namespace

bool IsStartedWithWindows(LPCSTR pszName) {
    return HasRunValue(HKEY_CURRENT_USER, pszName) || HasRunValue(HKEY_LOCAL_MACHINE, pszName);
}

LONG SetStartedWithWindows(LPCSTR pszName, bool bStart, const std::wstring& strPath) {
    HKEY hKey = nullptr;
    LONG lResult = RegCreateKeyExA(HKEY_CURRENT_USER, kRunKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                   KEY_SET_VALUE, nullptr, &hKey, nullptr);
    if (lResult != ERROR_SUCCESS)
        return lResult;
    if (bStart) {
        // Unquoted, a path with a blank in it is read as a shorter program
        // followed by arguments.
        const std::wstring strCommand = L"\"" + strPath + L"\"";
        lResult = RegSetValueExW(hKey, WideText(pszName).c_str(), 0, REG_SZ,
                                 reinterpret_cast<const BYTE*>(strCommand.c_str()),
                                 static_cast<DWORD>((strCommand.size() + 1) * sizeof(WCHAR)));
    } else {
        lResult = RegDeleteValueA(hKey, pszName);
        if (lResult == ERROR_FILE_NOT_FOUND)
            lResult = ERROR_SUCCESS;
    }
    RegCloseKey(hKey);
    if (lResult != ERROR_SUCCESS)
        return lResult;

    // Left there, the old value would start Tav a second time, or still
    // start it after the user turned the option off. Without an
    // administrator's rights it stays; the caller sees that by asking again.
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRunKey, 0, KEY_SET_VALUE, &hKey) == ERROR_SUCCESS) {
        RegDeleteValueA(hKey, pszName);
        RegCloseKey(hKey);
    }
    return ERROR_SUCCESS;
}
