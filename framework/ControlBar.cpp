#include "framework/ControlBar.h"

#include "framework/FrameWnd.h"
#include "framework/Palette.h"

#include <windowsx.h>

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

CControlBar::~CControlBar() {
    if (m_pDockFrame)
        m_pDockFrame->m_docking.RemoveControlBar(this);
    DestroyWindow();
}

void CControlBar::AttachToFrame(CWnd* pParentWnd, DWORD dwStyle) {
    m_dwStyle = dwStyle & CBRS_ALL;
    m_hWndOwner = pParentWnd ? pParentWnd->m_hWnd : nullptr;
    m_pDockFrame = DynamicDowncast<CFrameWnd>(pParentWnd);
    if (m_pDockFrame)
        m_pDockFrame->m_docking.AddControlBar(this);
}

void CControlBar::EnableDocking(DWORD dwDockStyle) {
    m_dwDockStyle = dwDockStyle & CBRS_ALIGN_ANY;
}

BOOL CControlBar::IsVisible() const {
    return m_hWnd && (GetStyle() & WS_VISIBLE) != 0;
}

CSize CControlBar::CalcFixedLayout(BOOL, BOOL bHorz) {
    CRect rect;
    GetWindowRect(&rect);
    return bHorz ? CSize(rect.Width(), rect.Height()) : CSize(rect.Width(), rect.Height());
}

void CControlBar::DrawGripper(HDC hDC, const CRect& rcWindow) const {
    if (!GripperSize())
        return;
    BOOL bHorz = IsHorizontal();
    CRect rc = bHorz ? CRect(2, 2, 5, rcWindow.Height() - 2) : CRect(2, 2, rcWindow.Width() - 2, 5);
    DrawEdge(hDC, &rc, BDR_RAISEDINNER, BF_RECT);
}

LRESULT CControlBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
        case WM_NOTIFY: {
            // A control on the bar: the control itself, then the bar, then the owner.
            LRESULT lResult = 0;
            if (OnWndMsg(message, wParam, lParam, &lResult))
                return lResult;
            CWnd* pOwner = GetOwner();
            if (pOwner && pOwner != this)
                return pOwner->SendMessage(message, wParam, lParam);
            break;
        }
        case WM_NCCALCSIZE: {
            // The gripper lies outside the control's own client area.
            auto* pRect = reinterpret_cast<RECT*>(lParam);
            if (IsHorizontal())
                pRect->left += GripperSize();
            else
                pRect->top += GripperSize();
            return DefWindowProc(message, wParam, lParam);
        }
        case WM_NCPAINT: {
            LRESULT lResult = DefWindowProc(message, wParam, lParam);
            if (GripperSize()) {
                HDC hDC = GetWindowDC(m_hWnd);
                CRect rcWindow;
                GetWindowRect(&rcWindow);
                CRect rcGrip = IsHorizontal() ? CRect(0, 0, GripperSize(), rcWindow.Height())
                                              : CRect(0, 0, rcWindow.Width(), GripperSize());
                FillRect(hDC, &rcGrip, palette::FaceBrush());
                DrawGripper(hDC, rcWindow);
                ReleaseDC(m_hWnd, hDC);
            }
            return lResult;
        }
        case WM_NCHITTEST: {
            CRect rcWindow;
            GetWindowRect(&rcWindow);
            CPoint pt(GET_X_LPARAM(lParam) - rcWindow.left, GET_Y_LPARAM(lParam) - rcWindow.top);
            if (GripperSize() && (IsHorizontal() ? pt.x < GripperSize() : pt.y < GripperSize()))
                return HTCAPTION;  // the gripper, to drag the bar by
            break;
        }
        case WM_NCLBUTTONDOWN:
            if (wParam == HTCAPTION && m_nDockSide >= 0) {
                // Drag the bar by its gripper.
                m_bTracking = TRUE;
                m_ptDragStart = CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
                SetCapture(m_hWnd);
                return 0;
            }
            break;
        case WM_MOUSEMOVE:
            if (m_bTracking)
                return 0;
            break;
        case WM_LBUTTONUP:
            if (m_bTracking) {
                m_bTracking = FALSE;
                ReleaseCapture();
                CPoint pt(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
                ClientToScreen(&pt);
                TrackDrag(pt);
                return 0;
            }
            break;
        case WM_CAPTURECHANGED:
            m_bTracking = FALSE;
            break;
        default:
            break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

void CControlBar::TrackDrag(CPoint ptScreen) {
    CFrameWnd* pFrame = DynamicDowncast<CFrameWnd>(GetOwner());
    if (!pFrame || (ptScreen.x == m_ptDragStart.x && ptScreen.y == m_ptDragStart.y))
        return;
    // The bar's top left corner follows the mouse.
    CRect rcBar;
    GetWindowRect(&rcBar);
    rcBar.OffsetRect(ptScreen.x - m_ptDragStart.x, ptScreen.y - m_ptDragStart.y);
    pFrame->m_docking.DockControlBarAtPoint(this, ptScreen, rcBar);
}
