// Adding, changing and deleting words, and the hidden unlock that allows
// one deletion.
#include "frame/AddModDlg.h"
#include "frame/MainFrame.h"
#include "frame/TavDoc.h"
#include "frame/WordSearch.h"
#include "framework/Controls.h"
#include "framework/WideText.h"
#include "res/resource.h"

namespace {

// Counts an open edit dialog or confirmation for as long as it is open.
class CEditDialogScope {
public:
    explicit CEditDialogScope(int& nOpen) : m_nOpen(nOpen) { ++m_nOpen; }
    ~CEditDialogScope() { --m_nOpen; }
    CEditDialogScope(const CEditDialogScope&) = delete;
    CEditDialogScope& operator=(const CEditDialogScope&) = delete;

private:
    int& m_nOpen;
};

// Runs the add or change dialog and carries out what it asks: the list
// reloaded with the word selected, its translations shown a quarter second
// later, pszDone in the status bar.
void EditThroughDialog(CMainFrame& frame, CAddModDlg& dlg, BOOL bAdd, LPCSTR pszDone) {
    {
        CEditDialogScope scope(frame.m_nEditDialogs);
        if (dlg.DoModal() != IDOK)
            return;
    }
    // An update cycle does not start while the dialog is open; this keeps
    // an edit off a file that the update thread rewrites all the same.
    if (frame.m_commands.RefuseWhileBusy())
        return;
    // The dialog takes translations separated by commas; the file keeps "|".
    CString strTranslations = dlg.m_strTranslations;
    strTranslations.Replace(',', '|');
    // The word goes to the dictionary the dialog was opened for, whatever
    // the window shows now.
    CTavDoc* pDoc = GetTavDoc(frame);
    if (!pDoc || !(bAdd ? pDoc->AddWord(dlg.m_direction, dlg.m_strWord, strTranslations)
                        : pDoc->ModifyWord(dlg.m_direction, dlg.m_strWord, strTranslations)))
        return;
    frame.m_lookup.ReloadAfterEdit(dlg.m_direction);
    frame.m_lookup.PutWord(dlg.m_strWord);
    if (CWnd* pWordBox = frame.m_wndWordBar.GetShownWordBox())
        CWordLookup::PutCaretAtEnd(pWordBox);
    frame.m_lookup.ShowTranslationsSoon();
    frame.SetMessageText(pszDone);
}

}  // namespace

void CMainFrame::OnAddWord() {
    m_bDeleteAllowed = FALSE;
    CAddModDlg dlg(m_settings.direction);
    EditThroughDialog(*this, dlg, TRUE, "The addition has been successfully completed");
}

void CMainFrame::OnModifyWord() {
    m_bDeleteAllowed = FALSE;
    CListBox wordList(GetWordList()->m_hWnd);
    int nSelected = wordList.GetCurSel();
    if (nSelected == LB_ERR)
        return;
    CString strWord;
    wordList.GetText(nSelected, strWord);
    // The selected word's own translations, even when the quarter-second
    // display has not shown them yet (a quick double-click on another row).
    KillTimer(ID_TIMER_TRANSLATIONS);
    if (CTavDoc* pDoc = GetTavDoc(*this))
        pDoc->ShowTranslations();
    // The translations as the list shows them now, joined by commas.
    CListBox translationList(GetTranslationList()->m_hWnd);
    CString strTranslations;
    for (int i = 0; i < translationList.GetCount(); ++i) {
        CString strItem;
        translationList.GetText(i, strItem);
        if (i > 0)
            strTranslations += ',';
        strTranslations += strItem;
    }
    CAddModDlg dlg(m_settings.direction, strWord, strTranslations);
    EditThroughDialog(*this, dlg, FALSE, "The modification has been successfully completed");
}

void CMainFrame::OnDeleteWord() {
    CListBox wordList(GetWordList()->m_hWnd);
    int nSelected = wordList.GetCurSel();
    if (nSelected == LB_ERR)
        return;
    CString strWord;
    wordList.GetText(nSelected, strWord);
    const Direction direction = m_settings.direction;
    CString strQuestion = "Are you sure you want to delete \"" + strWord + "\" expresion ?";
    {
        CEditDialogScope scope(m_nEditDialogs);
        if (::MessageBoxW(m_hWnd, WideText(strQuestion).c_str(), L"Confirm Word Delete", MB_YESNO) != IDYES)
            return;
    }
    if (m_commands.RefuseWhileBusy())
        return;
    if (!m_bDeleteAllowed) {
        SetMessageText("You can not delete words. For more details, please read help contents.");
        return;
    }
    m_bDeleteAllowed = FALSE;  // one deletion per unlock
    CTavDoc* pDoc = GetTavDoc(*this);
    if (!pDoc || !pDoc->DeleteWord(direction, strWord))
        return;
    m_lookup.ReloadAfterEdit(direction);
    if (CWnd* pWordBox = m_wndWordBar.GetShownWordBox())
        pWordBox->SetWindowText("");
    SetMessageText("The deletion has been successfully completed");
}

void CMainFrame::OnDeleteUnlock() {
    m_bDeleteAllowed = TRUE;
    SetMessageText("Now you can delete words");
}
