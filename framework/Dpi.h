// The resolution a window is drawn at, for a program that declares itself
// aware of each monitor's resolution. The functions that tell it came with
// later versions of Windows (and Wine has only some of them), so they are
// looked up at run time; without them the screen's resolution is the
// answer.
#pragma once

#include <windows.h>

namespace dpi {

// The resolution everything is designed at.
constexpr UINT kDesignDpi = 96;

// The window's dots per inch: its monitor's, or the screen's.
UINT ForWindow(HWND hWnd);
// The resolutions monitors have: 100 % to 500 % of the design's.
constexpr UINT kMinDpi = kDesignDpi;
constexpr UINT kMaxDpi = 5 * kDesignDpi;
inline UINT Clamp(UINT nDpi) {
    return nDpi < kMinDpi ? kMinDpi : nDpi > kMaxDpi ? kMaxDpi : nDpi;
}
// The screen's dots per inch as a device context reports it.
UINT ForScreen();
// A length designed at 96 dots per inch, at nDpi.
inline int Scale(int nLength, UINT nDpi) {
    return MulDiv(nLength, static_cast<int>(nDpi), static_cast<int>(kDesignDpi));
}
// A font of nPointSize tenths of a point for a window drawn at nDpi.
HFONT CreatePointFont(int nPointSize, const char* pszFaceName, UINT nDpi);

}  // namespace dpi
