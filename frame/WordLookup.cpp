// Looking words up in the main window.
#include "frame/WordLookup.h"

#include "frame/MainFrame.h"
#include "frame/TavDoc.h"
#include "frame/WordSearch.h"
#include "framework/Controls.h"
#include "framework/View.h"
#include "res/resource.h"

void CWordLookup::OnWordBoxChange() {
    if (!m_frame.m_wndWordBar.GetWordBox() || !m_frame.GetWordList())
        return;
    ShowTranslationsSoon();
    if (m_bWordFromList)
        return;  // the user chose the row; the box only shows it
    LookUpWordBoxText();
}

BOOL CWordLookup::LookUpWordBoxText() {
    m_strUnmatched.Empty();
    CWnd* pWordBox = m_frame.m_wndWordBar.GetWordBox();
    CWnd* pWordList = m_frame.GetWordList();
    CTavDoc* pDoc = GetTavDoc(m_frame);
    if (!pWordBox || !pWordList || !pDoc)
        return FALSE;
    CString strText;
    // A letter no dictionary can hold matches no word, as no match keeps
    // the selection.
    const BOOL bStorable = pWordBox->GetWindowText(strText);
    if (pWordBox->GetWindowTextLength() == 0) {
        CListBox(pWordList->m_hWnd).SetCurSel(0);
        return TRUE;
    }
    const dictionary::WordMatch match =
        bStorable ? SelectLookedUpWord(pWordList->m_hWnd, strText, &pDoc->m_wordIndex, pDoc->m_forms,
                                       !IsRomanianEnglish(m_frame.m_settings.direction))
                  : dictionary::WordMatch();
    if (match.kind == dictionary::WordMatch::Kind::kNone) {
        // Said, never disguised as the translations of the word still
        // selected: the translation list tells and offers the closest words.
        m_strUnmatched = strText.IsEmpty() ? CString("?") : strText;
        return FALSE;
    }
    if (match.kind == dictionary::WordMatch::Kind::kForm) {
        CString strHeadWords;
        for (const std::string& word : match.headWords)
            strHeadWords += CString(strHeadWords.IsEmpty() ? "" : ", ") + CString(word.c_str());
        m_frame.SetMessageText(strText + ": a form of " + strHeadWords);
        m_bFormSaid = TRUE;
    } else if (m_bFormSaid) {
        m_frame.SetMessageText(AFX_IDS_IDLEMESSAGE);  // no longer true of the selected word
        m_bFormSaid = FALSE;
    }
    return TRUE;
}

void CWordLookup::ShowLookupResult() {
    CTavDoc* pDoc = GetTavDoc(m_frame);
    if (!pDoc)
        return;
    if (m_strUnmatched.IsEmpty())
        pDoc->ShowTranslations();
    else
        pDoc->ShowNoEntry(m_strUnmatched);
}

void CWordLookup::ShowTranslationsSoon() {
    m_frame.KillTimer(ID_TIMER_HISTORY);  // the word shown until now was not looked at long enough
    m_frame.KillTimer(ID_TIMER_TRANSLATIONS);
    m_frame.SetTimer(ID_TIMER_TRANSLATIONS, 250);
}

void CWordLookup::ShowLookupResultNow() {
    m_frame.KillTimer(ID_TIMER_TRANSLATIONS);
    ShowLookupResult();
    m_frame.m_history.RecordLookup();
}

void CWordLookup::ShowListWord(const CString& strWord) {
    m_strUnmatched.Empty();  // the user chose a row: its translations show
    m_bWordFromList = TRUE;
    m_frame.m_wndWordBar.SetDlgItemText(IDC_WORDBOX, strWord);
    m_bWordFromList = FALSE;
    ShowTranslationsSoon();
}

void CWordLookup::PutWord(const CString& strWord) {
    if (CWnd* pWordBox = m_frame.m_wndWordBar.GetShownWordBox()) {
        pWordBox->SetWindowText(strWord);  // its change handling looks it up
        return;
    }
    CTavDoc* pDoc = GetTavDoc(m_frame);
    m_strUnmatched.Empty();
    SelectWordBeginningWith(m_frame.GetWordList()->m_hWnd, strWord, pDoc ? &pDoc->m_wordIndex : nullptr);
    ShowTranslationsSoon();
}

