#include "frame/Settings.h"

#include "frame/StartWithWindows.h"
#include "framework/WinApp.h"

#include <cstring>

const char kSettingsSection[] = "Settings";

namespace {

int ReadInt(LPCSTR pszEntry, int nDefault) {
    return static_cast<int>(AfxGetApp()->GetProfileInt(kSettingsSection, pszEntry, nDefault));
}

BOOL ReadFlag(LPCSTR pszEntry) {
    return ReadInt(pszEntry, 0) == 1;
}

void WriteInt(LPCSTR pszEntry, int nValue) {
    AfxGetApp()->WriteProfileInt(kSettingsSection, pszEntry, nValue);
}

}  // namespace

TavSettings ReadSettings() {
    TavSettings s;
    s.direction = static_cast<Direction>(ReadInt("EnRo", static_cast<int>(s.direction)));
    s.bAlwaysOnTop = ReadFlag("AlwaysOnTop");
    s.bHideWhenMinimized = ReadFlag("HideWhenMinimized");
    s.bHideWhenClose = ReadFlag("HideWhenClose");
    s.escape = static_cast<EscapeFunction>(ReadInt("EscapeFunction", static_cast<int>(s.escape)));
    s.bLookupKey = ReadInt("LookupKey", 1) != 0;
    s.bAutoStart = IsStartedWithWindows(AfxGetApp()->m_pszAppName) ? TRUE : FALSE;
    s.nTextSize = ReadInt("TextSize", s.nTextSize);
    s.nLook = ReadInt("Look", s.nLook);
    LPBYTE pData = nullptr;
    UINT nBytes = 0;
    if (AfxGetApp()->GetProfileBinary(kSettingsSection, "WindowPlacement", &pData, &nBytes) &&
        nBytes == sizeof(WINDOWPLACEMENT)) {
        std::memcpy(&s.placement, pData, sizeof(s.placement));
        s.bPlacement = TRUE;
    }
    delete[] pData;
    s.strLastUpdate = AfxGetApp()->GetProfileString(kSettingsSection, "LastUpdate", "");
    return s;
}

void WriteSettings(const TavSettings& s) {
    if (s.bPlacement) {
        WINDOWPLACEMENT wp = s.placement;
        AfxGetApp()->WriteProfileBinary(kSettingsSection, "WindowPlacement", reinterpret_cast<LPBYTE>(&wp),
                                        sizeof(wp));
    }
    WriteInt("AlwaysOnTop", s.bAlwaysOnTop);
    WriteInt("HideWhenMinimized", s.bHideWhenMinimized);
    WriteInt("HideWhenClose", s.bHideWhenClose);
    WriteInt("EscapeFunction", static_cast<int>(s.escape));
    WriteInt("AutoStart", s.bAutoStart);
    WriteInt("EnRo", static_cast<int>(s.direction));
    WriteInt("LookupKey", s.bLookupKey);
    WriteInt("TextSize", s.nTextSize);
    WriteInt("Look", s.nLook);
}

void WriteLastUpdate(TavSettings& settings, LPCSTR pszWhen) {
    settings.strLastUpdate = pszWhen;
    AfxGetApp()->WriteProfileString(kSettingsSection, "LastUpdate", pszWhen);
}

TavSettings& HeldSettings() {
    return dynamic_cast<CSettingsHolder&>(*AfxGetApp()).Settings();
}
