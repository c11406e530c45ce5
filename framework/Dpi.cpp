#include "framework/Dpi.h"

#include <cstdlib>

namespace {

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);

// Windows 10 1607 and later; missing on older systems and in some Wine builds.
GetDpiForWindowFn GetDpiForWindowFunction() {
    static GetDpiForWindowFn pfn = [] {
        HMODULE hUser = ::GetModuleHandleA("user32.dll");
        return hUser ? reinterpret_cast<GetDpiForWindowFn>(
                           reinterpret_cast<void*>(::GetProcAddress(hUser, "GetDpiForWindow")))
                     : nullptr;
    }();
    return pfn;
}

}  // namespace

namespace dpi {

UINT ForScreen() {
    HDC hDC = ::GetDC(nullptr);
    int nDpi = hDC ? ::GetDeviceCaps(hDC, LOGPIXELSY) : 0;
    if (hDC)
        ::ReleaseDC(nullptr, hDC);
    return nDpi > 0 ? static_cast<UINT>(nDpi) : kDesignDpi;
}

UINT ForWindow(HWND hWnd) {
    if (GetDpiForWindowFn pfn = GetDpiForWindowFunction()) {
        // 0 for a window of another thread's awareness, or no window at all.
        if (UINT nDpi = hWnd ? pfn(hWnd) : 0)
            return nDpi;
    }
    return ForScreen();
}

HFONT CreatePointFont(int nPointSize, const char* pszFaceName, UINT nDpi) {
    LOGFONTA lf = {};
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(lf.lfFaceName, pszFaceName, LF_FACESIZE);
    lf.lfHeight = -std::abs(MulDiv(static_cast<int>(nDpi), nPointSize, 720));
    return ::CreateFontIndirectA(&lf);
}

}  // namespace dpi
