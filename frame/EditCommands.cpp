// Undo, cut, copy, paste and select all on the word box, copy from the
// lists, and the Escape key.
#include "frame/ListViews.h"
#include "frame/MainFrame.h"
#include "frame/OutcomeReport.h"
#include "framework/Controls.h"
#include "framework/WideText.h"
#include "res/resource.h"

#include <cstring>
#include <string>

namespace {

CWnd* FocusWindow() {
    return CWnd::FromHandle(::GetFocus());
}

// A movable block holding nBytes of pData, for the clipboard; null when
// there is no memory for it.
HGLOBAL ClipboardBlock(const void* pData, size_t nBytes) {
    HGLOBAL hBlock = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE | GMEM_ZEROINIT, nBytes);
    void* pBlock = hBlock ? GlobalLock(hBlock) : nullptr;
    if (!pBlock) {
        if (hBlock)
            GlobalFree(hBlock);
        return nullptr;
    }
    std::memcpy(pBlock, pData, nBytes);
    GlobalUnlock(hBlock);
    return hBlock;
}

// The text in the system's ANSI code page, for programs that only read
// CF_TEXT; a letter that code page lacks becomes its nearest form there.
std::string AnsiText(const std::wstring& text) {
    const int n = WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n > 0 ? n : 1), '\0');
    if (n > 0)
        WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, &out[0], n, nullptr, nullptr);
    return out;
}

// Puts a zero-terminated text on the clipboard, owned by hOwner.
COutcome CopyToClipboard(HWND hOwner, const CString& strText) {
    // Zero-terminated blocks, whole whatever the text's length: Unicode text
    // for today's programs and ANSI text for old ones.
    const std::wstring wide = WideText(strText);
    const std::string ansi = AnsiText(wide);
    HGLOBAL hWide = ClipboardBlock(wide.c_str(), (wide.size() + 1) * sizeof(WCHAR));
    HGLOBAL hAnsi = hWide ? ClipboardBlock(ansi.c_str(), ansi.size()) : nullptr;
    if (!hAnsi) {
        if (hWide)
            GlobalFree(hWide);
        return COutcome::Failure(AfxOutOfMemoryText());
    }
    if (!OpenClipboard(hOwner)) {
        const DWORD dwError = GetLastError();
        GlobalFree(hWide);
        GlobalFree(hAnsi);
        return COutcome::Failure(AfxFormatSystemMessage(dwError));
    }
    EmptyClipboard();
    if (!SetClipboardData(CF_UNICODETEXT, hWide)) {
        DWORD dwError = GetLastError();
        CloseClipboard();
        GlobalFree(hWide);
        GlobalFree(hAnsi);
        return COutcome::Failure(AfxFormatSystemMessage(dwError));
    }
    // The clipboard owns the Unicode block now; without the ANSI one the
    // system still makes ANSI text from it for whoever asks.
    if (!SetClipboardData(CF_TEXT, hAnsi))
        GlobalFree(hAnsi);
    CloseClipboard();
    return COutcome();
}

}  // namespace

void CMainFrame::OnEditUndo() {
    CWnd* pWordBox = m_wndWordBar.GetWordBox();
    if (pWordBox && m_wndWordBar.IsVisible() && pWordBox->SendMessage(EM_CANUNDO))
        pWordBox->SendMessage(EM_UNDO);
}

void CMainFrame::OnEditCut() {
    CWnd* pFocus = FocusWindow();
    if (pFocus && IsEditControl(pFocus->m_hWnd))
        pFocus->SendMessage(WM_CUT);
}

void CMainFrame::OnEditCopy() {
    CWnd* pFocus = FocusWindow();
    if (pFocus && IsEditControl(pFocus->m_hWnd)) {
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
    const COutcome copied = strText.IsEmpty() ? COutcome() : CopyToClipboard(m_hWnd, strText);
    if (copied.Failed())
        ShowOutcome(this, copied);
}

void CMainFrame::OnEditPaste() {
    CWnd* pFocus = FocusWindow();
    if (pFocus && IsEditControl(pFocus->m_hWnd) && ClipboardHasText())
        pFocus->SendMessage(WM_PASTE);
}

void CMainFrame::OnEditSelectAll() {
    CWnd* pFocus = FocusWindow();
    if (!pFocus || !IsEditControl(pFocus->m_hWnd))
        return;
    pFocus->SendMessage(EM_SETSEL, 0, -1);
    pFocus->SendMessage(EM_SCROLLCARET);
}

void CMainFrame::OnEscape() {
    if (m_escape == EscapeFunction::kMinimize) {
        ShowWindow(SW_MINIMIZE);
    } else if (m_escape == EscapeFunction::kClose) {
        if (!IsIconic())
            OnClose();
    } else {
        m_wndWordBar.SetDlgItemText(IDC_WORDBOX, "");
        m_lookup.ShowTranslationsSoon();
    }
}
