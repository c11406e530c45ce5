#include "WindowTestSupport.h"

#include "framework/WinApp.h"
#include "res/resource.h"
#include "widgets/SystemTray.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

const UINT WM_TRAY_NOTIFY = WM_APP + 3;
const UINT ID_TRAY = IDR_TRAYMENU;  // the icon's id and its menu
const UINT ID_NO_MENU = 999;        // an icon id with no menu resource
const UINT ID_RESTORE_COMMAND = 61202;
const UINT ID_EXIT_COMMAND = 57665;

BOOL AskShell(DWORD dwMessage, HWND hWnd, UINT uID) {
    NOTIFYICONDATAA nid = {};
    nid.cbSize = NOTIFYICONDATAA_V2_SIZE;
    nid.hWnd = hWnd;
    nid.uID = uID;
    return ::Shell_NotifyIconA(dwMessage, &nid);
}

// Whether the shell holds the icon: an empty modification succeeds only
// for a registered icon.
bool ShellKnows(HWND hWnd, UINT uID) {
    return AskShell(NIM_MODIFY, hWnd, uID) != FALSE;
}

// What a restarting shell does to the icons it held.
void ShellForgets(HWND hWnd, UINT uID) {
    AskShell(NIM_DELETE, hWnd, uID);
}

struct Posted {
    UINT message;
    WPARAM wParam;
    bool operator==(const Posted& other) const { return message == other.message && wParam == other.wParam; }
};

std::ostream& operator<<(std::ostream& os, const Posted& p) {
    return os << "{0x" << std::hex << p.message << ", " << std::dec << p.wParam << "}";
}

// A hidden window that receives the icon's commands; the test reads what
// was posted to it straight from its queue.
class CTargetWnd : public CWnd {
public:
    CTargetWnd() { CreateEx(0, AfxRegisterWndClass(0), "Target", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr); }

    // Commands and WM_NULL posted since the last call, in order.
    std::vector<Posted> TakePosted() {
        std::vector<Posted> posted;
        MSG msg;
        while (::PeekMessageA(&msg, m_hWnd, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_COMMAND || msg.message == WM_NULL || msg.message == WM_SYSCOMMAND)
                posted.push_back({msg.message, msg.wParam});
        }
        return posted;
    }
};

// Records the submenu it is handed just before the popup shows.
class CRecordingTray : public CSystemTray {
public:
    void PrepareMenu(HMENU hSubMenu) override {
        m_hPreparedMenu = hSubMenu;
        m_nPreparedDefault = ::GetMenuDefaultItem(hSubMenu, FALSE, 0);
        m_nPreparedCount = ::GetMenuItemCount(hSubMenu);
    }
    HMENU m_hPreparedMenu = nullptr;
    UINT m_nPreparedDefault = 0;
    int m_nPreparedCount = 0;
};

// The popup's modal loop runs inside OnIconNotify; a thread timer looks at
// the menu it shows and then ends the loop (closing it or choosing an item).
struct PopupDriver {
    enum Action { Cancel, ChooseRestore } action = Cancel;
    HWND hWndTarget = nullptr;
    int nTicks = 0;
    HWND hWndPopup = nullptr;
    HMENU hMenuShown = nullptr;
    RECT rcPopup = {};
};

PopupDriver* g_pDriver = nullptr;

BOOL CALLBACK FindPopup(HWND hWnd, LPARAM lParam) {
    char szClass[16] = "";
    ::GetClassNameA(hWnd, szClass, sizeof(szClass));
    if (std::strcmp(szClass, "#32768") == 0 && ::IsWindowVisible(hWnd)) {
        *reinterpret_cast<HWND*>(lParam) = hWnd;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK DrivePopup(HWND, UINT, UINT_PTR, DWORD) {
    if (!g_pDriver)
        return;
    PopupDriver& d = *g_pDriver;
    ++d.nTicks;
    HWND hWndPopup = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), FindPopup, reinterpret_cast<LPARAM>(&hWndPopup));
    if (hWndPopup && !d.hWndPopup) {
        d.hWndPopup = hWndPopup;
        d.hMenuShown = reinterpret_cast<HMENU>(::SendMessageA(hWndPopup, MN_GETHMENU, 0, 0));
        ::GetWindowRect(hWndPopup, &d.rcPopup);
        if (d.action == PopupDriver::ChooseRestore) {
            ::PostMessageA(hWndPopup, WM_CHAR, 'r', 0);
            return;
        }
    }
    if (d.hWndPopup || d.nTicks > 10) {
        // Closing, and again on later ticks if the first request was missed.
        ::PostMessageA(d.hWndTarget, WM_CANCELMODE, 0, 0);
        if (d.nTicks > 20)
            ::EndMenu();
    }
}

class SystemTrayTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_hIcon = AfxGetApp()->LoadIcon(IDR_MAINFRAME);
        ASSERT_TRUE(m_hIcon);
        ASSERT_TRUE(m_target.m_hWnd);
    }

    // As the frame creates it: no parent, no balloon.
    void CreateShown(CSystemTray& tray, UINT uID = ID_TRAY, LPCSTR lpszTip = "Double-click to open") {
        ASSERT_TRUE(
            tray.Create(nullptr, WM_TRAY_NOTIFY, lpszTip, m_hIcon, uID, FALSE, nullptr, nullptr, 1, 10));
        tray.m_pNotifyTarget = &m_target;
    }

    // Sends the shell's callback. A popup it opens runs its modal loop in
    // here: the driver's timer looks at it and ends it, and a watchdog ends
    // it should the timer never get through, so no test can hang on a menu.
    LRESULT Notify(CSystemTray& tray, UINT uID, UINT nEvent, PopupDriver* pDriver = nullptr) {
        PopupDriver cancel;
        PopupDriver& driver = pDriver ? *pDriver : cancel;
        driver.hWndTarget = m_target.m_hWnd;
        g_pDriver = &driver;
        UINT_PTR nTimer = ::SetTimer(nullptr, 0, 30, DrivePopup);
        std::atomic<bool> bDone(false);
        HWND hWndTarget = m_target.m_hWnd;
        std::thread watchdog([&] {
            for (int i = 0; i < 150 && !bDone; ++i)
                ::Sleep(10);
            if (!bDone) {
                ::PostMessageA(hWndTarget, WM_CANCELMODE, 0, 0);
                ::EndMenu();
            }
        });
        DWORD dwStart = ::GetTickCount();
        LRESULT lResult = tray.SendMessage(WM_TRAY_NOTIFY, uID, nEvent);
        m_dwElapsed = ::GetTickCount() - dwStart;
        bDone = true;
        watchdog.join();
        ::KillTimer(nullptr, nTimer);
        g_pDriver = nullptr;
        return lResult;
    }

    bool Registered(const CSystemTray& tray) { return ShellKnows(tray.m_hWnd, tray.m_nid.uID); }

    static std::string Presence(const CSystemTray& tray) {
        std::string s = tray.m_bRemoved ? "removed" : "registered";
        s += tray.m_bHidden ? " hidden" : " shown";
        if (tray.m_bAddPending)
            s += " pending";
        return s;
    }

    HICON m_hIcon = nullptr;
    DWORD m_dwElapsed = 0;  // of the last notification
    CTargetWnd m_target;
    CSystemTray m_tray;
};

// --- Creation and presence -------------------------------------------------

TEST_F(SystemTrayTest, CreateRegistersAShownIconThroughAHiddenWindow) {
    EXPECT_FALSE(m_tray.m_hWnd) << "the constructor creates no window";
    EXPECT_EQ("removed hidden", Presence(m_tray));
    EXPECT_TRUE(m_tray.m_bBalloonCapable) << "Wine reports Windows 6.1 of the NT family";

    CreateShown(m_tray);
    EXPECT_EQ("registered shown", Presence(m_tray));
    EXPECT_TRUE(Registered(m_tray));
    EXPECT_EQ(m_hIcon, m_tray.GetIcon());
    EXPECT_EQ(static_cast<DWORD>(NOTIFYICONDATAA_V2_SIZE), m_tray.m_nid.cbSize);
    if (sizeof(void*) == 8) {
        EXPECT_EQ(504u, m_tray.m_nid.cbSize);
    }
    EXPECT_EQ(static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP), m_tray.m_nAddFlags);
    EXPECT_EQ(128, CSystemTray::s_nMaxTipLength);
    // The shell talks to the hidden window: a top-level popup, not shown.
    EXPECT_EQ(m_tray.m_hWnd, m_tray.m_nid.hWnd);
    EXPECT_EQ(static_cast<DWORD>(WS_POPUP), m_tray.GetStyle() & (WS_POPUP | WS_CHILD | WS_VISIBLE));
    EXPECT_FALSE(::GetParent(m_tray.m_hWnd));
    EXPECT_EQ(::RegisterWindowMessageA("TaskbarCreated"), CSystemTray::s_nTaskbarCreatedMsg);

    // ... unless a parent with a window is given.
    CSystemTray child;
    ASSERT_TRUE(child.Create(&m_target, WM_TRAY_NOTIFY, "tip", m_hIcon, ID_TRAY));
    EXPECT_EQ(m_target.m_hWnd, child.m_nid.hWnd);
    EXPECT_TRUE(ShellKnows(m_target.m_hWnd, ID_TRAY));
}

