// The frame and its bars: the layout of the docked rows, the status bar and
// the pane; hiding and showing bars; their state kept in the profile; the
// message pane with menu and toolbar prompts; toolbar tooltips; the word
// bar's notifications.
#include "BarFrame.h"
#include "TestApp.h"

#include "framework/WinApp.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

namespace {

typedef std::vector<std::string> Log;

// Where the frame has put a bar.
struct Placement {
    int nSide;
    int nRow;
    int nOffset;
    BOOL bVisible;
    bool operator==(const Placement& other) const {
        return nSide == other.nSide && nRow == other.nRow && nOffset == other.nOffset &&
               bVisible == other.bVisible;
    }
};

std::ostream& operator<<(std::ostream& os, const Placement& p) {
    return os << "side " << p.nSide << " row " << p.nRow << " offset " << p.nOffset
              << (p.bVisible ? " visible" : " hidden");
}

Placement PlacementOf(const CControlBar& bar) {
    return {bar.m_nDockSide, bar.m_nDockRow, bar.m_nDockOffset, bar.IsVisible()};
}

class FrameLayoutTest : public ::testing::Test {
protected:
    void SetUp() override {
        CommandLog().clear();
        m_pFrame = CBarFrame::New();
        ASSERT_NE(nullptr, m_pFrame);
        m_hFrames.push_back(m_pFrame->m_hWnd);
    }
    void TearDown() override {
        for (HWND hFrame : m_hFrames)
            DestroyFrame(hFrame);
    }

    CBarFrame* NewFrame() {
        CBarFrame* pFrame = CBarFrame::New();
        if (pFrame)
            m_hFrames.push_back(pFrame->m_hWnd);
        return pFrame;
    }
    CRect Client() const {
        CRect rect;
        m_pFrame->GetClientRect(&rect);
        return rect;
    }
    CWnd& Pane() const { return *m_pFrame->GetDlgItem(AFX_IDW_PANE_FIRST); }
    std::string MessageText() const {
        char text[256] = {};
        m_pFrame->m_wndStatusBar.SendMessage(SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
        return text;
    }
    void MenuSelect(UINT nItem, UINT nFlags, HMENU hMenu) {
        m_pFrame->SendMessage(WM_MENUSELECT, MAKEWPARAM(nItem, nFlags), reinterpret_cast<LPARAM>(hMenu));
    }
    BOOL IsChecked(UINT nID) {
        HMENU hView = GetSubMenu(GetMenu(m_pFrame->m_hWnd), 2);
        m_pFrame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hView), 2);
        return (GetMenuState(hView, nID, MF_BYCOMMAND) & MF_CHECKED) != 0;
    }

    CBarFrame* m_pFrame = nullptr;
    std::vector<HWND> m_hFrames;
};

}  // namespace

