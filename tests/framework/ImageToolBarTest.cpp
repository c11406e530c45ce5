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
const UINT kFlags = ILC_COLOR32 | ILC_MASK;

// Lets the tests see the lists and bitmaps the toolbar keeps.
class CTestImageToolBar : public CImageToolBar {
public:
    using CImageToolBar::m_bmpDisabled;
    using CImageToolBar::m_bmpNormal;
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

TEST_F(ImageToolBarTest, BitmapGivesEightSquareImagesAndButtonsToFit) {
    // The layout resource alone asks for 16 x 15 images.
    ASSERT_EQ(23, ButtonSize(Bar()).cx);

    Bar().SetNormalImages(kNormalBitmap, kKeyColour, kFlags);
    ASSERT_TRUE(Bar().m_ilNormal.GetSafeHandle());
    EXPECT_EQ(Bar().m_ilNormal.GetSafeHandle(), ControlList());
    EXPECT_EQ(8, Bar().m_ilNormal.GetImageCount());
    EXPECT_EQ(18, ImageSize(ControlList()).cx);
    EXPECT_EQ(18, ImageSize(ControlList()).cy);
    EXPECT_EQ(32, ImageBitsPerPixel(ControlList()));
    EXPECT_EQ(25, ButtonSize(Bar()).cx);
    EXPECT_EQ(25, ButtonSize(Bar()).cy);

    Bar().SetDisabledImages(kDisabledBitmap, kKeyColour, kFlags);
    ASSERT_TRUE(Bar().m_ilDisabled.GetSafeHandle());
    EXPECT_EQ(Bar().m_ilDisabled.GetSafeHandle(), ControlDisabledList());
    EXPECT_EQ(8, Bar().m_ilDisabled.GetImageCount());
    EXPECT_EQ(Bar().m_ilNormal.GetSafeHandle(), ControlList());
    EXPECT_TRUE(Bar().m_bmpNormal.GetSafeHandle());
    EXPECT_TRUE(Bar().m_bmpDisabled.GetSafeHandle());
}

TEST_F(ImageToolBarTest, SecondCallReplacesBitmapAndList) {
    Bar().SetNormalImages(kDisabledBitmap, kKeyColour, kFlags);
    HGDIOBJ hOldBitmap = Bar().m_bmpNormal.GetSafeHandle();
    ASSERT_TRUE(hOldBitmap);

    Bar().SetNormalImages(kNormalBitmap, kKeyColour, kFlags);
    EXPECT_EQ(0u, GetObjectType(hOldBitmap)) << "the earlier bitmap is deleted";
    EXPECT_EQ(static_cast<DWORD>(OBJ_BITMAP), GetObjectType(Bar().m_bmpNormal.GetSafeHandle()));
    // A fresh list: the images are not added to the old ones.
    EXPECT_EQ(8, Bar().m_ilNormal.GetImageCount());
    EXPECT_EQ(Bar().m_ilNormal.GetSafeHandle(), ControlList());
}

TEST_F(ImageToolBarTest, MissingBitmapFailsAndKeepsTheOldList) {
    CBitmap bitmap;
    CImageList list;
    ASSERT_TRUE(Bar().LoadImages(kNormalBitmap, bitmap, list, kKeyColour, kFlags));
    HIMAGELIST hList = list.GetSafeHandle();

    EXPECT_FALSE(Bar().LoadImages(kMissingBitmap, bitmap, list, kKeyColour, kFlags));
    EXPECT_FALSE(bitmap.GetSafeHandle()) << "the old bitmap goes first";
    EXPECT_EQ(hList, list.GetSafeHandle());
    EXPECT_EQ(8, list.GetImageCount());

    // Only the low 16 bits name the resource.
    EXPECT_TRUE(Bar().LoadImages(0x10000 | kNormalBitmap, bitmap, list, kKeyColour, kFlags));
}

TEST_F(ImageToolBarTest, MissingBitmapStillInstallsWhatIsLeft) {
    // A list the control holds from before: the failed call replaces it with none.
    CImageList foreign;
    ASSERT_TRUE(foreign.Create(16, 16, kFlags, 1, 0));
    Bar().SendMessage(TB_SETDISABLEDIMAGELIST, 0, reinterpret_cast<LPARAM>(foreign.GetSafeHandle()));
    Bar().SetDisabledImages(kMissingBitmap, kKeyColour, kFlags);
    EXPECT_EQ(nullptr, ControlDisabledList());

    Bar().SetNormalImages(kNormalBitmap, kKeyColour, kFlags);
    HIMAGELIST hList = Bar().m_ilNormal.GetSafeHandle();
    Bar().SetNormalImages(kMissingBitmap, kKeyColour, kFlags);
    EXPECT_FALSE(Bar().m_bmpNormal.GetSafeHandle());
    EXPECT_EQ(hList, ControlList());
    EXPECT_EQ(8, ImageList_GetImageCount(ControlList()));
}

// Draws every image of the list side by side on a background no image uses
// and compares each pixel with the bitmap's own: key-coloured pixels must
// show the background, all others their colour unchanged.
TEST_F(ImageToolBarTest, KeyColourIsTransparentAndEveryOtherShadeIsDrawn) {
    const COLORREF kBackground = RGB(10, 20, 30);
    for (UINT nBitmap : {kNormalBitmap, kDisabledBitmap}) {
        CBitmap bitmap;
        CImageList list;
        ASSERT_TRUE(Bar().LoadImages(nBitmap, bitmap, list, kKeyColour, kFlags));

        HDC hScreen = GetDC(nullptr);
        HDC hSource = CreateCompatibleDC(hScreen);
        HDC hTarget = CreateCompatibleDC(hScreen);
        HBITMAP hSourceBitmap = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(nBitmap));
        HBITMAP hTargetBitmap = CreateCompatibleBitmap(hScreen, 146, 18);
        ReleaseDC(nullptr, hScreen);
        HGDIOBJ hOldSource = SelectObject(hSource, hSourceBitmap);
        HGDIOBJ hOldTarget = SelectObject(hTarget, hTargetBitmap);
        RECT rcAll = {0, 0, 146, 18};
        HBRUSH hBrush = CreateSolidBrush(kBackground);
        FillRect(hTarget, &rcAll, hBrush);
        DeleteObject(hBrush);
        for (int i = 0; i < list.GetImageCount(); ++i)
            ImageList_Draw(list, i, hTarget, 18 * i, 0, ILD_TRANSPARENT);

        int nKeyPixels = 0, nImagePixels = 0, nWrong = 0;
        for (int y = 0; y < 18; ++y) {
            for (int x = 0; x < 144; ++x) {
                COLORREF crSource = GetPixel(hSource, x, y);
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
        EXPECT_EQ(0, nWrong) << nBitmap;
    }
}

}  // namespace