TEST_F(SystemTrayTest, TextsAreCutToTheirBuffers) {
    const std::string tip(200, 't'), text(300, 'b'), title(100, 'h');
    ASSERT_TRUE(m_tray.Create(nullptr, WM_TRAY_NOTIFY, tip.c_str(), m_hIcon, ID_TRAY, FALSE, text.c_str(),
                              title.c_str(), NIIF_WARNING, 7));
    EXPECT_EQ(tip.substr(0, 127), m_tray.m_nid.szTip);
    // The balloon went with the add. Only its first byte is cleared, so the
    // rest still shows where the text was cut.
    EXPECT_EQ(static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_INFO), m_tray.m_nAddFlags);
    EXPECT_EQ('\0', m_tray.m_nid.szInfo[0]);
    EXPECT_EQ(text.substr(1, 254), m_tray.m_nid.szInfo + 1);
    EXPECT_EQ(title.substr(0, 63), m_tray.m_nid.szInfoTitle);
    EXPECT_EQ(7000u, m_tray.m_nid.uTimeout);
    EXPECT_EQ(static_cast<DWORD>(NIIF_WARNING), m_tray.m_nid.dwInfoFlags);

    EXPECT_TRUE(m_tray.ShowBalloon(text.c_str(), title.c_str(), NIIF_ERROR, 3));
    EXPECT_EQ(static_cast<UINT>(NIF_INFO), m_tray.m_nid.uFlags);
    EXPECT_EQ('\0', m_tray.m_nid.szInfo[0]);
    EXPECT_EQ(text.substr(1, 254), m_tray.m_nid.szInfo + 1);
    EXPECT_EQ(title.substr(0, 63), m_tray.m_nid.szInfoTitle);
    EXPECT_EQ(3000u, m_tray.m_nid.uTimeout);
    EXPECT_EQ(static_cast<DWORD>(NIIF_ERROR), m_tray.m_nid.dwInfoFlags);

    // Texts that just fit are kept whole; no title is an empty one.
    EXPECT_TRUE(m_tray.ShowBalloon(std::string(255, 'f').c_str(), nullptr, NIIF_INFO, 10));
    EXPECT_EQ(std::string(254, 'f'), m_tray.m_nid.szInfo + 1);
    EXPECT_STREQ("", m_tray.m_nid.szInfoTitle);
    CSystemTray exact;
    ASSERT_TRUE(exact.Create(nullptr, WM_TRAY_NOTIFY, std::string(127, 'e').c_str(), m_hIcon, ID_TRAY));
    EXPECT_EQ(std::string(127, 'e'), exact.m_nid.szTip);
}

TEST_F(SystemTrayTest, BalloonOfCreateIsNotShownAgainOnReAdd) {
    ASSERT_TRUE(m_tray.Create(nullptr, WM_TRAY_NOTIFY, "tip", m_hIcon, ID_TRAY, FALSE, "Updated", "Tav",
                              NIIF_INFO, 10));
    ShellForgets(m_tray.m_hWnd, ID_TRAY);
    m_tray.SendMessage(CSystemTray::s_nTaskbarCreatedMsg);
    EXPECT_TRUE(Registered(m_tray));
    EXPECT_EQ(m_tray.m_nAddFlags, m_tray.m_nid.uFlags);
    EXPECT_EQ('\0', m_tray.m_nid.szInfo[0]);
}

