#include "ProgramFixture.h"

#include "res/resource.h"

namespace {

// "Begins with", ignoring case letter by letter, in the user's code page.
bool BeginsWith(std::string row, std::string prefix) {
    if (row.size() < prefix.size())
        return false;
    row.resize(prefix.size());
    if (!prefix.empty()) {
        CharUpperBuffA(&row[0], static_cast<DWORD>(row.size()));
        CharUpperBuffA(&prefix[0], static_cast<DWORD>(prefix.size()));
    }
    return row == prefix;
}

}  // namespace

class LookupTest : public ProgramTest {
protected:
    void Key(CWnd* pWnd, UINT nVirtKey) {
        PostMessageA(pWnd->m_hWnd, WM_KEYDOWN, nVirtKey, 1);
        PumpMessages();
    }
    HWND Focus() const { return ::GetFocus(); }
    void Activate() {
        m_pFrame->SetForegroundWindow();
        SetActiveWindow(m_pFrame->m_hWnd);
        PumpMessages(50);
    }
};

TEST_F(LookupTest, TypedTextSelectsTheFirstRowThatBeginsWithIt) {
    // Mixed case, Romanian letters (Windows-1250) and words that begin each other.
    const char* words[] = {
        "a",          "ab",    "Abc",     "abc",    "\xE3la",   "\xC3sta",  "\xFE\xE3r\xE3",
        "T\xE3t\xE3", "\xBAi", "\xAAir",  "\xEEmi", "\xEEnger", "\xCEnalt", "inel",
        "zebra",      "Zebra", "\xE2ine", "\xC2nc"};
    std::string bytes;
    for (const char* word : words)
        bytes += std::string(word) + ":x\r\n";
    WriteDictionary(0, bytes);
    StartProgram();
    CWnd* pWords = m_pFrame->GetWordList();
    std::vector<std::string> rows = Rows(pWords);
    const char* typed[] = {"A", "AB",   "abc",   "\xC3",  "\xE3L", "\xDE",  "\xFE\xE3",
                           "t", "\xAA", "\xBAI", "\xCE",  "\xEEN", "\xCEM", "INE",
                           "Z", "zebr", "\xC2",  "\xE2n", "q"};
    int nPrevious = Selection(pWords);
    for (const char* text : typed) {
        Type(text);
        int nExpected = nPrevious;  // nothing begins with it: the selection stays
        for (size_t i = 0; i < rows.size(); ++i) {
            if (BeginsWith(rows[i], text)) {
                nExpected = static_cast<int>(i);
                break;
            }
        }
        EXPECT_EQ(nExpected, Selection(pWords)) << "typed " << text;
        nPrevious = Selection(pWords);
    }
}

TEST_F(LookupTest, TranslationsAppearOnceAQuarterSecondAfterTheLastKeystroke) {
    WriteDictionary(0, "house:casa\r\nhousing:locuire\r\nhello:salut\r\n");
    StartProgram();
    const char* steps[] = {"h",     "ho",     "hou",     "hous",   "house",
                           "housi", "housin", "housing", "housin", "housing"};
    for (const char* text : steps) {
        Type(text);
        PumpMessages(20);
        EXPECT_TRUE(Rows(m_pFrame->GetTranslationList()).empty()) << "shown too early, after " << text;
    }
    DWORD dwLast = GetTickCount();
    EXPECT_TRUE(PumpUntil([&] { return !Rows(m_pFrame->GetTranslationList()).empty(); }, 2000));
    EXPECT_GE(GetTickCount() - dwLast, 200u);
    EXPECT_EQ((std::vector<std::string>{"locuire"}), Rows(m_pFrame->GetTranslationList()));
}

