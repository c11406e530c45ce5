// The property sheet over the system's: the start page first, other pages
// attached when shown, their notifications, data exchange and message maps,
// and PreTranslateMessage under the system's own modal loop.
#include "SheetDriver.h"

#include "framework/PropertySheet.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const UINT WM_TEST_SEEN = WM_APP + 7;   // let through by PreTranslateMessage
const UINT WM_TEST_TAKEN = WM_APP + 8;  // taken by it

std::vector<std::string> g_log;

size_t At(const std::string& entry) {
    return static_cast<size_t>(std::find(g_log.begin(), g_log.end(), entry) - g_log.begin());
}
bool Logged(const std::string& entry) {
    return At(entry) < g_log.size();
}

class CRecordingControl : public CWnd {
public:
    BOOL PreTranslateMessage(MSG* pMsg) override {
        if (pMsg->message == WM_TEST_SEEN || pMsg->message == WM_TEST_TAKEN)
            m_seen.push_back(pMsg->message);
        return pMsg->message == WM_TEST_TAKEN;
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_TEST_SEEN || message == WM_TEST_TAKEN)
            m_dispatched.push_back(message);
        return CWnd::WindowProc(message, wParam, lParam);
    }
    std::vector<UINT> m_seen, m_dispatched;
};

class CLogPage : public CPropertyPage {
public:
    CLogPage(UINT nIDTemplate, const char* pszName) : CPropertyPage(nIDTemplate), m_strName(pszName) {}
    BOOL OnInitDialog() override {
        Log("init");
        return CPropertyPage::OnInitDialog();
    }
    BOOL OnSetActive() override {
        Log("active");
        return TRUE;
    }
    BOOL OnKillActive() override {
        Log("inactive");
        return CPropertyPage::OnKillActive();
    }
    void OnOK() override { Log("ok"); }
    void OnCancel() override { Log("cancel"); }
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Text(pDX, IDC_VERSION, m_strVersion);
        DDX_Control(pDX, IDC_WEBSITE_LINK, m_recorder);
    }
    CString m_strVersion;
    CRecordingControl m_recorder;
    DECLARE_MESSAGE_MAP()

private:
    void Log(const char* pszWhat) { g_log.push_back(m_strName + ":" + pszWhat); }
    void OnAdvanced() { Log("advanced"); }
    std::string m_strName;
};

BEGIN_MESSAGE_MAP(CLogPage, CPropertyPage)
ON_BN_CLICKED(IDC_ADVANCED, OnAdvanced)
END_MESSAGE_MAP()

class PropertySheetTest : public ::testing::Test {
protected:
    PropertySheetTest() : m_sheet("Sheet test", nullptr, 1) {
        g_log.clear();
        m_sheet.AddPage(&m_app);
        m_sheet.AddPage(&m_sys);
    }
    SheetRun Run(const std::function<void(HWND)>& act) {
        return RunModalSheet(
            "Sheet test", [this] { return m_sheet.DoModal(); }, act);
    }
    CPropertySheet m_sheet;
    CLogPage m_app{IDD_ABOUT_APPLICATION, "app"};
    CLogPage m_sys{IDD_ABOUT_SYSTEM, "sys"};
};

}  // namespace

TEST_F(PropertySheetTest, AttachesPagesAsShownAndRunsTheirMessageMaps) {
    m_app.m_strVersion = "from the member";
    std::string strVersion;
    SheetRun run = Run([&](HWND hSheet) {
        EXPECT_EQ(hSheet, m_sheet.m_hWnd);
        EXPECT_EQ(&m_sys, m_sheet.GetActivePage());
        EXPECT_EQ(CurrentPage(hSheet), m_sys.m_hWnd);
        EXPECT_EQ(&m_sheet, m_sys.GetParentSheet());
        EXPECT_EQ(nullptr, m_app.m_hWnd) << "a page is made when first shown";
        SendMessageA(GetDlgItem(m_sys.m_hWnd, IDC_ADVANCED), BM_CLICK, 0, 0);

        SendMessageA(hSheet, PSM_SETCURSEL, 0, 0);
        EXPECT_EQ(0, m_sheet.GetActiveIndex());
        EXPECT_EQ(CurrentPage(hSheet), m_app.m_hWnd);
        strVersion = ItemText(m_app.m_hWnd, IDC_VERSION);
        // Under the system's loop the page's windows still get
        // PreTranslateMessage; Escape closes the sheet, as the pages leave
        // the dialog keys to it.
        PostMessageA(m_app.m_recorder.m_hWnd, WM_TEST_SEEN, 0, 0);
        PostMessageA(m_app.m_recorder.m_hWnd, WM_TEST_TAKEN, 0, 0);
        PostMessageA(m_app.m_recorder.m_hWnd, WM_KEYDOWN, VK_ESCAPE, 0);
    });
    EXPECT_TRUE(run.bSeen && !run.bTimedOut);
    EXPECT_EQ(0, run.nResult);
    EXPECT_EQ("from the member", strVersion) << "data exchange at the page's start";
    EXPECT_TRUE(Logged("sys:advanced"));
    EXPECT_LT(At("sys:init"), At("sys:active"));
    EXPECT_LT(At("sys:inactive"), At("app:active"));
    EXPECT_TRUE(Logged("app:cancel") && Logged("sys:cancel") && !Logged("sys:ok"));
    EXPECT_EQ((std::vector<UINT>{WM_TEST_SEEN, WM_TEST_TAKEN}), m_app.m_recorder.m_seen);
    EXPECT_EQ((std::vector<UINT>{WM_TEST_SEEN}), m_app.m_recorder.m_dispatched);
    EXPECT_EQ(nullptr, m_sheet.m_hWnd);
    EXPECT_EQ(nullptr, m_app.m_hWnd);
    EXPECT_EQ(nullptr, m_app.m_recorder.m_hWnd);
}
