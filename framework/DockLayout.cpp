#include "framework/DockLayout.h"

#include "framework/ControlBar.h"
#include "framework/FrameWnd.h"
#include "framework/WinApp.h"

#include <algorithm>
#include <set>
#include <vector>

namespace {

enum { kTop, kBottom, kLeft, kRight };
const DWORD kSideAlign[4] = {CBRS_ALIGN_TOP, CBRS_ALIGN_BOTTOM, CBRS_ALIGN_LEFT, CBRS_ALIGN_RIGHT};

}  // namespace

CDockLayout::~CDockLayout() {
    for (CControlBar* pBar : m_bars)
        pBar->m_pDockFrame = nullptr;  // bars that outlive the frame
}

void CDockLayout::EnableDocking(DWORD dwDockStyle) {
    m_dwDockStyle |= dwDockStyle & CBRS_ALIGN_ANY;
}

void CDockLayout::AddControlBar(CControlBar* pBar) {
    if (std::find(m_bars.begin(), m_bars.end(), pBar) == m_bars.end())
        m_bars.push_back(pBar);
}

void CDockLayout::RemoveControlBar(CControlBar* pBar) {
    m_bars.erase(std::remove(m_bars.begin(), m_bars.end(), pBar), m_bars.end());
}

CControlBar* CDockLayout::GetControlBar(UINT nID) const {
    for (CControlBar* pBar : m_bars) {
        if (pBar->m_hWnd && static_cast<UINT>(pBar->GetDlgCtrlID()) == nID)
            return pBar;
    }
    return nullptr;
}

int CDockLayout::SideOfDockBar(UINT nDockBarID) {
    switch (nDockBarID) {
        case AFX_IDW_DOCKBAR_BOTTOM:
            return kBottom;
        case AFX_IDW_DOCKBAR_LEFT:
            return kLeft;
        case AFX_IDW_DOCKBAR_RIGHT:
            return kRight;
        case AFX_IDW_DOCKBAR_TOP:
            return kTop;
        default:
            return -1;
    }
}

void CDockLayout::NormalizeRows() {
    // Rows are numbered 0, 1, 2 ... on each side, without gaps.
    for (int nSide = 0; nSide < 4; ++nSide) {
        std::set<int> rows;
        for (CControlBar* pBar : m_bars) {
            if (pBar->m_nDockSide == nSide)
                rows.insert(pBar->m_nDockRow);
        }
        for (CControlBar* pBar : m_bars) {
            if (pBar->m_nDockSide == nSide)
                pBar->m_nDockRow = static_cast<int>(std::distance(rows.begin(), rows.find(pBar->m_nDockRow)));
        }
    }
}

void CDockLayout::PlaceBar(CControlBar* pBar, int nSide, int nRow, int nOffset) {
    pBar->m_nDockSide = nSide;
    pBar->m_nDockRow = nRow;
    pBar->m_nDockOffset = std::max(nOffset, 0);
    pBar->SetBarStyle((pBar->GetBarStyle() & ~CBRS_ALIGN_ANY) | kSideAlign[nSide]);
    NormalizeRows();
    if (pBar->m_hWnd)
        pBar->SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
    m_frame.RecalcLayout();
}

