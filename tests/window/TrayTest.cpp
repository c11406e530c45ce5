// The notification icon through a hidden start, a late or restarting
// taskbar and work-area changes: each step of a table, and what the icon and
// the shell say after it, compared with what the recorder saw.
#include "ProgramFixture.h"

#include "res/resource.h"
#include "widgets/SystemTray.h"

#include <functional>

namespace {

// A shell that can be missing (no taskbar yet) or forget its icons (restart).
class CTestTray : public CSystemTray {
public:
    bool m_bTaskbar = false;

    void ShellForgets() {
        if (m_bTaskbar)
            CSystemTray::NotifyShell(NIM_DELETE);
    }
    std::string State() {
        NOTIFYICONDATAA nid = {};
        nid.cbSize = NOTIFYICONDATAA_V2_SIZE;
        nid.hWnd = m_nid.hWnd;
        nid.uID = m_nid.uID;
        const bool bShellHasIt = m_bTaskbar && ::Shell_NotifyIconA(NIM_MODIFY, &nid);
        return std::string(m_bRemoved ? "removed" : "registered") + (m_bHidden ? " hidden" : " shown") +
               (bShellHasIt ? ", with the shell" : "");
    }

protected:
    BOOL NotifyShell(DWORD dwMessage) override { return m_bTaskbar && CSystemTray::NotifyShell(dwMessage); }
};

struct Step {
    const char* what;
    std::function<void(CTestTray&)> act;
    const char* expected;
};

}  // namespace

TEST(TrayTest, TheIconComesBackWheneverItIsMeantToShow) {
    auto taskbarCreated = [](CTestTray& t) { t.SendMessage(CSystemTray::s_nTaskbarCreatedMsg); };
    auto shellRestarts = [&](CTestTray& t) {
        t.ShellForgets();
        taskbarCreated(t);
    };
    auto workArea = [](CTestTray& t) { t.SendMessage(WM_SETTINGCHANGE, SPI_SETWORKAREA); };
    // clang-format off
    const Step steps[] = {
        // A start at log-in hides the window before the taskbar exists.
        {"created without a taskbar", [](CTestTray&) {}, "removed hidden"},
        {"window hidden into the icon", [](CTestTray& t) { t.ShowIcon(); }, "removed hidden"},
        {"taskbar appears", [&](CTestTray& t) { t.m_bTaskbar = true; taskbarCreated(t); },
         "registered shown, with the shell"},
        {"shell restarts", shellRestarts, "registered shown, with the shell"},
        // The shell refuses to add an icon it holds: that is no failure.
        {"work area changes", workArea, "registered shown, with the shell"},
        {"hidden", [](CTestTray& t) { t.HideIcon(); }, "registered hidden, with the shell"},
        {"shell restarts while hidden", shellRestarts, "registered hidden"},
        {"shown", [](CTestTray& t) { t.ShowIcon(); }, "registered shown, with the shell"},
        {"shell forgets, work area changes",
         [&](CTestTray& t) { t.ShellForgets(); t.SendMessage(WM_SETTINGCHANGE, SPI_SETDESKWALLPAPER); workArea(t); },
         "registered shown, with the shell"},
        {"removed", [](CTestTray& t) { t.RemoveIcon(); }, "removed hidden"},
        {"shell restarts while removed", taskbarCreated, "removed hidden"},
    };
    // clang-format on
    CTestTray tray;
    // As the frame creates it.
    tray.Create(nullptr, WM_APP + 3, "tip", AfxGetApp()->LoadIcon(IDR_MAINFRAME), IDR_TRAYMENU, FALSE);
    std::vector<std::string> expected, seen;
    for (const Step& step : steps) {
        step.act(tray);
        PumpMessages();
        expected.push_back(std::string(step.what) + ": " + step.expected);
        seen.push_back(std::string(step.what) + ": " + tray.State());
    }
    EXPECT_EQ(expected, seen);
}
