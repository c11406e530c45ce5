// The two panes of the main window: the word list (CList1), one row per
// dictionary line, and the translation list (CList2), the items of the
// selected word. Both are sorted system list boxes wrapped as views.
#pragma once

#include "framework/Gdi.h"
#include "framework/View.h"

// What both lists share: the font, and handing the focus on to the word box
// when that is where the user works.
class CDictionaryListView : public CCtrlView {
    DECLARE_DYNAMIC(CDictionaryListView)
public:
    ~CDictionaryListView() override;
    void OnDraw(CDC*) override {}
    // The lists' font, for a window drawn at nDpi: nPointSize tenths of a
    // point (the rows follow its height).
    void SetFontForDpi(UINT nDpi, int nPointSize = 100);
    // The rows are drawn here, in the palette's colours (a system list box
    // draws its selection in the system's).
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    DECLARE_MESSAGE_MAP()

protected:
    explicit CDictionaryListView(DWORD dwStyle)
        : CCtrlView("ListBox", dwStyle | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS) {}

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnSetFocus(CWnd* pOldWnd);
    // Ctrl with the wheel sizes the text (the frame's), instead of scrolling.
    LRESULT OnMouseWheel(WPARAM wParam, LPARAM lParam);
    HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    void DrawItem(const DRAWITEMSTRUCT& dis) const;

    CFont m_font;
};

class CList1 : public CDictionaryListView {
    DECLARE_DYNCREATE(CList1)
public:
    // WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_SORT | LBS_NOINTEGRALHEIGHT
    static const DWORD kStyle = 0x50210103;
    CList1() : CDictionaryListView(kStyle) {}

    DECLARE_MESSAGE_MAP()

protected:
    void OnSelchange();
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
};

class CList2 : public CDictionaryListView {
    DECLARE_DYNCREATE(CList2)
public:
    // The same without WS_TABSTOP: Tab never lands here.
    static const DWORD kStyle = 0x50200103;
    CList2() : CDictionaryListView(kStyle) {}

    DECLARE_MESSAGE_MAP()

protected:
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
};
