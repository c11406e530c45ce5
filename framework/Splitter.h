// CSplitterWnd: a static splitter whose panes (views) stand in rows and
// columns, divided by bars the user can drag. The last column and row take
// whatever room the others leave.
#pragma once

#include "framework/AfxRes.h"
#include "framework/Wnd.h"

#include <vector>

struct CCreateContext;

class CSplitterWnd : public CWnd {
    DECLARE_DYNAMIC(CSplitterWnd)
public:
    CSplitterWnd() = default;

    BOOL CreateStatic(CWnd* pParentWnd, int nRows, int nCols, DWORD dwStyle = WS_CHILD | WS_VISIBLE,
                      UINT nID = AFX_IDW_PANE_FIRST);
    // Creates the pane's view from its run-time class with an initial size.
    virtual BOOL CreateView(int row, int col, const CRuntimeClass* pViewClass, SIZE sizeInit,
                            CCreateContext* pContext);

    int GetRowCount() const { return static_cast<int>(m_rows.size()); }
    int GetColumnCount() const { return static_cast<int>(m_cols.size()); }
    void SetColumnInfo(int col, int cxIdeal, int cxMin);
    // Puts the panes and bars where the sizes say.
    virtual void RecalcLayout();

    CWnd* GetPane(int row, int col) const;
    int IdFromRowCol(int row, int col) const { return AFX_IDW_PANE_FIRST + row * 16 + col; }

    // Width of a bar between two columns (or rows) and of the border drawn round each pane.
    static const int kBarSize = 4;
    static const int kBorder = 2;

    DECLARE_MESSAGE_MAP()

protected:
    void OnPaint();
    void OnSize(UINT nType, int cx, int cy);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    LRESULT OnCaptureChanged(WPARAM wParam, LPARAM lParam);

private:
    struct CRowColInfo {
        int nMinSize;
        int nIdealSize;
        int nCurSize;
    };

    // Lays out one dimension: current sizes from the ideal ones, the last
    // taking what remains of nTotal.
    static void LayoutInfo(std::vector<CRowColInfo>& infos, int nTotal);
    // The column bar under a point (its index), or -1.
    int HitTestColumnBar(CPoint point) const;
    // The rectangle of a pane, its border included.
    CRect PaneRectWithBorder(int row, int col) const;

    std::vector<CRowColInfo> m_rows;
    std::vector<CRowColInfo> m_cols;
    int m_nTrackingBar = -1;
    int m_nTrackOffset = 0;
};
