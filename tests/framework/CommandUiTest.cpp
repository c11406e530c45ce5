// Command state: update handlers enable, check and radio-mark menu items
// when a menu opens and toolbar buttons and status indicators at idle time;
// a command that its update handler disables is not carried out, whether
// it comes from a menu or an accelerator.
#include "BarFrame.h"
#include "TestApp.h"

#include "framework/WinApp.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

typedef std::vector<std::string> Log;

enum { kFileMenu = 0, kViewMenu = 2, kOptionsMenu = 3 };

class CommandUiTest : public ::testing::Test {
protected:
    void SetUp() override {
        CommandLog().clear();
        m_pFrame = CBarFrame::New();
        ASSERT_NE(nullptr, m_pFrame);
        m_hFrame = m_pFrame->m_hWnd;
    }
    void TearDown() override { DestroyFrame(m_hFrame); }

    HMENU Popup(int nPos) const { return GetSubMenu(GetMenu(m_hFrame), nPos); }
    // Opens the popup as far as the frame can tell.
    void InitPopup(HMENU hPopup) const {
        ::SendMessageA(m_hFrame, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hPopup), 0);
    }
    static BOOL IsEnabled(HMENU hMenu, UINT nID) {
        return (GetMenuState(hMenu, nID, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)) == 0;
    }
    static BOOL IsChecked(HMENU hMenu, UINT nID) {
        return (GetMenuState(hMenu, nID, MF_BYCOMMAND) & MF_CHECKED) != 0;
    }
    static BOOL IsRadio(HMENU hMenu, UINT nID) {
        MENUITEMINFOA info = {};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE;
        GetMenuItemInfoA(hMenu, nID, FALSE, &info);
        return (info.fType & MFT_RADIOCHECK) != 0;
    }
    // Hands a key press to the message loop's pre-translation, as the
    // program's loop would; TRUE when an accelerator took it.
    BOOL PressKey(UINT nVirtKey) const {
        MSG msg = {m_hFrame, WM_KEYDOWN, nVirtKey, 0x00000001, GetTickCount(), {0, 0}};
        return AfxGetThread()->PreTranslateMessage(&msg);
    }
    BOOL ButtonEnabled(UINT nID) const {
        return static_cast<BOOL>(m_pFrame->m_wndToolBar.SendMessage(TB_ISBUTTONENABLED, nID));
    }
    BOOL ButtonChecked(UINT nID) const {
        return static_cast<BOOL>(m_pFrame->m_wndToolBar.SendMessage(TB_ISBUTTONCHECKED, nID));
    }
    std::string PaneText(int nPane) const {
        char text[256] = {};
        m_pFrame->m_wndStatusBar.SendMessage(SB_GETTEXTA, static_cast<WPARAM>(nPane),
                                             reinterpret_cast<LPARAM>(text));
        return text;
    }
    // The idle time of the program's message loop, with the frame as its
    // visible main window.
    void Idle() const {
        AfxGetThread()->m_pMainWnd = m_pFrame;
        if (!m_pFrame->IsWindowVisible())
            m_pFrame->ShowWindow(SW_SHOWNOACTIVATE);
        AfxGetThread()->OnIdle(0);
    }

    CBarFrame* m_pFrame = nullptr;
    HWND m_hFrame = nullptr;
};

}  // namespace

TEST_F(CommandUiTest, FrameGetsItsMenuAndAcceleratorsFromTheResource) {
    HMENU hMenu = GetMenu(m_hFrame);
    ASSERT_NE(nullptr, hMenu);
    EXPECT_EQ(5, GetMenuItemCount(hMenu));
    EXPECT_EQ(ID_ENGLISH_ROMANIAN, GetMenuItemID(Popup(kFileMenu), 0));
    ASSERT_NE(nullptr, m_pFrame->m_hAccelTable);
    EXPECT_EQ(20, CopyAcceleratorTableA(m_pFrame->m_hAccelTable, nullptr, 0));
}

