// CDialog: a dialog from a template, modal through our own message loop
// (so PreTranslateMessage sees the dialog's messages and tests can drive
// it with posted messages), with data exchange between controls and members.
#pragma once

#include "framework/Wnd.h"

// Which way data goes in DoDataExchange, and the dialog it concerns.
class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
        : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}
    BOOL m_bSaveAndValidate;  // TRUE: controls to members
    CWnd* m_pDlgWnd;
    // The first control whose text holds a character the program's code
    // page cannot hold, and that character; 0 when there was none.
    int m_nIDCUnstorable = 0;
    char32_t m_chUnstorable = 0;
};

// The text of control nIDC to or from value. A text that holds a character
// Windows-1250 cannot hold is noted in pDX (value gets the text before it).
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);

class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    // Shows the dialog and returns how it ended: IDOK, IDCANCEL, the value
    // given to EndDialog, or -1 when it could not be created.
    virtual INT_PTR DoModal();
    void EndDialog(int nResult);
    // Exchanges the members with the controls; notifications the controls
    // raise meanwhile are not dispatched. FALSE when a control's text holds
    // a character the program cannot store (see ReportUnstorable).
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    // Says which character of the last UpdateData could not be stored and
    // puts the focus on its control.
    void ReportUnstorable();

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange*) {}

    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL HandleInitDialog(WPARAM, LPARAM) override { return OnInitDialog(); }

    DECLARE_MESSAGE_MAP()

protected:
    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;

private:
    INT_PTR m_nModalResult = -1;
    BOOL m_bEnded = FALSE;
    BOOL m_bExchanging = FALSE;
    int m_nIDCUnstorable = 0;
    char32_t m_chUnstorable = 0;
};
