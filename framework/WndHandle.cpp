#include "framework/WndHandle.h"

#include "framework/FrameWnd.h"
#include "framework/Gdi.h"
#include "framework/WideText.h"
#include "framework/Wnd.h"

std::wstring AfxGetWindowTextW(HWND hWnd) {
    std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(hWnd)) + 1, L'\0');
    const int n = ::GetWindowTextW(hWnd, &text[0], static_cast<int>(text.size()));
    text.resize(static_cast<size_t>(n > 0 ? n : 0));
    return text;
}

BOOL CWndHandle::GetWindowText(CString& rString) const {
    return NarrowText(AfxGetWindowTextW(m_hWnd), rString);
}

void CWndHandle::SetWindowText(LPCSTR lpszString) {
    ::SetWindowTextW(m_hWnd, WideText(lpszString).c_str());
}

void CWndHandle::SetDlgItemText(int nID, LPCSTR lpszString) {
    ::SetDlgItemTextW(m_hWnd, nID, WideText(lpszString).c_str());
}

CWnd* CWndHandle::GetDlgItem(int nID) const {
    return CWnd::FromHandle(::GetDlgItem(m_hWnd, nID));
}

CWnd* CWndHandle::GetParent() const {
    return CWnd::FromHandle(::GetParent(m_hWnd));
}

CWnd* CWndHandle::GetOwner() const {
    return m_hWndOwner ? CWnd::FromHandle(m_hWndOwner) : GetParent();
}

CFrameWnd* CWndHandle::GetParentFrame() const {
    for (HWND hWnd = ::GetParent(m_hWnd); hWnd; hWnd = ::GetParent(hWnd)) {
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        if (pWnd && pWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
            return static_cast<CFrameWnd*>(pWnd);
    }
    return nullptr;
}

namespace {

HWND FindDescendant(HWND hWnd, int nID) {
    for (HWND hChild = ::GetWindow(hWnd, GW_CHILD); hChild; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        if (::GetDlgCtrlID(hChild) == nID)
            return hChild;
    }
    for (HWND hChild = ::GetWindow(hWnd, GW_CHILD); hChild; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        if (HWND hFound = FindDescendant(hChild, nID))
            return hFound;
    }
    return nullptr;
}

}  // namespace

CWnd* CWndHandle::GetDescendantWindow(int nID) const {
    return CWnd::FromHandle(FindDescendant(m_hWnd, nID));
}

CWnd* CWndHandle::SetFocus() {
    return CWnd::FromHandle(::SetFocus(m_hWnd));
}

BOOL CWndHandle::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
    DWORD dwStyle = GetStyle();
    DWORD dwNewStyle = (dwStyle & ~dwRemove) | dwAdd;
    if (dwStyle == dwNewStyle)
        return FALSE;
    ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>(dwNewStyle));
    if (nFlags != 0)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    return TRUE;
}

void CWndHandle::SetFont(CFont* pFont, BOOL bRedraw) {
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(pFont ? pFont->GetSafeHandle() : nullptr), bRedraw);
}
