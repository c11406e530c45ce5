// Pumping messages for a while, as the program's message loop would.
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
