#include "widgets/ImageToolBar.h"

#include "framework/Dpi.h"
#include "framework/Module.h"
#include "framework/Palette.h"

#include <algorithm>
#include <cstdint>
#include <vector>

BEGIN_MESSAGE_MAP(CImageToolBar, CToolBar)
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

namespace {

// The bitmap's pixels as 32-bit BGRA, top row first, with premultiplied
// alpha: pixels of the key colour clear, every other one opaque.
bool ReadPixels(HBITMAP hBitmap, int cx, int cy, COLORREF crMask, std::vector<uint32_t>& pixels) {
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = -cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    pixels.assign(static_cast<size_t>(cx) * cy, 0);
    HDC hDC = ::GetDC(nullptr);
    int nRows = ::GetDIBits(hDC, hBitmap, 0, static_cast<UINT>(cy), pixels.data(), &bmi, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, hDC);
    if (nRows != cy)
        return false;
    const uint32_t key = (GetRValue(crMask) << 16) | (GetGValue(crMask) << 8) | GetBValue(crMask);
    for (uint32_t& px : pixels)
        px = (px & 0xFFFFFFu) == key ? 0u : (px | 0xFF000000u);
    return true;
}

// How much each of nSource pixels covers of target pixel t when nSource
// pixels are spread over nTarget: the shares add up to 1. Averaging over
// the area keeps thin lines when shrinking and soft edges when enlarging.
std::vector<double> Shares(int t, int nSource, int nTarget) {
    const double lo = static_cast<double>(t) * nSource / nTarget;
    const double hi = static_cast<double>(t + 1) * nSource / nTarget;
    std::vector<double> shares(static_cast<size_t>(nSource), 0.0);
    for (int i = 0; i < nSource; ++i)
        shares[static_cast<size_t>(i)] =
            std::max(0.0, std::min(hi, i + 1.0) - std::max(lo, static_cast<double>(i))) / (hi - lo);
    return shares;
}

// Scales each of nImages square images of side nFrom (side by side in
// source, nFrom * nImages wide) to side nTo.
std::vector<uint32_t> ScaleImages(const std::vector<uint32_t>& source, int nSourceWidth, int nFrom,
                                  int nImages, int nTo) {
    std::vector<uint32_t> target(static_cast<size_t>(nTo) * nTo * nImages, 0);
    std::vector<std::vector<double>> shares;
    for (int t = 0; t < nTo; ++t)
        shares.push_back(Shares(t, nFrom, nTo));
    const int nTargetWidth = nTo * nImages;
    for (int image = 0; image < nImages; ++image) {
        for (int ty = 0; ty < nTo; ++ty) {
            for (int tx = 0; tx < nTo; ++tx) {
                double sum[4] = {};
                for (int sy = 0; sy < nFrom; ++sy) {
                    double wy = shares[static_cast<size_t>(ty)][static_cast<size_t>(sy)];
                    if (wy == 0.0)
                        continue;
                    for (int sx = 0; sx < nFrom; ++sx) {
                        double w = wy * shares[static_cast<size_t>(tx)][static_cast<size_t>(sx)];
                        if (w == 0.0)
                            continue;
                        uint32_t px = source[static_cast<size_t>(sy) * nSourceWidth + image * nFrom + sx];
                        for (int c = 0; c < 4; ++c)
                            sum[c] += w * ((px >> (8 * c)) & 0xFF);
                    }
                }
                uint32_t out = 0;
                for (int c = 0; c < 4; ++c)
                    out |= static_cast<uint32_t>(std::min(255.0, sum[c] + 0.5)) << (8 * c);
                target[static_cast<size_t>(ty) * nTargetWidth + image * nTo + tx] = out;
            }
        }
    }
    return target;
}

// A 32-bit bitmap holding the pixels, for an image list to copy.
HBITMAP CreateAlphaBitmap(const std::vector<uint32_t>& pixels, int cx, int cy) {
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = -cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    void* pBits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    if (hBitmap)
        std::copy(pixels.begin(), pixels.end(), static_cast<uint32_t*>(pBits));
    return hBitmap;
}

}  // namespace

void CImageToolBar::SetNormalImages(UINT nBitmapID, COLORREF crMask, UINT nDpi) {
    LoadImages(nBitmapID, m_ilNormal, crMask, nDpi);
    SendMessage(TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(m_ilNormal.GetSafeHandle()));
}

void CImageToolBar::SetDisabledImages(UINT nBitmapID, COLORREF crMask, UINT nDpi) {
    LoadImages(nBitmapID, m_ilDisabled, crMask, nDpi);
    SendMessage(TB_SETDISABLEDIMAGELIST, 0, reinterpret_cast<LPARAM>(m_ilDisabled.GetSafeHandle()));
}

BOOL CImageToolBar::LoadImages(UINT nBitmapID, CImageList& imageList, COLORREF crMask, UINT nDpi) {
    LPCSTR lpszName = MAKEINTRESOURCEA(LOWORD(nBitmapID));
    HINSTANCE hInst = AfxGetResourceHandle();
    // As a section, the pixels stay the file's whatever the screen's depth.
    auto hBitmap =
        static_cast<HBITMAP>(::LoadImageA(hInst, lpszName, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!hBitmap)
        return FALSE;
    BITMAP bm = {};
    ::GetObjectA(hBitmap, sizeof(bm), &bm);
    std::vector<uint32_t> pixels;
    bool bRead = bm.bmHeight > 0 && ReadPixels(hBitmap, bm.bmWidth, bm.bmHeight, crMask, pixels);
    ::DeleteObject(hBitmap);
    if (!bRead)
        return FALSE;

    // The bitmap's width holds the images side by side; a remainder narrower
    // than one image is left out.
    const int nFrom = bm.bmHeight;
    const int nImages = bm.bmWidth / nFrom;
    const int nTo = std::max(1, dpi::Scale(nFrom, nDpi));
    std::vector<uint32_t> scaled = ScaleImages(pixels, bm.bmWidth, nFrom, nImages, nTo);
    HBITMAP hScaled = CreateAlphaBitmap(scaled, nTo * nImages, nTo);
    if (!hScaled)
        return FALSE;
    CImageList fresh;
    BOOL bDone = fresh.Create(nTo, nTo, ILC_COLOR32, nImages, 0) &&
                 ImageList_Add(fresh.GetSafeHandle(), hScaled, nullptr) != -1;
    ::DeleteObject(hScaled);
    if (!bDone)
        return FALSE;
    imageList.DeleteImageList();
    imageList.m_hImageList = fresh.m_hImageList;
    fresh.m_hImageList = nullptr;
    const int nButton = nTo + dpi::Scale(7, nDpi);
    SetSizes(CSize(nButton, nButton), CSize(nTo, nTo));
    return TRUE;
}

BOOL CImageToolBar::OnEraseBkgnd(CDC* pDC) {
    CRect rc;
    GetClientRect(&rc);
    ::FillRect(pDC->m_hDC, &rc, palette::FaceBrush());
    return TRUE;
}
