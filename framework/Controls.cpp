#include "framework/Controls.h"

#include "framework/WideText.h"

IMPLEMENT_DYNAMIC(CListBox, CWnd)
IMPLEMENT_DYNAMIC(CStatic, CWnd)
IMPLEMENT_DYNAMIC(CProgressCtrl, CWnd)
IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

bool IsEditControl(HWND hWnd) {
    char szClass[6] = {};
    return hWnd && ::GetClassNameA(hWnd, szClass, sizeof(szClass)) && lstrcmpiA(szClass, "Edit") == 0;
}

bool ClipboardHasText() {
    return ::IsClipboardFormatAvailable(CF_UNICODETEXT) || ::IsClipboardFormatAvailable(CF_TEXT);
}

void CListBox::GetText(int nIndex, CString& rString) const {
    int nLength = GetTextLen(nIndex);
    if (nLength < 0) {
        rString.Empty();
        return;
    }
    std::wstring text(static_cast<size_t>(nLength) + 1, L'\0');
    int nCopied = static_cast<int>(
        SendMessage(LB_GETTEXT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&text[0])));
    text.resize(static_cast<size_t>(nCopied > 0 ? nCopied : 0));
    // The list's rows came from the program's own text.
    rString = NarrowTextForDisplay(text);
}

int CListBox::SendText(UINT message, WPARAM wParam, LPCSTR lpszText) const {
    const std::wstring text = WideText(lpszText);
    return static_cast<int>(SendMessage(message, wParam, reinterpret_cast<LPARAM>(text.c_str())));
}

BOOL CProgressCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create(PROGRESS_CLASSA, nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle) {
    return CreateEx(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | dwStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, pParentWnd ? pParentWnd->m_hWnd : nullptr, nullptr);
}
