// The static splitter: column widths from their ideal sizes, the last
// column taking the rest, and F6 moving the focus and the active view from
// pane to pane.
#include "BarFrame.h"

#include "framework/WinApp.h"

#include <gtest/gtest.h>

namespace {

class SplitterTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_pFrame = CBarFrame::New(TRUE);
        ASSERT_NE(nullptr, m_pFrame);
        m_hFrame = m_pFrame->m_hWnd;
    }
    void TearDown() override { DestroyFrame(m_hFrame); }

    CSplitterWnd& Splitter() { return m_pFrame->m_wndSplitter; }
    CTestView* Pane(int nCol) { return static_cast<CTestView*>(Splitter().GetPane(0, nCol)); }
    int Width(int nCol) {
        int cxCur = 0, cxMin = 0;
        Splitter().GetColumnInfo(nCol, cxCur, cxMin);
        return cxCur;
    }
    int SplitterWidth() {
        CRect rect;
        Splitter().GetClientRect(&rect);
        return rect.Width();
    }
    // F6 as the program's message loop sees it: TRUE when an accelerator took it.
    BOOL PressKey(UINT nVirtKey, HWND hWnd) {
        MSG msg = {hWnd, WM_KEYDOWN, nVirtKey, 0x00400001, GetTickCount(), {0, 0}};
        return AfxGetThread()->PreTranslateMessage(&msg);
    }

    CBarFrame* m_pFrame = nullptr;
    HWND m_hFrame = nullptr;
};

const int kBar = CSplitterWnd::kBarSize;
const int kBorder = CSplitterWnd::kBorder;

}  // namespace

TEST_F(SplitterTest, ColumnsTakeTheirIdealWidthAndTheLastOneTheRest) {
    ASSERT_EQ(1, Splitter().GetRowCount());
    ASSERT_EQ(2, Splitter().GetColumnCount());
    ASSERT_TRUE(Pane(0) && Pane(1));
    EXPECT_EQ(Splitter().m_hWnd, m_pFrame->GetDlgItem(AFX_IDW_PANE_FIRST)->m_hWnd);
    // Made with half the frame's width for the first column.
    EXPECT_EQ(m_pFrame->m_nCreateWidth / 2, Width(0));
    EXPECT_EQ(SplitterWidth() - Width(0) - kBar, Width(1));

    Splitter().SetColumnInfo(0, 150, 10);
    Splitter().SetColumnInfo(1, 20, 10);  // the last column's ideal width does not count
    Splitter().RecalcLayout();
    int cxCur = 0, cxMin = 0;
    Splitter().GetColumnInfo(0, cxCur, cxMin);
    EXPECT_EQ(150, cxCur);
    EXPECT_EQ(10, cxMin);
    EXPECT_EQ(SplitterWidth() - 150 - kBar, Width(1));
    CRect rcSplitter;
    Splitter().GetClientRect(&rcSplitter);
    EXPECT_EQ(CRect(kBorder, kBorder, 150 - kBorder, rcSplitter.bottom - kBorder), ChildRect(*Pane(0)));
    EXPECT_EQ(CRect(150 + kBar + kBorder, kBorder, rcSplitter.right - kBorder, rcSplitter.bottom - kBorder),
              ChildRect(*Pane(1)));

    // A wider frame widens the last column only.
    m_pFrame->SetWindowPos(nullptr, 0, 0, 900, 400, SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(150, Width(0));
    EXPECT_EQ(SplitterWidth() - 150 - kBar, Width(1));
    EXPECT_EQ(m_pFrame->GetDlgItem(AFX_IDW_PANE_FIRST)->m_hWnd, Splitter().m_hWnd);

    // A first column wider than the splitter leaves the last one nothing.
    Splitter().SetColumnInfo(0, 5000, 10);
    Splitter().RecalcLayout();
    EXPECT_EQ(SplitterWidth(), Width(0));
    EXPECT_EQ(0, Width(1));
}

TEST_F(SplitterTest, NextPaneMovesTheFocusAndTheActiveView) {
    m_pFrame->ShowWindow(SW_SHOW);
    m_pFrame->SetActiveView(Pane(0), FALSE);
    Pane(0)->SetFocus();
    int nFocus1 = Pane(1)->m_nFocusGained;
    int nFocus0 = Pane(0)->m_nFocusGained;

    EXPECT_TRUE(PressKey(VK_F6, Pane(0)->m_hWnd));
    EXPECT_EQ(Pane(1), m_pFrame->GetActiveView());
    EXPECT_EQ(nFocus1 + 1, Pane(1)->m_nFocusGained);
    EXPECT_EQ(Pane(1)->m_hWnd, ::GetFocus());

    // From the last pane back to the first.
    EXPECT_TRUE(PressKey(VK_F6, Pane(1)->m_hWnd));
    EXPECT_EQ(Pane(0), m_pFrame->GetActiveView());
    EXPECT_EQ(nFocus0 + 1, Pane(0)->m_nFocusGained);

    // Shift+F6 goes the other way; with two panes that is the other pane too.
    {
        CKeyboardState shift({{VK_SHIFT, 0x80}});
        EXPECT_TRUE(PressKey(VK_F6, Pane(0)->m_hWnd));
    }
    EXPECT_EQ(Pane(1), m_pFrame->GetActiveView());
    m_pFrame->SendMessage(WM_COMMAND, ID_PREV_PANE);
    EXPECT_EQ(Pane(0), m_pFrame->GetActiveView());
    EXPECT_EQ(Pane(0)->m_hWnd, ::GetFocus());
}
