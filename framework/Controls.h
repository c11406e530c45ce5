// Thin wrappers of the system controls. Constructed from a handle they
// borrow the control (nothing is destroyed with the wrapper); created or
// subclassed, they own it like any window object.
#pragma once

#include "framework/Wnd.h"

#include <commctrl.h>

// Whether hWnd is an edit control (class "Edit" in any case).
bool IsEditControl(HWND hWnd);
// Whether the clipboard holds text an edit control can paste.
bool ClipboardHasText();

class CListBox : public CWnd {
    DECLARE_DYNAMIC(CListBox)
public:
    CListBox() = default;
    explicit CListBox(HWND hWnd) : CWnd(hWnd) {}

    int GetCount() const { return static_cast<int>(SendMessage(LB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(SendMessage(LB_GETCURSEL)); }
    int SetCurSel(int nSelect) {
        return static_cast<int>(SendMessage(LB_SETCURSEL, static_cast<WPARAM>(nSelect)));
    }
    int GetTextLen(int nIndex) const {
        return static_cast<int>(SendMessage(LB_GETTEXTLEN, static_cast<WPARAM>(nIndex)));
    }
    // The row's text; empty for a row that does not exist.
    void GetText(int nIndex, CString& rString) const;
    // Texts go to and from the list as UTF-16.
    int AddString(LPCSTR lpszItem) { return SendText(LB_ADDSTRING, 0, lpszItem); }
    // At nIndex (-1: the end) whether or not the list sorts.
    int InsertString(int nIndex, LPCSTR lpszItem) {
        return SendText(LB_INSERTSTRING, static_cast<WPARAM>(nIndex), lpszItem);
    }
    void ResetContent() { SendMessage(LB_RESETCONTENT); }
    int FindString(int nStartAfter, LPCSTR lpszItem) const {
        return SendText(LB_FINDSTRING, static_cast<WPARAM>(nStartAfter), lpszItem);
    }

private:
    int SendText(UINT message, WPARAM wParam, LPCSTR lpszText) const;
};

class CStatic : public CWnd {
    DECLARE_DYNAMIC(CStatic)
public:
    CStatic() = default;
    explicit CStatic(HWND hWnd) : CWnd(hWnd) {}

    HICON SetIcon(HICON hIcon) {
        return reinterpret_cast<HICON>(SendMessage(STM_SETICON, reinterpret_cast<WPARAM>(hIcon)));
    }
};

class CProgressCtrl : public CWnd {
    DECLARE_DYNAMIC(CProgressCtrl)
public:
    CProgressCtrl() = default;

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    void SetRange32(int nLower, int nUpper) {
        SendMessage(PBM_SETRANGE32, static_cast<WPARAM>(nLower), nUpper);
    }
    int SetStep(int nStep) { return static_cast<int>(SendMessage(PBM_SETSTEP, static_cast<WPARAM>(nStep))); }
    int StepIt() { return static_cast<int>(SendMessage(PBM_STEPIT)); }
    int SetPos(int nPos) { return static_cast<int>(SendMessage(PBM_SETPOS, static_cast<WPARAM>(nPos))); }
};

class CToolTipCtrl : public CWnd {
    DECLARE_DYNAMIC(CToolTipCtrl)
public:
    CToolTipCtrl() = default;

    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);
    void RelayEvent(LPMSG lpMsg) { SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(lpMsg)); }
};
