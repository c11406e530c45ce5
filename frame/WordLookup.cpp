// Looking words up: the word box selects in the word list, a quarter of a
// second later the translations appear; the keyboard routing between the
// word box and the lists; reloading the word list for a direction.
#include "app/TavApp.h"
#include "frame/MainFrame.h"
#include "frame/TavDoc.h"
#include "frame/WordSearch.h"
#include "framework/Controls.h"
#include "framework/View.h"
#include "res/resource.h"

namespace {

// The document's index of the word list's rows, which makes the search a
// lookup however long the list is.
const dictionary::WordListIndex* WordIndexOf(CTavDoc* pDoc) {
    return pDoc ? &pDoc->m_wordIndex : nullptr;
}

}  // namespace

void CMainFrame::OnWordBoxChange() {
    CWnd* pWordBox = GetWordBox();
    CWnd* pWordList = GetWordList();
    if (!pWordBox || !pWordList)
        return;
    ShowTranslationsSoon();
    if (m_bWordFromList)
        return;  // the user chose the row; the box only shows it
    LookUpWordBoxText();
}

BOOL CMainFrame::LookUpWordBoxText() {
    m_strUnmatched.Empty();
    CWnd* pWordBox = GetWordBox();
    CWnd* pWordList = GetWordList();
    CTavDoc* pDoc = GetTavDoc();
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
                                       !IsRomanianEnglish(theApp.m_direction))
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
        SetMessageText(strText + ": a form of " + strHeadWords);
        m_bFormSaid = TRUE;
    } else if (m_bFormSaid) {
        SetMessageText(AFX_IDS_IDLEMESSAGE);  // no longer true of the selected word
        m_bFormSaid = FALSE;
    }
    return TRUE;
}

void CMainFrame::ShowLookupResult() {
    CTavDoc* pDoc = GetTavDoc();
    if (!pDoc)
        return;
    if (m_strUnmatched.IsEmpty())
        pDoc->ShowTranslations();
    else
        pDoc->ShowNoEntry(m_strUnmatched);
}

void CMainFrame::LookUpSuggestion(int nRow) {
    CTavDoc* pDoc = GetTavDoc();
    const CString strWord = pDoc ? pDoc->SuggestionAt(nRow) : CString();
    CWnd* pWordBox = GetWordBox();
    if (strWord.IsEmpty())
        return;
    if (pWordBox && m_wndWordBar.IsWindowVisible()) {
        pWordBox->SetWindowText(strWord);  // its change handling looks it up
        FocusWordBox(FALSE);
    } else {
        m_strUnmatched.Empty();
        SelectWordBeginningWith(GetWordList()->m_hWnd, strWord, WordIndexOf(pDoc));
        ShowTranslationsSoon();
    }
    RecordLookup();  // chosen: it counts as looked up at once
}

void CMainFrame::ShowTranslationsSoon() {
    KillTimer(ID_TIMER_HISTORY);  // the word shown until now was not looked at long enough
    KillTimer(ID_TIMER_TRANSLATIONS);
    SetTimer(ID_TIMER_TRANSLATIONS, 250);
}

void CMainFrame::PutCaretAtEnd(CWnd* pWordBox) {
    const int nLength = pWordBox->GetWindowTextLength();
    pWordBox->SendMessage(EM_SETSEL, static_cast<WPARAM>(nLength), nLength);
    pWordBox->SendMessage(EM_SCROLLCARET);
}

void CMainFrame::ShowListWord(const CString& strWord) {
    m_strUnmatched.Empty();  // the user chose a row: its translations show
    m_bWordFromList = TRUE;
    m_wndWordBar.SetDlgItemText(IDC_WORDBOX, strWord);
    m_bWordFromList = FALSE;
    ShowTranslationsSoon();
}

void CMainFrame::OnNextPane() {
    MoveToPane(FALSE);
}

void CMainFrame::OnPrevPane() {
    MoveToPane(TRUE);
}

void CMainFrame::MoveToPane(BOOL bPrevious) {
    CWnd* pWordBox = GetWordBox();
    CWnd* pWordList = GetWordList();
    CWnd* pTranslationList = GetTranslationList();
    if (!pWordBox || !pWordList || !pTranslationList)
        return;
    // The places in order; the word box only while its bar shows.
    CWnd* places[3] = {pWordBox, pWordList, pTranslationList};
    const int nFirst = m_wndWordBar.IsWindowVisible() ? 0 : 1;
    const int nPlaces = 3 - nFirst;
    HWND hFocus = ::GetFocus();
    int nCurrent = nFirst;
    for (int i = nFirst; i < 3; ++i) {
        if (places[i]->m_hWnd == hFocus || ::IsChild(places[i]->m_hWnd, hFocus))
            nCurrent = i;
    }
    const int nNext = nFirst + (nCurrent - nFirst + (bPrevious ? nPlaces - 1 : 1)) % nPlaces;
    if (nNext == 0) {
        FocusWordBox(FALSE);
        return;
    }
    // A list that gets the focus would hand it back to the word box while
    // that is where the user was working.
    m_bFocusInWordBox = FALSE;
    if (auto* pView = DynamicDowncast<CView>(places[nNext]))
        SetActiveView(pView, FALSE);
    places[nNext]->SetFocus();
}