TEST_F(SystemTrayTest, CreatedHiddenStaysRegisteredAndHidden) {
    ASSERT_TRUE(m_tray.Create(nullptr, WM_TRAY_NOTIFY, "tip", m_hIcon, ID_TRAY, TRUE, "Balloon", nullptr,
                              NIIF_INFO, 10));
    EXPECT_EQ(static_cast<UINT>(NIF_STATE), m_tray.m_nAddFlags);
    EXPECT_EQ(static_cast<DWORD>(NIS_HIDDEN), m_tray.m_nid.dwState & m_tray.m_nid.dwStateMask);
    EXPECT_EQ("registered hidden", Presence(m_tray));
    EXPECT_TRUE(Registered(m_tray));

    EXPECT_TRUE(m_tray.ShowIcon());
    EXPECT_EQ("registered shown", Presence(m_tray));
    EXPECT_EQ(0u, m_tray.m_nid.dwState);
    EXPECT_TRUE(Registered(m_tray));
}

TEST_F(SystemTrayTest, PresenceMovesBetweenShownHiddenAndRemoved) {
    CreateShown(m_tray);
    EXPECT_TRUE(m_tray.HideIcon());
    EXPECT_EQ("registered hidden", Presence(m_tray));
    EXPECT_EQ(static_cast<UINT>(NIF_STATE), m_tray.m_nid.uFlags);
    EXPECT_EQ(static_cast<DWORD>(NIS_HIDDEN), m_tray.m_nid.dwState);
    EXPECT_TRUE(Registered(m_tray)) << "a hidden icon stays with the shell";
    EXPECT_TRUE(m_tray.HideIcon());
    EXPECT_EQ("registered hidden", Presence(m_tray));

    EXPECT_TRUE(m_tray.ShowIcon());
    EXPECT_EQ("registered shown", Presence(m_tray));
    EXPECT_EQ(0u, m_tray.m_nid.dwState);
    EXPECT_TRUE(m_tray.ShowIcon());

    EXPECT_TRUE(m_tray.RemoveIcon());
    EXPECT_EQ("removed hidden", Presence(m_tray));
    EXPECT_FALSE(Registered(m_tray));
    EXPECT_TRUE(m_tray.RemoveIcon());
    EXPECT_TRUE(m_tray.HideIcon());
    EXPECT_EQ("removed hidden", Presence(m_tray));

    EXPECT_TRUE(m_tray.ShowIcon());
    EXPECT_EQ("registered shown", Presence(m_tray));
    EXPECT_TRUE(Registered(m_tray));
    // Adding a registered icon removes it first, so the shell takes it again.
    EXPECT_TRUE(m_tray.AddIcon());
    EXPECT_EQ("registered shown", Presence(m_tray));
    EXPECT_TRUE(Registered(m_tray));
}

TEST_F(SystemTrayTest, ShellWithoutIconStatesRemovesInsteadOfHiding) {
    m_tray.m_bBalloonCapable = FALSE;
    ASSERT_TRUE(m_tray.Create(nullptr, WM_TRAY_NOTIFY, "tip", m_hIcon, ID_TRAY, FALSE, "Balloon", "Title",
                              NIIF_INFO, 10));
    EXPECT_EQ(static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP), m_tray.m_nAddFlags) << "no balloon";
    EXPECT_TRUE(m_tray.HideIcon());
    EXPECT_EQ("removed hidden", Presence(m_tray));
    EXPECT_FALSE(Registered(m_tray));
    EXPECT_TRUE(m_tray.ShowIcon());
    EXPECT_EQ("registered shown", Presence(m_tray));
    EXPECT_TRUE(Registered(m_tray));

    NOTIFYICONDATAA before = m_tray.m_nid;
    EXPECT_FALSE(m_tray.ShowBalloon("Text", "Title", NIIF_INFO, 10));
    EXPECT_EQ(0, std::memcmp(&before, &m_tray.m_nid, sizeof(before)));

    // Such a shell cannot hold a hidden icon: nothing is added yet.
    CSystemTray hidden;
    hidden.m_bBalloonCapable = FALSE;
    ASSERT_TRUE(hidden.Create(nullptr, WM_TRAY_NOTIFY, "tip", m_hIcon, ID_TRAY, TRUE));
    EXPECT_EQ("removed hidden", Presence(hidden));
    EXPECT_FALSE(Registered(hidden));
    EXPECT_TRUE(hidden.ShowIcon());
    EXPECT_TRUE(Registered(hidden));
}

