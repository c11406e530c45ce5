#include "framework/Module.h"

namespace {
HINSTANCE g_hResource = nullptr;
}

HINSTANCE AfxGetInstanceHandle() {
    return GetModuleHandleA(nullptr);
}

HINSTANCE AfxGetResourceHandle() {
    return g_hResource ? g_hResource : AfxGetInstanceHandle();
}

HINSTANCE AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType) {
    HINSTANCE hResource = AfxGetResourceHandle();
    if (FindResourceA(hResource, lpszName, lpszType))
        return hResource;
    HINSTANCE hInstance = AfxGetInstanceHandle();
    return FindResourceA(hInstance, lpszName, lpszType) ? hInstance : hResource;
}

void AfxSetResourceHandle(HINSTANCE hInstance) {
    g_hResource = hInstance;
}
