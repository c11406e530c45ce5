// CTavDoc: the lines of the loaded dictionary file. It fills the word list
// with their head words, the translation list with the translations of the
// selected word, and carries out the edits on the dictionary file.
#pragma once

#include "dictionary/Direction.h"
#include "dictionary/LoadedLines.h"
#include "dictionary/Suggestions.h"
#include "dictionary/WordForms.h"
#include "dictionary/WordListIndex.h"
#include "framework/Array.h"
#include "framework/Document.h"
#include "framework/FilePath.h"

#include <string_view>
#include <vector>

class COutcome;
class CFrameWnd;
class CWnd;

// What the document works with, handed to it by the frame that shows it.
struct DocumentWindows {
    CFrameWnd* pFrame = nullptr;  // says the status messages; its status bar shows the progress bar
    CWnd* pWordList = nullptr;
    CWnd* pTranslationList = nullptr;
    Direction direction = Direction::kEnglishRomanian;  // the direction the first load reads
};

class CTavDoc : public CDocument {
    DECLARE_DYNCREATE(CTavDoc)
public:
    CTavDoc();
    ~CTavDoc() override;

    // Before the first load.
    void SetWindows(const DocumentWindows& windows) { m_windows = windows; }

    BOOL OnNewDocument() override;
    void OnCloseDocument() override;

    // Counts the lines of both files once, for the progress bars of later loads.
    void CountLines();
    // Appends the head words of the direction's file to the word list (the
    // caller has emptied it), showing statusText while it reads. The edits
    // then change that direction's file.
    BOOL LoadDictionary(Direction direction, CString strStatusText);
    // Fills the translation list with the items of every line whose head
    // word is the word list's selected row.
    void ShowTranslations();
    // Fills the translation list with the news that the dictionary has no
    // entry for strText, and below it the head words closest to it.
    void ShowNoEntry(const CString& strText);
    // The head word the translation list's row nRow suggests, when it shows
    // suggestions and the row is one; else empty.
    CString SuggestionAt(int nRow) const;
    // Appends the pieces of text cut at each separator; returns the new size.
    int Split(CString strText, CString strSeparator, CStringArray& arrParts);

    // The edits change the file of the direction they were asked for, which
    // need not be the one loaded now; on FALSE the reason is already in the
    // status bar.
    BOOL AddWord(Direction direction, CString strWord, CString strTranslations);
    BOOL ModifyWord(Direction direction, CString strWord, CString strTranslations);
    BOOL DeleteWord(Direction direction, CString strWord);
    // The direction of the latest load, whose dictionary the members below hold.
    Direction LoadedDirection() const { return m_direction; }

    int m_nRoProgressMax;
    int m_nEnProgressMax;
    // Every non-empty line of the loaded file, in file order, indexed by
    // head word.
    dictionary::LoadedLines m_listLines;
    // The word list's rows as the load left them, for the word box's search;
    // empty when the load could not tell (see FillWordList).
    dictionary::WordListIndex m_wordIndex;
    // The forms of the loaded dictionary's head words (its forms file), and
    // the search for the head words closest to a text; both are made on the
    // thread that builds the word index.
    dictionary::WordForms m_forms;
    dictionary::Suggestions m_suggestions;

    DECLARE_MESSAGE_MAP()

protected:
    void OnFileNew();
    void OnFileOpen();
    void OnFileSave();

private:
    // Whether outcome succeeded; its text is shown when it did not.
    BOOL Reported(const COutcome& outcome);
    static CFilePath DictionaryPath(Direction direction);

    DocumentWindows m_windows;
    // The head words m_suggestions was built from, in the list's order.
    std::vector<std::string_view> m_suggestionWords;
    // Whether the translation list shows suggestions, from its second row on.
    bool m_bShowingSuggestions = false;
    Direction m_direction = Direction::kEnglishRomanian;  // of the latest load
};
