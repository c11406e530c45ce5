#include "framework/Module.h"

HINSTANCE AfxGetInstanceHandle() {
    return GetModuleHandleA(nullptr);
}

HINSTANCE AfxGetResourceHandle() {
    return AfxGetInstanceHandle();
}
