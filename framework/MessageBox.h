// Message boxes owned by the program's active window and captioned with its name.
#pragma once

#include <windows.h>

#include <string>

int AfxMessageBox(LPCSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
// For a text that names characters the program's code page does not have.
int AfxMessageBox(const std::wstring& strText, UINT nType = MB_OK);
// The caption of the program's message boxes (string 57344, else "Tav").
LPCSTR AfxGetAppTitle();
