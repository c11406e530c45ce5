#include "ProgramFixture.h"

#include "../unit/RandomDictionary.h"
#include "../unit/TempDir.h"
#include "bench/Straightforward.h"
#include "dictionary/DictionaryLoad.h"
#include "dictionary/DictionaryPaths.h"
#include "frame/ListViews.h"
#include "frame/WordListFill.h"
#include "frame/WordSearch.h"

#include <algorithm>

namespace {

using Rows = std::vector<std::string>;

// Word lists as the program's, in a window of their own.
class WordListFill : public ::testing::Test {
protected:
    void SetUp() override {
        m_hParent =
            CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(nullptr, m_hParent);
    }
    void TearDown() override { DestroyWindow(m_hParent); }

    HWND NewList(DWORD dwStyle = CList1::kStyle) const {
        return CreateWindowExW(0, L"ListBox", L"", dwStyle, 0, 0, 200, 300, m_hParent, nullptr, nullptr,
                               nullptr);
    }
    // The rows adding every line's head word with LB_ADDSTRING leaves.
    Rows AddedOneByOne(const dictionary::LoadedLines& lines) const {
        HWND hList = NewList();
        for (size_t i = 0; i < lines.Size(); ++i)
            CListBox(hList).AddString(std::string(lines.HeadWordAt(i)).c_str());
        Rows rows = ListRows(hList);
        DestroyWindow(hList);
        return rows;
    }

    HWND m_hParent = nullptr;
    TempDir m_dir;
};

}  // namespace

// A load leaves the rows adding them one by one would leave, and the word
// box finds what going row by row finds. (Which line each row shows is the
// large dictionary's test below.)
TEST_F(WordListFill, LeavesTheRowsAddingThemOneByOneWouldAndFindsWhatGoingRowByRowFinds) {
    RandomDictionary random(8);
    for (int n = 0; n < 70; ++n) {
        dictionary::LoadedLines lines;
        dictionary::WordListIndex index;
        WriteBytes(m_dir.File("en.tmp"), random.File(random.Below(n < 60 ? 300 : 2500), n % 3 == 0));
        HWND hList = NewList();
        ASSERT_TRUE(
            LoadDictionaryFile(m_dir.File("en.tmp").c_str(), ListBoxFill(hList), lines, index).Succeeded());
        const Rows rows = ListRows(hList);
        ASSERT_EQ(AddedOneByOne(lines), rows) << "dictionary " << n;
        ASSERT_EQ(rows.size(), index.RowCount());
        for (int k = 0; k < 50; ++k) {
            const CString strText(random.Typed(rows));
            ASSERT_EQ(FindWordBeginningWith(hList, strText), FindWordBeginningWith(hList, strText, &index))
                << "typed " << strText << " in dictionary " << n;
        }
        DestroyWindow(hList);
    }
}

// The program itself, with a dictionary of thousands of lines. (Its list
// and the word box's search are the functions the cases above check.)
class LargeDictionaryTest : public ProgramTest {};

TEST_F(LargeDictionaryTest, TranslationsAreThoseOfTheStraightforwardWay) {
    RandomDictionary random(11);
    StartProgram(random.File(4000));
    CWnd* pWords = m_pFrame->GetWordList();
    const std::vector<std::string> rows = Rows(pWords);

    // The translations of a selected row: the items of every line of its
    // word, as the list sorts them.
    CStringList plainLines;
    ASSERT_TRUE(LoadOneByOne(GetProgramFilePath("en.tmp"), nullptr, plainLines));
    CWnd* pTranslations = m_pFrame->GetTranslationList();
    HWND hItems = CreateWindowExW(0, L"ListBox", L"", CList2::kStyle & ~WS_VISIBLE, 0, 0, 100, 100,
                                  m_pFrame->m_hWnd, nullptr, nullptr, nullptr);
    for (int k = 0; k < 30; ++k) {
        // Not the empty row: it gathers the hundreds of lines without a head
        // word, which the unit tests look after.
        const int nRow = static_cast<int>(random.Below(rows.size()));
        if (rows[static_cast<size_t>(nRow)].empty())
            continue;
        CListBox(pWords->m_hWnd).SetCurSel(nRow);
        m_pDoc->ShowTranslations();
        CListBox(hItems).ResetContent();
        for (const std::string& item : ScanTranslations(plainLines, CString(rows[static_cast<size_t>(nRow)])))
            CListBox(hItems).AddString(item.c_str());
        ASSERT_EQ(Rows(CWnd::FromHandle(hItems)), Rows(pTranslations))
            << "row " << rows[static_cast<size_t>(nRow)];
    }
    DestroyWindow(hItems);
}
