#include "framework/Controls.h"

IMPLEMENT_DYNAMIC(CListBox, CWnd)
IMPLEMENT_DYNAMIC(CEdit, CWnd)
IMPLEMENT_DYNAMIC(CStatic, CWnd)
IMPLEMENT_DYNAMIC(CButton, CWnd)
IMPLEMENT_DYNAMIC(CProgressCtrl, CWnd)
IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

void CListBox::GetText(int nIndex, CString& rString) const {
    int nLength = GetTextLen(nIndex);
    if (nLength < 0) {
        rString.Empty();
        return;
    }
    int nCopied = static_cast<int>(SendMessage(LB_GETTEXT, static_cast<WPARAM>(nIndex),
                                               reinterpret_cast<LPARAM>(rString.GetBuffer(nLength + 1))));
    rString.ReleaseBuffer(nCopied > 0 ? nCopied : 0);
}

void CEdit::GetSel(int& nStartChar, int& nEndChar) const {
    DWORD dwStart = 0, dwEnd = 0;
    SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart), reinterpret_cast<LPARAM>(&dwEnd));
    nStartChar = static_cast<int>(dwStart);
    nEndChar = static_cast<int>(dwEnd);
}

void CEdit::SetSel(int nStartChar, int nEndChar, BOOL bNoScroll) {
    SendMessage(EM_SETSEL, static_cast<WPARAM>(nStartChar), nEndChar);
    if (!bNoScroll)
        SendMessage(EM_SCROLLCARET);
}

BOOL CProgressCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create(PROGRESS_CLASSA, nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle) {
    return CreateEx(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | dwStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, pParentWnd ? pParentWnd->m_hWnd : nullptr, nullptr);
}

TTTOOLINFOA CToolTipCtrl::ToolInfo(CWnd* pWnd, LPCSTR lpszText) const {
    TTTOOLINFOA ti = {};
    ti.cbSize = sizeof(ti);
    ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    ti.hwnd = pWnd->GetParent() ? pWnd->GetParent()->m_hWnd : pWnd->m_hWnd;
    ti.uId = reinterpret_cast<UINT_PTR>(pWnd->m_hWnd);
    ti.lpszText = const_cast<LPSTR>(lpszText);
    return ti;
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, LPCSTR lpszText) {
    TTTOOLINFOA ti = ToolInfo(pWnd, lpszText);
    return static_cast<BOOL>(SendMessage(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti)));
}

void CToolTipCtrl::UpdateTipText(LPCSTR lpszText, CWnd* pWnd) {
    TTTOOLINFOA ti = ToolInfo(pWnd, lpszText);
    SendMessage(TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&ti));
}
