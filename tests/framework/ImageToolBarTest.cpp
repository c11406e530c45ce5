#include "WindowTestSupport.h"

#include "framework/FrameWnd.h"
#include "widgets/ImageToolBar.h"

#include <gtest/gtest.h>

#include <commctrl.h>

namespace {

const UINT kToolBarLayout = 130;
const UINT kNormalBitmap = 137;    // 146 x 18, 256 colours
const UINT kDisabledBitmap = 138;  // the same, in grey
const UINT kMissingBitmap = 999;
const COLORREF kKeyColour = RGB(254, 255, 1);

// Lets the tests see the lists the toolbar keeps.
class CTestImageToolBar : public CImageToolBar {
public:
    using CImageToolBar::m_ilDisabled;
    using CImageToolBar::m_ilNormal;
};

class CToolFrame : public CFrameWnd {
public:
    CTestImageToolBar m_wndToolBar;
};

SIZE ButtonSize(const CWnd& bar) {
    DWORD dw = static_cast<DWORD>(bar.SendMessage(TB_GETBUTTONSIZE));
    return SIZE{LOWORD(dw), HIWORD(dw)};
}

SIZE ImageSize(HIMAGELIST hList) {
    int cx = 0, cy = 0;
    ImageList_GetIconSize(hList, &cx, &cy);
    return SIZE{cx, cy};
}

int ImageBitsPerPixel(HIMAGELIST hList) {
    IMAGEINFO info = {};
    BITMAP bm = {};
    if (!ImageList_GetImageInfo(hList, 0, &info) || !GetObjectA(info.hbmImage, sizeof(bm), &bm))
        return 0;
    return bm.bmBitsPixel;
}

class ImageToolBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto* pFrame = new CToolFrame;
        // A frame whose creation fails has deleted itself.
        if (!pFrame->CreateEx(0, nullptr, "Images", WS_OVERLAPPEDWINDOW, 0, 0, 400, 200, nullptr, nullptr))
            FAIL() << "no frame";
        m_pFrame = pFrame;
        ASSERT_TRUE(Bar().CreateEx(m_pFrame));
        ASSERT_TRUE(Bar().LoadToolBar(kToolBarLayout));
    }

    void TearDown() override {
        if (m_pFrame)
            m_pFrame->DestroyWindow();
        PumpMessages();
    }

    CTestImageToolBar& Bar() { return m_pFrame->m_wndToolBar; }
    HIMAGELIST ControlList() { return reinterpret_cast<HIMAGELIST>(Bar().SendMessage(TB_GETIMAGELIST)); }
    HIMAGELIST ControlDisabledList() {
        return reinterpret_cast<HIMAGELIST>(Bar().SendMessage(TB_GETDISABLEDIMAGELIST));
    }

    CToolFrame* m_pFrame = nullptr;
};

// At each resolution the images are the bitmap's cells scaled, with an
// alpha channel, and the buttons fit them.
TEST_F(ImageToolBarTest, BitmapGivesEightSquareImagesScaledForTheResolution) {
    // The layout resource alone asks for 16 x 15 images.
    ASSERT_EQ(23, ButtonSize(Bar()).cx);
    struct {
        UINT nDpi;
        int nImage, nButton;
    } const kCases[] = {{96, 18, 25}, {144, 27, 38}, {192, 36, 50}};
    for (const auto& c : kCases) {
        Bar().SetNormalImages(kNormalBitmap, kKeyColour, c.nDpi);
        Bar().SetDisabledImages(kDisabledBitmap, kKeyColour, c.nDpi);
        for (HIMAGELIST hList : {ControlList(), ControlDisabledList()}) {
            ASSERT_TRUE(hList) << c.nDpi;
            EXPECT_EQ(8, ImageList_GetImageCount(hList)) << c.nDpi << ": a fresh list, not added to";
            EXPECT_EQ(c.nImage, ImageSize(hList).cx) << c.nDpi;
            EXPECT_EQ(c.nImage, ImageSize(hList).cy) << c.nDpi;
            EXPECT_EQ(32, ImageBitsPerPixel(hList)) << c.nDpi;
        }
        EXPECT_EQ(Bar().m_ilNormal.GetSafeHandle(), ControlList());
        EXPECT_EQ(Bar().m_ilDisabled.GetSafeHandle(), ControlDisabledList());
        EXPECT_EQ(c.nButton, ButtonSize(Bar()).cx) << c.nDpi;
        EXPECT_EQ(c.nButton, ButtonSize(Bar()).cy) << c.nDpi;
    }
}

