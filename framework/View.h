// CView: a child window that shows a document; CCtrlView: a view that is a
// system control (a list box, say) with the view's place in the frame and
// the command route.
#pragma once

#include "framework/Wnd.h"

class CDocument;
struct CCreateContext;

class CView : public CWnd {
    DECLARE_DYNAMIC(CView)
public:
    ~CView() override;

    CDocument* GetDocument() const { return m_pDocument; }
    virtual void OnDraw(CDC* pDC) = 0;
    virtual void OnInitialUpdate() {}
    virtual void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView);

    // The view's own handlers first, then the document's.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) override;
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    void PostNcDestroy() override;

    CDocument* m_pDocument = nullptr;

    DECLARE_MESSAGE_MAP()

protected:
    CView() = default;

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDestroy();
    void OnPaint();
    LRESULT OnMouseActivate(WPARAM wParam, LPARAM lParam);
};

class CCtrlView : public CView {
    DECLARE_DYNAMIC(CCtrlView)
public:
    CCtrlView(LPCSTR lpszClass, DWORD dwStyle) : m_strClass(lpszClass), m_dwDefaultStyle(dwStyle) {}

    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    void OnDraw(CDC*) override {}

    DECLARE_MESSAGE_MAP()

protected:
    void OnPaint() { Default(); }  // the control paints itself

    CString m_strClass;
    DWORD m_dwDefaultStyle;
};