TEST_F(FrameLayoutTest, BarsShareTheTopRowAndThePaneFillsTheRest) {
    CToolBar& toolBar = m_pFrame->m_wndToolBar;
    EXPECT_EQ(12, toolBar.GetCount());
    EXPECT_EQ(12, toolBar.SendMessage(TB_BUTTONCOUNT));
    EXPECT_EQ(ID_ENGLISH_ROMANIAN, toolBar.GetItemID(0));
    EXPECT_EQ(0u, toolBar.GetItemID(2));
    EXPECT_EQ(ID_ABOUT_APPLICATION, toolBar.GetItemID(11));
    EXPECT_EQ(4, m_pFrame->m_wndStatusBar.SendMessage(SB_GETPARTS));

    CRect rcClient = Client();
    CRect rcTool = ChildRect(toolBar);
    CRect rcWord = ChildRect(m_pFrame->m_wndWordBar);
    CRect rcStatus = ChildRect(m_pFrame->m_wndStatusBar);
    CRect rcPane = ChildRect(Pane());
    EXPECT_EQ(Placement({0, 0, 0, TRUE}), PlacementOf(toolBar));
    EXPECT_EQ(0, m_pFrame->m_wndWordBar.m_nDockSide);
    EXPECT_EQ(0, m_pFrame->m_wndWordBar.m_nDockRow);
    EXPECT_EQ(0, rcTool.left);
    EXPECT_EQ(0, rcTool.top);
    EXPECT_GT(rcTool.Width(), 100);
    EXPECT_EQ(0, rcWord.top);
    EXPECT_EQ(rcTool.right, rcWord.left);
    EXPECT_GT(rcWord.Width(), 100);

    EXPECT_EQ(CRect(0, rcClient.bottom - rcStatus.Height(), rcClient.right, rcClient.bottom), rcStatus);
    EXPECT_GT(rcStatus.Height(), 10);
    EXPECT_EQ(CRect(0, std::max(rcTool.bottom, rcWord.bottom), rcClient.right, rcStatus.top), rcPane);

    // A larger window: the bars stay, the pane and the status bar grow.
    m_pFrame->SetWindowPos(nullptr, 0, 0, 800, 500, SWP_NOZORDER | SWP_NOACTIVATE);
    rcClient = Client();
    EXPECT_EQ(rcTool, ChildRect(toolBar));
    EXPECT_EQ(rcWord, ChildRect(m_pFrame->m_wndWordBar));
    EXPECT_EQ(rcClient.right, ChildRect(Pane()).right);
    EXPECT_EQ(rcClient.bottom, ChildRect(m_pFrame->m_wndStatusBar).bottom);
    EXPECT_EQ(ChildRect(m_pFrame->m_wndStatusBar).top, ChildRect(Pane()).bottom);
}

TEST_F(FrameLayoutTest, HiddenBarsGiveTheirRoomToThePane) {
    CRect rcTool = ChildRect(m_pFrame->m_wndToolBar);
    CRect rcWord = ChildRect(m_pFrame->m_wndWordBar);
    CRect rcStatus = ChildRect(m_pFrame->m_wndStatusBar);
    CRect rcPane = ChildRect(Pane());

    m_pFrame->ShowControlBar(&m_pFrame->m_wndStatusBar, FALSE, FALSE);
    EXPECT_FALSE(m_pFrame->m_wndStatusBar.IsWindowVisible());
    EXPECT_EQ(Client().bottom, ChildRect(Pane()).bottom);

    m_pFrame->ShowControlBar(&m_pFrame->m_wndToolBar, FALSE, FALSE);
    EXPECT_EQ(0, ChildRect(m_pFrame->m_wndWordBar).top);
    EXPECT_EQ(ChildRect(m_pFrame->m_wndWordBar).bottom, ChildRect(Pane()).top);

    m_pFrame->ShowControlBar(&m_pFrame->m_wndWordBar, FALSE, FALSE);
    EXPECT_EQ(Client(), ChildRect(Pane()));

    // Shown again, everything is back in its place.
    m_pFrame->ShowControlBar(&m_pFrame->m_wndToolBar, TRUE, FALSE);
    m_pFrame->ShowControlBar(&m_pFrame->m_wndWordBar, TRUE, FALSE);
    m_pFrame->ShowControlBar(&m_pFrame->m_wndStatusBar, TRUE, FALSE);
    EXPECT_EQ(rcTool, ChildRect(m_pFrame->m_wndToolBar));
    EXPECT_EQ(rcWord, ChildRect(m_pFrame->m_wndWordBar));
    EXPECT_EQ(rcStatus, ChildRect(m_pFrame->m_wndStatusBar));
    EXPECT_EQ(rcPane, ChildRect(Pane()));
}

