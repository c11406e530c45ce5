// CDockLayout: a frame's control bars and where they go. Bars dock in rows
// along the four sides (a row of the top or bottom wider than the window
// goes on below itself) or are fixed to an edge; the frame's client pane
// takes what is left. The bars' places are kept in the profile.
#pragma once

#include "framework/Types.h"

#include <vector>

class CControlBar;
class CFrameWnd;

class CDockLayout {
public:
    explicit CDockLayout(CFrameWnd& frame) : m_frame(frame) {}
    ~CDockLayout();
    CDockLayout(const CDockLayout&) = delete;
    CDockLayout& operator=(const CDockLayout&) = delete;

    // The sides the frame takes bars on (CBRS_ALIGN_...).
    void EnableDocking(DWORD dwDockStyle);
    // Docks the bar on the side of nDockBarID (0: the first side it may
    // use); at lpRect (screen co-ordinates) when given, else on a new row.
    void DockControlBar(CControlBar* pBar, UINT nDockBarID = 0, LPCRECT lpRect = nullptr);
    // Docks a bar dragged by its gripper where the mouse let go of it.
    void DockControlBarAtPoint(CControlBar* pBar, CPoint ptScreen, const CRect& rcBarScreen);

    // The frame's bars, as they register and leave.
    void AddControlBar(CControlBar* pBar);
    void RemoveControlBar(CControlBar* pBar);
    CControlBar* GetControlBar(UINT nID) const;
    const std::vector<CControlBar*>& Bars() const { return m_bars; }

    // Keeps the bars' sides, rows, positions and visibility in the profile.
    void SaveBarState(LPCSTR lpszProfileName) const;
    void LoadBarState(LPCSTR lpszProfileName);

    // Places the bars in rc (client co-ordinates): the bars fixed to an
    // edge outermost, then each side's rows from the edge inwards. rc
    // becomes what is left for the client pane.
    void Layout(CRect& rc);
    // Where each side's rows lay at the last layout: 0 top, 1 bottom,
    // 2 left, 3 right.
    const CRect& DockArea(int nSide) const { return m_rcDockAreas[nSide]; }

private:
    // Side index of a dock-bar id: 0 top, 1 bottom, 2 left, 3 right; -1 none.
    static int SideOfDockBar(UINT nDockBarID);
    void PlaceBar(CControlBar* pBar, int nSide, int nRow, int nOffset);
    void NormalizeRows();

    CFrameWnd& m_frame;
    std::vector<CControlBar*> m_bars;
    DWORD m_dwDockStyle = 0;
    CRect m_rcDockAreas[4];  // in client co-ordinates
};
