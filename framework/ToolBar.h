// CToolBar: the system toolbar control as a control bar, with its buttons
// laid out from a toolbar resource (type 241: version, image width and
// height, count, then one command id per button, 0 for a separator).
#pragma once

#include "framework/ControlBar.h"

#include <commctrl.h>

#include <vector>

class CToolBar : public CControlBar {
    DECLARE_DYNAMIC(CToolBar)
public:
    CToolBar() = default;

    BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = TBSTYLE_FLAT,
                  DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, CRect rcBorders = CRect(0, 0, 0, 0),
                  UINT nID = AFX_IDW_TOOLBAR);
    BOOL LoadToolBar(UINT nIDResource);
    BOOL SetButtons(const UINT* lpIDArray, int nIDCount);
    void SetSizes(SIZE sizeButton, SIZE sizeImage);

    UINT GetItemID(int nIndex) const;
    void GetItemRect(int nIndex, LPRECT lpRect) const;

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHandler) override;

    DECLARE_MESSAGE_MAP()

protected:
    void OnMouseMove(UINT nFlags, CPoint point);
    LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);

private:
    void SetOrientation(BOOL bHorz);

    CSize m_sizeButton = CSize(23, 22);
    std::vector<UINT> m_ids;
    UINT m_nIDFlyby = 0;  // the button whose prompt the status bar shows
    BOOL m_bVertical = FALSE;
};