TEST_F(FrameLayoutTest, ViewCommandsToggleTheBarsAndTheirCheckMarks) {
    CRect rcPane = ChildRect(Pane());
    EXPECT_TRUE(IsChecked(ID_VIEW_TOOLBAR));
    EXPECT_TRUE(IsChecked(ID_VIEW_STATUS_BAR));

    m_pFrame->SendMessage(WM_COMMAND, ID_VIEW_STATUS_BAR);
    EXPECT_FALSE(m_pFrame->m_wndStatusBar.IsVisible());
    EXPECT_FALSE(IsChecked(ID_VIEW_STATUS_BAR));
    EXPECT_TRUE(IsChecked(ID_VIEW_TOOLBAR));
    EXPECT_EQ(Client().bottom, ChildRect(Pane()).bottom);

    m_pFrame->SendMessage(WM_COMMAND, ID_VIEW_TOOLBAR);
    EXPECT_FALSE(m_pFrame->m_wndToolBar.IsVisible());
    EXPECT_FALSE(IsChecked(ID_VIEW_TOOLBAR));
    EXPECT_TRUE(m_pFrame->m_wndWordBar.IsVisible());

    m_pFrame->SendMessage(WM_COMMAND, ID_VIEW_TOOLBAR);
    m_pFrame->SendMessage(WM_COMMAND, ID_VIEW_STATUS_BAR);
    EXPECT_TRUE(IsChecked(ID_VIEW_TOOLBAR));
    EXPECT_TRUE(IsChecked(ID_VIEW_STATUS_BAR));
    EXPECT_EQ(rcPane, ChildRect(Pane()));
}

TEST_F(FrameLayoutTest, BarStateComesBackFromTheProfile) {
    CPrivateProfile profile;
    // The word bar on a row of its own at the bottom, away from the edge;
    // the toolbar hidden.
    CRect rect;
    m_pFrame->m_wndWordBar.GetWindowRect(&rect);
    CRect rcClient = Client();
    m_pFrame->ClientToScreen(&rcClient);
    rect.OffsetRect(rcClient.left + 40 - rect.left, rcClient.bottom - 5 - rect.top);
    m_pFrame->DockControlBar(&m_pFrame->m_wndWordBar, AFX_IDW_DOCKBAR_BOTTOM, &rect);
    m_pFrame->ShowControlBar(&m_pFrame->m_wndToolBar, FALSE, FALSE);
    const Placement word = PlacementOf(m_pFrame->m_wndWordBar);
    ASSERT_EQ(Placement({1, 0, 40, TRUE}), word);
    EXPECT_EQ(ChildRect(m_pFrame->m_wndStatusBar).top, ChildRect(m_pFrame->m_wndWordBar).bottom);
    m_pFrame->SaveBarState("BarState");

    CBarFrame* pOther = NewFrame();
    ASSERT_NE(nullptr, pOther);
    const Placement tool = PlacementOf(pOther->m_wndToolBar);
    pOther->LoadBarState("BarState");
    EXPECT_EQ(word, PlacementOf(pOther->m_wndWordBar));
    EXPECT_EQ(Placement({tool.nSide, tool.nRow, tool.nOffset, FALSE}), PlacementOf(pOther->m_wndToolBar));
    EXPECT_EQ(Placement({-1, 0, 0, TRUE}), PlacementOf(pOther->m_wndStatusBar));
    CRect rcWord = ChildRect(pOther->m_wndWordBar);
    EXPECT_EQ(40, rcWord.left);
    EXPECT_EQ(ChildRect(pOther->m_wndStatusBar).top, rcWord.bottom);
    EXPECT_EQ(0, ChildRect(*pOther->GetDlgItem(AFX_IDW_PANE_FIRST)).top);
    EXPECT_EQ(rcWord.top, ChildRect(*pOther->GetDlgItem(AFX_IDW_PANE_FIRST)).bottom);

    // And back again: both bars on the top row, as saved.
    CBarFrame* pThird = NewFrame();
    ASSERT_NE(nullptr, pThird);
    pThird->SaveBarState("Default");
    pOther->LoadBarState("Default");
    EXPECT_EQ(PlacementOf(pThird->m_wndWordBar), PlacementOf(pOther->m_wndWordBar));
    EXPECT_EQ(PlacementOf(pThird->m_wndToolBar), PlacementOf(pOther->m_wndToolBar));
    EXPECT_EQ(ChildRect(pThird->m_wndWordBar), ChildRect(pOther->m_wndWordBar));
}