TEST_F(ImageToolBarTest, MissingBitmapKeepsWhatIsLeft) {
    CImageList list;
    ASSERT_TRUE(Bar().LoadImages(kNormalBitmap, list, kKeyColour, 96));
    HIMAGELIST hList = list.GetSafeHandle();
    EXPECT_FALSE(Bar().LoadImages(kMissingBitmap, list, kKeyColour, 96));
    EXPECT_EQ(hList, list.GetSafeHandle());
    EXPECT_EQ(8, list.GetImageCount());
    // Only the low 16 bits name the resource.
    EXPECT_TRUE(Bar().LoadImages(0x10000 | kNormalBitmap, list, kKeyColour, 96));

    // A list the control holds from before: the failed call replaces it with none.
    CImageList foreign;
    ASSERT_TRUE(foreign.Create(16, 16, ILC_COLOR32, 1, 0));
    Bar().SendMessage(TB_SETDISABLEDIMAGELIST, 0, reinterpret_cast<LPARAM>(foreign.GetSafeHandle()));
    Bar().SetDisabledImages(kMissingBitmap, kKeyColour, 96);
    EXPECT_EQ(nullptr, ControlDisabledList());
    Bar().SetNormalImages(kNormalBitmap, kKeyColour, 96);
    hList = ControlList();
    Bar().SetNormalImages(kMissingBitmap, kKeyColour, 96);
    EXPECT_EQ(hList, ControlList());
    EXPECT_EQ(8, ImageList_GetImageCount(ControlList()));
}

// Draws every image of the list side by side on a background no image uses
// and compares each pixel with the bitmap's own (at twice the resolution,
// with the pixel it was enlarged from): key-coloured pixels must show the
// background, all others their colour unchanged.
TEST_F(ImageToolBarTest, KeyColourIsTransparentAndEveryOtherShadeIsDrawn) {
    const COLORREF kBackground = RGB(10, 20, 30);
    for (UINT nDpi : {96u, 192u}) {
        const int nScale = static_cast<int>(nDpi / 96);
        for (UINT nBitmap : {kNormalBitmap, kDisabledBitmap}) {
            CImageList list;
            ASSERT_TRUE(Bar().LoadImages(nBitmap, list, kKeyColour, nDpi));

            HDC hScreen = GetDC(nullptr);
            HDC hSource = CreateCompatibleDC(hScreen);
            HDC hTarget = CreateCompatibleDC(hScreen);
            HBITMAP hSourceBitmap = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(nBitmap));
            HBITMAP hTargetBitmap = CreateCompatibleBitmap(hScreen, 146 * nScale, 18 * nScale);
            ReleaseDC(nullptr, hScreen);
            HGDIOBJ hOldSource = SelectObject(hSource, hSourceBitmap);
            HGDIOBJ hOldTarget = SelectObject(hTarget, hTargetBitmap);
            RECT rcAll = {0, 0, 146 * nScale, 18 * nScale};
            HBRUSH hBrush = CreateSolidBrush(kBackground);
            FillRect(hTarget, &rcAll, hBrush);
            DeleteObject(hBrush);
            for (int i = 0; i < list.GetImageCount(); ++i)
                ImageList_Draw(list, i, hTarget, 18 * nScale * i, 0, ILD_TRANSPARENT);

            int nKeyPixels = 0, nImagePixels = 0, nWrong = 0;
            for (int y = 0; y < 18 * nScale; ++y) {
                for (int x = 0; x < 144 * nScale; ++x) {
                    COLORREF crSource = GetPixel(hSource, x / nScale, y / nScale);
                    COLORREF crDrawn = GetPixel(hTarget, x, y);
                    if (crSource == kKeyColour) {
                        ++nKeyPixels;
                        nWrong += crDrawn != kBackground;
                    } else {
                        ++nImagePixels;
                        nWrong += crDrawn != crSource;
                    }
                }
            }
            SelectObject(hSource, hOldSource);
            SelectObject(hTarget, hOldTarget);
            DeleteObject(hSourceBitmap);
            DeleteObject(hTargetBitmap);
            DeleteDC(hSource);
            DeleteDC(hTarget);

            EXPECT_GT(nKeyPixels, 0) << nBitmap;
            EXPECT_GT(nImagePixels, 0) << nBitmap;
            EXPECT_EQ(0, nWrong) << nBitmap << " at " << nDpi;
        }
    }
}

// A flat toolbar leaves its background to whoever erases it; the frame
// does not paint under its bars, which showed as a black block.
TEST_F(ImageToolBarTest, BackgroundIsTheBarsColour) {
    Bar().SetNormalImages(kNormalBitmap, kKeyColour, 96);
    CRect rc;
    Bar().GetClientRect(&rc);
    ASSERT_FALSE(rc.IsRectEmpty());
    HDC hScreen = GetDC(nullptr);
    HDC hDC = CreateCompatibleDC(hScreen);
    HBITMAP hBitmap = CreateCompatibleBitmap(hScreen, rc.Width(), rc.Height());
    ReleaseDC(nullptr, hScreen);
    HGDIOBJ hOld = SelectObject(hDC, hBitmap);
    PatBlt(hDC, 0, 0, rc.Width(), rc.Height(), BLACKNESS);
    Bar().SendMessage(WM_PRINT, reinterpret_cast<WPARAM>(hDC), PRF_ERASEBKGND | PRF_CLIENT);
    // Below the middle of the first button its background shows.
    COLORREF crBelow = GetPixel(hDC, 2, rc.Height() - 2);
    SelectObject(hDC, hOld);
    DeleteObject(hBitmap);
    DeleteDC(hDC);
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), crBelow);
}

}  // namespace
