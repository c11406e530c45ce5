#include "frame/TavDoc.h"

#include "dictionary/DictionaryEdits.h"
#include "dictionary/DictionaryFormat.h"
#include "dictionary/DictionaryLoad.h"
#include "dictionary/DictionaryPaths.h"
#include "dictionary/FormsFile.h"
#include "dictionary/TextFold.h"
#include "frame/OutcomeReport.h"
#include "frame/WordListFill.h"
#include "framework/Controls.h"
#include "framework/FrameWnd.h"
#include "framework/StatusBar.h"
#include "res/resource.h"
#include "widgets/ProgressBar.h"

#include <algorithm>
#include <string>
#include <vector>

IMPLEMENT_DYNCREATE(CTavDoc, CDocument)

BEGIN_MESSAGE_MAP(CTavDoc, CDocument)
ON_COMMAND(ID_FILE_NEW, OnFileNew)
ON_COMMAND(ID_FILE_OPEN, OnFileOpen)
ON_COMMAND(ID_FILE_SAVE, OnFileSave)
END_MESSAGE_MAP()

namespace {

// How many of the closest head words a text without an entry gets.
const size_t kSuggestions = 5;

// Files with more lines than this show a progress bar while they load.
const int kProgressThreshold = 3000;
// Room for a file that grows after it was counted.
const int kProgressReserve = 500;

// Lets windows repaint while a long load keeps the message loop waiting
// (the progress bar among them); nothing else is taken off the queue.
void PumpPaintMessages() {
    MSG msg;
    for (int i = 0; i < 64 && ::PeekMessageW(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE); ++i)
        ::DispatchMessageW(&msg);
}

}  // namespace

CTavDoc::CTavDoc() : m_nRoProgressMax(0), m_nEnProgressMax(0) {}

CTavDoc::~CTavDoc() = default;

BOOL CTavDoc::Reported(const COutcome& outcome) {
    if (outcome.Failed())
        ShowOutcome(m_windows.pFrame, outcome);
    return outcome.Succeeded();
}

CFilePath CTavDoc::DictionaryPath(Direction direction) {
    return GetProgramFilePath(GetDictionaryFileName(direction));
}

BOOL CTavDoc::OnNewDocument() {
    if (!CDocument::OnNewDocument())
        return FALSE;
    CountLines();
    LoadDictionary(m_windows.direction, "Loading ...");
    return TRUE;
}

void CTavDoc::OnCloseDocument() {
    m_wordIndex.Clear();
    m_listLines.RemoveAll();
    CDocument::OnCloseDocument();
}

void CTavDoc::CountLines() {
    for (Direction direction : {Direction::kEnglishRomanian, Direction::kRomanianEnglish}) {
        const CFilePath path = GetProgramFilePath(GetDictionaryFileName(direction));
        const int nCount = CountDictionaryLines(path);
        if (nCount > kProgressThreshold)
            (IsRomanianEnglish(direction) ? m_nRoProgressMax : m_nEnProgressMax) = nCount + kProgressReserve;
    }
}

BOOL CTavDoc::LoadDictionary(Direction direction, CString strStatusText) {
    m_direction = direction;
    const CFilePath path = DictionaryPath(direction);
    int nMax = IsRomanianEnglish(direction) ? m_nRoProgressMax : m_nEnProgressMax;
    COutcome loaded;
    {
        CStatusBar* pStatusBar =
            m_windows.pFrame ? DynamicDowncast<CStatusBar>(m_windows.pFrame->GetMessageBar()) : nullptr;
        CProgressBar progress(strStatusText, nMax > 1000 ? 35 : 0, nMax, false, 0, pStatusBar);
        // The bar counts lines, as if they were added one by one.
        int nPos = 0;
        auto onProgress = [&](double fraction) {
            const int nTarget =
                std::min(nMax, static_cast<int>(fraction * static_cast<double>(m_listLines.Size())));
            if (nTarget > nPos) {
                progress.SetStep(nTarget - nPos);
                progress.StepIt();
                nPos = nTarget;
            }
            PumpPaintMessages();
        };
        // The forms and the suggestions' index are made beside the rows.
        m_forms.Clear();
        m_suggestions.Clear();
        m_suggestionWords.clear();
        auto besideRows = [this, &path](const std::vector<uint32_t>& order) {
            // Without its forms the dictionary still works.
            (void)LoadWordForms(FormsPathBeside(path), m_forms);
            m_suggestionWords.reserve(order.size());
            for (uint32_t nLine : order)
                m_suggestionWords.push_back(m_listLines.HeadWordAt(nLine));
            m_suggestions.Build(m_suggestionWords, TextPlainFold());
        };
        const HWND hWordList = m_windows.pWordList ? m_windows.pWordList->m_hWnd : nullptr;
        loaded = LoadDictionaryFile(path, ListBoxFill(hWordList, onProgress), m_listLines, m_wordIndex,
                                    besideRows);
    }  // the progress bar goes, and the status pane shows its idle text again
    return Reported(loaded);
}