void CMainFrame::LoadWordList(LPCSTR lpszStatusText) {
    CListBox wordList(GetWordList()->m_hWnd);
    wordList.ResetContent();
    CListBox(GetTranslationList()->m_hWnd).ResetContent();
    HCURSOR hOldCursor = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    // Thousands of rows: draw once at the end.
    wordList.SetRedraw(FALSE);
    if (CTavDoc* pDoc = GetTavDoc())
        pDoc->LoadDictionary(theApp.m_direction, lpszStatusText);
    wordList.SetRedraw(TRUE);
    wordList.Invalidate(TRUE);
    SetCursor(hOldCursor);
}

BOOL CMainFrame::PreTranslateMessage(MSG* pMsg) {
    CWnd* pWordList = GetWordList();
    CWnd* pTranslationList = GetTranslationList();
    CWnd* pWordBox = GetWordBox();
    if (!pWordList || !pTranslationList || !pWordBox)
        return CFrameWnd::PreTranslateMessage(pMsg);

    HWND hWnd = pMsg->hwnd;
    BOOL bInList = hWnd == pWordList->m_hWnd || hWnd == pTranslationList->m_hWnd;
    if (pMsg->message == WM_LBUTTONDOWN) {
        if (bInList)
            m_bFocusInWordBox = FALSE;
        else if (hWnd == pWordBox->m_hWnd)
            m_bFocusInWordBox = TRUE;
    } else if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN && hWnd == pWordBox->m_hWnd) {
        // Enter: the word now, and it counts as looked up.
        KillTimer(ID_TIMER_TRANSLATIONS);
        ShowLookupResult();
        RecordLookup();
        return TRUE;
    } else if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_TAB) {
        // Tab (with or without Shift) goes word box -> word list -> word box.
        BOOL bBarVisible = m_wndWordBar.IsWindowVisible();
        if (hWnd == pWordBox->m_hWnd) {
            m_bFocusInWordBox = FALSE;
            pWordList->SetFocus();
            return TRUE;
        }
        if (bInList && bBarVisible) {
            m_bFocusInWordBox = TRUE;
            pWordBox->SetFocus();
            PutCaretAtEnd(pWordBox);
            return TRUE;
        }
        if (hWnd == pWordList->m_hWnd)
            return FALSE;  // the list takes Tab as an ordinary key
        if (hWnd == pTranslationList->m_hWnd) {
            m_bFocusInWordBox = FALSE;
            pWordList->SetFocus();
            return TRUE;
        }
    }
    return CFrameWnd::PreTranslateMessage(pMsg);
}

void CMainFrame::FocusWordBox(BOOL bSelectAll) {
    CWnd* pWordBox = GetWordBox();
    if (pWordBox && m_wndWordBar.IsWindowVisible()) {
        m_bFocusInWordBox = TRUE;
        pWordBox->SetFocus();
        if (bSelectAll) {
            pWordBox->SendMessage(EM_SETSEL, 0, -1);
            pWordBox->SendMessage(EM_SCROLLCARET);
        } else {
            PutCaretAtEnd(pWordBox);
        }
    } else {
        m_bFocusInWordBox = FALSE;
        if (CWnd* pWordList = GetWordList())
            pWordList->SetFocus();
    }
}

void CMainFrame::LoadDirection(Direction direction) {
    m_bLoadAsked = TRUE;
    SendMessage(WM_LOAD_DICTIONARY, static_cast<WPARAM>(direction));
    m_bLoadAsked = FALSE;
}

LRESULT CMainFrame::OnLoadDictionary(WPARAM wParam, LPARAM) {
    // Only the window itself asks for a load; another program's message, or
    // a direction that does not exist, changes nothing.
    if (!m_bLoadAsked || wParam > static_cast<WPARAM>(Direction::kRomanianEnglish))
        return static_cast<LRESULT>(theApp.m_direction);
    m_bLoadAsked = FALSE;
    m_bDeleteAllowed = FALSE;
    theApp.m_direction = static_cast<Direction>(wParam);
    OnUpdateFrameTitle(FALSE);
    if (!GetWordList() || !GetTranslationList())
        return static_cast<LRESULT>(theApp.m_direction);
    LoadWordList("Loading ...");
    FocusWordBox(TRUE);

    // The user's word, looked up in the dictionary just loaded.
    CWnd* pWordBox = GetWordBox();
    if (pWordBox && pWordBox->GetWindowTextLength() > 0) {
        LookUpWordBoxText();
        ShowTranslationsSoon();
    }
    return static_cast<LRESULT>(theApp.m_direction);
}
