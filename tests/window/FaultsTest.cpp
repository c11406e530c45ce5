// Faults the program meets while it runs: its dictionary file deleted or
// put out of reach by a directory of the same name, and settings that
// nothing of the program wrote.
#include "DialogDriver.h"
#include "ProgramFixture.h"

#include "dictionary/DictionaryPaths.h"
#include "res/resource.h"

#include <string>
#include <vector>

namespace {

using Words = std::vector<std::string>;

bool Exists(LPCSTR lpszPath) {
    return GetFileAttributesA(lpszPath) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

class FaultsTest : public ProgramTest {
protected:
    void Command(UINT nID) { m_pFrame->SendMessage(WM_COMMAND, nID); }
    void Select(const char* word) {
        CListBox list(m_pFrame->GetWordList()->m_hWnd);
        list.SetCurSel(list.FindString(-1, word));
    }
    // What the update handler of a command says, as a menu item would show it.
    int CheckOf(UINT nID) {
        CTestCmdUI state;
        state.m_nID = nID;
        m_pFrame->OnCmdMsg(nID, CN_UPDATE_COMMAND_UI, &state, nullptr);
        return state.m_nCheck;
    }
};

TEST_F(FaultsTest, ADictionaryDeletedOrReplacedByADirectoryWhileRunningIsNeitherCreatedNorRemoved) {
    const CString strPath = GetProgramFilePath("en.tmp");
    for (bool bDirectory : {false, true}) {
        WriteDictionary(0, "bank:banca\r\nhouse:casa\r\n");
        StartProgram();
        ASSERT_TRUE(DeleteFileA(strPath));
        if (bDirectory) {
            ASSERT_TRUE(CreateDirectoryA(strPath, nullptr));
        }
        {
            DialogDriver driver(nullptr, {[](HWND h) {
                                    TypeText(h, IDC_WORD, "tree");
                                    TypeText(h, IDC_TRANSLATIONS, "copac");
                                    ClickButton(h, IDOK);
                                }});
            Command(ID_WORD_ADD);
        }
        EXPECT_EQ(CString("Can not open database for addition"), StatusText()) << bDirectory;
        Select("bank");
        {
            DialogDriver driver(nullptr, {[](HWND h) {
                                    TypeText(h, IDC_TRANSLATIONS, "mal");
                                    ClickButton(h, IDOK);
                                }});
            Command(ID_WORD_MODIFY);
        }
        EXPECT_EQ(CString("Can not open database for modification"), StatusText()) << bDirectory;
        Command(ID_UNLOCK_DELETE);
        {
            DialogDriver driver("Confirm Word Delete",
                                {[](HWND h) { PostMessageA(h, WM_COMMAND, IDYES, 0); }});
            Command(ID_WORD_DELETE);
        }
        EXPECT_EQ(CString("Can not open database for deletion"), StatusText()) << bDirectory;
        // The lists stay as they were; nothing was made in the file's place.
        EXPECT_EQ((Words{"bank", "house"}), Rows(m_pFrame->GetWordList())) << bDirectory;
        EXPECT_EQ(bDirectory, Exists(strPath)) << bDirectory;
        EXPECT_FALSE(Exists(GetProgramFilePath(kTempFileName))) << bDirectory;
        // Loading it again says so, with empty lists.
        Command(ID_ROMANIAN_ENGLISH);
        Command(ID_ENGLISH_ROMANIAN);
        EXPECT_EQ(CString("Can not open database"), StatusText()) << bDirectory;
        EXPECT_TRUE(Rows(m_pFrame->GetWordList()).empty()) << bDirectory;
        CloseProgram();
        RemoveDirectoryA(strPath);
    }
}

TEST_F(FaultsTest, OptionsOutsideZeroAndOneOrOfTheWrongTypeCountAsMissing) {
    WriteDictionary(0, "bank:banca\r\n");
    struct Variant {
        DWORD dwType;
        std::string data;
    };
    const Variant variants[] = {
        {REG_DWORD, std::string("\x07\0\0\0", 4)},  // out of range
        {REG_DWORD, std::string("\xFF\xFF\xFF\xFF", 4)},
        {REG_DWORD, std::string("\x01\0", 2)},  // too short for a number
        {REG_SZ, std::string("1\0", 2)},
        {REG_BINARY, std::string("\x01\0\0\0", 4)},
    };
    const LPCSTR options[] = {"AutoStart", "HideWhenMinimized", "HideWhenClose", "AlwaysOnTop"};
    for (const Variant& variant : variants) {
        HKEY hKey = theApp.GetSectionKey(kSettingsSection);
        ASSERT_NE(nullptr, hKey);
        for (LPCSTR lpszName : options)
            RegSetValueExA(hKey, lpszName, 0, variant.dwType,
                           reinterpret_cast<const BYTE*>(variant.data.data()),
                           static_cast<DWORD>(variant.data.size()));
        RegCloseKey(hKey);
        EXPECT_FALSE(theApp.GetSettingsFlag("AutoStart"));

        StartProgram();
        EXPECT_FALSE(m_pFrame->m_bAutoStart);
        EXPECT_FALSE(m_pFrame->m_bHideWhenMinimized);
        EXPECT_FALSE(m_pFrame->m_bHideWhenClose);
        EXPECT_FALSE(m_pFrame->m_bAlwaysOnTop);
        for (UINT nID : {ID_OPTIONS_START_WITH_WINDOWS, ID_OPTIONS_HIDE_WHEN_MINIMIZED,
                         ID_OPTIONS_HIDE_WHEN_CLOSE, ID_VIEW_ALWAYS_ON_TOP})
            EXPECT_EQ(0, CheckOf(nID)) << nID;
        EXPECT_FALSE(m_pFrame->GetExStyle() & WS_EX_TOPMOST);
        // Minimising leaves the window in the taskbar, as without the option.
        m_pFrame->ShowWindow(SW_MINIMIZE);
        PumpMessages();
        EXPECT_TRUE(m_pFrame->IsWindowVisible());
        CloseProgram();
        for (LPCSTR lpszName : options)
            EXPECT_EQ(0u, theApp.GetProfileInt(kSettingsSection, lpszName, 9)) << lpszName;
    }
    // Exactly 1 is on.
    theApp.WriteProfileInt(kSettingsSection, "AlwaysOnTop", 1);
    StartProgram();
    EXPECT_TRUE(m_pFrame->m_bAlwaysOnTop);
    EXPECT_TRUE(m_pFrame->GetExStyle() & WS_EX_TOPMOST);
}