void CWordLookup::LookUpSuggestion(int nRow) {
    CTavDoc* pDoc = GetTavDoc(m_frame);
    const CString strWord = pDoc ? pDoc->SuggestionAt(nRow) : CString();
    if (strWord.IsEmpty())
        return;
    PutWord(strWord);
    if (m_frame.m_wndWordBar.GetShownWordBox())
        m_frame.FocusWordBox(FALSE);
    m_frame.m_history.RecordLookup();  // chosen: it counts as looked up at once
}

void CWordLookup::PutCaretAtEnd(CWnd* pWordBox) {
    const int nLength = pWordBox->GetWindowTextLength();
    pWordBox->SendMessage(EM_SETSEL, static_cast<WPARAM>(nLength), nLength);
    pWordBox->SendMessage(EM_SCROLLCARET);
}

void CWordLookup::OnNextPane() {
    MoveToPane(FALSE);
}

void CWordLookup::OnPrevPane() {
    MoveToPane(TRUE);
}

void CWordLookup::MoveToPane(BOOL bPrevious) {
    CWnd* pWordBox = m_frame.m_wndWordBar.GetWordBox();
    CWnd* pWordList = m_frame.GetWordList();
    CWnd* pTranslationList = m_frame.GetTranslationList();
    if (!pWordBox || !pWordList || !pTranslationList)
        return;
    // The places in order; the word box only while its bar shows.
    CWnd* places[3] = {pWordBox, pWordList, pTranslationList};
    const int nFirst = m_frame.m_wndWordBar.GetShownWordBox() ? 0 : 1;
    const int nPlaces = 3 - nFirst;
    HWND hFocus = ::GetFocus();
    int nCurrent = nFirst;
    for (int i = nFirst; i < 3; ++i) {
        if (places[i]->m_hWnd == hFocus || ::IsChild(places[i]->m_hWnd, hFocus))
            nCurrent = i;
    }
    const int nNext = nFirst + (nCurrent - nFirst + (bPrevious ? nPlaces - 1 : 1)) % nPlaces;
    if (nNext == 0) {
        m_frame.FocusWordBox(FALSE);
        return;
    }
    // A list that gets the focus would hand it back to the word box while
    // that is where the user was working.
    m_frame.m_bFocusInWordBox = FALSE;
    if (auto* pView = DynamicDowncast<CView>(places[nNext]))
        m_frame.SetActiveView(pView, FALSE);
    places[nNext]->SetFocus();
}

void CWordLookup::LoadDirection(Direction direction) {
    m_bLoadAsked = TRUE;
    m_frame.SendMessage(WM_LOAD_DICTIONARY, static_cast<WPARAM>(direction));
    m_bLoadAsked = FALSE;
}

BOOL CWordLookup::TakeLoadRequest() {
    const BOOL bAsked = m_bLoadAsked;
    m_bLoadAsked = FALSE;
    return bAsked;
}

void CWordLookup::LoadWordList(LPCSTR lpszStatusText) {
    CListBox wordList(m_frame.GetWordList()->m_hWnd);
    wordList.ResetContent();
    CListBox(m_frame.GetTranslationList()->m_hWnd).ResetContent();
    HCURSOR hOldCursor = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    // Thousands of rows: draw once at the end.
    wordList.SetRedraw(FALSE);
    if (CTavDoc* pDoc = GetTavDoc(m_frame))
        pDoc->LoadDictionary(m_frame.m_settings.direction, lpszStatusText);
    wordList.SetRedraw(TRUE);
    wordList.Invalidate(TRUE);
    SetCursor(hOldCursor);
}

void CWordLookup::ReloadAfterEdit(Direction direction) {
    CWnd* pTranslationList = m_frame.GetTranslationList();
    if (pTranslationList && ::GetFocus() == pTranslationList->m_hWnd)
        m_frame.FocusWordBox(FALSE);  // the translation list is about to be emptied
    if (direction == m_frame.m_settings.direction)
        LoadWordList("Processing ...");
    else
        LoadDirection(direction);  // back to the dictionary the user changed
}
