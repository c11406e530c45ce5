// Faults the program meets while it runs: its dictionary file deleted or
// put out of reach by a directory of the same name.
#include "../unit/TempDir.h"
#include "DialogDriver.h"
#include "ProgramFixture.h"

#include "dictionary/DictionaryPaths.h"
#include "res/resource.h"

#include <string>
#include <vector>

namespace {

using Words = std::vector<std::string>;

}  // namespace

class FaultsTest : public ProgramTest {
protected:
    void Select(const char* word) {
        CListBox list(m_pFrame->GetWordList()->m_hWnd);
        list.SetCurSel(list.FindString(-1, word));
    }
};

TEST_F(FaultsTest, ADictionaryDeletedOrReplacedByADirectoryWhileRunningIsNeitherCreatedNorRemoved) {
    const CFilePath path = GetProgramFilePath("en.tmp");
    for (bool bDirectory : {false, true}) {
        StartProgram("bank:banca\r\nhouse:casa\r\n");
        ASSERT_TRUE(DeleteFileW(path.c_str()));
        if (bDirectory) {
            ASSERT_TRUE(CreateDirectoryW(path.c_str(), nullptr));
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
        EXPECT_EQ(bDirectory, FileExists(path.ForDisplay().Str())) << bDirectory;
        EXPECT_FALSE(FileExists(GetProgramFilePath(kTempFileName).ForDisplay().Str())) << bDirectory;
        // Loading it again says so, with empty lists.
        Command(ID_ROMANIAN_ENGLISH);
        Command(ID_ENGLISH_ROMANIAN);
        EXPECT_EQ(CString("Can not open database"), StatusText()) << bDirectory;
        EXPECT_TRUE(Rows(m_pFrame->GetWordList()).empty()) << bDirectory;
        CloseProgram();
        RemoveDirectoryW(path.c_str());
    }
}
