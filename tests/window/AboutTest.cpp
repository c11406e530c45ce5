// The About sheet's links lead to full web addresses on the server host, and
// the System page reads the processor's facts from the machine's key.
#include "DialogDriver.h"
#include "ProgramFixture.h"

#include "res/resource.h"
#include "widgets/AboutSheet.h"
#include "widgets/AboutSystemPage.h"
#include "widgets/LinkStatic.h"

#include <commctrl.h>

namespace {

std::vector<std::string> g_opened;

HINSTANCE WINAPI RecordOpen(HWND, LPCSTR, LPCSTR lpFile, LPCSTR, LPCSTR, INT) {
    g_opened.push_back(lpFile);
    return reinterpret_cast<HINSTANCE>(42);
}

HWND Page(HWND hSheet) {
    return reinterpret_cast<HWND>(SendMessageA(hSheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

void Click(HWND hDlg, int nID) {
    HWND hLink = GetDlgItem(hDlg, nID);
    SendMessageA(hLink, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageA(hLink, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}

}  // namespace

TEST(AboutTest, LinksOpenFullAddressesAndTheSystemPageShowsTheProcessor) {
    const char kKey[] = "Software\\TavWindowTests\\Machine";
    HKEY hKey = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hKey, nullptr);
    const char kProcessor[] = "HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\0";
    RegSetKeyValueA(hKey, kProcessor, "ProcessorNameString", REG_SZ, "  Test CPU @ 3GHz ", 19);
    DWORD dwMHz = 2993;
    RegSetKeyValueA(hKey, kProcessor, "~MHz", REG_DWORD, &dwMHz, sizeof(dwMHz));
    CAboutSystemPage::s_hMachineKey = hKey;
    CLinkStatic::s_pfnShellExecute = RecordOpen;
    g_opened.clear();

    std::string strFacts;
    {
        DialogDriver driver("About", {[&](HWND hSheet) {
                                Click(Page(hSheet), IDC_WEBSITE_LINK);
                                Click(Page(hSheet), IDC_CONTACT_LINK);
                                SendMessageA(hSheet, PSM_SETCURSEL, 1, 0);
                                strFacts = DlgText(Page(hSheet), IDC_CPU_NAME) + "|" +
                                           DlgText(Page(hSheet), IDC_CPU_IDENTIFIER) + "|" +
                                           DlgText(Page(hSheet), IDC_CPU_SPEED);
                                ClickButton(hSheet, IDCANCEL);
                            }});
        EXPECT_EQ(0, CAboutSheet::Show(0, "maker.test:8080"));
        EXPECT_TRUE(driver.Finished());
    }
    CAboutSystemPage::s_hMachineKey = HKEY_LOCAL_MACHINE;
    CLinkStatic::s_pfnShellExecute = &::ShellExecuteA;
    RegCloseKey(hKey);
    RegDeleteTreeA(HKEY_CURRENT_USER, kKey);

    const std::string strHost = "http://maker.test:8080";
    EXPECT_EQ((std::vector<std::string>{strHost + "/tav", strHost + "/contact"}), g_opened);
    EXPECT_EQ("Test CPU @ 3GHz|Unknow|2993 Mhz", strFacts);
}