TEST_F(SystemTrayTest, DestructionRemovesTheIconAndTheWindow) {
    HWND hWnd = nullptr;
    {
        // The icon belongs to a window that outlives the object, so the
        // shell cannot drop it on its own when the hidden window goes.
        CSystemTray tray;
        ASSERT_TRUE(tray.Create(&m_target, WM_TRAY_NOTIFY, "tip", m_hIcon, ID_TRAY));
        hWnd = tray.m_hWnd;
        ASSERT_TRUE(ShellKnows(m_target.m_hWnd, ID_TRAY));
    }
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_FALSE(ShellKnows(m_target.m_hWnd, ID_TRAY));
}

// --- The shell starting again ----------------------------------------------

TEST_F(SystemTrayTest, TaskbarCreatedBringsBackOnlyAShownIcon) {
    CreateShown(m_tray);
    ShellForgets(m_tray.m_hWnd, ID_TRAY);
    EXPECT_EQ(0, m_tray.SendMessage(CSystemTray::s_nTaskbarCreatedMsg));
    EXPECT_TRUE(Registered(m_tray));
    EXPECT_EQ("registered shown", Presence(m_tray));

    ASSERT_TRUE(m_tray.HideIcon());
    ShellForgets(m_tray.m_hWnd, ID_TRAY);
    m_tray.SendMessage(CSystemTray::s_nTaskbarCreatedMsg);
    EXPECT_FALSE(Registered(m_tray)) << "a hidden icon stays away";
    EXPECT_TRUE(m_tray.m_bHidden);

    ASSERT_TRUE(m_tray.AddIcon());
    ASSERT_TRUE(m_tray.RemoveIcon());
    m_tray.SendMessage(CSystemTray::s_nTaskbarCreatedMsg);
    EXPECT_FALSE(Registered(m_tray)) << "a removed icon stays away";
    EXPECT_TRUE(m_tray.m_bRemoved);
}

// A start at log-in: the window hides before the taskbar exists, so every
// add fails; the icon must come when the taskbar does, or the user has no
// way back to the program.
TEST_F(SystemTrayTest, AnIconAskedForBeforeTheTaskbarExistsComesWithIt) {
    class CLateTaskbarTray : public CSystemTray {
    public:
        bool m_bTaskbar = false;

    protected:
        BOOL NotifyShell(DWORD dwMessage) override {
            return m_bTaskbar ? CSystemTray::NotifyShell(dwMessage) : FALSE;
        }
    } tray;
    EXPECT_FALSE(
        tray.Create(nullptr, WM_TRAY_NOTIFY, "Tip", m_hIcon, ID_TRAY, FALSE, nullptr, nullptr, 1, 10));
    tray.m_pNotifyTarget = &m_target;
    tray.ShowIcon();  // the window hides into the notification area
    EXPECT_FALSE(Registered(tray));
    tray.m_bTaskbar = true;
    tray.SendMessage(CSystemTray::s_nTaskbarCreatedMsg);
    EXPECT_TRUE(Registered(tray));
    EXPECT_EQ("registered shown", Presence(tray));
    tray.RemoveIcon();
}

TEST_F(SystemTrayTest, WorkAreaChangeBringsBackAShownIcon) {
    CreateShown(m_tray);
    ShellForgets(m_tray.m_hWnd, ID_TRAY);
    m_tray.SendMessage(WM_SETTINGCHANGE, SPI_SETDESKWALLPAPER);
    EXPECT_FALSE(Registered(m_tray)) << "other settings leave the icon alone";
    m_tray.SendMessage(WM_SETTINGCHANGE, SPI_SETWORKAREA);
    EXPECT_TRUE(Registered(m_tray));
    EXPECT_EQ("registered shown", Presence(m_tray));

    ASSERT_TRUE(m_tray.HideIcon());
    ShellForgets(m_tray.m_hWnd, ID_TRAY);
    m_tray.SendMessage(WM_SETTINGCHANGE, SPI_SETWORKAREA);
    EXPECT_FALSE(Registered(m_tray));
    EXPECT_EQ("registered hidden", Presence(m_tray));
}

