#include "framework/Splitter.h"

#include "framework/DocTemplate.h"
#include "framework/Module.h"
#include "framework/Palette.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CSplitterWnd, CWnd)

BEGIN_MESSAGE_MAP(CSplitterWnd, CWnd)
ON_WM_PAINT()
ON_WM_SIZE()
ON_WM_SETCURSOR()
ON_WM_LBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONUP()
ON_MESSAGE(WM_CAPTURECHANGED, OnCaptureChanged)
END_MESSAGE_MAP()

namespace {
const char kSplitterClass[] = "TavSplitter";
}

BOOL CSplitterWnd::CreateStatic(CWnd* pParentWnd, int nRows, int nCols, DWORD dwStyle, UINT nID) {
    if (nRows < 1 || nCols < 1 || nRows > 16 || nCols > 16)
        return FALSE;
    m_rows.assign(static_cast<size_t>(nRows), CRowColInfo{0, 0, 0});
    m_cols.assign(static_cast<size_t>(nCols), CRowColInfo{0, 0, 0});
    WNDCLASSA wc = {};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = AfxGetInstanceHandle();
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kSplitterClass;
    AfxRegisterClass(&wc);
    CRect rc;
    pParentWnd->GetClientRect(&rc);
    return CreateEx(0, kSplitterClass, nullptr, dwStyle | WS_CHILD | WS_CLIPCHILDREN, 0, 0, rc.Width(),
                    rc.Height(), pParentWnd->m_hWnd, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)));
}

BOOL CSplitterWnd::CreateView(int row, int col, const CRuntimeClass* pViewClass, SIZE sizeInit,
                              CCreateContext* pContext) {
    if (row < 0 || row >= GetRowCount() || col < 0 || col >= GetColumnCount() || GetPane(row, col))
        return FALSE;
    m_cols[static_cast<size_t>(col)].nIdealSize = sizeInit.cx;
    m_rows[static_cast<size_t>(row)].nIdealSize = sizeInit.cy;
    CObject* pObject = pViewClass ? pViewClass->CreateObject() : nullptr;
    auto* pView = DynamicDowncast<CWnd>(pObject);
    if (!pView) {
        delete pObject;
        return FALSE;
    }
    // The splitter draws the panes' borders; the views bring their own styles.
    if (!pView->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this,
                       static_cast<UINT>(IdFromRowCol(row, col)), pContext))
        return FALSE;
    RecalcLayout();
    return TRUE;
}

CWnd* CSplitterWnd::GetPane(int row, int col) const {
    HWND hPane = ::GetDlgItem(m_hWnd, IdFromRowCol(row, col));
    return hPane ? CWnd::FromHandle(hPane) : nullptr;
}

void CSplitterWnd::SetColumnInfo(int col, int cxIdeal, int cxMin) {
    if (col < 0 || col >= GetColumnCount())
        return;
    m_cols[static_cast<size_t>(col)].nIdealSize = cxIdeal;
    m_cols[static_cast<size_t>(col)].nMinSize = cxMin;
}

void CSplitterWnd::LayoutInfo(std::vector<CRowColInfo>& infos, int nTotal) {
    int nRemaining = nTotal;
    for (size_t i = 0; i < infos.size(); ++i) {
        CRowColInfo& info = infos[i];
        BOOL bLast = i + 1 == infos.size();
        int nSize = bLast ? nRemaining : std::min(info.nIdealSize, nRemaining);
        info.nCurSize = std::max(nSize, 0);
        nRemaining -= info.nCurSize + (bLast ? 0 : kBarSize);
    }
}

CRect CSplitterWnd::PaneRectWithBorder(int row, int col) const {
    CRect rc;
    for (int c = 0; c < col; ++c)
        rc.left += m_cols[static_cast<size_t>(c)].nCurSize + kBarSize;
    for (int r = 0; r < row; ++r)
        rc.top += m_rows[static_cast<size_t>(r)].nCurSize + kBarSize;
    rc.right = rc.left + m_cols[static_cast<size_t>(col)].nCurSize;
    rc.bottom = rc.top + m_rows[static_cast<size_t>(row)].nCurSize;
    return rc;
}

