#include "WindowTestSupport.h"

#include "framework/AfxRes.h"
#include "framework/FrameWnd.h"
#include "framework/Gdi.h"
#include "framework/StatusBar.h"
#include "framework/WinApp.h"
#include "widgets/ProgressBar.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const UINT kIndicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM};

std::string Str(const CString& str) {
    return std::string(static_cast<LPCSTR>(str));
}

std::string Str(const RECT& rc) {
    return "(" + std::to_string(rc.left) + ", " + std::to_string(rc.top) + ", " + std::to_string(rc.right) +
           ", " + std::to_string(rc.bottom) + ")";
}

// The pure placement rule, with the message and blank widths given.
struct PlacementCase {
    const char* name;
    RECT rcPane;
    BOOL bHasText;
    int cxText;
    int cxBlank;
    int nWidthPercent;
    RECT rcExpected;
};

const PlacementCase kPlacementCases[] = {
    // 116 = 100 + 4 blanks of 4; 35 % of the remaining 284 is 100.
    {"worked example", {0, 0, 400, 20}, TRUE, 100, 4, 35, {116, 2, 216, 18}},
    {"pane away from the bar's origin", {50, 3, 450, 23}, TRUE, 100, 4, 35, {166, 5, 266, 21}},
    {"zero percent leaves only the message", {0, 0, 400, 20}, TRUE, 100, 4, 0, {116, 2, 116, 18}},
    {"full width", {0, 0, 400, 20}, TRUE, 100, 4, 100, {116, 2, 400, 18}},
    {"message wider than the pane", {0, 0, 400, 20}, TRUE, 500, 4, 35, {516, 2, 516, 18}},
    {"message wider than the pane, full width", {0, 0, 400, 20}, TRUE, 500, 4, 100, {516, 2, 516, 18}},
    {"message just fills the pane", {0, 0, 400, 20}, TRUE, 384, 4, 35, {400, 2, 400, 18}},
    {"empty message has no margin", {10, 0, 410, 20}, FALSE, 0, 4, 35, {10, 2, 150, 18}},
    {"pane 9 high is not inset", {0, 0, 400, 9}, TRUE, 100, 4, 35, {116, 0, 216, 9}},
    {"pane 19 high is inset by 1", {0, 0, 400, 19}, TRUE, 100, 4, 35, {116, 1, 216, 18}},
    // (100 - 101) * 284 / 100 is -2 when truncated toward zero, not -3.
    {"over 100 percent truncates toward zero", {0, 0, 400, 20}, TRUE, 100, 4, 101, {116, 2, 402, 18}},
};

TEST(ProgressBarPlacementTest, FollowsTheWidthAndInsetRules) {
    for (const PlacementCase& c : kPlacementCases) {
        CRect rc = CProgressBar::CalcBarRect(c.rcPane, c.bHasText, c.cxText, c.cxBlank, c.nWidthPercent);
        EXPECT_EQ(Str(c.rcExpected), Str(rc)) << c.name;
    }
}

// A frame with a status bar of a message pane and two indicators.
class CStatusFrame : public CFrameWnd {
public:
    CStatusBar m_wndStatusBar;
};

// Counts the moves asked of the bar's window, including those to where it
// already is (the system announces no change for them afterwards).
class CCountingProgressBar : public CProgressBar {
public:
    using CProgressBar::CProgressBar;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_WINDOWPOSCHANGING)
            ++m_nMoves;
        return CProgressBar::WindowProc(message, wParam, lParam);
    }
    int m_nMoves = 0;
};

class ProgressBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_pOldMainWnd = AfxGetThread()->m_pMainWnd;
        auto* pFrame = new CStatusFrame;
        // A frame whose creation fails has deleted itself.
        if (!pFrame->CreateEx(0, nullptr, "Progress", WS_OVERLAPPEDWINDOW, 0, 0, 640, 200, nullptr, nullptr))
            FAIL() << "no frame";
        m_pFrame = pFrame;
        ASSERT_TRUE(Bar().Create(m_pFrame));
        ASSERT_TRUE(Bar().SetIndicators(kIndicators, 3));
        m_pFrame->RecalcLayout();
        m_pFrame->ShowWindow(SW_SHOW);
        m_pFrame->UpdateWindow();
        AfxGetThread()->m_pMainWnd = m_pFrame;
        PumpMessages();
    }

    void TearDown() override {
        AfxGetThread()->m_pMainWnd = m_pOldMainWnd;
        if (m_pFrame)
            m_pFrame->DestroyWindow();
        PumpMessages();
    }

    CStatusBar& Bar() { return m_pFrame->m_wndStatusBar; }

    int TextWidth(LPCSTR lpszText) {
        CClientDC dc(&Bar());
        HGDIOBJ hOldFont = dc.SelectObject(reinterpret_cast<HGDIOBJ>(Bar().SendMessage(WM_GETFONT)));
        SIZE size = {0, 0};
        GetTextExtentPoint32A(dc.m_hDC, lpszText, lstrlenA(lpszText), &size);
        dc.SelectObject(hOldFont);
        return size.cx;
    }

    // Where the rule puts a bar in the real status bar.
    CRect ExpectedPlace(LPCSTR lpszText, int nWidthPercent, int nPane) {
        CRect rcPane;
        Bar().GetItemRect(nPane, &rcPane);
        return CProgressBar::CalcBarRect(rcPane, *lpszText != '\0', TextWidth(lpszText), TextWidth(" "),
                                         nWidthPercent);
    }

    CRect PlaceOf(const CWnd& wnd) {
        CRect rc;
        wnd.GetWindowRect(&rc);
        Bar().ScreenToClient(&rc);
        return rc;
    }

    CStatusFrame* m_pFrame = nullptr;
    CWnd* m_pOldMainWnd = nullptr;
};

