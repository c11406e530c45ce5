// CWndHandle: a window handle and the everyday operations on the window it
// names: its messages, text, relations to other windows, state, style,
// timers, font and icons. It owns nothing; CWnd, which builds on it,
// attaches objects to handles and destroys the windows it made.
#pragma once

#include "framework/String.h"
#include "framework/Types.h"

#include <string>

class CFont;
class CFrameWnd;
class CWnd;

class CWndHandle {
public:
    CWndHandle() = default;
    explicit CWndHandle(HWND hWnd) : m_hWnd(hWnd) {}
    // One object per window: CWnd keeps the map from handles to objects.
    CWndHandle(const CWndHandle&) = delete;
    CWndHandle& operator=(const CWndHandle&) = delete;

    HWND m_hWnd = nullptr;
    operator HWND() const { return m_hWnd; }

    // Our windows are Unicode windows: a message that carries text carries
    // UTF-16, which the text functions below convert.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageW(m_hWnd, message, wParam, lParam);
    }
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::PostMessageW(m_hWnd, message, wParam, lParam);
    }

    void SetWindowText(LPCSTR lpszString);
    // FALSE when the text holds a character Windows-1250 cannot hold;
    // rString then has the text up to it.
    BOOL GetWindowText(CString& rString) const;
    // In UTF-16 units, as edit controls count their selection.
    int GetWindowTextLength() const { return ::GetWindowTextLengthW(m_hWnd); }
    void SetDlgItemText(int nID, LPCSTR lpszString);

    // Relations. The windows found are given as the objects attached to
    // them (temporary ones for windows of someone else's).
    CWnd* GetDlgItem(int nID) const;
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
    CWnd* GetParent() const;
    // The owner a control bar was given, otherwise the parent.
    CWnd* GetOwner() const;
    CFrameWnd* GetParentFrame() const;
    // The descendant with control id nID, searching every level.
    CWnd* GetDescendantWindow(int nID) const;
    // The window that had the focus.
    CWnd* SetFocus();
    BOOL SetForegroundWindow() { return ::SetForegroundWindow(m_hWnd); }

    // State and style.
    BOOL ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    BOOL EnableWindow(BOOL bEnable = TRUE) { return ::EnableWindow(m_hWnd, bEnable); }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLongPtrW(m_hWnd, GWL_STYLE)); }
    // With nFlags, the frame is told of the change through SetWindowPos.
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);

    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer = nullptr) {
        return ::SetTimer(m_hWnd, nIDEvent, nElapse, lpfnTimer);
    }
    BOOL KillTimer(UINT_PTR nIDEvent) { return ::KillTimer(m_hWnd, nIDEvent); }

    void SetFont(CFont* pFont, BOOL bRedraw = TRUE);
    HICON SetIcon(HICON hIcon, BOOL bBigIcon) {
        return reinterpret_cast<HICON>(
            SendMessage(WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(hIcon)));
    }

protected:
    HWND m_hWndOwner = nullptr;
};

// A window's text as it holds it.
std::wstring AfxGetWindowTextW(HWND hWnd);
