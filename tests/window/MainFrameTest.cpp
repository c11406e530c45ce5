#include "ProgramFixture.h"

#include "res/resource.h"

#include <algorithm>
#include <cstdlib>

namespace {

CRect ClientRectOf(CWnd* pWnd, CWnd* pFrame) {
    CRect rc;
    pWnd->GetWindowRect(&rc);
    pFrame->ScreenToClient(&rc);
    return rc;
}

}  // namespace

using MainFrameTest = ProgramTest;

TEST_F(MainFrameTest, LaysOutBarsAndListsAsTheUserExpects) {
    WriteDictionary(0, "a:b\r\n");
    StartProgram();
    CMainFrame* f = m_pFrame;
    CRect rcClient;
    f->GetClientRect(&rcClient);
    CRect rcTool = ClientRectOf(&f->m_wndToolBar, f);
    CRect rcWord = ClientRectOf(&f->m_wndWordBar, f);
    CRect rcStatus = ClientRectOf(&f->m_wndStatusBar, f);
    CRect rcList1 = ClientRectOf(f->GetWordList(), f);
    CRect rcList2 = ClientRectOf(f->GetTranslationList(), f);

    // Toolbar and word bar on the top row, the word bar right of the toolbar.
    EXPECT_EQ(rcClient.top, rcTool.top);
    EXPECT_EQ(rcTool.top, rcWord.top);
    EXPECT_GE(rcWord.left, rcTool.right);
    // The status bar at the bottom, the lists side by side between.
    EXPECT_EQ(rcClient.bottom, rcStatus.bottom);
    EXPECT_GE(rcList1.top, rcTool.bottom);
    EXPECT_LE(rcList1.bottom, rcStatus.top);
    EXPECT_LT(rcList1.right, rcList2.left);
    EXPECT_EQ(rcList1.top, rcList2.top);

    // The list box itself drops WS_VSCROLL while its rows need no scroll bar.
    EXPECT_EQ(static_cast<DWORD>(0x50210103), f->GetWordList()->GetStyle() | WS_VSCROLL);
    EXPECT_EQ(static_cast<DWORD>(0x50200103), f->GetTranslationList()->GetStyle() | WS_VSCROLL);
    EXPECT_EQ(4, f->m_wndStatusBar.GetCount());
    EXPECT_EQ(CString("Ready"), StatusText());
    EXPECT_EQ(
        8u, static_cast<UINT>(f->m_wndToolBar.SendMessage(TB_BUTTONCOUNT)) - 4u);  // 8 buttons, 4 separators

    char className[64] = {};
    GetClassNameA(f->m_hWnd, className, sizeof(className));
    EXPECT_STREQ("F2908B5A-A477-4ea8-9382-F5DCFAE04B37", className);
}

TEST_F(MainFrameTest, ResizingSplitsTheListsEquallyAgain) {
    WriteDictionary(0, "a:b\r\n");
    StartProgram();
    CMainFrame* f = m_pFrame;
    f->m_wndSplitter.SetColumnInfo(0, 60, 10);
    f->m_wndSplitter.RecalcLayout();
    int cxCur = 0, cxMin = 0;
    f->m_wndSplitter.GetColumnInfo(0, cxCur, cxMin);
    EXPECT_EQ(60, cxCur);

    f->SetWindowPos(nullptr, 0, 0, 700, 500, SWP_NOZORDER | SWP_NOMOVE);
    CRect rcWindow;
    f->GetWindowRect(&rcWindow);
    f->m_wndSplitter.GetColumnInfo(0, cxCur, cxMin);
    EXPECT_EQ(rcWindow.Width() / 2, cxCur);
    EXPECT_EQ(10, cxMin);
}

TEST_F(MainFrameTest, TitleFollowsTheDirection) {
    WriteDictionary(0, "a:b\r\n");
    WriteDictionary(1, "x:y\r\n");
    theApp.WriteProfileInt("Settings", "EnRo", 7);  // any non-zero value is Romanian -> English
    theApp.m_nDirection = static_cast<int>(theApp.GetProfileInt("Settings", "EnRo", 0));
    StartProgram();
    EXPECT_EQ(CString("Romanian - English"), Title());
    EXPECT_EQ((std::vector<std::string>{"x"}), Rows(m_pFrame->GetWordList()));
    m_pFrame->SendMessage(WM_COMMAND, ID_ENGLISH_ROMANIAN);
    EXPECT_EQ(CString("English - Romanian"), Title());
    EXPECT_EQ(0, theApp.m_nDirection);
    m_pFrame->OnUpdateFrameTitle(TRUE);
    EXPECT_EQ(CString("English - Romanian"), Title());
}

TEST_F(MainFrameTest, FirstShowAppliesOnlyAWholeStoredPlacement) {
    WriteDictionary(0, "a:b\r\n");
    WINDOWPLACEMENT wp = {};
    wp.length = sizeof(wp);
    wp.showCmd = SW_SHOWNORMAL;
    wp.rcNormalPosition = {40, 30, 640, 430};
    theApp.WriteProfileBinary("Settings", "WindowPlacement", reinterpret_cast<LPBYTE>(&wp), sizeof(wp));
    StartProgram();
    WINDOWPLACEMENT now = {};
    m_pFrame->GetWindowPlacement(&now);
    EXPECT_EQ(40, now.rcNormalPosition.left);
    EXPECT_EQ(600, now.rcNormalPosition.right - now.rcNormalPosition.left);
    CloseProgram();

    // Not a whole record, or off every monitor: ignored.
    theApp.WriteProfileBinary("Settings", "WindowPlacement", reinterpret_cast<LPBYTE>(&wp), 40);
    StartProgram();
    m_pFrame->GetWindowPlacement(&now);
    EXPECT_NE(40, now.rcNormalPosition.left);
    CloseProgram();
    wp.rcNormalPosition = {-30000, -30000, -29000, -29500};
    theApp.WriteProfileBinary("Settings", "WindowPlacement", reinterpret_cast<LPBYTE>(&wp), sizeof(wp));
    StartProgram();
    m_pFrame->GetWindowPlacement(&now);
    EXPECT_GT(now.rcNormalPosition.left, -10000);
}