TEST_F(CommandUiTest, MenuItemsFollowTheirUpdateHandlersWhenTheMenuOpens) {
    HMENU hFile = Popup(kFileMenu);
    InitPopup(hFile);
    EXPECT_TRUE(IsRadio(hFile, ID_ENGLISH_ROMANIAN));
    EXPECT_TRUE(IsChecked(hFile, ID_ENGLISH_ROMANIAN));
    EXPECT_FALSE(IsChecked(hFile, ID_ROMANIAN_ENGLISH));
    EXPECT_TRUE(IsEnabled(hFile, ID_ENGLISH_ROMANIAN));
    EXPECT_TRUE(IsEnabled(hFile, ID_WORD_ADD));      // a handler and no update handler
    EXPECT_FALSE(IsEnabled(hFile, ID_WORD_MODIFY));  // its update handler says no
    EXPECT_FALSE(IsEnabled(hFile, ID_WORD_DELETE));  // nobody handles it
    EXPECT_FALSE(IsEnabled(hFile, ID_APP_EXIT));

    // The next opening shows the new state, both ways.
    m_pFrame->m_nDirection = 1;
    m_pFrame->m_bWordSelected = TRUE;
    m_pFrame->m_bBusy = TRUE;
    InitPopup(hFile);
    EXPECT_FALSE(IsChecked(hFile, ID_ENGLISH_ROMANIAN));
    EXPECT_TRUE(IsChecked(hFile, ID_ROMANIAN_ENGLISH));
    EXPECT_TRUE(IsRadio(hFile, ID_ROMANIAN_ENGLISH));
    EXPECT_TRUE(IsEnabled(hFile, ID_WORD_MODIFY));
    EXPECT_FALSE(IsEnabled(hFile, ID_ENGLISH_ROMANIAN));
    EXPECT_FALSE(IsEnabled(hFile, ID_ROMANIAN_ENGLISH));

    HMENU hView = Popup(kViewMenu);
    InitPopup(hView);
    EXPECT_TRUE(IsChecked(hView, ID_VIEW_BOX_WORD));
    EXPECT_FALSE(IsRadio(hView, ID_VIEW_BOX_WORD));
    m_pFrame->m_bBoxWord = FALSE;
    InitPopup(hView);
    EXPECT_FALSE(IsChecked(hView, ID_VIEW_BOX_WORD));

    // A submenu is no command: it stays enabled; its own items are updated
    // when it opens.
    HMENU hOptions = Popup(kOptionsMenu);
    InitPopup(hOptions);
    EXPECT_EQ(0u, GetMenuState(hOptions, 3, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED));
    HMENU hEscape = GetSubMenu(hOptions, 3);
    ASSERT_NE(nullptr, hEscape);
    EXPECT_TRUE(IsEnabled(hEscape, ID_ESCAPE_CLOSE));
    InitPopup(hEscape);
    EXPECT_FALSE(IsEnabled(hEscape, ID_ESCAPE_CLOSE));

    // The system menu is the system's business.
    EnableMenuItem(hFile, ID_WORD_DELETE, MF_BYCOMMAND | MF_ENABLED);
    ::SendMessageA(m_hFrame, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hFile), MAKELPARAM(0, TRUE));
    EXPECT_TRUE(IsEnabled(hFile, ID_WORD_DELETE));
}

TEST_F(CommandUiTest, DisabledCommandIsNotCarriedOut) {
    // Escape has an accelerator and no menu item; the direction commands have both.
    m_pFrame->m_bEscapeEnabled = FALSE;
    m_pFrame->m_bBusy = TRUE;
    EXPECT_TRUE(PressKey(VK_ESCAPE));
    {
        CKeyboardState ctrl({{VK_CONTROL, 0x80}});
        EXPECT_TRUE(PressKey('E'));
    }
    m_pFrame->SendMessage(WM_COMMAND, MAKEWPARAM(ID_ESCAPE, 1));  // accelerator
    m_pFrame->SendMessage(WM_COMMAND, MAKEWPARAM(ID_ESCAPE, 0));  // menu
    m_pFrame->SendMessage(WM_COMMAND, MAKEWPARAM(ID_ROMANIAN_ENGLISH, 0));
    EXPECT_EQ(Log(), CommandLog());

    m_pFrame->m_bEscapeEnabled = TRUE;
    m_pFrame->m_bBusy = FALSE;
    EXPECT_TRUE(PressKey(VK_ESCAPE));
    {
        CKeyboardState ctrl({{VK_CONTROL, 0x80}});
        EXPECT_TRUE(PressKey('E'));
    }
    m_pFrame->SendMessage(WM_COMMAND, MAKEWPARAM(ID_ESCAPE, 1));
    m_pFrame->SendMessage(WM_COMMAND, MAKEWPARAM(ID_ESCAPE, 0));
    m_pFrame->SendMessage(WM_COMMAND, MAKEWPARAM(ID_ROMANIAN_ENGLISH, 0));
    EXPECT_EQ(Log({"escape", "english-romanian", "escape", "escape", "romanian-english"}), CommandLog());

    // A key without an accelerator goes on to the window.
    EXPECT_FALSE(PressKey('E'));
}