void CSplitterWnd::RecalcLayout() {
    if (!m_hWnd)
        return;
    CRect rcClient;
    GetClientRect(&rcClient);
    LayoutInfo(m_cols, rcClient.Width());
    LayoutInfo(m_rows, rcClient.Height());
    for (int row = 0; row < GetRowCount(); ++row) {
        for (int col = 0; col < GetColumnCount(); ++col) {
            CWnd* pPane = GetPane(row, col);
            if (!pPane)
                continue;
            CRect rc = PaneRectWithBorder(row, col);
            rc.DeflateRect(kBorder, kBorder);
            if (rc.right < rc.left)
                rc.right = rc.left;
            if (rc.bottom < rc.top)
                rc.bottom = rc.top;
            pPane->SetWindowPos(nullptr, rc.left, rc.top, rc.Width(), rc.Height(),
                                SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    Invalidate();
}

void CSplitterWnd::OnSize(UINT nType, int cx, int cy) {
    CWnd::OnSize(nType, cx, cy);
    RecalcLayout();
}

void CSplitterWnd::OnPaint() {
    PAINTSTRUCT ps;
    HDC hDC = BeginPaint(m_hWnd, &ps);
    CRect rcClient;
    GetClientRect(&rcClient);
    FillRect(hDC, &rcClient, palette::FaceBrush());
    for (int row = 0; row < GetRowCount(); ++row) {
        for (int col = 0; col < GetColumnCount(); ++col) {
            CRect rc = PaneRectWithBorder(row, col);
            DrawEdge(hDC, &rc, EDGE_SUNKEN, BF_RECT);
        }
    }
    EndPaint(m_hWnd, &ps);
}

int CSplitterWnd::HitTestColumnBar(CPoint point) const {
    int x = 0;
    for (int col = 0; col + 1 < GetColumnCount(); ++col) {
        x += m_cols[static_cast<size_t>(col)].nCurSize;
        if (point.x >= x - kBorder && point.x < x + kBarSize + kBorder)
            return col;
        x += kBarSize;
    }
    return -1;
}

BOOL CSplitterWnd::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) {
    if (nHitTest == HTCLIENT && pWnd == this) {
        POINT pt;
        GetCursorPos(&pt);
        ScreenToClient(&pt);
        if (m_nTrackingBar >= 0 || HitTestColumnBar(CPoint(pt.x, pt.y)) >= 0) {
            SetCursor(LoadCursor(nullptr, IDC_SIZEWE));
            return TRUE;
        }
    }
    return CWnd::OnSetCursor(pWnd, nHitTest, message);
}

void CSplitterWnd::OnLButtonDown(UINT, CPoint point) {
    int nBar = HitTestColumnBar(point);
    if (nBar < 0)
        return;
    m_nTrackingBar = nBar;
    int x = 0;
    for (int col = 0; col < nBar; ++col)
        x += m_cols[static_cast<size_t>(col)].nCurSize + kBarSize;
    m_nTrackOffset = point.x - (x + m_cols[static_cast<size_t>(nBar)].nCurSize);
    SetCapture(m_hWnd);
}

void CSplitterWnd::OnMouseMove(UINT, CPoint point) {
    if (m_nTrackingBar < 0)
        return;
    // The column left of the bar follows the mouse; the last one takes the rest.
    int x = 0;
    for (int col = 0; col < m_nTrackingBar; ++col)
        x += m_cols[static_cast<size_t>(col)].nCurSize + kBarSize;
    CRowColInfo& info = m_cols[static_cast<size_t>(m_nTrackingBar)];
    CRect rcClient;
    GetClientRect(&rcClient);
    int nSize = std::min<int>(point.x - m_nTrackOffset - x, rcClient.Width() - x - kBarSize);
    info.nIdealSize = std::max(nSize, info.nMinSize);
    RecalcLayout();
    UpdateWindow();
}

void CSplitterWnd::OnLButtonUp(UINT, CPoint) {
    if (m_nTrackingBar >= 0)
        ReleaseCapture();
}

LRESULT CSplitterWnd::OnCaptureChanged(WPARAM, LPARAM) {
    m_nTrackingBar = -1;
    return 0;
}
