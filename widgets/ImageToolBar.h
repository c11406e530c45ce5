// CImageToolBar: the main frame's toolbar, drawing its buttons from two
// 32-bit image lists with an alpha channel (normal and disabled) instead of
// the control's 16-colour images. The lists are cut from bitmaps whose
// background is one key colour and are scaled, smoothly, to the resolution
// the window is drawn at. The bar paints its own background in the bars'
// colour: a flat toolbar would ask the frame for it, and the frame leaves
// the area under its bars unpainted.
#pragma once

#include "framework/Gdi.h"
#include "framework/ToolBar.h"

class CImageToolBar : public CToolBar {
public:
    CImageToolBar() = default;

    // Both install their list in the control even when the bitmap could not
    // be loaded; the control then keeps whatever list is left.
    void SetNormalImages(UINT nBitmapID, COLORREF crMask, UINT nDpi);
    void SetDisabledImages(UINT nBitmapID, COLORREF crMask, UINT nDpi);
    // Cuts the bitmap into square images as high as the bitmap, pixels of
    // crMask transparent, scales them from 96 dots per inch to nDpi and
    // sizes the buttons to fit them. A bitmap that cannot be loaded leaves
    // imageList as it was.
    BOOL LoadImages(UINT nBitmapID, CImageList& imageList, COLORREF crMask, UINT nDpi);

    DECLARE_MESSAGE_MAP()

protected:
    BOOL OnEraseBkgnd(CDC* pDC);

    // The control only refers to the lists, so they live as long as the bar.
    CImageList m_ilDisabled;
    CImageList m_ilNormal;
};
