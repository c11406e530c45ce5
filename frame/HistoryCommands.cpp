// The lookup history in the window.
#include "frame/HistoryCommands.h"

#include "frame/HistoryStore.h"
#include "frame/MainFrame.h"
#include "framework/Controls.h"
#include "res/resource.h"

void CHistoryCommands::Load() {
    LoadHistory(m_history);
}

void CHistoryCommands::Save() const {
    SaveHistory(m_history);
}

void CHistoryCommands::RecordLookup() {
    m_frame.KillTimer(ID_TIMER_HISTORY);
    CWnd* pWordList = m_frame.GetWordList();
    if (!pWordList || !m_frame.m_lookup.HasEntry())
        return;
    // An empty word box selects the first row without the user asking for it.
    CWnd* pWordBox = m_frame.m_wndWordBar.GetShownWordBox();
    if (pWordBox && pWordBox->GetWindowTextLength() == 0)
        return;
    CListBox wordList(pWordList->m_hWnd);
    const int nSelected = wordList.GetCurSel();
    if (nSelected < 0)
        return;
    CString strWord;
    wordList.GetText(nSelected, strWord);
    m_history.Record(strWord.Str(), m_frame.m_settings.direction);
}

void CHistoryCommands::OnHistoryBack() {
    if (m_history.CanGoBack())
        ShowEntry(m_history.GoBack());
}

void CHistoryCommands::OnHistoryForward() {
    if (m_history.CanGoForward())
        ShowEntry(m_history.GoForward());
}

void CHistoryCommands::ShowEntry(const LookedUpWord& entry) {
    if (entry.direction != m_frame.m_settings.direction)
        m_frame.m_lookup.LoadDirection(entry.direction);
    m_frame.m_lookup.PutWord(CString(entry.word.c_str()));
    // Shown at once and never armed to count as a lookup: going through the
    // history leaves it as it is.
    m_frame.KillTimer(ID_TIMER_TRANSLATIONS);
    m_frame.KillTimer(ID_TIMER_HISTORY);
    m_frame.m_lookup.ShowLookupResult();
    m_frame.FocusWordBox(TRUE);
}

void CHistoryCommands::OnClearHistory() {
    m_history.Clear();
    m_frame.KillTimer(ID_TIMER_HISTORY);
    Save();  // gone at once, not only when the window closes
}
