// Whether Windows starts Tav when the user logs on, and changing that. Tav
// registers itself for the account that turns the option on: a per-user
// installation has no right to the machine-wide key, where versions before
// this one registered it for every account.
#pragma once

#include <windows.h>

#include <string>

// True when a value of this name is in the user's Run key, or in the
// machine-wide one, where an older version may have left it.
bool IsStartedWithWindows(LPCSTR pszName);

// Registers the program at strPath under pszName in the user's Run key, or
// removes it there. Once that has worked, a value an older version left in
// the machine-wide key is removed too, where the account may remove it.
// Returns ERROR_SUCCESS, or why the user's key could not be changed.
LONG SetStartedWithWindows(LPCSTR pszName, bool bStart, const std::wstring& strPath);