TEST_F(SystemTrayTest, WorkAreaChangeWhileTheShellStillHasTheIconKeepsItShown) {
    // The shell refuses to add an icon it has; the icon must not be taken
    // for hidden then, or hiding the window later would leave it showing.
    CreateShown(m_tray);
    m_tray.SendMessage(WM_SETTINGCHANGE, SPI_SETWORKAREA);
    EXPECT_TRUE(Registered(m_tray));
    EXPECT_EQ("registered shown", Presence(m_tray));
    EXPECT_FALSE(m_tray.m_bAddPending);
    EXPECT_TRUE(m_tray.HideIcon());
    EXPECT_EQ("registered hidden", Presence(m_tray));
}

// --- Mouse and balloon events ---------------------------------------------

TEST_F(SystemTrayTest, DoubleClickAndBalloonClickPostTheirCommands) {
    CreateShown(m_tray);
    EXPECT_TRUE(m_tray.SetMenuDefaultItem(2, TRUE));
    EXPECT_EQ(1, Notify(m_tray, ID_TRAY, WM_LBUTTONDBLCLK));
    EXPECT_EQ((std::vector<Posted>{{WM_COMMAND, ID_RESTORE_COMMAND}}), m_target.TakePosted());

    EXPECT_TRUE(m_tray.SetMenuDefaultItem(ID_EXIT_COMMAND, FALSE));
    EXPECT_EQ(1, Notify(m_tray, ID_TRAY, WM_LBUTTONDBLCLK));
    EXPECT_EQ((std::vector<Posted>{{WM_COMMAND, ID_EXIT_COMMAND}}), m_target.TakePosted());

    EXPECT_EQ(1, Notify(m_tray, ID_TRAY, NIN_BALLOONUSERCLICK));
    EXPECT_EQ((std::vector<Posted>{{WM_COMMAND, 0}}), m_target.TakePosted());
    m_tray.m_nBalloonCommand = ID_RESTORE_COMMAND;
    EXPECT_EQ(1, Notify(m_tray, ID_TRAY, NIN_BALLOONUSERCLICK));
    EXPECT_EQ((std::vector<Posted>{{WM_COMMAND, ID_RESTORE_COMMAND}}), m_target.TakePosted());
}

