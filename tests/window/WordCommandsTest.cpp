#include "DialogDriver.h"
#include "ProgramFixture.h"

#include "dictionary/DictionaryPaths.h"
#include "res/resource.h"

#include <fstream>
#include <iterator>

namespace {

// Fills the dialog and accepts it.
DialogDriver::Step Fill(const char* word, const char* translations) {
    return [=](HWND h) {
        if (IsWindowEnabled(GetDlgItem(h, IDC_WORD)))
            TypeText(h, IDC_WORD, word);
        TypeText(h, IDC_TRANSLATIONS, translations);
        ClickButton(h, IDOK);
    };
}

DialogDriver::Step Answer(int nButton) {
    return [=](HWND h) { PostMessageA(h, WM_COMMAND, static_cast<WPARAM>(nButton), 0); };
}

}  // namespace

class WordCommandsTest : public ProgramTest {
protected:
    void SelectWord(const char* word) {
        CListBox list(m_pFrame->GetWordList()->m_hWnd);
        list.SetCurSel(list.FindString(-1, word));
    }
    std::string Selected() {
        CListBox list(m_pFrame->GetWordList()->m_hWnd);
        CString strText;
        list.GetText(list.GetCurSel(), strText);
        return strText.Str();
    }
    void Command(UINT nID) { m_pFrame->SendMessage(WM_COMMAND, nID); }
};

TEST_F(WordCommandsTest, ModifyStartsFromTheShownTranslationsAndRewritesTheFile) {
    WriteDictionary(0, "house:a|b\r\nbank:banca\r\nhouse:c\r\n");
    StartProgram();
    SelectWord("house");
    m_pDoc->ShowTranslations();
    std::string shown;
    DialogDriver driver(nullptr, {[&](HWND h) {
                            shown = DlgText(h, IDC_TRANSLATIONS);
                            Fill("", "casa,locuinta")(h);
                        }});
    Command(ID_WORD_MODIFY);
    EXPECT_EQ("a,b,c", shown);
    EXPECT_EQ("house:casa|locuinta\nbank:banca\n", ReadDictionary(0));
    EXPECT_EQ(CString("The modification has been successfully completed"), StatusText());
    EXPECT_EQ("house", Selected());
}

TEST_F(WordCommandsTest, DeleteWorksOnceAfterTheUnlock) {
    WriteDictionary(0, "apple:mar\r\nbank:banca\r\nhouse:casa\r\n");
    StartProgram();
    // Locked: the question first, then the refusal; No gives no message.
    SelectWord("bank");
    {
        DialogDriver driver("Confirm Word Delete", {Answer(IDNO)});
        Command(ID_WORD_DELETE);
    }
    EXPECT_EQ(CString("Ready"), StatusText());
    {
        std::string question;
        DialogDriver driver("Confirm Word Delete", {[&](HWND h) {
                                question = DlgText(h, 0xFFFF);
                                Answer(IDYES)(h);
                            }});
        Command(ID_WORD_DELETE);
        EXPECT_EQ("Are you sure you want to delete \"bank\" expresion ?", question);
    }
    EXPECT_EQ(CString("You can not delete words. For more details, please read help contents."),
              StatusText());

    Command(ID_UNLOCK_DELETE);
    EXPECT_EQ(CString("Now you can delete words"), StatusText());
    {
        DialogDriver driver("Confirm Word Delete", {Answer(IDYES)});
        Command(ID_WORD_DELETE);
    }
    EXPECT_EQ(CString("The deletion has been successfully completed"), StatusText());
    EXPECT_EQ("apple:mar\nhouse:casa\n", ReadDictionary(0));
    EXPECT_EQ(0, Selection(m_pFrame->GetWordList()));  // the word box emptied: first word selected
    {
        DialogDriver driver("Confirm Word Delete", {Answer(IDYES)});
        Command(ID_WORD_DELETE);
    }
    EXPECT_EQ(CString("You can not delete words. For more details, please read help contents."),
              StatusText());
}

TEST_F(WordCommandsTest, AnAddEvenCancelledOrASwitchLocksDeletionAgain) {
    WriteDictionary(0, "bank:banca\r\n");
    WriteDictionary(1, "banca:bank\r\n");
    StartProgram();
    Command(ID_UNLOCK_DELETE);
    {
        DialogDriver driver(nullptr, {[](HWND h) { ClickButton(h, IDCANCEL); }});
        Command(ID_WORD_ADD);
    }
    EXPECT_FALSE(m_pFrame->m_bDeleteAllowed);
    Command(ID_UNLOCK_DELETE);
    Command(ID_ROMANIAN_ENGLISH);
    EXPECT_FALSE(m_pFrame->m_bDeleteAllowed);
}

TEST_F(WordCommandsTest, NothingRunsDuringAnUpdateAndModifyNeedsASelection) {
    WriteDictionary(0, "bank:banca\r\n");
    StartProgram();
    SelectWord("bank");
    m_pFrame->m_nUpdateStep = 3;
    for (UINT nID : {ID_WORD_ADD, ID_WORD_MODIFY, ID_WORD_DELETE}) {
        m_pFrame->SetMessageText("");
        Command(nID);
        EXPECT_EQ(CString("Please wait until update process is done"), StatusText()) << nID;
    }
    m_pFrame->m_nUpdateStep = 8;
    CListBox(m_pFrame->GetWordList()->m_hWnd).SetCurSel(-1);
    CTestCmdUI state;
    state.m_nID = ID_WORD_MODIFY;
    m_pFrame->OnCmdMsg(ID_WORD_MODIFY, CN_UPDATE_COMMAND_UI, &state, nullptr);
    EXPECT_FALSE(state.m_bEnabled);
    m_pFrame->SetMessageText("");
    Command(ID_WORD_MODIFY);  // nothing selected: nothing happens
    EXPECT_EQ(CString(""), StatusText());
    EXPECT_EQ("bank:banca\r\n", ReadDictionary(0));
}

TEST_F(WordCommandsTest, AFailedEditKeepsItsMessageAndTheLists) {
    WriteDictionary(0, "bank:banca\r\n");
    StartProgram();
    SetFileAttributesA(GetProgramFilePath("en.tmp"), FILE_ATTRIBUTE_READONLY);
    DialogDriver driver(nullptr, {Fill("house", "casa")});
    Command(ID_WORD_ADD);
    EXPECT_EQ(CString("Can not open database for addition"), StatusText());
    EXPECT_EQ((std::vector<std::string>{"bank"}), Rows(m_pFrame->GetWordList()));
    SetFileAttributesA(GetProgramFilePath("en.tmp"), FILE_ATTRIBUTE_NORMAL);
}
