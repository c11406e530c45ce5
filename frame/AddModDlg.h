// CAddModDlg: asks for a new word and its translations, or for the new
// translations of an existing word. Translations are typed separated by ",".
#pragma once

#include "dictionary/Direction.h"
#include "framework/Dialog.h"

class CAddModDlg : public CDialog {
    DECLARE_DYNAMIC(CAddModDlg)
public:
    // Asks for a new word and its translations.
    explicit CAddModDlg(Direction direction);
    // Asks for the new translations of the word, showing its present ones
    // (which may be none: a line such as "bank:" is still changed, not added
    // to).
    CAddModDlg(Direction direction, CString strWord, CString strTranslations);

    CString m_strWord;
    CString m_strTranslations;
    Direction m_direction;
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
