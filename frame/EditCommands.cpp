// Undo, cut, copy, paste and select all on the word box, copy from the
// lists, and the Escape key.
#include "app/TavApp.h"
#include "dictionary/ListViews.h"
#include "frame/MainFrame.h"
#include "framework/Controls.h"
#include "res/resource.h"

#include <cstring>

BOOL CMainFrame::IsEditControl(CWnd* pWnd) {
    if (!pWnd || !pWnd->m_hWnd)
        return FALSE;
    char className[6] = {};
    GetClassNameA(pWnd->m_hWnd, className, sizeof(className));
    return lstrcmpiA(className, "Edit") == 0;
}

namespace {

CWnd* FocusWindow() {
    return CWnd::FromHandle(::GetFocus());
}

// The selection of an edit control: start and end.
void GetEditSelection(CWnd* pEdit, int& nStart, int& nEnd) {
    DWORD dwSel = static_cast<DWORD>(pEdit->SendMessage(EM_GETSEL));
    nStart = LOWORD(dwSel);
    nEnd = HIWORD(dwSel);
}

}  // namespace

void CMainFrame::OnEditUndo() {
    CWnd* pWordBox = GetWordBox();
    if (pWordBox && m_wndWordBar.IsVisible() && pWordBox->SendMessage(EM_CANUNDO))
        pWordBox->SendMessage(EM_UNDO);
}

void CMainFrame::OnEditCut() {
    CWnd* pFocus = FocusWindow();
    if (IsEditControl(pFocus))
        pFocus->SendMessage(WM_CUT);
}

void CMainFrame::OnEditCopy() {
    CWnd* pFocus = FocusWindow();
    if (IsEditControl(pFocus)) {
        pFocus->SendMessage(WM_COPY);
        return;
    }
    CWnd* pList = nullptr;
    if (pFocus && CWnd::FromHandlePermanent(pFocus->m_hWnd) && pFocus->IsKindOf(RUNTIME_CLASS(CList1)))
        pList = GetWordList();
    else if (pFocus && CWnd::FromHandlePermanent(pFocus->m_hWnd) && pFocus->IsKindOf(RUNTIME_CLASS(CList2)))
        pList = GetTranslationList();
    if (!pList)
        return;
    CListBox list(pList->m_hWnd);
    int nSelected = list.GetCurSel();
    if (nSelected == LB_ERR)
        return;
    CString strText;
    list.GetText(nSelected, strText);
    if (!strText.IsEmpty())
        CopyToClipboard(strText);
}

void CMainFrame::OnEditPaste() {
    CWnd* pFocus = FocusWindow();
    if (IsEditControl(pFocus) && IsClipboardFormatAvailable(CF_TEXT))
        pFocus->SendMessage(WM_PASTE);
}

void CMainFrame::OnEditSelectAll() {
    CWnd* pFocus = FocusWindow();
    if (!IsEditControl(pFocus))
        return;
    pFocus->SendMessage(EM_SETSEL, 0, -1);
    pFocus->SendMessage(EM_SCROLLCARET);
}

BOOL CMainFrame::CopyToClipboard(const CString& strText) {
    // A zero-terminated CF_TEXT block, whole whatever the text's length.
    const char* pText = strText;
    size_t nBytes = std::strlen(pText) + 1;
    HGLOBAL hBlock = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE | GMEM_ZEROINIT, nBytes);
    LPSTR pBlock = hBlock ? static_cast<LPSTR>(GlobalLock(hBlock)) : nullptr;
    if (!pBlock) {
        if (hBlock)
            GlobalFree(hBlock);
        SetMessageText(CMemoryException().GetErrorText().Left(254));
        return FALSE;
    }
    std::memcpy(pBlock, pText, nBytes);
    GlobalUnlock(hBlock);
    if (!OpenClipboard(m_hWnd)) {
        GlobalFree(hBlock);
        SetMessageText(AfxFormatSystemMessage(GetLastError()).Left(254));
        return FALSE;
    }
    EmptyClipboard();
    if (!SetClipboardData(CF_TEXT, hBlock)) {
        DWORD dwError = GetLastError();
        CloseClipboard();
        GlobalFree(hBlock);
        SetMessageText(AfxFormatSystemMessage(dwError).Left(254));
        return FALSE;
    }
    CloseClipboard();  // the clipboard owns the block now
    return TRUE;
}

void CMainFrame::OnEscape() {
    if (m_nEscapeFunction == 1) {
        ShowWindow(SW_MINIMIZE);
    } else if (m_nEscapeFunction == 2) {
        if (!IsIconic())
            OnClose();
    } else {
        m_wndWordBar.SetDlgItemText(IDC_WORDBOX, "");
        ShowTranslationsSoon();
    }
}

CommandSnapshot CMainFrame::TakeCommandSnapshot() const {
    CommandSnapshot s;
    s.bUpdateRunning = IsUpdateRunning() != FALSE;
    CWnd* pWordList = GetWordList();
    s.bWordSelected = pWordList && pWordList->SendMessage(LB_GETCURSEL) != LB_ERR;
    s.bRomanianEnglish = theApp.m_nDirection != 0;
    s.bWordBarVisible = m_wndWordBar.m_hWnd && m_wndWordBar.IsWindowVisible();
    CWnd* pWordBox = GetWordBox();
    s.bWordBoxCanUndo = pWordBox && pWordBox->SendMessage(EM_CANUNDO);
    CWnd* pFocus = FocusWindow();
    if (IsEditControl(pFocus)) {
        int nStart = 0, nEnd = 0;
        GetEditSelection(pFocus, nStart, nEnd);
        const int nLength = pFocus->GetWindowTextLength();
        s.bFocusInEdit = true;
        s.bFocusReadOnly = (pFocus->GetStyle() & ES_READONLY) != 0;
        s.bFocusHasSelection = nStart != nEnd;
        s.bFocusAllSelected = nLength == 0 || (nStart == 0 && nEnd == nLength);
    }
    s.bClipboardHasText = IsClipboardFormatAvailable(CF_TEXT) != FALSE;
    s.bAlwaysOnTop = m_bAlwaysOnTop != FALSE;
    s.bHideWhenMinimized = m_bHideWhenMinimized != FALSE;
    s.bHideWhenClose = m_bHideWhenClose != FALSE;
    s.bStartWithWindows = m_bAutoStart != FALSE;
    s.bLookupKey = m_bLookupKeyHeld != FALSE;
    s.nEscapeFunction = m_nEscapeFunction;
    return s;
}

void CMainFrame::OnUpdateCommand(CCmdUI* pCmdUI) {
    const CommandAvailability a = GetCommandAvailability(pCmdUI->m_nID, TakeCommandSnapshot());
    pCmdUI->Enable(a.bEnabled);
    if (a.nCheck < 0)
        return;
    if (a.bRadio)
        pCmdUI->SetRadio(a.nCheck == 1);
    else
        pCmdUI->SetCheck(a.nCheck);
}
