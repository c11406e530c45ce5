#include "frame/ListViews.h"

#include "frame/MainFrame.h"
#include "framework/Controls.h"
#include "framework/Dpi.h"
#include "framework/Palette.h"
#include "framework/WinApp.h"
#include "res/resource.h"

#include <algorithm>
#include <string>

IMPLEMENT_DYNAMIC(CDictionaryListView, CCtrlView)
IMPLEMENT_DYNCREATE(CList1, CDictionaryListView)
IMPLEMENT_DYNCREATE(CList2, CDictionaryListView)

BEGIN_MESSAGE_MAP(CDictionaryListView, CCtrlView)
ON_WM_CREATE()
ON_WM_SETFOCUS()
ON_MESSAGE(WM_MOUSEWHEEL, OnMouseWheel)
ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CList1, CDictionaryListView)
ON_CONTROL_REFLECT(LBN_SELCHANGE, OnSelchange)
ON_WM_KEYDOWN()
ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CList2, CDictionaryListView)
ON_WM_KEYDOWN()
ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

CDictionaryListView::~CDictionaryListView() = default;

int CDictionaryListView::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CCtrlView::OnCreate(lpCreateStruct) == -1)
        return -1;
    SetFontForDpi(dpi::ForWindow(m_hWnd));
    return 0;
}

void CDictionaryListView::SetFontForDpi(UINT nDpi, int nPointSize) {
    CFont font;
    font.Attach(dpi::CreatePointFont(nPointSize, "Arial", nDpi));
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font.GetSafeHandle()), TRUE);
    // The list holds the new font now: the old one may go.
    m_font.DeleteObject();
    m_font.Attach(font.Detach());
    // As high as a system list box makes its rows for the font.
    HDC hDC = ::GetDC(m_hWnd);
    HGDIOBJ hOld = ::SelectObject(hDC, m_font.GetSafeHandle());
    TEXTMETRICW tm = {};
    ::GetTextMetricsW(hDC, &tm);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(m_hWnd, hDC);
    SendMessage(LB_SETITEMHEIGHT, 0, MAKELPARAM(tm.tmHeight, 0));
}

HBRUSH CDictionaryListView::CtlColor(CDC* pDC, UINT nCtlColor) {
    return palette::ColorControl(pDC->m_hDC, nCtlColor);
}

BOOL CDictionaryListView::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message != WM_DRAWITEM)
        return CCtrlView::OnChildNotify(message, wParam, lParam, pResult);
    const auto& dis = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    if (dis.CtlType != ODT_LISTBOX || dis.hwndItem != m_hWnd)
        return FALSE;
    DrawItem(dis);
    *pResult = TRUE;
    return TRUE;
}

void CDictionaryListView::DrawItem(const DRAWITEMSTRUCT& dis) const {
    // Where the system list box puts its text and focus, so that in the
    // system's colours the rows look as they always have.
    RECT rc = dis.rcItem;
    if (dis.itemAction == ODA_FOCUS) {
        ::DrawFocusRect(dis.hDC, &rc);
        return;
    }
    if (dis.itemID != static_cast<UINT>(-1)) {
        const PaletteColors& colors = palette::Colors();
        const bool bSelected = (dis.itemState & ODS_SELECTED) != 0;
        const LRESULT nLength = ::SendMessageW(m_hWnd, LB_GETTEXTLEN, dis.itemID, 0);
        std::wstring text(static_cast<size_t>(std::max<LRESULT>(nLength, 0)) + 1, L'\0');
        ::SendMessageW(m_hWnd, LB_GETTEXT, dis.itemID, reinterpret_cast<LPARAM>(&text[0]));
        HGDIOBJ hOldFont = ::SelectObject(dis.hDC, m_font.GetSafeHandle());
        const COLORREF crOldText = ::SetTextColor(dis.hDC, bSelected ? colors.selectionText : colors.text);
        const COLORREF crOldBk = ::SetBkColor(dis.hDC, bSelected ? colors.selection : colors.window);
        ::ExtTextOutW(dis.hDC, rc.left + 1, rc.top, ETO_OPAQUE | ETO_CLIPPED, &rc, text.c_str(),
                      static_cast<UINT>(wcslen(text.c_str())), nullptr);
        ::SetBkColor(dis.hDC, crOldBk);
        ::SetTextColor(dis.hDC, crOldText);
        ::SelectObject(dis.hDC, hOldFont);
    }
    if (dis.itemState & ODS_FOCUS)
        ::DrawFocusRect(dis.hDC, &rc);
}

LRESULT CDictionaryListView::OnMouseWheel(WPARAM wParam, LPARAM lParam) {
    CWnd* pFrame = GetParentFrame();
    if ((GET_KEYSTATE_WPARAM(wParam) & MK_CONTROL) && pFrame)
        return pFrame->SendMessage(WM_MOUSEWHEEL, wParam, lParam);
    return Default();
}

void CDictionaryListView::OnSetFocus(CWnd* pOldWnd) {
    CCtrlView::OnSetFocus(pOldWnd);
    if (auto* pFrame = DynamicDowncast<CMainFrame>(GetParentFrame())) {
        CWnd* pWordBox = pFrame->m_wndWordBar.GetShownWordBox();
        if (pWordBox && pFrame->m_bFocusInWordBox)
            pWordBox->SetFocus();
    }
}

void CList1::OnSelchange() {
    CMainFrame* pFrame = DynamicDowncast<CMainFrame>(GetParentFrame());
    if (!pFrame)
        return;
    CListBox list(m_hWnd);
    CString strWord;
    list.GetText(list.GetCurSel(), strWord);
    pFrame->m_lookup.ShowListWord(strWord);
}

void CList1::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    UINT nCommand = 0;
    switch (nChar) {
        case VK_INSERT:
            nCommand = ID_WORD_ADD;
            break;
        case VK_RETURN:
            nCommand = ID_WORD_MODIFY;
            break;
        case VK_DELETE:
            nCommand = ID_WORD_DELETE;
            break;
        default:
            break;
    }
    if (nCommand) {
        if (CMainFrame* pFrame = DynamicDowncast<CMainFrame>(GetParentFrame()))
            pFrame->SendMessage(WM_COMMAND, nCommand, 0);
    }
    CDictionaryListView::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CList1::OnLButtonDblClk(UINT nFlags, CPoint point) {
    if (CMainFrame* pFrame = DynamicDowncast<CMainFrame>(GetParentFrame()))
        pFrame->SendMessage(WM_COMMAND, ID_WORD_MODIFY, 0);
    CDictionaryListView::OnLButtonDblClk(nFlags, point);
}

// Enter or a double-click on a word the list suggests looks it up.
void CList2::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (nChar == VK_RETURN) {
        if (CMainFrame* pFrame = DynamicDowncast<CMainFrame>(GetParentFrame()))
            pFrame->m_lookup.LookUpSuggestion(CListBox(m_hWnd).GetCurSel());
    }
    CDictionaryListView::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CList2::OnLButtonDblClk(UINT nFlags, CPoint point) {
    if (CMainFrame* pFrame = DynamicDowncast<CMainFrame>(GetParentFrame()))
        pFrame->m_lookup.LookUpSuggestion(CListBox(m_hWnd).GetCurSel());
    CDictionaryListView::OnLButtonDblClk(nFlags, point);
}