void CDockLayout::DockControlBar(CControlBar* pBar, UINT nDockBarID, LPCRECT lpRect) {
    int nSide = SideOfDockBar(nDockBarID);
    if (nSide < 0) {
        for (int i = 0; i < 4 && nSide < 0; ++i) {
            if (pBar->m_dwDockStyle & m_dwDockStyle & kSideAlign[i])
                nSide = i;
        }
    }
    if (nSide < 0)
        return;
    m_frame.RecalcLayout();
    int nRow = 0;
    for (CControlBar* p : m_bars) {
        if (p != pBar && p->m_nDockSide == nSide)
            nRow = std::max(nRow, p->m_nDockRow + 1);
    }
    int nOffset = 0;
    if (lpRect) {
        // Join the row that the rectangle's corner falls into, at its place.
        CRect rc(*lpRect);
        m_frame.ScreenToClient(&rc);
        BOOL bHorz = nSide == kTop || nSide == kBottom;
        const CRect& rcArea = m_rcDockAreas[nSide];
        nOffset = bHorz ? rc.left - rcArea.left : rc.top - rcArea.top;
        for (CControlBar* p : m_bars) {
            if (p == pBar || p->m_nDockSide != nSide || !p->IsVisible())
                continue;
            CRect rcOther;
            p->GetWindowRect(&rcOther);
            m_frame.ScreenToClient(&rcOther);
            BOOL bInRow = bHorz ? (rc.top >= rcOther.top && rc.top < rcOther.bottom)
                                : (rc.left >= rcOther.left && rc.left < rcOther.right);
            if (bInRow) {
                nRow = p->m_nDockRow;
                break;
            }
        }
    }
    PlaceBar(pBar, nSide, nRow, nOffset);
}

void CDockLayout::DockControlBarAtPoint(CControlBar* pBar, CPoint ptScreen, const CRect& rcBarScreen) {
    CPoint pt = ptScreen;
    m_frame.ScreenToClient(&pt);
    CRect rcClient;
    m_frame.GetClientRect(&rcClient);
    const int kSlack = 24;
    // The side whose dock area (or the edge next to it) holds the point.
    int nSide = -1;
    for (int i = 0; i < 4 && nSide < 0; ++i) {
        if (!(pBar->m_dwDockStyle & m_dwDockStyle & kSideAlign[i]))
            continue;
        CRect rcZone = m_rcDockAreas[i];
        switch (i) {
            case kTop:
                rcZone.bottom = std::max<LONG>(rcZone.bottom, rcClient.top) + kSlack;
                break;
            case kBottom:
                rcZone.top = std::min<LONG>(rcZone.top, rcClient.bottom) - kSlack;
                break;
            case kLeft:
                rcZone.right = std::max<LONG>(rcZone.right, rcClient.left) + kSlack;
                break;
            default:
                rcZone.left = std::min<LONG>(rcZone.left, rcClient.right) - kSlack;
                break;
        }
        if (rcZone.PtInRect(pt))
            nSide = i;
    }
    if (nSide < 0)
        return;  // not a place the bar may go: it stays where it was
    BOOL bHorz = nSide == kTop || nSide == kBottom;
    CRect rcBar(rcBarScreen);
    m_frame.ScreenToClient(&rcBar);
    int nOffset = bHorz ? rcBar.left - m_rcDockAreas[nSide].left : rcBar.top - m_rcDockAreas[nSide].top;
    // The row under the point; beyond the last row, a new one.
    int nRow = 0, nLastRow = -1;
    BOOL bFound = FALSE;
    for (CControlBar* p : m_bars) {
        if (p->m_nDockSide != nSide || !p->IsVisible())
            continue;
        nLastRow = std::max(nLastRow, p->m_nDockRow);
        CRect rcOther;
        p->GetWindowRect(&rcOther);
        m_frame.ScreenToClient(&rcOther);
        BOOL bInRow = bHorz ? (pt.y >= rcOther.top && pt.y < rcOther.bottom)
                            : (pt.x >= rcOther.left && pt.x < rcOther.right);
        if (bInRow && !bFound) {
            nRow = p->m_nDockRow;
            bFound = TRUE;
        }
    }
    if (!bFound) {
        BOOL bBefore = (nSide == kTop && pt.y < m_rcDockAreas[nSide].top) ||
                       (nSide == kBottom && pt.y >= m_rcDockAreas[nSide].bottom) ||
                       (nSide == kLeft && pt.x < m_rcDockAreas[nSide].left) ||
                       (nSide == kRight && pt.x >= m_rcDockAreas[nSide].right);
        if (bBefore) {
            for (CControlBar* p : m_bars) {
                if (p->m_nDockSide == nSide)
                    ++p->m_nDockRow;
            }
            nRow = 0;
        } else {
            nRow = nLastRow + 1;
        }
    }
    PlaceBar(pBar, nSide, nRow, nOffset);
}

