// The lookup key: a key chord registered for the whole desktop that looks
// up the word selected in whatever program is in front. Ctrl+Shift+F11:
// no layout types a letter with it (Ctrl+Alt would be AltGr) and common
// programs leave it free.
#pragma once

#include <windows.h>

const int kLookupKeyId = 1;
const UINT kLookupKeyModifiers = MOD_CONTROL | MOD_SHIFT;
const UINT kLookupKeyVirtualKey = VK_F11;
extern const char kLookupKeyName[];  // "Ctrl+Shift+F11"
