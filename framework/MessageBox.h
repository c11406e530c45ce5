// Message boxes owned by the program's active window and captioned with its name.
#pragma once

#include <windows.h>

int AfxMessageBox(LPCSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
// The caption of the program's message boxes (string 57344, else "Tav").
LPCSTR AfxGetAppTitle();