TEST_F(ProgressBarTest, LandsWhereThePlacementRuleSays) {
    const struct {
        const char* text;
        int nWidthPercent;
        int nPane;
    } kCases[] = {
        {"Loading ...", 35, 0},
        {"Loading ...", 0, 0},
        {"", 50, 0},
        {"A message far too long for the small indicator pane", 35, 1},
    };
    for (const auto& c : kCases) {
        CProgressBar bar(c.text, c.nWidthPercent, 1000, FALSE, c.nPane, nullptr);
        ASSERT_TRUE(bar.m_hWnd) << c.text;
        EXPECT_EQ(Str(ExpectedPlace(c.text, c.nWidthPercent, c.nPane)), Str(PlaceOf(bar))) << c.text;
        EXPECT_EQ(Bar().m_hWnd, ::GetParent(bar.m_hWnd));
        EXPECT_EQ(1, bar.GetDlgCtrlID());
    }
}

TEST_F(ProgressBarTest, HiddenFrameKeepsThePaneText) {
    m_pFrame->ShowWindow(SW_HIDE);
    Bar().SetPaneText(0, "Before");
    CProgressBar bar("Loading ...", 35, 1000, FALSE, 0, nullptr);
    ASSERT_TRUE(bar.m_hWnd);
    EXPECT_EQ("Before", Str(Bar().GetPaneText(0)));
}

TEST_F(ProgressBarTest, ShowsItsMessageThenPutsThePaneBack) {
    // The message pane gets the idle text, whatever it said before.
    Bar().SetPaneText(0, "Searching");
    HWND hWnd = nullptr;
    {
        CProgressBar bar("Loading ...", 35, 1000, FALSE, 0, nullptr);
        hWnd = bar.m_hWnd;
        EXPECT_EQ("Loading ...", Str(Bar().GetPaneText(0)));
    }
    EXPECT_FALSE(IsWindow(hWnd));
    EXPECT_EQ("Ready", Str(Bar().GetPaneText(0)));

    // Another pane gets its own text back.
    Bar().SetPaneText(0, "Searching");
    Bar().SetPaneText(1, "Before");
    {
        CProgressBar bar("Saving", 35, 1000, FALSE, 1, nullptr);
        EXPECT_EQ("Saving", Str(Bar().GetPaneText(1)));
    }
    EXPECT_EQ("Before", Str(Bar().GetPaneText(1)));
    EXPECT_EQ("Searching", Str(Bar().GetPaneText(0)));
}

TEST_F(ProgressBarTest, RestoreHidesAndTheNextStepShowsAgain) {
    CProgressBar bar("Loading ...", 35, 1000, FALSE, 0, nullptr);
    bar.RestorePane();
    EXPECT_FALSE(bar.GetStyle() & WS_VISIBLE);
    EXPECT_EQ("Ready", Str(Bar().GetPaneText(0)));
    bar.StepIt();
    EXPECT_TRUE(bar.GetStyle() & WS_VISIBLE);
}

TEST_F(ProgressBarTest, StepsFromZeroByOneWithA32BitRange) {
    CProgressBar bar("Loading ...", 35, 100000, TRUE, 0, nullptr);
    EXPECT_TRUE(bar.GetStyle() & PBS_SMOOTH);
    EXPECT_EQ(100000, bar.SendMessage(PBM_GETRANGE, FALSE));
    EXPECT_EQ(0, bar.StepIt());
    EXPECT_EQ(1, bar.StepIt());
    EXPECT_EQ(2, bar.GetPos());

    EXPECT_TRUE(bar.SetRange(0, 200000, 70000));
    bar.SetPos(0);
    bar.StepIt();
    EXPECT_EQ(70000, bar.StepIt());
    EXPECT_EQ(140000, bar.GetPos());
    EXPECT_EQ(70000, bar.SetStep(5));
    EXPECT_EQ(5, bar.SetStep(1));
}

