// Helpers for window tests: pumping messages for a while, and the test
// program's private registry root.
#pragma once

#include <windows.h>

// Handles the messages that are waiting (and those that arrive within
// nMilliseconds), the way the program's message loop would.
void PumpMessages(DWORD nMilliseconds = 0);
// Pumps until pred() holds or nMilliseconds pass; returns pred().
template <class Pred>
bool PumpUntil(Pred pred, DWORD nMilliseconds = 2000) {
    DWORD dwStart = GetTickCount();
    while (!pred()) {
        if (GetTickCount() - dwStart > nMilliseconds)
            return false;
        PumpMessages(10);
    }
    return true;
}
// Removes HKEY_CURRENT_USER\Software\TavTests.
void DeleteTestRegistryKey();