TEST_F(FrameLayoutTest, GarbageInTheBarStateIsIgnored) {
    CPrivateProfile profile;
    CWinApp* pApp = AfxGetApp();
    const Placement tool = PlacementOf(m_pFrame->m_wndToolBar);
    const Placement word = PlacementOf(m_pFrame->m_wndWordBar);
    const CRect rcWord = ChildRect(m_pFrame->m_wndWordBar);
    auto writeBar = [&](LPCSTR lpszName, int nBars, UINT nBarID, int nSide, int nRow, int nOffset,
                        int nVisible) {
        pApp->WriteProfileInt(CString(lpszName) + "-Summary", "Bars", nBars);
        CString strSection = CString(lpszName) + "-Bar0";
        pApp->WriteProfileInt(strSection, "BarID", static_cast<int>(nBarID));
        pApp->WriteProfileInt(strSection, "DockSide", nSide);
        pApp->WriteProfileInt(strSection, "DockRow", nRow);
        pApp->WriteProfileInt(strSection, "DockOffset", nOffset);
        pApp->WriteProfileInt(strSection, "Visible", nVisible);
    };
    writeBar("NoSide", 1, AFX_IDW_TOOLBAR, 9, 0, 0, 1);
    writeBar("NegativeSide", 1, AFX_IDW_TOOLBAR, -5, 0, 0, 1);
    writeBar("ForbiddenSide", 1, IDD_WORDBAR, 2, 0, 0, 1);  // the word bar may not dock left
    writeBar("NegativeRow", 1, IDD_WORDBAR, 1, -1, 0, 1);
    writeBar("HugeRow", 1, IDD_WORDBAR, 1, 1000000, 0, 1);
    writeBar("NegativeOffset", 1, IDD_WORDBAR, 1, 0, -40, 1);
    writeBar("HugeOffset", 1, IDD_WORDBAR, 1, 0, 1 << 24, 1);
    writeBar("UnknownBar", 1, 4242, 1, 0, 0, 0);
    writeBar("TooManyBars", 1000000, IDD_WORDBAR, 1, 0, 0, 0);
    writeBar("NegativeBars", -1, IDD_WORDBAR, 1, 0, 0, 0);
    writeBar("TextSide", 1, IDD_WORDBAR, word.nSide, word.nRow, word.nOffset, 1);
    writeBar("ShortCount", 1, IDD_WORDBAR, 1, 0, 0, 0);
    writeBar("TextCount", 1, IDD_WORDBAR, 1, 0, 0, 0);
    // Values of the wrong type or size, as a damaged registry might hold them.
    HKEY hKey = profile.SectionKey("TextSide-Bar0");
    RegSetValueExA(hKey, "DockSide", 0, REG_SZ, reinterpret_cast<const BYTE*>("1"), 2);
    RegCloseKey(hKey);
    DWORD dwOne = 1;
    hKey = profile.SectionKey("ShortCount-Summary");
    RegSetValueExA(hKey, "Bars", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dwOne), 3);
    RegCloseKey(hKey);
    hKey = profile.SectionKey("TextCount-Summary");
    RegSetValueExA(hKey, "Bars", 0, REG_SZ, reinterpret_cast<const BYTE*>("1"), 2);
    RegCloseKey(hKey);

    for (LPCSTR lpszName :
         {"NoSide", "NegativeSide", "ForbiddenSide", "NegativeRow", "HugeRow", "NegativeOffset", "HugeOffset",
          "UnknownBar", "TooManyBars", "NegativeBars", "TextSide", "ShortCount", "TextCount", "Missing"}) {
        m_pFrame->LoadBarState(lpszName);
        EXPECT_EQ(tool, PlacementOf(m_pFrame->m_wndToolBar)) << lpszName;
        EXPECT_EQ(word, PlacementOf(m_pFrame->m_wndWordBar)) << lpszName;
        EXPECT_EQ(rcWord, ChildRect(m_pFrame->m_wndWordBar)) << lpszName;
        EXPECT_TRUE(m_pFrame->m_wndStatusBar.IsVisible()) << lpszName;
    }

    // A hidden bar stays hidden for a visibility that is neither 0 nor 1.
    m_pFrame->ShowControlBar(&m_pFrame->m_wndToolBar, FALSE, FALSE);
    writeBar("StrangeVisibility", 1, AFX_IDW_TOOLBAR, tool.nSide, tool.nRow, tool.nOffset, 5);
    m_pFrame->LoadBarState("StrangeVisibility");
    EXPECT_FALSE(m_pFrame->m_wndToolBar.IsVisible());

    // A sound record still loads.
    writeBar("Good", 1, IDD_WORDBAR, 1, 0, 0, 1);
    m_pFrame->LoadBarState("Good");
    EXPECT_EQ(Placement({1, 0, 0, TRUE}), PlacementOf(m_pFrame->m_wndWordBar));
}

