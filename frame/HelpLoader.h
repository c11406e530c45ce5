// Opens the help through the system's HTML Help control, which is loaded at
// the first request; without it, help simply does nothing.
#pragma once

#include <windows.h>

// The control's HtmlHelpW, or null when the control cannot be reached. Only
// the first call looks for the control. The file's path is wide, so that
// help opens from a folder whose name holds any letter.
HWND WINAPI HtmlHelpW(HWND hwndCaller, LPCWSTR pszFile, UINT uCommand, DWORD_PTR dwData);

// For tests: forget what the loader found, so the next call looks again,
// and look under another class registration (null: the system's own).
void ResetHtmlHelpLoader(LPCSTR pszControlKey = nullptr);