TEST_F(LookupTest, TabMovesBetweenWordBoxAndWordList) {
    WriteDictionary(0, "house:casa\r\nbank:banca\r\n");
    StartProgram();
    Activate();
    CWnd* pWords = m_pFrame->GetWordList();
    CWnd* pTranslations = m_pFrame->GetTranslationList();
    m_pFrame->FocusWordBox(TRUE);
    ASSERT_EQ(WordBox()->m_hWnd, Focus());
    Type("ban");
    Key(WordBox(), VK_TAB);
    EXPECT_EQ(pWords->m_hWnd, Focus());
    EXPECT_FALSE(m_pFrame->m_bFocusInWordBox);
    Key(pWords, VK_TAB);
    EXPECT_EQ(WordBox()->m_hWnd, Focus());
    DWORD dwStart = 0, dwEnd = 0;
    WordBox()->SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart), reinterpret_cast<LPARAM>(&dwEnd));
    EXPECT_EQ(3u, dwStart);  // the caret at the end of the text
    EXPECT_EQ(3u, dwEnd);

    // A list given the focus hands it on while the user works in the word box...
    pTranslations->SetFocus();
    PumpMessages();
    EXPECT_EQ(WordBox()->m_hWnd, Focus());
    // ...but keeps it after a click into the lists.
    PostMessageA(pTranslations->m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageA(pTranslations->m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    PumpMessages(30);
    EXPECT_FALSE(m_pFrame->m_bFocusInWordBox);
    pTranslations->SetFocus();
    PumpMessages();
    EXPECT_EQ(pTranslations->m_hWnd, Focus());

    // With the word bar hidden: Tab in the translations goes to the word
    // list, Tab in the word list stays there.
    m_pFrame->ShowControlBar(&m_pFrame->m_wndWordBar, FALSE, FALSE);
    Key(pTranslations, VK_TAB);
    EXPECT_EQ(pWords->m_hWnd, Focus());
    Key(pWords, VK_TAB);
    EXPECT_EQ(pWords->m_hWnd, Focus());
}

TEST_F(LookupTest, SwitchingKeepsTheWordAndLooksItUpInTheOtherDictionary) {
    WriteDictionary(0, "casa:house\r\nbank:banca\r\n");
    WriteDictionary(1, "banc\xE3:bank\r\ncas\xE3:house\r\ncasa:home\r\n");
    StartProgram();
    Activate();
    Type("cas");
    m_pFrame->SendMessage(WM_COMMAND, ID_ROMANIAN_ENGLISH);
    EXPECT_EQ(CString("Romanian - English"), Title());
    CString strBox;
    WordBox()->GetWindowText(strBox);
    EXPECT_EQ(CString("cas"), strBox);
    DWORD dwStart = 1, dwEnd = 0;
    WordBox()->SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart), reinterpret_cast<LPARAM>(&dwEnd));
    EXPECT_EQ(0u, dwStart);  // selected whole, ready to be typed over
    EXPECT_EQ(3u, dwEnd);
    CString strRow;
    CListBox list(m_pFrame->GetWordList()->m_hWnd);
    list.GetText(list.GetCurSel(), strRow);
    EXPECT_TRUE(strRow == "casa" || strRow == "cas\xE3");
    EXPECT_TRUE(PumpUntil([&] { return !Rows(m_pFrame->GetTranslationList()).empty(); }));

    // The same direction again: nothing happens.
    list.SetCurSel(0);
    m_pFrame->SendMessage(WM_COMMAND, ID_ROMANIAN_ENGLISH);
    EXPECT_EQ(0, list.GetCurSel());

    // During an update both commands are disabled, accelerators included.
    m_pFrame->m_nUpdateStep = 4;
    m_pFrame->SendMessage(WM_COMMAND, MAKEWPARAM(ID_ENGLISH_ROMANIAN, 1), 0);
    EXPECT_EQ(1, theApp.m_nDirection);
    m_pFrame->m_nUpdateStep = 8;
    m_pFrame->SendMessage(WM_COMMAND, MAKEWPARAM(ID_ENGLISH_ROMANIAN, 1), 0);
    EXPECT_EQ(0, theApp.m_nDirection);
}