TEST_F(FrameLayoutTest, MessagePaneShowsPromptsWhileAMenuIsOpen) {
    m_pFrame->SetMessageText("Looking up");
    EXPECT_EQ("Looking up", MessageText());
    m_pFrame->SetMessageText(AFX_IDS_IDLEMESSAGE);
    EXPECT_EQ("Ready", MessageText());

    HMENU hFile = GetSubMenu(GetMenu(m_pFrame->m_hWnd), 0);
    MenuSelect(ID_WORD_ADD, MF_HILITE, hFile);
    EXPECT_EQ("Add new word into dictionary", MessageText());
    MenuSelect(ID_ABOUT_APPLICATION, MF_HILITE, hFile);
    EXPECT_EQ("Display program information and version number ", MessageText());
    MenuSelect(ID_RESTORE, MF_HILITE, hFile);  // a prompt without a tooltip part
    EXPECT_EQ("Restore the window to normal size", MessageText());
    MenuSelect(0, MF_POPUP | MF_HILITE, GetMenu(m_pFrame->m_hWnd));
    EXPECT_EQ("", MessageText());
    MenuSelect(ID_WORD_ADD, MF_HILITE, hFile);
    MenuSelect(ID_UNLOCK_DELETE, MF_HILITE, hFile);  // a command without a prompt
    EXPECT_EQ("", MessageText());
    // The menu closes.
    MenuSelect(0, 0xFFFF, nullptr);
    EXPECT_EQ("Ready", MessageText());
}

TEST_F(FrameLayoutTest, ToolbarShowsThePromptOfTheButtonUnderTheMouse) {
    CToolBar& toolBar = m_pFrame->m_wndToolBar;
    m_pFrame->SetMessageText(AFX_IDS_IDLEMESSAGE);
    auto hover = [&](int nIndex) {
        CRect rect;
        toolBar.GetItemRect(nIndex, &rect);
        toolBar.SendMessage(WM_MOUSEMOVE, 0,
                            MAKELPARAM(rect.left + rect.Width() / 2, rect.top + rect.Height() / 2));
    };
    hover(0);
    EXPECT_EQ("Translate words from english to romanian", MessageText());
    hover(5);
    EXPECT_EQ("Add new word into dictionary", MessageText());
    toolBar.SendMessage(WM_MOUSELEAVE);
    EXPECT_EQ("Ready", MessageText());
}

TEST_F(FrameLayoutTest, ToolTipsShowTheTextAfterTheNewline) {
    // The toolbar's own tooltip asks the frame for the text of a button.
    HWND hTip = reinterpret_cast<HWND>(m_pFrame->m_wndToolBar.SendMessage(TB_GETTOOLTIPS));
    ASSERT_NE(nullptr, hTip);
    char text[80] = {};
    TTTOOLINFOA info = {};
    info.cbSize = sizeof(info);
    info.hwnd = m_pFrame->m_wndToolBar.m_hWnd;
    info.uId = ID_WORD_MODIFY;
    info.lpszText = text;
    ::SendMessageA(hTip, TTM_GETTEXTA, sizeof(text), reinterpret_cast<LPARAM>(&info));
    EXPECT_STREQ("Modify this word", text);

    // Both kinds of notification, by command id and by window.
    NMTTDISPINFOA infoA = {};
    infoA.hdr = {hTip, ID_ENGLISH_ROMANIAN, TTN_GETDISPINFOA};
    m_pFrame->SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&infoA));
    EXPECT_STREQ("En-Ro (Ctrl+E)", infoA.lpszText);

    NMTTDISPINFOW infoW = {};
    infoW.hdr = {hTip, ID_WORD_DELETE, TTN_GETDISPINFOW};
    for (WCHAR& ch : infoW.szText)
        ch = 0xFFFF;  // what an earlier tip left behind
    m_pFrame->SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&infoW));
    EXPECT_STREQ(L"Delete this word", infoW.lpszText);

    HWND hButton = CreateWindowExA(0, "BUTTON", "", WS_CHILD, 0, 0, 10, 10, m_pFrame->m_hWnd,
                                   reinterpret_cast<HMENU>(static_cast<UINT_PTR>(ID_WORD_ADD)),
                                   GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, hButton);
    NMTTDISPINFOW byWindow = {};
    byWindow.hdr = {hTip, reinterpret_cast<UINT_PTR>(hButton), TTN_GETDISPINFOW};
    byWindow.uFlags = TTF_IDISHWND;
    m_pFrame->SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&byWindow));
    EXPECT_STREQ(L"Add new word", byWindow.lpszText);
    NMTTDISPINFOA byWindowA = {};
    byWindowA.hdr = {hTip, reinterpret_cast<UINT_PTR>(hButton), TTN_GETDISPINFOA};
    byWindowA.uFlags = TTF_IDISHWND;
    m_pFrame->SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&byWindowA));
    EXPECT_STREQ("Add new word", byWindowA.lpszText);
}