TEST_F(ProgressBarTest, MovesOnlyWhenThePaneChanges) {
    CCountingProgressBar bar("Loading ...", 35, 1000, FALSE, 0, nullptr);
    ASSERT_TRUE(bar.m_hWnd);
    PumpMessages();
    bar.m_nMoves = 0;
    for (int i = 0; i < 3; ++i) {
        RedrawWindow(Bar().m_hWnd, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        PumpMessages();
    }
    EXPECT_TRUE(bar.FitToPane());
    EXPECT_EQ(0, bar.m_nMoves);

    // A narrower frame narrows the message pane; the next erase follows it.
    CRect rcOld = PlaceOf(bar);
    m_pFrame->MoveWindow(0, 0, 500, 200);
    RedrawWindow(Bar().m_hWnd, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpMessages();
    EXPECT_GE(bar.m_nMoves, 1);
    EXPECT_NE(Str(rcOld), Str(PlaceOf(bar)));
    EXPECT_EQ(Str(ExpectedPlace("Loading ...", 35, 0)), Str(PlaceOf(bar)));
    int nMoves = bar.m_nMoves;
    CClientDC dc(&bar);
    bar.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.m_hDC));
    EXPECT_EQ(nMoves, bar.m_nMoves);
}

// Every operation of a bar without a status bar fails quietly.
void ExpectInert(CProgressBar& bar, const char* name) {
    EXPECT_FALSE(bar.m_hWnd) << name;
    EXPECT_FALSE(bar.SetRange(0, 10, 1)) << name;
    EXPECT_EQ(0, bar.SetStep(2)) << name;
    EXPECT_EQ(0, bar.StepIt()) << name;
    EXPECT_FALSE(bar.FitToPane()) << name;
    bar.RestorePane();
}

TEST_F(ProgressBarTest, WithoutAStatusBarDoesNothing) {
    Bar().SetPaneText(0, "Untouched");

    auto* pBareFrame = new CFrameWnd;
    ASSERT_TRUE(
        pBareFrame->CreateEx(0, nullptr, "Bare", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr));
    // A window that is not a frame, with a foreign child of the status bar's id.
    CWnd host;
    ASSERT_TRUE(host.CreateEx(0, "STATIC", "", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr));
    CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, host.m_hWnd,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(AFX_IDW_STATUS_BAR)), nullptr, nullptr);

    const struct {
        const char* name;
        CWnd* pMainWnd;
    } kCases[] = {
        {"no main window", nullptr},
        {"a frame without a status bar", pBareFrame},
        {"a status-bar id on another kind of window", &host},
    };
    for (const auto& c : kCases) {
        AfxGetThread()->m_pMainWnd = c.pMainWnd;
        CProgressBar bar("Loading ...", 35, 1000, FALSE, 0, nullptr);
        EXPECT_EQ(nullptr, bar.FindStatusBar()) << c.name;
        EXPECT_FALSE(bar.Create("Loading ...", 35, 1000, FALSE, 0)) << c.name;
        ExpectInert(bar, c.name);
    }
    AfxGetThread()->m_pMainWnd = m_pFrame;
    pBareFrame->DestroyWindow();

    // Made by name, the bar has no window until created.
    CObject* pObject = CRuntimeClass::CreateObject("CProgressBar");
    auto* pMade = DynamicDowncast<CProgressBar>(pObject);
    ASSERT_TRUE(pMade);
    EXPECT_TRUE(pMade->IsKindOf(RUNTIME_CLASS(CProgressCtrl)));
    ExpectInert(*pMade, "made by name");
    delete pObject;

    EXPECT_EQ("Untouched", Str(Bar().GetPaneText(0)));
}

TEST_F(ProgressBarTest, OutlivingItsStatusBarDoesNothing) {
    CProgressBar bar("Loading ...", 35, 1000, FALSE, 0, nullptr);
    ASSERT_TRUE(bar.m_hWnd);
    AfxGetThread()->m_pMainWnd = m_pOldMainWnd;
    m_pFrame->DestroyWindow();
    m_pFrame = nullptr;
    ExpectInert(bar, "after the frame closed");
}

TEST_F(ProgressBarTest, UsesTheStatusBarItIsGiven) {
    AfxGetThread()->m_pMainWnd = nullptr;
    CProgressBar bar("Loading ...", 35, 1000, FALSE, 1, &Bar());
    ASSERT_TRUE(bar.m_hWnd);
    EXPECT_EQ(&Bar(), bar.FindStatusBar());
    EXPECT_EQ("Loading ...", Str(Bar().GetPaneText(1)));
}

TEST_F(ProgressBarTest, FindsAStatusBarInAMainWindowThatIsNoFrame) {
    CWnd host;
    ASSERT_TRUE(host.CreateEx(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 400, 100, nullptr, nullptr));
    CStatusBar statusBar;
    ASSERT_TRUE(statusBar.Create(&host));
    statusBar.SetIndicators(kIndicators, 3);
    AfxGetThread()->m_pMainWnd = &host;
    CProgressBar bar("Loading ...", 35, 1000, FALSE, 0, nullptr);
    EXPECT_EQ(&statusBar, bar.FindStatusBar());
    EXPECT_EQ(statusBar.m_hWnd, ::GetParent(bar.m_hWnd));
}

}  // namespace