void CDockLayout::Layout(CRect& rc) {
    auto place = [](CControlBar* pBar, int x, int y, int cx, int cy) {
        CRect rcNew(x, y, x + cx, y + cy);
        CRect rcOld;
        pBar->GetWindowRect(&rcOld);
        pBar->GetParent()->ScreenToClient(&rcOld);
        if (rcOld != rcNew)
            pBar->SetWindowPos(nullptr, x, y, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
    };

    // Bars fixed to an edge (the status bar) take the outermost place.
    for (CControlBar* pBar : m_bars) {
        if (pBar->m_nDockSide >= 0 || !pBar->IsVisible())
            continue;
        int cy = pBar->CalcFixedLayout(TRUE, TRUE).cy;
        if (pBar->GetBarStyle() & CBRS_ALIGN_TOP) {
            place(pBar, rc.left, rc.top, rc.Width(), cy);
            rc.top += cy;
        } else {
            place(pBar, rc.left, rc.bottom - cy, rc.Width(), cy);
            rc.bottom -= cy;
        }
    }

    // Then each side's rows, from the edge inwards.
    for (int nSide = 0; nSide < 4; ++nSide) {
        BOOL bHorz = nSide == kTop || nSide == kBottom;
        std::set<int> rows;
        for (CControlBar* pBar : m_bars) {
            if (pBar->m_nDockSide == nSide && pBar->IsVisible())
                rows.insert(pBar->m_nDockRow);
        }
        CRect rcArea = rc;
        for (int nRow : rows) {
            std::vector<CControlBar*> bars;
            for (CControlBar* pBar : m_bars) {
                if (pBar->m_nDockSide == nSide && pBar->IsVisible() && pBar->m_nDockRow == nRow)
                    bars.push_back(pBar);
            }
            std::stable_sort(bars.begin(), bars.end(), [](CControlBar* a, CControlBar* b) {
                return a->m_nDockOffset < b->m_nDockOffset;
            });
            // A row of the top or bottom that is wider than the window goes on
            // below itself, a bar at a time (at a high resolution the toolbar
            // and the word bar do not fit side by side), so no bar is cut off.
            std::vector<std::vector<CControlBar*>> lines(1);
            int nEnd = rc.left;
            for (CControlBar* pBar : bars) {
                const int cx = pBar->CalcFixedLayout(FALSE, bHorz).cx;
                const int x = std::max<int>(nEnd, rc.left + pBar->m_nDockOffset);
                if (bHorz && !lines.back().empty() && x + cx > rc.right) {
                    lines.emplace_back();
                    nEnd = rc.left + cx;
                } else {
                    nEnd = x + cx;
                }
                lines.back().push_back(pBar);
            }
            for (size_t nLine = 0; nLine < lines.size(); ++nLine) {
                int nThickness = 0;
                for (CControlBar* pBar : lines[nLine]) {
                    CSize size = pBar->CalcFixedLayout(FALSE, bHorz);
                    nThickness = std::max<int>(nThickness, bHorz ? size.cy : size.cx);
                }
                int nPos = bHorz ? rc.left : rc.top;
                for (CControlBar* pBar : lines[nLine]) {
                    CSize size = pBar->CalcFixedLayout(FALSE, bHorz);
                    if (bHorz) {
                        if (nLine == 0)
                            nPos = std::max<int>(nPos, rc.left + pBar->m_nDockOffset);
                        int y = nSide == kTop ? rc.top : rc.bottom - nThickness;
                        place(pBar, nPos, y, size.cx, nThickness);
                        nPos += size.cx;
                    } else {
                        nPos = std::max<int>(nPos, rc.top + pBar->m_nDockOffset);
                        int x = nSide == kLeft ? rc.left : rc.right - nThickness;
                        place(pBar, x, nPos, nThickness, size.cy);
                        nPos += size.cy;
                    }
                }
                switch (nSide) {
                    case kTop:
                        rc.top += nThickness;
                        break;
                    case kBottom:
                        rc.bottom -= nThickness;
                        break;
                    case kLeft:
                        rc.left += nThickness;
                        break;
                    default:
                        rc.right -= nThickness;
                        break;
                }
            }
        }
        switch (nSide) {
            case kTop:
                m_rcDockAreas[nSide] = CRect(rcArea.left, rcArea.top, rcArea.right, rc.top);
                break;
            case kBottom:
                m_rcDockAreas[nSide] = CRect(rcArea.left, rc.bottom, rcArea.right, rcArea.bottom);
                break;
            case kLeft:
                m_rcDockAreas[nSide] = CRect(rcArea.left, rc.top, rc.left, rc.bottom);
                break;
            default:
                m_rcDockAreas[nSide] = CRect(rc.right, rc.top, rcArea.right, rc.bottom);
                break;
        }
    }
}

void CDockLayout::SaveBarState(LPCSTR lpszProfileName) const {
    CWinApp* pApp = AfxGetApp();
    if (!pApp)
        return;
    CString strSummary = CString(lpszProfileName) + "-Summary";
    int nIndex = 0;
    for (CControlBar* pBar : m_bars) {
        if (!pBar->m_hWnd)
            continue;
        CString strSection;
        strSection.Format("%s-Bar%d", lpszProfileName, nIndex++);
        pApp->WriteProfileInt(strSection, "BarID", pBar->GetDlgCtrlID());
        pApp->WriteProfileInt(strSection, "Visible", (pBar->GetStyle() & WS_VISIBLE) ? 1 : 0);
        pApp->WriteProfileInt(strSection, "DockSide", pBar->m_nDockSide);
        pApp->WriteProfileInt(strSection, "DockRow", pBar->m_nDockRow);
        pApp->WriteProfileInt(strSection, "DockOffset", pBar->m_nDockOffset);
    }
    pApp->WriteProfileInt(strSummary, "Bars", nIndex);
}

void CDockLayout::LoadBarState(LPCSTR lpszProfileName) {
    CWinApp* pApp = AfxGetApp();
    if (!pApp)
        return;
    CString strSummary = CString(lpszProfileName) + "-Summary";
    int nBars = static_cast<int>(pApp->GetProfileInt(strSummary, "Bars", 0));
    if (nBars <= 0 || nBars > 64)
        return;
    const int kLimit = 1 << 16;
    for (int i = 0; i < nBars; ++i) {
        CString strSection;
        strSection.Format("%s-Bar%d", lpszProfileName, i);
        CControlBar* pBar = GetControlBar(pApp->GetProfileInt(strSection, "BarID", 0));
        if (!pBar)
            continue;
        // A value out of its range is ignored, and the bar stays as created.
        int nSide = static_cast<int>(pApp->GetProfileInt(strSection, "DockSide", pBar->m_nDockSide));
        int nRow = static_cast<int>(pApp->GetProfileInt(strSection, "DockRow", pBar->m_nDockRow));
        int nOffset = static_cast<int>(pApp->GetProfileInt(strSection, "DockOffset", pBar->m_nDockOffset));
        if (pBar->m_nDockSide >= 0 && nSide >= 0 && nSide < 4 &&
            (pBar->m_dwDockStyle & m_dwDockStyle & kSideAlign[nSide]) && nRow >= 0 && nRow < 64 &&
            nOffset >= 0 && nOffset < kLimit) {
            pBar->m_nDockSide = nSide;
            pBar->m_nDockRow = nRow;
            pBar->m_nDockOffset = nOffset;
            pBar->SetBarStyle((pBar->GetBarStyle() & ~CBRS_ALIGN_ANY) | kSideAlign[nSide]);
        }
        UINT nVisible = pApp->GetProfileInt(strSection, "Visible", 2);
        if (nVisible == 0 || nVisible == 1)
            pBar->ShowWindow(nVisible ? SW_SHOWNA : SW_HIDE);
    }
    NormalizeRows();
    for (CControlBar* pBar : m_bars) {
        if (pBar->m_hWnd)
            pBar->SetWindowPos(nullptr, 0, 0, 0, 0,
                               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
    }
    m_frame.RecalcLayout();
}