TEST_F(FrameLayoutTest, WordBoxChangesReachTheFrame) {
    CWnd* pWordBox = m_pFrame->m_wndWordBar.GetDlgItem(IDC_WORDBOX);
    ASSERT_NE(nullptr, pWordBox);
    pWordBox->SetWindowText("apple");
    EXPECT_EQ(Log({"word box change"}), CommandLog());
    // The bar passes on its controls' commands too (a button of a bar, say).
    CommandLog().clear();
    m_pFrame->m_wndWordBar.SendMessage(WM_COMMAND, ID_WORD_ADD);
    EXPECT_EQ(Log({"add"}), CommandLog());
}

namespace {

// Drags a bar by its gripper and lets go of it at a point of the frame's client area.
void DragBar(CControlBar& bar, CFrameWnd* pFrame, CPoint ptDrop) {
    CRect rcBar;
    bar.GetWindowRect(&rcBar);
    CPoint ptGrip(rcBar.left + 3, rcBar.top + 5);
    bar.SendMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(ptGrip.x, ptGrip.y));
    pFrame->ClientToScreen(&ptDrop);
    bar.ScreenToClient(&ptDrop);
    bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(ptDrop.x, ptDrop.y));
}

}  // namespace

TEST_F(FrameLayoutTest, GrippersMoveBarsOnlyToTheSidesTheyMayUse) {
    CDialogBar& wordBar = m_pFrame->m_wndWordBar;
    CToolBar& toolBar = m_pFrame->m_wndToolBar;
    CRect rcClient = Client();
    CRect rcStatus = ChildRect(m_pFrame->m_wndStatusBar);

    // The word bar goes down to the bottom, above the status bar.
    DragBar(wordBar, m_pFrame, CPoint(rcClient.Width() / 2, rcStatus.top - 5));
    EXPECT_EQ(1, wordBar.m_nDockSide);
    CRect rcWord = ChildRect(wordBar);
    EXPECT_EQ(rcStatus.top, rcWord.bottom);
    EXPECT_EQ(ChildRect(Pane()).bottom, rcWord.top);

    // The word bar may not dock on the left: dropped there it stays put.
    DragBar(wordBar, m_pFrame, CPoint(3, rcClient.Height() / 2));
    EXPECT_EQ(1, wordBar.m_nDockSide);
    EXPECT_EQ(rcWord, ChildRect(wordBar));

    // The toolbar may: it stands upright along the left edge.
    DragBar(toolBar, m_pFrame, CPoint(3, rcClient.Height() / 2));
    EXPECT_EQ(2, toolBar.m_nDockSide);
    CRect rcTool = ChildRect(toolBar);
    EXPECT_EQ(0, rcTool.left);
    EXPECT_GT(rcTool.Height(), rcTool.Width());
    EXPECT_EQ(rcTool.right, ChildRect(Pane()).left);

    // A drop in the middle of the pane changes nothing.
    DragBar(toolBar, m_pFrame, CPoint(rcClient.Width() / 2, rcClient.Height() / 2));
    EXPECT_EQ(2, toolBar.m_nDockSide);
}
