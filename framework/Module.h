// The module whose resources (strings, dialogs, icons) the program uses.
#pragma once

#include <windows.h>

#include <string>

HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
// The full path of the running program, whatever letters its folder's name
// holds.
std::wstring AfxGetModuleFilePath();
