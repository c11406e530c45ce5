#include "frame/HistoryStore.h"

#include "frame/Settings.h"
#include "framework/WideText.h"
#include "framework/WinApp.h"

#include <algorithm>
#include <cwchar>
#include <string>
#include <vector>

namespace {

const wchar_t kHistoryValue[] = L"History";

}  // namespace

void LoadHistory(CLookupHistory& history) {
    history.Clear();
    HKEY hKey = AfxGetApp()->GetSectionKey(kSettingsSection);
    if (!hKey)
        return;
    DWORD dwType = 0, dwSize = 0;
    std::vector<wchar_t> text;
    if (::RegQueryValueExW(hKey, kHistoryValue, nullptr, &dwType, nullptr, &dwSize) == ERROR_SUCCESS &&
        dwType == REG_SZ) {
        text.resize(dwSize / sizeof(wchar_t) + 1);
        if (::RegQueryValueExW(hKey, kHistoryValue, nullptr, &dwType, reinterpret_cast<LPBYTE>(text.data()),
                               &dwSize) != ERROR_SUCCESS)
            text.clear();
    }
    ::RegCloseKey(hKey);
    if (text.empty())
        return;
    text.resize(dwSize / sizeof(wchar_t));
    text.push_back(L'\0');  // a value stored without its end gets one
    const std::wstring_view wide(text.data(), std::wcslen(text.data()));
    // A line Windows-1250 cannot hold was not written here: it is left out
    // whole rather than kept with a letter changed.
    std::string narrow;
    for (size_t nStart = 0; nStart < wide.size();) {
        const size_t nEnd = std::min(wide.find(L'\n', nStart), wide.size());
        CString strLine;
        if (NarrowText(wide.substr(nStart, nEnd - nStart), strLine))
            narrow += strLine.Str() + "\n";
        nStart = nEnd + 1;
    }
    history.Load(narrow);
}

bool SaveHistory(const CLookupHistory& history) {
    HKEY hKey = AfxGetApp()->GetSectionKey(kSettingsSection);
    if (!hKey)
        return false;
    const std::wstring text = WideText(history.Save());
    const LONG lResult =
        ::RegSetValueExW(hKey, kHistoryValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                         static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    ::RegCloseKey(hKey);
    return lResult == ERROR_SUCCESS;
}
