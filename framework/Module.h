// The module whose resources (strings, dialogs, icons) the program uses.
#pragma once

#include <windows.h>

HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
// Test programs that carry their own resources point here at their module.
void AfxSetResourceHandle(HINSTANCE hInstance);
