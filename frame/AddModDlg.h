// CAddModDlg: asks for a new word and its translations, or for the new
// translations of an existing word. Translations are typed separated by ",".
#pragma once

#include "framework/Dialog.h"

class CAddModDlg : public CDialog {
    DECLARE_DYNAMIC(CAddModDlg)
public:
    // Asks for a new word and its translations.
    explicit CAddModDlg(int nDirection);
    // Asks for the new translations of the word, showing its present ones
    // (which may be none: a line such as "bank:" is still changed, not added
    // to).
    CAddModDlg(int nDirection, CString strWord, CString strTranslations);

    CString m_strWord;
    CString m_strTranslations;
    int m_nDirection;
    HICON m_hIcon;
    BOOL m_bChange;

    BOOL OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    DECLARE_MESSAGE_MAP()

protected:
    void OnChangeEdit();
    void OnClose();
};
