#include "framework/StatusBar.h"

#include "framework/FrameWnd.h"
#include "framework/Gdi.h"
#include "framework/Palette.h"
#include "framework/WideText.h"

#include <commctrl.h>

#include <algorithm>

IMPLEMENT_DYNAMIC(CStatusBar, CControlBar)

BEGIN_MESSAGE_MAP(CStatusBar, CControlBar)
ON_WM_SIZE()
ON_WM_PAINT()
END_MESSAGE_MAP()

namespace {

// An indicator shows its text while its update handler enables it.
class CStatusCmdUI : public CCmdUI {
public:
    void Enable(BOOL bOn) override {
        m_bEnableChanged = TRUE;
        auto* pBar = static_cast<CStatusBar*>(m_pOther);
        CString strText = bOn ? m_strDefault : CString();
        if (pBar->GetPaneText(static_cast<int>(m_nIndex)) != strText)
            pBar->SetPaneText(static_cast<int>(m_nIndex), strText);
    }
    void SetCheck(int) override {}
    void SetText(LPCSTR lpszText) override {
        static_cast<CStatusBar*>(m_pOther)->SetPaneText(static_cast<int>(m_nIndex), lpszText);
    }

    CString m_strDefault;
};

const int kPaneMargin = 12;

}  // namespace

BOOL CStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) {
    m_rcBorders = CRect(0, 2, 0, 0);
    AttachToFrame(pParentWnd, dwStyle);
    DWORD dwWindowStyle = (dwStyle & WS_VISIBLE) | WS_CHILD | WS_CLIPSIBLINGS | CCS_NOPARENTALIGN |
                          CCS_NOMOVEY | CCS_NORESIZE | CCS_NODIVIDER | SBARS_SIZEGRIP;
    return CWnd::CreateEx(0, STATUSCLASSNAMEA, nullptr, dwWindowStyle, 0, 0, 100, 20, pParentWnd->m_hWnd,
                          reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)));
}

BOOL CStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount) {
    m_panes.clear();
    CClientDC dc(this);
    HGDIOBJ hOldFont = dc.SelectObject(reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT)));
    BOOL bResult = TRUE;
    for (int i = 0; i < nIDCount; ++i) {
        Pane pane = {lpIDArray[i], CString(), CString(), 0};
        if (pane.nID != ID_SEPARATOR) {
            if (!pane.strDefault.LoadString(pane.nID))
                bResult = FALSE;
            pane.strText = pane.strDefault;
            pane.cxText = dc.GetTextExtent(pane.strDefault).cx;
        }
        m_panes.push_back(pane);
    }
    dc.SelectObject(hOldFont);
    UpdateParts();
    return bResult;
}

void CStatusBar::UpdateParts() {
    if (!m_hWnd || m_panes.empty())
        return;
    CRect rc;
    GetClientRect(&rc);
    // Indicators keep their width at the right; the first pane takes the rest.
    int nGrip = (GetStyle() & SBARS_SIZEGRIP) ? GetSystemMetrics(SM_CXVSCROLL) : 0;
    std::vector<int> edges(m_panes.size());
    int x = rc.right - nGrip;
    for (size_t i = m_panes.size(); i-- > 1;) {
        edges[i] = x;
        x -= m_panes[i].cxText + kPaneMargin;
    }
    edges[0] = std::max(x, 0);
    if (!edges.empty())
        edges.back() = -1;  // the last pane reaches the edge
    SendMessage(SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
    for (size_t i = 0; i < m_panes.size(); ++i)
        SendMessage(SB_SETTEXTW, i, reinterpret_cast<LPARAM>(WideText(m_panes[i].strText).c_str()));
}

void CStatusBar::OnSize(UINT nType, int cx, int cy) {
    CControlBar::OnSize(nType, cx, cy);
    UpdateParts();
}

BOOL CStatusBar::SetPaneText(int nIndex, LPCSTR lpszNewText, BOOL bUpdate) {
    if (nIndex < 0 || nIndex >= static_cast<int>(m_panes.size()))
        return FALSE;
    m_panes[static_cast<size_t>(nIndex)].strText = lpszNewText;
    SendMessage(SB_SETTEXTW, static_cast<WPARAM>(nIndex),
                reinterpret_cast<LPARAM>(WideText(lpszNewText).c_str()));
    if (bUpdate)
        UpdateWindow();
    return TRUE;
}

CString CStatusBar::GetPaneText(int nIndex) const {
    if (nIndex < 0 || nIndex >= static_cast<int>(m_panes.size()))
        return CString();
    return m_panes[static_cast<size_t>(nIndex)].strText;
}

void CStatusBar::GetItemRect(int nIndex, LPRECT lpRect) const {
    if (!SendMessage(SB_GETRECT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpRect)))
        SetRectEmpty(lpRect);
}

CSize CStatusBar::CalcFixedLayout(BOOL, BOOL) {
    // The height of the bar's font plus its borders.
    CClientDC dc(this);
    HGDIOBJ hOldFont = dc.SelectObject(reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT)));
    TEXTMETRICA tm = {};
    GetTextMetricsA(dc.m_hDC, &tm);
    dc.SelectObject(hOldFont);
    return CSize(32767, tm.tmHeight + 2 * GetSystemMetrics(SM_CYBORDER) + 6 + m_rcBorders.top);
}

void CStatusBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL) {
    CStatusCmdUI state;
    state.m_pOther = this;
    state.m_nIndexMax = static_cast<UINT>(m_panes.size());
    for (size_t i = 1; i < m_panes.size(); ++i) {
        state.m_nIndex = static_cast<UINT>(i);
        state.m_nID = m_panes[i].nID;
        state.m_strDefault = m_panes[i].strDefault;
        state.DoUpdate(pTarget, FALSE);
    }
}

void CStatusBar::OnPaint() {
    if (palette::IsSystem()) {
        Default();
        return;
    }
    PAINTSTRUCT ps;
    HDC hDC = ::BeginPaint(m_hWnd, &ps);
    CRect rc;
    GetClientRect(&rc);
    ::FillRect(hDC, &rc, palette::FaceBrush());
    const PaletteColors& colors = palette::Colors();
    HGDIOBJ hOldFont = ::SelectObject(hDC, reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT)));
    ::SetTextColor(hDC, colors.faceText);
    ::SetBkMode(hDC, TRANSPARENT);
    HPEN hPen = ::CreatePen(PS_SOLID, 1, colors.faceText);
    HGDIOBJ hOldPen = ::SelectObject(hDC, hPen);
    for (size_t i = 0; i < m_panes.size(); ++i) {
        CRect rcPart;
        if (!SendMessage(SB_GETRECT, i, reinterpret_cast<LPARAM>(&rcPart)))
            continue;
        if (i > 0) {
            ::MoveToEx(hDC, rcPart.left, rcPart.top + 2, nullptr);
            ::LineTo(hDC, rcPart.left, rcPart.bottom - 2);
        }
        rcPart.DeflateRect(4, 0);
        const std::wstring text = WideText(m_panes[i].strText);
        ::DrawTextW(hDC, text.c_str(), static_cast<int>(text.size()), &rcPart,
                    DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    ::SelectObject(hDC, hOldPen);
    ::DeleteObject(hPen);
    ::SelectObject(hDC, hOldFont);
    ::EndPaint(m_hWnd, &ps);
}