TEST_F(MainFrameTest, ClosingSavesTheSettingsInTheirOrder) {
    WriteDictionary(0, "a:b\r\n");
    StartProgram();
    m_pFrame->m_bAlwaysOnTop = TRUE;
    m_pFrame->m_nEscapeFunction = 2;
    theApp.m_nDirection = 1;
    m_pFrame->ShowWindow(SW_MINIMIZE);
    CloseProgram();
    EXPECT_EQ(1u, theApp.GetProfileInt("Settings", "AlwaysOnTop", 9));
    EXPECT_EQ(2u, theApp.GetProfileInt("Settings", "EscapeFunction", 9));
    EXPECT_EQ(1u, theApp.GetProfileInt("Settings", "EnRo", 9));
    EXPECT_EQ(0u, theApp.GetProfileInt("Settings", "HideWhenClose", 9));
    LPBYTE pData = nullptr;
    UINT nBytes = 0;
    ASSERT_TRUE(theApp.GetProfileBinary("Settings", "WindowPlacement", &pData, &nBytes));
    ASSERT_EQ(44u, nBytes);
    WINDOWPLACEMENT wp;
    memcpy(&wp, pData, sizeof(wp));
    delete[] pData;
    EXPECT_EQ(static_cast<UINT>(SW_SHOWMAXIMIZED), wp.showCmd);  // a minimised window comes back maximised
    theApp.m_nDirection = 0;
}

TEST_F(MainFrameTest, TypingSelectsTheFirstWordAndShowsItsTranslationsLater) {
    WriteDictionary(0, "houses:case\r\nhouse:cas\xE3|locuin\xFE\xE3\r\nbank:banc\xE3\r\n");
    StartProgram();
    Type("HOUSE");
    CWnd* pWords = m_pFrame->GetWordList();
    CString strRow;
    CListBox(pWords->m_hWnd).GetText(Selection(pWords), strRow);
    EXPECT_EQ(CString("house"), strRow);
    EXPECT_TRUE(Rows(m_pFrame->GetTranslationList()).empty());  // not before the timer
    EXPECT_TRUE(PumpUntil([&] { return !Rows(m_pFrame->GetTranslationList()).empty(); }, 2000));
    EXPECT_EQ((std::vector<std::string>{"cas\xE3", "locuin\xFE\xE3"}), Rows(m_pFrame->GetTranslationList()));
    // Text no word begins with keeps the selection; an empty box selects the first word.
    Type("zzz");
    EXPECT_EQ(1, Selection(pWords));
    Type("");
    EXPECT_EQ(0, Selection(pWords));
}

// Moved to a monitor of twice the resolution, the window takes the size the
// system suggests and everything in it grows to match, laid out as before.
TEST_F(MainFrameTest, MovingToAMonitorOfTwiceTheResolutionRelaysEverything) {
    WriteDictionary(0, "a:b\r\n");
    StartProgram();
    CMainFrame* f = m_pFrame;
    auto fontHeight = [](CWnd* pWnd) {
        LOGFONTA lf = {};
        GetObjectA(reinterpret_cast<HGDIOBJ>(pWnd->SendMessage(WM_GETFONT)), sizeof(lf), &lf);
        return std::abs(lf.lfHeight);
    };
    CWnd* pWordBox = f->m_wndWordBar.GetDlgItem(IDC_WORDBOX);
    const int nListFont = fontHeight(f->GetWordList());
    const int nBoxFont = fontHeight(pWordBox);
    const int nBoxHeight = ClientRectOf(pWordBox, &f->m_wndWordBar).Height();
    CRect rcWindow;
    f->GetWindowRect(&rcWindow);
    CRect rcSuggested(rcWindow.left + 10, rcWindow.top + 10, rcWindow.right + 60, rcWindow.bottom + 40);
    f->SendMessage(WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&rcSuggested));

    f->GetWindowRect(&rcWindow);
    EXPECT_EQ(rcSuggested.left, rcWindow.left);
    EXPECT_EQ(rcSuggested.top, rcWindow.top);
    EXPECT_EQ(rcSuggested.Width(), rcWindow.Width());
    EXPECT_EQ(rcSuggested.Height(), rcWindow.Height());
    EXPECT_EQ(MAKELONG(50, 50), static_cast<LONG>(f->m_wndToolBar.SendMessage(TB_GETBUTTONSIZE)));
    EXPECT_NEAR(2 * nListFont, fontHeight(f->GetWordList()), 1);
    EXPECT_NEAR(2 * nListFont, fontHeight(f->GetTranslationList()), 1);
    EXPECT_NEAR(2 * nBoxFont, fontHeight(pWordBox), 1);
    EXPECT_NEAR(2 * nBoxHeight, ClientRectOf(pWordBox, &f->m_wndWordBar).Height(), 1);
    CRect rcTool = ClientRectOf(&f->m_wndToolBar, f);
    CRect rcWord = ClientRectOf(&f->m_wndWordBar, f);
    EXPECT_GE(rcTool.Height(), 50);
    EXPECT_GE(rcWord.left, rcTool.right);
    EXPECT_GE(ClientRectOf(f->GetWordList(), f).top, std::max(rcTool.bottom, rcWord.bottom));
}
