// CWordLookup: the main window's part that looks the user's words up. The word box's text selects its row in
// the word list (the head word, a form's head word, else the first row beginning with it); a quarter of a
// second after the last change the translation list shows the selected word's translations, or that the text
// has no entry and the closest words. It also moves the focus between the word box and the lists (F6 and
// Shift+F6) and reloads the word list for a direction.
#pragma once

#include "dictionary/Direction.h"
#include "framework/String.h"

class CMainFrame;
class CWnd;

class CWordLookup {
public:
    explicit CWordLookup(CMainFrame& frame) : m_frame(frame) {}

    // The word box's text changed: typed, pasted or put there.
    void OnWordBoxChange();
    // Selects the row the word box's text leads to; FALSE, the selection
    // kept and the text remembered as having no entry, when there is none.
    BOOL LookUpWordBoxText();
    // Whether the word box's text led to a row.
    BOOL HasEntry() const { return m_strUnmatched.IsEmpty(); }
    // What the translation list shows a quarter second after a change: the
    // selected word's translations, or that the text has no entry.
    void ShowLookupResult();
    // Shows the selected word's translations a quarter second from now; a
    // display already waiting waits again.
    void ShowTranslationsSoon();
    // Enter in the word box: the result now, and the word counts as looked up.
    void ShowLookupResultNow();

    // Puts the word the user went to in the word list into the word box,
    // without searching for it again (the search would go back to the first
    // of several rows that read alike), and arms the translations' display.
    void ShowListWord(const CString& strWord);
    // Puts a word where the user types, looked up as if typed; with the
    // word box hidden, selects it in the word list.
    void PutWord(const CString& strWord);
    // Looks up the head word the translation list suggests in its row nRow.
    void LookUpSuggestion(int nRow);
    // Puts the caret after the word box's last letter, in view.
    static void PutCaretAtEnd(CWnd* pWordBox);

    // Sends WM_LOAD_DICTIONARY: the one way the direction changes.
    void LoadDirection(Direction direction);
    // TRUE, once, while the window sends itself that message.
    BOOL TakeLoadRequest();
    // Empties both lists and loads the word list of the current direction.
    void LoadWordList(LPCSTR lpszStatusText);
    // After an edit of a dictionary file: the list reloaded, or the window
    // back to the dictionary the user changed.
    void ReloadAfterEdit(Direction direction);

    // F6 and Shift+F6: word box -> word list -> translation list, and back.
    void OnNextPane();
    void OnPrevPane();

private:
    void MoveToPane(BOOL bPrevious);

    CMainFrame& m_frame;
    // The word box's text when it leads to no word; empty otherwise.
    CString m_strUnmatched;
    // The status bar names the head word of a form the text is.
    BOOL m_bFormSaid = FALSE;
    // Set while the word list's selection writes the word box.
    BOOL m_bWordFromList = FALSE;
    // Set while the window sends itself WM_LOAD_DICTIONARY.
    BOOL m_bLoadAsked = FALSE;
};
