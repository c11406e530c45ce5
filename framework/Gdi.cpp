#include "framework/Gdi.h"

#include "framework/Module.h"
#include "framework/WideText.h"
#include "framework/Wnd.h"

#include <cstdlib>

IMPLEMENT_DYNAMIC(CGdiObject, CObject)
IMPLEMENT_DYNAMIC(CFont, CGdiObject)
IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)
IMPLEMENT_DYNAMIC(CImageList, CObject)
IMPLEMENT_DYNAMIC(CMenu, CObject)

CSize CDC::GetTextExtent(const CString& str) const {
    SIZE size = {0, 0};
    const std::wstring text = WideText(str);
    ::GetTextExtentPoint32W(m_hDC, text.c_str(), static_cast<int>(text.size()), &size);
    return CSize(size.cx, size.cy);
}

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(pWnd ? pWnd->m_hWnd : nullptr) {
    m_hDC = ::GetDC(m_hWnd);
}

CClientDC::~CClientDC() {
    if (m_hDC)
        ::ReleaseDC(m_hWnd, m_hDC);
}

BOOL CGdiObject::Attach(HGDIOBJ hObject) {
    DeleteObject();
    m_hObject = hObject;
    return hObject != nullptr;
}

HGDIOBJ CGdiObject::Detach() {
    HGDIOBJ hObject = m_hObject;
    m_hObject = nullptr;
    return hObject;
}

BOOL CGdiObject::DeleteObject() {
    if (!m_hObject)
        return FALSE;
    BOOL bResult = ::DeleteObject(m_hObject);
    m_hObject = nullptr;
    return bResult;
}

BOOL CFont::CreatePointFont(int nPointSize, LPCSTR lpszFaceName, CDC* pDC) {
    HDC hDC = pDC ? pDC->m_hDC : ::GetDC(nullptr);
    LOGFONTA lf = {};
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(lf.lfFaceName, lpszFaceName, LF_FACESIZE);
    // Tenths of a point to pixels of the device, as a negative character height.
    POINT pt = {0, MulDiv(::GetDeviceCaps(hDC, LOGPIXELSY), nPointSize, 720)};
    POINT ptOrigin = {0, 0};
    ::DPtoLP(hDC, &pt, 1);
    ::DPtoLP(hDC, &ptOrigin, 1);
    lf.lfHeight = -std::abs(pt.y - ptOrigin.y);
    if (!pDC)
        ::ReleaseDC(nullptr, hDC);
    return CreateFontIndirect(&lf);
}

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow) {
    DeleteImageList();
    m_hImageList = ImageList_Create(cx, cy, nFlags, nInitial, nGrow);
    return m_hImageList != nullptr;
}

int CImageList::Add(CBitmap* pbmImage, COLORREF crMask) {
    return m_hImageList ? ImageList_AddMasked(m_hImageList, *pbmImage, crMask) : -1;
}

BOOL CImageList::DeleteImageList() {
    if (!m_hImageList)
        return FALSE;
    ImageList_Destroy(m_hImageList);
    m_hImageList = nullptr;
    return TRUE;
}

BOOL CMenu::LoadMenu(UINT nIDResource) {
    return Attach(::LoadMenuA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDResource)));
}

BOOL CMenu::Attach(HMENU hMenu) {
    DestroyMenu();
    m_hMenu = hMenu;
    return hMenu != nullptr;
}

HMENU CMenu::Detach() {
    HMENU hMenu = m_hMenu;
    m_hMenu = nullptr;
    return hMenu;
}

BOOL CMenu::DestroyMenu() {
    if (!m_hMenu)
        return FALSE;
    BOOL bResult = ::DestroyMenu(m_hMenu);
    m_hMenu = nullptr;
    return bResult;
}
