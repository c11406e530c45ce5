// Thin wrappers of the system controls. Constructed from a handle they
// borrow the control (nothing is destroyed with the wrapper); created or
// subclassed, they own it like any window object.
#pragma once

#include "framework/Wnd.h"

#include <commctrl.h>

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
    int InsertString(int nIndex, LPCSTR lpszItem) {
        return SendText(LB_INSERTSTRING, static_cast<WPARAM>(nIndex), lpszItem);
    }
    int DeleteString(UINT nIndex) { return static_cast<int>(SendMessage(LB_DELETESTRING, nIndex)); }
    void ResetContent() { SendMessage(LB_RESETCONTENT); }
    int FindString(int nStartAfter, LPCSTR lpszItem) const {
        return SendText(LB_FINDSTRING, static_cast<WPARAM>(nStartAfter), lpszItem);
    }
    int SelectString(int nStartAfter, LPCSTR lpszItem) {
        return SendText(LB_SELECTSTRING, static_cast<WPARAM>(nStartAfter), lpszItem);
    }
    int GetTopIndex() const { return static_cast<int>(SendMessage(LB_GETTOPINDEX)); }
    int SetTopIndex(int nIndex) {
        return static_cast<int>(SendMessage(LB_SETTOPINDEX, static_cast<WPARAM>(nIndex)));
    }
    // Reserves room for nItems rows holding nBytes of text in all.
    int InitStorage(int nItems, UINT nBytes) {
        return static_cast<int>(SendMessage(LB_INITSTORAGE, static_cast<WPARAM>(nItems), nBytes));
    }

private:
    int SendText(UINT message, WPARAM wParam, LPCSTR lpszText) const;
};

class CEdit : public CWnd {
    DECLARE_DYNAMIC(CEdit)
public:
    CEdit() = default;
    explicit CEdit(HWND hWnd) : CWnd(hWnd) {}
    void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE);
    void Cut() { SendMessage(WM_CUT); }
    void Copy() { SendMessage(WM_COPY); }
    void Clear() { SendMessage(WM_CLEAR); }
    void ReplaceSel(LPCSTR lpszNewText, BOOL bCanUndo = FALSE);
    void LimitText(int nChars = 0) { SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(nChars)); }
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

class CButton : public CWnd {
    DECLARE_DYNAMIC(CButton)
public:
    CButton() = default;
    explicit CButton(HWND hWnd) : CWnd(hWnd) {}
    void SetCheck(int nCheck) { SendMessage(BM_SETCHECK, static_cast<WPARAM>(nCheck)); }
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
