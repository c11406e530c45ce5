// The About sheet as the program opens it: either page first, the version
// from the version resource, the links, the machine facts (from a registry
// key of the test's own), the one "&Close" button, and "&Advanced" with the
// system information tool missing, started, or failing to start.
#include "SheetDriver.h"

#include "app/ServerHost.h"
#include "res/resource.h"
#include "widgets/AboutSheet.h"
#include "widgets/AboutSystemPage.h"

#include <gtest/gtest.h>

namespace {

const char kProcessorKey[] = "HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\0";

std::string UserName() {
    char szUser[260] = "";
    DWORD cchUser = sizeof(szUser);
    GetUserNameA(szUser, &cchUser);
    return szUser;
}

class AboutSheetTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string strId = std::to_string(GetCurrentProcessId());
        m_strKey = "Software\\TavTests-About-" + strId;
        RegCreateKeyExA(HKEY_CURRENT_USER, m_strKey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &m_hKey,
                        nullptr);
        CAboutSystemPage::s_hMachineKey = m_hKey;
        CAboutSystemPage::s_pfnShellExecute = CLinkStatic::s_pfnShellExecute = RecordShellExecute;
        g_shellCalls.clear();
        g_nShellResult = 42;
        char szTemp[MAX_PATH] = "";
        GetTempPathA(sizeof(szTemp), szTemp);
        m_strFolder = szTemp + ("TavAboutTest-" + strId);
        m_strTool = m_strFolder + "\\MSInfo32.exe";
    }
    void TearDown() override {
        CAboutSystemPage::s_hMachineKey = HKEY_LOCAL_MACHINE;
        CAboutSystemPage::s_pfnShellExecute = CLinkStatic::s_pfnShellExecute = &::ShellExecuteA;
        RegCloseKey(m_hKey);
        RegDeleteTreeA(HKEY_CURRENT_USER, m_strKey.c_str());
        DeleteFileA(m_strTool.c_str());
        RemoveDirectoryA(m_strFolder.c_str());
    }
    void SetValue(LPCSTR lpszKey, LPCSTR lpszName, const std::string& strValue) {
        RegSetKeyValueA(m_hKey, lpszKey, lpszName, REG_SZ, strValue.c_str(),
                        static_cast<DWORD>(strValue.size() + 1));
    }
    void CreateTool() {
        CreateDirectoryA(m_strFolder.c_str(), nullptr);
        CloseHandle(CreateFileA(m_strTool.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    }
    static SheetRun Show(UINT nPage, const std::function<void(HWND)>& act) {
        return RunModalSheet(
            "About", [nPage] { return CAboutSheet::Show(nPage); }, act);
    }

    std::string m_strKey, m_strFolder, m_strTool;
    HKEY m_hKey = nullptr;
};

}  // namespace

TEST_F(AboutSheetTest, ApplicationPageShowsVersionAndLinksWithOneCloseButton) {
    std::string strTab, strVersion, strWebSite, strContact, strWebTip, strContactTip, strClose;
    bool bOkHidden = false, bApplyShown = true, bIcon = false;
    SheetRun run = Show(0, [&](HWND hSheet) {
        HWND hPage = CurrentPage(hSheet);
        strTab = std::to_string(SendMessageA(hSheet, PSM_HWNDTOINDEX, reinterpret_cast<WPARAM>(hPage), 0));
        strVersion = ItemText(hPage, IDC_VERSION);
        strWebSite = ItemText(hPage, IDC_WEBSITE_LINK);
        strContact = ItemText(hPage, IDC_CONTACT_LINK);
        strWebTip = LinkTipText(GetDlgItem(hPage, IDC_WEBSITE_LINK));
        strContactTip = LinkTipText(GetDlgItem(hPage, IDC_CONTACT_LINK));
        bOkHidden = GetDlgItem(hSheet, IDOK) && !IsWindowVisible(GetDlgItem(hSheet, IDOK));
        bApplyShown = IsWindowVisible(GetDlgItem(hSheet, 0x3021));  // Apply, if there is one
        strClose = ItemText(hSheet, IDCANCEL);
        bIcon = SendMessageA(hSheet, WM_GETICON, ICON_SMALL, 0) != 0;
        Click(GetDlgItem(hPage, IDC_WEBSITE_LINK));
        Click(GetDlgItem(hPage, IDC_CONTACT_LINK));
        SendMessageA(GetDlgItem(hSheet, IDCANCEL), BM_CLICK, 0, 0);
    });
    EXPECT_TRUE(run.bSeen && !run.bTimedOut) << "Close ends the sheet";
    EXPECT_EQ(0, run.nResult);
    EXPECT_EQ("0", strTab);
    EXPECT_EQ("2, 8, 0, 1", strVersion);
    EXPECT_EQ(std::string("http://") + kServerHost, strWebSite);
    EXPECT_EQ(0u, strContact.find("contact@")) << strContact;
    EXPECT_EQ("Click to visit web site", strWebTip);
    EXPECT_EQ("Click to send message", strContactTip);
    EXPECT_TRUE(bOkHidden);
    EXPECT_FALSE(bApplyShown);
    EXPECT_EQ("&Close", strClose);
    EXPECT_TRUE(bIcon);
    ASSERT_EQ(2u, g_shellCalls.size());
    EXPECT_EQ(std::string("http://") + kServerHost + "/tav", g_shellCalls[0].strFile);
    EXPECT_EQ("http://" + std::string(kServerHost) + "/contact", g_shellCalls[1].strFile);
}