void CTavDoc::ShowTranslations() {
    if (!m_windows.pWordList || !m_windows.pTranslationList)
        return;
    CListBox wordList(m_windows.pWordList->m_hWnd);
    CListBox translationList(m_windows.pTranslationList->m_hWnd);
    int nSelected = wordList.GetCurSel();
    if (nSelected < 0)
        return;
    // Drawn once, when all items are in: a list box that draws as it goes
    // updates its scroll bar for every item.
    translationList.SetRedraw(FALSE);
    translationList.ResetContent();
    m_bShowingSuggestions = false;
    CString strWord;
    wordList.GetText(nSelected, strWord);

    // The lines of the word in file order, each cut into its items.
    std::vector<std::string> items;
    for (size_t nLine = m_listLines.FirstWithHeadWord(strWord.Str()); nLine != dictionary::LoadedLines::npos;
         nLine = m_listLines.NextWithSameHeadWord(nLine)) {
        items.clear();
        dictionary::Split(m_listLines.TranslationsAt(nLine), "|", items);
        for (const std::string& item : items)
            translationList.AddString(item.c_str());
    }
    translationList.SetRedraw(TRUE);
    translationList.Invalidate(TRUE);
}

void CTavDoc::ShowNoEntry(const CString& strText) {
    if (!m_windows.pTranslationList)
        return;
    CListBox translationList(m_windows.pTranslationList->m_hWnd);
    translationList.SetRedraw(FALSE);
    translationList.ResetContent();
    // The list sorts its rows: the suggestions keep their order through
    // their positions, the message stays first.
    translationList.InsertString(0, "No entry for \"" + strText + "\"");
    const std::vector<size_t> closest = m_suggestions.Find(strText.Str(), kSuggestions);
    for (size_t nPosition : closest) {
        const std::string word(m_suggestionWords[nPosition]);
        translationList.InsertString(-1, word.c_str());
    }
    m_bShowingSuggestions = !closest.empty();
    if (m_bShowingSuggestions)
        translationList.SetCurSel(1);  // the closest, for Enter
    translationList.SetRedraw(TRUE);
    translationList.Invalidate(TRUE);
}

CString CTavDoc::SuggestionAt(int nRow) const {
    if (!m_bShowingSuggestions || nRow < 1 || !m_windows.pTranslationList)
        return CString();
    CListBox translationList(m_windows.pTranslationList->m_hWnd);
    if (nRow >= translationList.GetCount())
        return CString();
    CString strWord;
    translationList.GetText(nRow, strWord);
    return strWord;
}

int CTavDoc::Split(CString strText, CString strSeparator, CStringArray& arrParts) {
    std::vector<std::string> parts;
    dictionary::Split(strText.Str(), strSeparator.Str(), parts);
    for (std::string& part : parts)
        arrParts.Add(CString(std::move(part)));
    return static_cast<int>(arrParts.GetSize());
}

BOOL CTavDoc::AddWord(Direction direction, CString strWord, CString strTranslations) {
    // What the load saw of the file holds only for the file it loaded; another
    // direction's file goes the safe way, through the scratch file.
    const bool bBeforeEndMark = direction != m_direction || m_listLines.HasTextAfterEndMark();
    return Reported(AppendEntry(DictionaryPath(direction), strWord, strTranslations, bBeforeEndMark));
}

BOOL CTavDoc::ModifyWord(Direction direction, CString strWord, CString strTranslations) {
    return Reported(
        ReplaceEntry(DictionaryPath(direction), GetProgramFilePath(kTempFileName), strWord, strTranslations));
}

BOOL CTavDoc::DeleteWord(Direction direction, CString strWord) {
    return Reported(RemoveEntry(DictionaryPath(direction), GetProgramFilePath(kTempFileName), strWord));
}

void CTavDoc::OnFileNew() {
    ShowOutcomeText(m_windows.pFrame, "This application can not create new documents");
}
void CTavDoc::OnFileOpen() {
    ShowOutcomeText(m_windows.pFrame, "This application can not open documents");
}
void CTavDoc::OnFileSave() {
    ShowOutcomeText(m_windows.pFrame, "This application can not save documents");
}