TEST_F(CommandUiTest, ToolbarButtonsFollowTheirUpdateHandlersAtIdle) {
    Idle();
    EXPECT_TRUE(ButtonEnabled(ID_ENGLISH_ROMANIAN));
    EXPECT_TRUE(ButtonChecked(ID_ENGLISH_ROMANIAN));
    EXPECT_FALSE(ButtonChecked(ID_ROMANIAN_ENGLISH));
    EXPECT_TRUE(ButtonEnabled(ID_WORD_ADD));
    EXPECT_FALSE(ButtonEnabled(ID_WORD_MODIFY));
    EXPECT_FALSE(ButtonEnabled(ID_WORD_DELETE));        // nobody handles it
    EXPECT_FALSE(ButtonEnabled(ID_ABOUT_APPLICATION));  // nor this one
    EXPECT_TRUE(ButtonChecked(ID_VIEW_BOX_WORD));
    EXPECT_TRUE(m_pFrame->m_wndWordBar.GetDlgItem(IDC_WORDBOX)->IsWindowEnabled());

    m_pFrame->m_nDirection = 1;
    m_pFrame->m_bWordSelected = TRUE;
    m_pFrame->m_bBoxWord = FALSE;
    m_pFrame->m_bWordBoxEnabled = FALSE;
    Idle();
    EXPECT_FALSE(ButtonChecked(ID_ENGLISH_ROMANIAN));
    EXPECT_TRUE(ButtonChecked(ID_ROMANIAN_ENGLISH));
    EXPECT_TRUE(ButtonEnabled(ID_WORD_MODIFY));
    EXPECT_FALSE(ButtonChecked(ID_VIEW_BOX_WORD));
    EXPECT_FALSE(m_pFrame->m_wndWordBar.GetDlgItem(IDC_WORDBOX)->IsWindowEnabled());

    m_pFrame->m_bBusy = TRUE;
    Idle();
    EXPECT_FALSE(ButtonEnabled(ID_ENGLISH_ROMANIAN));
    EXPECT_FALSE(ButtonEnabled(ID_ROMANIAN_ENGLISH));
    EXPECT_TRUE(ButtonChecked(ID_ROMANIAN_ENGLISH));
}

TEST_F(CommandUiTest, ToolbarButtonClickReachesItsCommand) {
    Idle();
    auto click = [&](UINT nID) {
        CRect rect;
        m_pFrame->m_wndToolBar.GetItemRect(m_pFrame->m_wndToolBar.CommandToIndex(nID), &rect);
        LPARAM lParam = MAKELPARAM(rect.left + rect.Width() / 2, rect.top + rect.Height() / 2);
        m_pFrame->m_wndToolBar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, lParam);
        m_pFrame->m_wndToolBar.SendMessage(WM_LBUTTONUP, 0, lParam);
    };
    click(ID_WORD_ADD);
    click(ID_WORD_MODIFY);  // disabled at idle
    click(ID_ROMANIAN_ENGLISH);
    EXPECT_EQ(Log({"add", "romanian-english"}), CommandLog());
}

namespace {

void CALLBACK QuitSoon(HWND, UINT, UINT_PTR idEvent, DWORD) {
    KillTimer(nullptr, idEvent);
    PostQuitMessage(5);
}

}  // namespace

TEST_F(CommandUiTest, MessageLoopTranslatesAcceleratorsAndDoesItsIdleWork) {
    AfxGetThread()->m_pMainWnd = m_pFrame;
    m_pFrame->ShowWindow(SW_SHOWNOACTIVATE);
    ASSERT_TRUE(ButtonEnabled(ID_WORD_DELETE));  // no idle time yet
    HWND hForeign = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                    GetModuleHandleA(nullptr), nullptr);
    CWnd::FromHandle(hForeign)->SetOwner(m_pFrame);  // marks the temporary object

    m_pFrame->PostMessage(WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    // Once the queue is empty the loop idles until the timer ends it.
    SetTimer(nullptr, 0, 50, QuitSoon);
    EXPECT_EQ(5, AfxGetThread()->Run());
    EXPECT_EQ(Log({"escape"}), CommandLog());
    EXPECT_FALSE(ButtonEnabled(ID_WORD_DELETE));
    EXPECT_EQ(nullptr, CWnd::FromHandle(hForeign)->GetOwner());  // temporary objects went too
    DestroyWindow(hForeign);
}

TEST_F(CommandUiTest, KeyIndicatorsShowTheLockKeysAtIdle) {
    EXPECT_EQ("CAP", PaneText(1));
    EXPECT_EQ("NUM", PaneText(2));
    EXPECT_EQ("SCRL", PaneText(3));
    {
        CKeyboardState keys({{VK_CAPITAL, 0x01}, {VK_NUMLOCK, 0x00}, {VK_SCROLL, 0x01}});
        Idle();
        EXPECT_EQ("CAP", PaneText(1));
        EXPECT_EQ("", PaneText(2));
        EXPECT_EQ("SCRL", PaneText(3));
    }
    {
        CKeyboardState keys({{VK_CAPITAL, 0x00}, {VK_NUMLOCK, 0x01}, {VK_SCROLL, 0x00}});
        Idle();
        EXPECT_EQ("", PaneText(1));
        EXPECT_EQ("NUM", PaneText(2));
        EXPECT_EQ("", PaneText(3));
    }
    // The message pane is not an indicator.
    m_pFrame->SetMessageText("Looking up");
    Idle();
    EXPECT_EQ("Looking up", PaneText(0));
}
