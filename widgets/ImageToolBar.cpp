#include "widgets/ImageToolBar.h"

#include "framework/Module.h"

void CImageToolBar::SetNormalImages(UINT nBitmapID, COLORREF crMask, UINT nImageListFlags) {
    LoadImages(nBitmapID, m_bmpNormal, m_ilNormal, crMask, nImageListFlags);
    SendMessage(TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(m_ilNormal.GetSafeHandle()));
}

void CImageToolBar::SetDisabledImages(UINT nBitmapID, COLORREF crMask, UINT nImageListFlags) {
    LoadImages(nBitmapID, m_bmpDisabled, m_ilDisabled, crMask, nImageListFlags);
    SendMessage(TB_SETDISABLEDIMAGELIST, 0, reinterpret_cast<LPARAM>(m_ilDisabled.GetSafeHandle()));
}

BOOL CImageToolBar::LoadImages(UINT nBitmapID, CBitmap& bitmap, CImageList& imageList, COLORREF crMask,
                               UINT nImageListFlags) {
    bitmap.DeleteObject();
    LPCSTR lpszName = MAKEINTRESOURCEA(LOWORD(nBitmapID));
    HINSTANCE hInst = AfxGetResourceHandle();
    if (!bitmap.Attach(::LoadBitmapA(hInst, lpszName)))
        return FALSE;
    imageList.DeleteImageList();

    BITMAP bm = {};
    bitmap.GetObject(sizeof(bm), &bm);
    int cxImage = bm.bmHeight;
    if (!imageList.Create(cxImage, cxImage, nImageListFlags, 0, 0))
        return FALSE;
    // The bitmap's width holds the images side by side; a remainder narrower
    // than one image is left out.
    if (imageList.Add(&bitmap, crMask) == -1)
        return FALSE;
    SetSizes(CSize(cxImage + 7, cxImage + 7), CSize(cxImage, cxImage));
    return TRUE;
}
