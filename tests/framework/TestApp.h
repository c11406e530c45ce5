// What the test program's application object offers the tests: commands it
// handles itself (the last stop of the command route), a log of the command
// handlers that ran, and a profile of this process's own.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The application object handles these commands: each call adds "app" to
// CommandLog().
const UINT ID_TEST_APP_FIRST = 0x7E00;
const UINT ID_TEST_APP_LAST = 0x7E0F;

// The command handlers that ran, in order. Tests clear it before they act.
std::vector<std::string>& CommandLog();

// Points the application's profile at the key TavTests-<process id> under
// HKEY_CURRENT_USER\Software while it lives, and removes that key at the end.
// Test programs run side by side and each removes Software\TavTests when it
// ends, so values written there could vanish under a test that reads them.
class CPrivateProfile {
public:
    CPrivateProfile();
    ~CPrivateProfile();
    CPrivateProfile(const CPrivateProfile&) = delete;
    CPrivateProfile& operator=(const CPrivateProfile&) = delete;

    // The key of a profile section, created if need be; the caller closes it.
    HKEY SectionKey(LPCSTR lpszSection) const;

private:
    std::string m_strRegistryKey;
    std::string m_strOldRegistryKey;
};
