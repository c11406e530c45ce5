// CPropertySheet and CPropertyPage: the system's property sheet, shown
// modally, with pages made from dialog templates. Each page is attached to
// its object when the sheet creates its window (pages not yet shown have no
// window), so the page's message map, data exchange and OnInitDialog work as
// in any dialog. The sheet window is attached before its WM_INITDIALOG, so
// OnInitDialog of the sheet runs after the system has laid it out.
//
// The sheet runs the system's own modal loop; while it runs, the messages
// for the sheet and its descendants still pass through PreTranslateMessage
// of their objects (a link relays mouse messages to its tooltip, say).
#pragma once

#include "framework/Dialog.h"

#include <commctrl.h>
#include <prsht.h>

#include <vector>

class CPropertySheet;

// Attaches rControl to dialog control nIDC (once; later calls change nothing).
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

class CPropertyPage : public CDialog {
    DECLARE_DYNAMIC(CPropertyPage)
public:
    explicit CPropertyPage(UINT nIDTemplate);

    // The sheet's notifications. OnSetActive: FALSE keeps the page from
    // showing; OnKillActive: FALSE keeps it shown (the default exchanges the
    // data back). OnOK after OK (or Apply), OnCancel after Cancel.
    virtual BOOL OnSetActive();
    virtual BOOL OnKillActive();
    void OnOK() override;
    void OnCancel() override;
    INT_PTR DoModal() override { return -1; }  // a page is shown by its sheet

    // The sheet's loop does the dialog keys for all its pages.
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    // What the sheet is given for this page; the sheet fills in the module.
    PROPSHEETPAGEW m_psp;
};

class CPropertySheet : public CWnd {
    DECLARE_DYNAMIC(CPropertySheet)
public:
    // Without a parent, the sheet belongs to the application's main window.
    explicit CPropertySheet(LPCSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);

    // The sheet keeps the pointer, not the page: the caller deletes pages.
    void AddPage(CPropertyPage* pPage);
    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    CPropertyPage* GetPage(int nPage) const;

    // Shows the sheet and returns PropertySheet's result: a positive value
    // when OK or Apply saved changes, 0 when closed otherwise, -1 when the
    // sheet could not be shown.
    virtual INT_PTR DoModal();
    virtual BOOL OnInitDialog() { return TRUE; }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL HandleInitDialog(WPARAM wParam, LPARAM lParam) override;

    // The header DoModal passes on. Callers may add flags (PSH_NOAPPLYNOW);
    // DoModal sets the pages, caption, owner and callback itself.
    PROPSHEETHEADERW m_psh;

protected:
    CString m_strCaption;
    CWnd* m_pParentWnd;

private:
    std::vector<CPropertyPage*> m_pages;  // not owned
};
