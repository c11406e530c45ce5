// The lookup history in the window: what counts as a lookup, Back and
// Forward (each entry in its own direction), and forgetting it all.
#include "app/TavApp.h"
#include "frame/HistoryStore.h"
#include "frame/MainFrame.h"
#include "frame/TavDoc.h"
#include "frame/WordSearch.h"
#include "framework/Controls.h"
#include "res/resource.h"

void CMainFrame::RecordLookup() {
    KillTimer(ID_TIMER_HISTORY);
    CWnd* pWordList = GetWordList();
    CWnd* pWordBox = GetWordBox();
    if (!pWordList || !m_strUnmatched.IsEmpty())
        return;
    // An empty word box selects the first row without the user asking for it.
    if (pWordBox && m_wndWordBar.IsWindowVisible() && pWordBox->GetWindowTextLength() == 0)
        return;
    CListBox wordList(pWordList->m_hWnd);
    const int nSelected = wordList.GetCurSel();
    if (nSelected < 0)
        return;
    CString strWord;
    wordList.GetText(nSelected, strWord);
    m_history.Record(strWord.Str(), theApp.m_direction);
}

void CMainFrame::OnHistoryBack() {
    // The keys come here even while the command shows disabled.
    if (m_history.CanGoBack() && !RefuseWhileUpdating())
        ShowHistoryEntry(m_history.GoBack());
}

void CMainFrame::OnHistoryForward() {
    if (m_history.CanGoForward() && !RefuseWhileUpdating())
        ShowHistoryEntry(m_history.GoForward());
}

void CMainFrame::ShowHistoryEntry(const LookedUpWord& entry) {
    if (entry.direction != theApp.m_direction)
        LoadDirection(entry.direction);
    const CString strWord(entry.word.c_str());
    CWnd* pWordBox = GetWordBox();
    if (pWordBox && m_wndWordBar.IsWindowVisible()) {
        pWordBox->SetWindowText(strWord);  // its change handling selects the word, as typing it would
    } else {
        CTavDoc* pDoc = GetTavDoc();
        m_strUnmatched.Empty();
        SelectWordBeginningWith(GetWordList()->m_hWnd, strWord, pDoc ? &pDoc->m_wordIndex : nullptr);
    }
    // Shown at once and never armed to count as a lookup: going through the
    // history leaves it as it is.
    KillTimer(ID_TIMER_TRANSLATIONS);
    KillTimer(ID_TIMER_HISTORY);
    ShowLookupResult();
    FocusWordBox(TRUE);
}

void CMainFrame::OnClearHistory() {
    m_history.Clear();
    KillTimer(ID_TIMER_HISTORY);
    // Gone at once, not only when the window closes.
    SaveHistory(m_history);
}