TEST_F(AboutSheetTest, SystemPageShowsTheMachineFacts) {
    for (bool bValues : {true, false}) {
        if (bValues) {
            SetValue(kProcessorKey, "ProcessorNameString", "   Test Processor @ 3.00GHz  ");
            SetValue(kProcessorKey, "Identifier", "Intel64 Family 6 Model 158");
            DWORD dwMHz = 2993;
            RegSetKeyValueA(m_hKey, kProcessorKey, "~MHz", REG_DWORD, &dwMHz, sizeof(dwMHz));
        } else {
            RegDeleteTreeA(m_hKey, "HARDWARE");
        }
        std::string strIndex, strFacts, strUser, strVersion;
        SheetRun run = Show(1, [&](HWND hSheet) {
            HWND hPage = CurrentPage(hSheet);
            strIndex =
                std::to_string(SendMessageA(hSheet, PSM_HWNDTOINDEX, reinterpret_cast<WPARAM>(hPage), 0));
            strFacts = ItemText(hPage, IDC_CPU_NAME) + "|" + ItemText(hPage, IDC_CPU_IDENTIFIER) + "|" +
                       ItemText(hPage, IDC_CPU_SPEED) + "|" + ItemText(hPage, IDC_PHYSICAL_MEMORY);
            strUser = ItemText(hPage, IDC_USER_NAME);
            SendMessageA(hSheet, PSM_SETCURSEL, 0, 0);  // the other page, read when first shown
            strVersion = ItemText(CurrentPage(hSheet), IDC_VERSION);
            SendMessageA(GetDlgItem(hSheet, IDCANCEL), BM_CLICK, 0, 0);
        });
        EXPECT_TRUE(run.bSeen && !run.bTimedOut);
        EXPECT_EQ("1", strIndex);
        std::string strMemory = std::to_string(CAboutSystemPage::GetPhysicalMemoryMB()) + " MB";
        EXPECT_NE("0 MB", strMemory);
        EXPECT_EQ(bValues ? "Test Processor @ 3.00GHz|Intel64 Family 6 Model 158|2993 Mhz|" + strMemory
                          : "Unknow|Unknow|Unknow|" + strMemory,
                  strFacts);
        EXPECT_EQ(UserName(), strUser);
        EXPECT_EQ("2, 8, 0, 1", strVersion);
    }
}

TEST_F(AboutSheetTest, AdvancedStartsTheToolOrSaysWhyNotAndCloses) {
    struct Case {
        const char* pszName;
        const char* pszKey;  // where the tool is registered (null: nowhere)
        const char* pszValue;
        bool bPathIsFolder;
        INT_PTR nShellResult;
        size_t nShellCalls;
        const char* pszBox;  // null: no message box
    } cases[] = {
        {"missing", nullptr, nullptr, false, 42, 0, "'MsInfo32.exe' cannot be found !"},
        // A folder without its closing backslash still gets one separator.
        {"started", "Software\\Microsoft\\Shared Tools Location", "MSInfo", true, 42, 1, nullptr},
        {"failing", "Software\\Microsoft\\Shared Tools\\MSInfo", "Path", false, 32, 1,
         "Error Executing \"MsInfo32.exe\" !"},
    };
    for (const Case& c : cases) {
        RegDeleteTreeA(m_hKey, "Software");
        g_shellCalls.clear();
        g_nShellResult = c.nShellResult;
        if (c.pszKey) {
            CreateTool();
            SetValue(c.pszKey, c.pszValue, c.bPathIsFolder ? m_strFolder : m_strTool);
        }
        HWND hPage = nullptr;
        SheetRun run = Show(1, [&](HWND hSheet) {
            hPage = CurrentPage(hSheet);
            PostMessageA(GetDlgItem(hPage, IDC_ADVANCED), BM_CLICK, 0, 0);
        });
        EXPECT_TRUE(run.bSeen && !run.bTimedOut) << c.pszName << ": the sheet closes by itself";
        EXPECT_EQ(c.pszBox ? std::vector<std::string>{c.pszBox} : std::vector<std::string>{}, run.boxes)
            << c.pszName;
        ASSERT_EQ(c.nShellCalls, g_shellCalls.size()) << c.pszName;
        if (c.nShellCalls) {
            EXPECT_EQ(hPage, g_shellCalls[0].hWnd);
            EXPECT_EQ("open", g_shellCalls[0].strVerb);
            EXPECT_EQ(m_strTool, g_shellCalls[0].strFile) << c.pszName;
            EXPECT_FALSE(g_shellCalls[0].bExtras);
            EXPECT_EQ(SW_SHOWNORMAL, g_shellCalls[0].nShowCmd);
        }
    }
}
