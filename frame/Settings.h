// TavSettings: the user's settings, in one place. They live under the
// program's registry key in the section "Settings", are read once when the
// program starts and written once when its window closes; only the time of
// the last update attempt is also written as it happens. The application
// object holds them for the program's life and hands them to the window.
#pragma once

#include "dictionary/Direction.h"
#include "frame/FrameState.h"
#include "framework/String.h"

#include <windows.h>

extern const char kSettingsSection[];  // "Settings"

struct TavSettings {
    // The direction the user works in ("EnRo": 0 English -> Romanian).
    Direction direction = Direction::kEnglishRomanian;
    // Options. A flag counts only when stored as 1: any other number, like
    // a value of another type, is taken as missing (shown checked, it would
    // not act: the window hides only for exactly 1).
    BOOL bAlwaysOnTop = FALSE;
    BOOL bHideWhenMinimized = FALSE;
    BOOL bHideWhenClose = FALSE;
    EscapeFunction escape = EscapeFunction::kResetWord;  // kept as read
    BOOL bLookupKey = TRUE;                              // on unless stored as 0
    // Whether Windows starts the program: read from its Run key, which
    // alone says so; the setting ("AutoStart") only records it.
    BOOL bAutoStart = FALSE;
    int nTextSize = 100;  // percent; the text size checks it
    int nLook = 2;        // the look's choice; the look checks it
    // Where the window was; bPlacement when one was stored whole.
    WINDOWPLACEMENT placement = {};
    BOOL bPlacement = FALSE;
    // When the last update was tried, "YYYY-MM-DD hh:mm:ss".
    CString strLastUpdate;
    // The maker's web server, host[:port]: the build's, not the registry's.
    CString strServerHost;
};

// Reads the settings from the application's registry key.
TavSettings ReadSettings();
// Writes them back, all at once.
void WriteSettings(const TavSettings& settings);
// Records an update attempt as it happens.
void WriteLastUpdate(TavSettings& settings, LPCSTR pszWhen);

// What holds the settings for the program's life: the application object.
class CSettingsHolder {
public:
    virtual TavSettings& Settings() = 0;

protected:
    ~CSettingsHolder() = default;
};

// The settings the running application holds.
TavSettings& HeldSettings();
