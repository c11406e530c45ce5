#include "widgets/LinkStatic.h"

#include "framework/Module.h"
#include "framework/WideText.h"
#include "res/resource.h"

IMPLEMENT_DYNAMIC(CLinkStatic, CStatic)

BEGIN_MESSAGE_MAP(CLinkStatic, CStatic)
ON_WM_MOUSEMOVE()
ON_WM_SETCURSOR()
ON_CONTROL_REFLECT(STN_CLICKED, OnClicked)
ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

PFN_SHELLEXECUTE CLinkStatic::s_pfnShellExecute = &::ShellExecuteA;

namespace {

// Repaints the text at once, in its new colour.
void RedrawNow(HWND hWnd) {
    ::RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

}  // namespace

CLinkStatic::CLinkStatic() = default;

CLinkStatic::~CLinkStatic() = default;

void CLinkStatic::SetTipText(LPCSTR lpszText) {
    if (!m_bTipEnabled || !m_tip.m_hWnd)
        return;
    std::wstring text = WideText(lpszText);
    TTTOOLINFOW ti = {};
    ti.cbSize = sizeof(ti);
    ti.hwnd = m_hWnd;
    ti.uId = kToolId;
    ti.lpszText = &text[0];
    m_tip.SendMessage(TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&ti));
}

BOOL CLinkStatic::OpenTarget(LPCSTR lpszTarget) {
    HINSTANCE hResult = s_pfnShellExecute(nullptr, "open", lpszTarget, nullptr, nullptr, SW_SHOWMINIMIZED);
    return reinterpret_cast<INT_PTR>(hResult) >= 32;
}

void CLinkStatic::PreSubclassWindow() {
    CStatic::PreSubclassWindow();

    // A static control reports clicks only with SS_NOTIFY.
    ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>(GetStyle() | SS_NOTIFY));

    // The control's own font, underlined.
    HGDIOBJ hFont = reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT));
    if (!hFont)
        hFont = ::GetStockObject(SYSTEM_FONT);
    LOGFONTA lf = {};
    if (::GetObjectA(hFont, sizeof(lf), &lf)) {
        lf.lfUnderline = TRUE;
        m_fontUnderline.DeleteObject();
        if (m_fontUnderline.CreateFontIndirect(&lf))
            SetFont(&m_fontUnderline, TRUE);
    }

    // One tool over the control as it is now, without text until a tip is
    // given; the tip shows even when the dialog is not active.
    if (!m_tip.m_hWnd && m_tip.Create(this, TTS_ALWAYSTIP)) {
        WCHAR szEmpty[] = L"";
        TTTOOLINFOW ti = {};
        ti.cbSize = sizeof(ti);
        ti.hwnd = m_hWnd;
        ti.uId = kToolId;
        GetClientRect(&ti.rect);
        ti.lpszText = szEmpty;
        m_tip.SendMessage(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
        m_tip.ShowWindow(SW_HIDE);
    }

    m_hHandCursor = ::LoadCursorA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDC_LINK_HAND));
}

BOOL CLinkStatic::PreTranslateMessage(MSG* pMsg) {
    if (m_tip.m_hWnd)
        m_tip.RelayEvent(pMsg);
    return CStatic::PreTranslateMessage(pMsg);
}

BOOL CLinkStatic::OnSetCursor(CWnd*, UINT, UINT) {
    ::SetCursor(m_hHandCursor);
    return TRUE;
}

void CLinkStatic::OnMouseMove(UINT, CPoint point) {
    Default();
    if (!m_bHover) {
        // Keep the mouse, so that the move that leaves the link comes here too.
        m_bHover = TRUE;
        RedrawNow(m_hWnd);
        ::SetCapture(m_hWnd);
        return;
    }
    CRect rcClient;
    GetClientRect(&rcClient);
    if (!::PtInRect(&rcClient, point)) {
        m_bHover = FALSE;
        ::ReleaseCapture();
        RedrawNow(m_hWnd);
    }
}

void CLinkStatic::OnClicked() {
    // A target the shell cannot open is passed over in silence.
    OpenTarget(m_strTarget);
    m_bVisited = TRUE;
    Invalidate(TRUE);
}

HBRUSH CLinkStatic::CtlColor(CDC* pDC, UINT) {
    pDC->SetTextColor(m_bVisited ? m_crVisited : m_bHover ? m_crHover : m_crLink);
    pDC->SetBkMode(TRANSPARENT);
    return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}
