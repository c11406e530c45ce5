// The module whose resources (strings, dialogs, icons) the program uses.
#pragma once

#include <windows.h>

HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
// The module that holds a resource: the resource module, else the program itself.
HINSTANCE AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType);
// Test programs that carry their own resources point here at their module.
void AfxSetResourceHandle(HINSTANCE hInstance);
