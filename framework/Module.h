// The module whose resources (strings, dialogs, icons) the program uses.
#pragma once

#include <windows.h>

HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
