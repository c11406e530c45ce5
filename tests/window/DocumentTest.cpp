#include "ProgramFixture.h"

#include "res/resource.h"

namespace {

std::string Lines(int nCount) {
    std::string bytes;
    for (int i = 0; i < nCount; ++i)
        bytes += "w" + std::to_string(i) + ":t\r\n";
    return bytes;
}

using Texts = std::vector<std::string>;

}  // namespace

using DocumentTest = ProgramTest;

TEST_F(DocumentTest, LoadsHeadWordsSortedAndKeepsTheLines) {
    WriteDictionary(
        0, "banana:banan\r\nApple:companie\r\n\r\napple:m\xE3r\r\nno colon\r\n:only\r\nbank:banc\xE3|mal\n");
    StartProgram();
    // Equal texts but for case: the row added later stands first.
    EXPECT_EQ((Texts{"", "", "apple", "Apple", "banana", "bank"}), Rows(m_pFrame->GetWordList()));
    EXPECT_EQ(6, m_pDoc->m_listLines.GetCount());  // the empty line is skipped
    EXPECT_EQ(CString("Ready"), StatusText());
    EXPECT_EQ(CString("English - Romanian"), Title());
}

TEST_F(DocumentTest, ShowsTheItemsOfEveryLineOfTheSelectedWord) {
    WriteDictionary(0, "bank:banca|mal\r\nhouse:casa\r\nbank:\xFE\xE3rm\r\nHouse:x\r\nbank:a||b\r\n");
    StartProgram();
    CListBox words(m_pFrame->GetWordList()->m_hWnd);
    CWnd* pTranslations = m_pFrame->GetTranslationList();
    // No selection: nothing changes.
    m_pDoc->ShowTranslations();
    EXPECT_TRUE(Rows(pTranslations).empty());

    words.SetCurSel(words.FindString(-1, "bank"));
    m_pDoc->ShowTranslations();
    EXPECT_EQ((Texts{"", "a", "b", "banca", "mal", "\xFE\xE3rm"}), Rows(pTranslations));

    // Case counts: House shows only its own line.
    int nHouse = -1;
    for (int i = 0; i < words.GetCount(); ++i) {
        CString strRow;
        words.GetText(i, strRow);
        if (strRow == "House")
            nHouse = i;
    }
    ASSERT_GE(nHouse, 0);
    words.SetCurSel(nHouse);
    m_pDoc->ShowTranslations();
    EXPECT_EQ((Texts{"x"}), Rows(pTranslations));
}

TEST_F(DocumentTest, ProgressMaximumOnlyForFilesOverThreeThousandLines) {
    WriteDictionary(0, Lines(3000));
    WriteDictionary(1, Lines(3001));
    StartProgram();
    EXPECT_EQ(0, m_pDoc->m_nEnProgressMax);
    EXPECT_EQ(3501, m_pDoc->m_nRoProgressMax);
    EXPECT_EQ(3000, CListBox(m_pFrame->GetWordList()->m_hWnd).GetCount());
    EXPECT_EQ(CString("Ready"), StatusText());
}

TEST_F(DocumentTest, MissingFileStartsEmptyWithItsMessage) {
    StartProgram();
    EXPECT_TRUE(Rows(m_pFrame->GetWordList()).empty());
    EXPECT_EQ(CString("Can not open database"), StatusText());
    // Switching to a direction whose file is missing leaves both lists empty.
    WriteDictionary(0, "a:b\r\n");
    m_pFrame->SendMessage(WM_LOAD_DICTIONARY, 0);
    EXPECT_EQ(1u, Rows(m_pFrame->GetWordList()).size());
    m_pFrame->SendMessage(WM_LOAD_DICTIONARY, 1);
    EXPECT_TRUE(Rows(m_pFrame->GetWordList()).empty());
    EXPECT_EQ(CString("Can not open database"), StatusText());
    EXPECT_EQ(CString("Romanian - English"), Title());
}

TEST_F(DocumentTest, SurvivesGarbageNulBytesAndHugeLines) {
    std::string bytes("nul\0inside:x\r\n", 14);
    bytes += "huge:" + std::string(4 * 1024 * 1024, 'h') + "\r\n";
    for (int i = 0; i < 2000; ++i)
        bytes += static_cast<char>((i * 7919) % 256);
    bytes +=
        "\r\nafter:y\x1A"
        "hidden:z\r\n";
    WriteDictionary(0, bytes);
    StartProgram();
    Texts rows = Rows(m_pFrame->GetWordList());
    EXPECT_FALSE(rows.empty());
    EXPECT_NE(rows.end(), std::find(rows.begin(), rows.end(), "huge"));
    EXPECT_EQ(rows.end(), std::find(rows.begin(), rows.end(), "hidden"));  // text ends at 0x1A
}

TEST_F(DocumentTest, RefusesNewOpenAndSave) {
    WriteDictionary(0, "a:b\r\n");
    StartProgram();
    m_pFrame->SendMessage(WM_COMMAND, ID_FILE_NEW);
    EXPECT_EQ(CString("This application can not create new documents"), StatusText());
    m_pFrame->SendMessage(WM_COMMAND, ID_FILE_OPEN);
    EXPECT_EQ(CString("This application can not open documents"), StatusText());
    m_pFrame->SendMessage(WM_COMMAND, ID_FILE_SAVE);
    EXPECT_EQ(CString("This application can not save documents"), StatusText());
    EXPECT_EQ(1u, Rows(m_pFrame->GetWordList()).size());
}
