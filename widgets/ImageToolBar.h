// CImageToolBar: the main frame's toolbar, drawing its buttons from two
// 32-bit image lists (normal and disabled) built from bitmaps with a
// transparent key colour instead of the control's 16-colour images.
#pragma once

#include "framework/Gdi.h"
#include "framework/ToolBar.h"

class CImageToolBar : public CToolBar {
public:
    CImageToolBar() = default;

    // Both install their list in the control even when the bitmap could not
    // be loaded; the control then keeps whatever list is left.
    void SetNormalImages(UINT nBitmapID, COLORREF crMask, UINT nImageListFlags);
    void SetDisabledImages(UINT nBitmapID, COLORREF crMask, UINT nImageListFlags);
    // Cuts the bitmap into square images as high as the bitmap, pixels of
    // crMask transparent, and sizes the buttons to fit them.
    BOOL LoadImages(UINT nBitmapID, CBitmap& bitmap, CImageList& imageList, COLORREF crMask,
                    UINT nImageListFlags);

protected:
    // The control only refers to the lists, so they live as long as the bar.
    CImageList m_ilDisabled;
    CBitmap m_bmpDisabled;
    CImageList m_ilNormal;
    CBitmap m_bmpNormal;
};