TEST_F(SystemTrayTest, OtherEventsAndOtherIconsPostNothing) {
    CreateShown(m_tray);
    m_tray.SetMenuDefaultItem(2, TRUE);
    const UINT kIgnored[] = {WM_LBUTTONUP, WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_RBUTTONDOWN, NIN_BALLOONSHOW};
    for (UINT nEvent : kIgnored) {
        EXPECT_EQ(1, Notify(m_tray, ID_TRAY, nEvent)) << std::hex << nEvent;
        EXPECT_TRUE(m_target.TakePosted().empty()) << std::hex << nEvent;
    }
    EXPECT_EQ(0, Notify(m_tray, ID_TRAY + 1, WM_LBUTTONDBLCLK));
    EXPECT_EQ(0, Notify(m_tray, ID_TRAY + 1, WM_RBUTTONUP));
    EXPECT_TRUE(m_target.TakePosted().empty());
    m_tray.SendMessage(WM_TRAY_NOTIFY + 1, ID_TRAY, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(m_target.TakePosted().empty()) << "only the callback message is the shell's";
}

TEST_F(SystemTrayTest, CommandsGoToTheMainWindowUnlessATargetIsSet) {
    CreateShown(m_tray);
    m_tray.m_pNotifyTarget = nullptr;
    CWinThread* pThread = AfxGetThread();
    CWnd* pOldMainWnd = pThread->m_pMainWnd;
    pThread->m_pMainWnd = nullptr;
    EXPECT_EQ(0, Notify(m_tray, ID_TRAY, WM_LBUTTONDBLCLK)) << "no one to tell";

    pThread->m_pMainWnd = &m_target;
    EXPECT_EQ(1, Notify(m_tray, ID_TRAY, WM_LBUTTONDBLCLK));
    pThread->m_pMainWnd = pOldMainWnd;
    EXPECT_EQ((std::vector<Posted>{{WM_COMMAND, 32786}}), m_target.TakePosted()) << "position 0 by default";
}

TEST_F(SystemTrayTest, MissingMenuPostsNothing) {
    CreateShown(m_tray, ID_NO_MENU);
    EXPECT_EQ(0, Notify(m_tray, ID_NO_MENU, WM_LBUTTONDBLCLK));
    EXPECT_EQ(0, Notify(m_tray, ID_NO_MENU, WM_RBUTTONUP));
    EXPECT_TRUE(m_target.TakePosted().empty());

    // The stored values need no menu; new ones are kept even without one.
    EXPECT_TRUE(m_tray.SetMenuDefaultItem(0, TRUE));
    EXPECT_FALSE(m_tray.SetMenuDefaultItem(ID_EXIT_COMMAND, FALSE));
    EXPECT_TRUE(m_tray.SetMenuDefaultItem(ID_EXIT_COMMAND, FALSE));
    EXPECT_EQ(1, Notify(m_tray, ID_NO_MENU, WM_LBUTTONDBLCLK));
    EXPECT_EQ((std::vector<Posted>{{WM_COMMAND, ID_EXIT_COMMAND}}), m_target.TakePosted());
}

TEST_F(SystemTrayTest, RightButtonShowsTheMenuAtTheCursorWithTheDefaultMarked) {
    CRecordingTray tray;
    CreateShown(tray);
    ASSERT_TRUE(tray.SetMenuDefaultItem(2, TRUE));
    POINT ptCursor;
    ::GetCursorPos(&ptCursor);

    PopupDriver driver;
    EXPECT_EQ(1, Notify(tray, ID_TRAY, WM_RBUTTONUP, &driver));
    EXPECT_LT(m_dwElapsed, 1500u) << "the popup was closed by the watchdog";
    EXPECT_EQ(5, tray.m_nPreparedCount) << "the first submenu of menu 132";
    EXPECT_EQ(ID_RESTORE_COMMAND, tray.m_nPreparedDefault);
    ASSERT_TRUE(driver.hWndPopup) << "no popup menu was seen";
    EXPECT_EQ(tray.m_hPreparedMenu, driver.hMenuShown);
    EXPECT_EQ(ptCursor.x, driver.rcPopup.left);
    EXPECT_EQ(ptCursor.y, driver.rcPopup.top);
    EXPECT_FALSE(::IsMenu(tray.m_hPreparedMenu)) << "the loaded menu is destroyed";
    EXPECT_EQ((std::vector<Posted>{{WM_NULL, 0}}), m_target.TakePosted());
}

TEST_F(SystemTrayTest, ChosenItemReachesTheTarget) {
    CRecordingTray tray;
    CreateShown(tray);
    ASSERT_TRUE(tray.SetMenuDefaultItem(ID_EXIT_COMMAND, FALSE));

    PopupDriver driver;
    driver.action = PopupDriver::ChooseRestore;
    EXPECT_EQ(1, Notify(tray, ID_TRAY, WM_RBUTTONUP, &driver));
    EXPECT_LT(m_dwElapsed, 1500u);
    EXPECT_EQ(ID_EXIT_COMMAND, tray.m_nPreparedDefault) << "a default given by command";
    EXPECT_EQ((std::vector<Posted>{{WM_COMMAND, ID_RESTORE_COMMAND}, {WM_NULL, 0}}), m_target.TakePosted());
}

// --- Animation -------------------------------------------------------------

class SystemTrayAnimationTest : public SystemTrayTest {
protected:
    void SetUp() override {
        SystemTrayTest::SetUp();
        CreateShown(m_tray);
        ASSERT_TRUE(m_tray.SetIconList(IDI_ANIM_FIRST, IDI_ANIM_LAST));
    }

    // Index of the shown icon in the frame list, -1 for another icon.
    int ShownFrame() {
        for (INT_PTR i = 0; i < m_tray.m_aIcons.GetSize(); ++i) {
            if (m_tray.m_aIcons[i] == m_tray.GetIcon())
                return static_cast<int>(i);
        }
        return -1;
    }

    static COleDateTime SecondsAgo(int nSeconds) {
        return COleDateTime::GetCurrentTime() + COleDateTimeSpan(-nSeconds / 86400.0);
    }
};

TEST_F(SystemTrayAnimationTest, SetIconListLoadsOneIconPerId) {
    ASSERT_EQ(8, m_tray.m_aIcons.GetSize());
    for (INT_PTR i = 0; i < 8; ++i) {
        EXPECT_TRUE(m_tray.m_aIcons[i]) << i;
        for (INT_PTR j = 0; j < i; ++j)
            EXPECT_NE(m_tray.m_aIcons[j], m_tray.m_aIcons[i]) << j << " and " << i;
    }
    EXPECT_FALSE(m_tray.SetIconList(197, 190));
    EXPECT_EQ(8, m_tray.m_aIcons.GetSize()) << "a reversed range changes nothing";

    // Ids without an icon give null frames.
    ASSERT_TRUE(m_tray.SetIconList(196, 199));
    ASSERT_EQ(4, m_tray.m_aIcons.GetSize());
    EXPECT_TRUE(m_tray.m_aIcons[0] && m_tray.m_aIcons[1]);
    EXPECT_FALSE(m_tray.m_aIcons[2] || m_tray.m_aIcons[3]);
}

TEST_F(SystemTrayAnimationTest, FramesRunFromTheSecondAndWrap) {
    ASSERT_TRUE(m_tray.Animate(60000, 30));
    EXPECT_EQ(4567u, m_tray.m_nTimerId);
    std::vector<int> frames;
    for (int i = 0; i < 10; ++i) {
        EXPECT_TRUE(m_tray.StepAnimation());
        frames.push_back(ShownFrame());
    }
    EXPECT_EQ((std::vector<int>{1, 2, 3, 4, 5, 6, 7, 0, 1, 2}), frames);
    EXPECT_TRUE(Registered(m_tray));

    CSystemTray empty;
    CreateShown(empty);
    EXPECT_FALSE(empty.Animate(50, 30));
    EXPECT_EQ(0u, empty.m_nTimerId);
    EXPECT_FALSE(empty.StepAnimation());
    EXPECT_EQ(m_hIcon, empty.GetIcon());
}

TEST_F(SystemTrayAnimationTest, StopPutsTheEarlierIconBack) {
    ASSERT_TRUE(m_tray.Animate(60000, 30));
    m_tray.StepAnimation();
    m_tray.StepAnimation();
    // Starting again keeps the icon from before the first start.
    ASSERT_TRUE(m_tray.Animate(60000, 30));
    EXPECT_EQ(m_hIcon, m_tray.m_hIconBeforeAnim);
    m_tray.StepAnimation();
    EXPECT_EQ(1, ShownFrame());

    EXPECT_TRUE(m_tray.StopAnimation());
    EXPECT_EQ(0u, m_tray.m_nTimerId);
    EXPECT_EQ(m_hIcon, m_tray.GetIcon());
    EXPECT_FALSE(m_tray.StopAnimation()) << "no timer to kill";
    EXPECT_EQ(m_hIcon, m_tray.GetIcon());
}

TEST_F(SystemTrayAnimationTest, TimerStepsUntilTheLengthHasPassed) {
    ASSERT_TRUE(m_tray.Animate(20, 30));
    m_tray.m_timeAnimStart = SecondsAgo(28);
    EXPECT_TRUE(PumpUntil([&] { return m_tray.m_nFrame >= 3; }, 1500)) << "still within the length";
    EXPECT_EQ(m_tray.m_nFrame, ShownFrame());
    int nFrame = m_tray.m_nFrame;
    m_tray.SendMessage(WM_TIMER, 1234);
    EXPECT_EQ(nFrame, m_tray.m_nFrame) << "another timer's tick is not ours";

    m_tray.m_timeAnimStart = SecondsAgo(33);
    EXPECT_TRUE(PumpUntil([&] { return m_tray.m_nTimerId == 0; }, 1500));
    EXPECT_EQ(m_hIcon, m_tray.GetIcon());

    // A length of 0 runs until stopped.
    ASSERT_TRUE(m_tray.Animate(20, 0));
    m_tray.m_timeAnimStart = SecondsAgo(100000);
    EXPECT_TRUE(PumpUntil([&] { return m_tray.m_nFrame >= 2; }, 1500));
    EXPECT_EQ(4567u, m_tray.m_nTimerId);
}

}  // namespace
