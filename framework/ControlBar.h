// CControlBar: a bar along an edge of the frame (toolbar, status bar,
// dialog bar). Docked bars stand in rows on the frame's sides and can be
// dragged by their gripper to another place on a side they may dock on.
// A bar passes its controls' notifications on to its owner, the frame.
#pragma once

#include "framework/AfxRes.h"
#include "framework/Wnd.h"

class CFrameWnd;

class CControlBar : public CWnd {
    DECLARE_DYNAMIC(CControlBar)
public:
    ~CControlBar() override;

    // The size the bar wants: the length of its row when bStretch, else its
    // own; horizontal (bHorz) or vertical.
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    // Enables or checks its items as the owner's update handlers say.
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHandler) = 0;

    void EnableDocking(DWORD dwDockStyle);
    DWORD GetBarStyle() const { return m_dwStyle; }
    void SetBarStyle(DWORD dwStyle) { m_dwStyle = dwStyle; }
    BOOL IsVisible() const;
    BOOL IsHorizontal() const { return (m_dwStyle & CBRS_ORIENT_HORZ) != 0 || m_nDockSide < 0; }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Where the frame has docked the bar: side 0 top, 1 bottom, 2 left,
    // 3 right (-1 fixed to its edge, as the status bar is); row and offset.
    int m_nDockSide = -1;
    int m_nDockRow = 0;
    int m_nDockOffset = 0;
    DWORD m_dwDockStyle = 0;  // the sides the bar may dock on
    CRect m_rcBorders;        // margins around the bar's contents

protected:
    CControlBar() = default;

    // Registers the bar with its frame; styles as given to Create.
    void AttachToFrame(CWnd* pParentWnd, DWORD dwStyle);
    int GripperSize() const { return (m_dwStyle & CBRS_GRIPPER) ? 8 : 0; }
    void DrawGripper(HDC hDC, const CRect& rcWindow) const;

    DWORD m_dwStyle = 0;
    // The frame that lays the bar out. Bars are often members of their
    // frame and die before it; each leaves the frame's list as it goes.
    CFrameWnd* m_pDockFrame = nullptr;

private:
    friend class CFrameWnd;
    friend class CDockLayout;
    void TrackDrag(CPoint ptScreen);

    BOOL m_bTracking = FALSE;
    CPoint m_ptDragStart;
};
