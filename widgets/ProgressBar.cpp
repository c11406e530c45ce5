#include "widgets/ProgressBar.h"

#include "framework/FrameWnd.h"
#include "framework/Gdi.h"
#include "framework/StatusBar.h"
#include "framework/WideText.h"
#include "framework/WinApp.h"

IMPLEMENT_DYNCREATE(CProgressBar, CProgressCtrl)

BEGIN_MESSAGE_MAP(CProgressBar, CProgressCtrl)
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

namespace {

// The width rule's differences and products wrap at 32 bits rather than
// being undefined for absurd pane sizes or percentages.
int Sub32(int a, int b) {
    return static_cast<int>(static_cast<UINT>(a) - static_cast<UINT>(b));
}

int Mul32(int a, int b) {
    return static_cast<int>(static_cast<UINT>(a) * static_cast<UINT>(b));
}

int TextWidth(HDC hDC, LPCSTR lpszText) {
    SIZE size = {0, 0};
    const std::wstring text = WideText(lpszText);
    ::GetTextExtentPoint32W(hDC, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

}  // namespace

CProgressBar::CProgressBar() {
    m_rcPlaced.SetRectEmpty();
    m_pStatusBar = nullptr;
}

CProgressBar::CProgressBar(LPCSTR lpszText, int nWidthPercent, int nMaximum, BOOL bSmooth, int nPane,
                           CStatusBar* pStatusBar) {
    m_rcPlaced.SetRectEmpty();
    m_pStatusBar = pStatusBar;
    Create(lpszText, nWidthPercent, nMaximum, bSmooth, nPane);
}

CProgressBar::~CProgressBar() {
    // The base class destroys the control afterwards.
    RestorePane();
}

BOOL CProgressBar::Create(LPCSTR lpszText, int nWidthPercent, int nMaximum, BOOL bSmooth, int nPane) {
    CStatusBar* pStatusBar = FindStatusBar();
    if (!pStatusBar)
        return FALSE;
    DWORD dwStyle = WS_CHILD | WS_VISIBLE | (bSmooth ? PBS_SMOOTH : 0);
    m_strText = lpszText;
    m_nWidthPercent = nWidthPercent;
    m_nPane = nPane;
    m_strSavedPaneText = pStatusBar->GetPaneText(nPane);
    CRect rcPane;
    pStatusBar->GetItemRect(nPane, &rcPane);
    if (!CProgressCtrl::Create(dwStyle, rcPane, pStatusBar, 1))
        return FALSE;
    SetRange(0, nMaximum, 1);
    SetStep(1);
    FitToPane();
    return TRUE;
}

BOOL CProgressBar::SetRange(int nLower, int nUpper, int nStep) {
    if (!::IsWindow(m_hWnd))
        return FALSE;
    SetRange32(nLower, nUpper);
    CProgressCtrl::SetStep(nStep);
    return TRUE;
}

int CProgressBar::SetStep(int nStep) {
    if (!::IsWindow(m_hWnd))
        return 0;
    ModifyStyle(0, WS_VISIBLE);
    return CProgressCtrl::SetStep(nStep);
}

int CProgressBar::StepIt() {
    if (!::IsWindow(m_hWnd))
        return 0;
    // Shown again in case someone hid the bar between two steps.
    ModifyStyle(0, WS_VISIBLE);
    return CProgressCtrl::StepIt();
}

CRect CProgressBar::CalcBarRect(const RECT& rcPane, BOOL bHasText, int cxText, int cxBlank,
                                int nWidthPercent) {
    CRect rc(rcPane);
    int cxMargin = 2 * cxBlank;
    if (bHasText)
        rc.left += cxText + 2 * cxMargin;
    // Integer division truncates toward zero; with a message wider than the
    // pane the width is negative and the clamp below leaves nothing.
    rc.right = Sub32(rc.right, Mul32(100 - nWidthPercent, Sub32(rc.right, rc.left)) / 100);
    if (rc.right < rc.left)
        rc.right = rc.left;
    int cyInset = Sub32(rc.bottom, rc.top) / 10;
    rc.top += cyInset;
    rc.bottom -= cyInset;
    return rc;
}

BOOL CProgressBar::FitToPane() {
    if (!::IsWindow(m_hWnd))
        return FALSE;
    CStatusBar* pStatusBar = FindStatusBar();
    if (!pStatusBar)
        return FALSE;

    // While hidden (a frame not yet shown) the pane keeps its text.
    if (IsWindowVisible()) {
        pStatusBar->SetPaneText(m_nPane, m_strText, TRUE);
        pStatusBar->UpdateWindow();
    }

    // Measured in the font the status bar draws the message with.
    int cxText = 0, cxBlank = 0;
    {
        CClientDC dc(pStatusBar);
        HGDIOBJ hFont = reinterpret_cast<HGDIOBJ>(pStatusBar->SendMessage(WM_GETFONT));
        HGDIOBJ hOldFont = hFont ? dc.SelectObject(hFont) : nullptr;
        cxText = TextWidth(dc.m_hDC, m_strText);
        cxBlank = TextWidth(dc.m_hDC, " ");
        if (hOldFont)
            dc.SelectObject(hOldFont);
    }

    CRect rcPane;
    pStatusBar->GetItemRect(m_nPane, &rcPane);
    CRect rc = CalcBarRect(rcPane, !m_strText.IsEmpty(), cxText, cxBlank, m_nWidthPercent);
    // Every erase of the background comes here: move only when the pane has
    // really changed, or the bar would flicker.
    if (!::EqualRect(&rc, &m_rcPlaced)) {
        MoveWindow(rc.left, rc.top, rc.Width(), rc.Height(), TRUE);
        m_rcPlaced = rc;
    }
    return TRUE;
}

void CProgressBar::RestorePane() {
    if (!::IsWindow(m_hWnd))
        return;
    ModifyStyle(WS_VISIBLE, 0);
    // The message pane goes back to the idle text whatever it showed before
    // the bar: that older message is stale by now.
    CString strText;
    if (m_nPane == 0)
        strText.LoadString(AFX_IDS_IDLEMESSAGE);
    else
        strText = m_strSavedPaneText;
    if (CStatusBar* pStatusBar = FindStatusBar()) {
        pStatusBar->SetPaneText(m_nPane, strText, TRUE);
        // Erase the whole bar, or the hidden control stays on the screen.
        ::InvalidateRect(pStatusBar->m_hWnd, nullptr, TRUE);
    }
}

CStatusBar* CProgressBar::FindStatusBar() const {
    return m_pStatusBar;
}

BOOL CProgressBar::OnEraseBkgnd(CDC* pDC) {
    // A pane changes size whenever the frame does; the bar follows it here.
    FitToPane();
    return CProgressCtrl::OnEraseBkgnd(pDC);
}
