#include "frame/AddModDlg.h"

#include "frame/Theme.h"
#include "framework/Module.h"
#include "framework/Palette.h"
#include "res/resource.h"

IMPLEMENT_DYNAMIC(CAddModDlg, CDialog)

BEGIN_MESSAGE_MAP(CAddModDlg, CDialog)
ON_EN_CHANGE(IDC_WORD, OnChangeEdit)
ON_EN_CHANGE(IDC_TRANSLATIONS, OnChangeEdit)
ON_WM_CLOSE()
END_MESSAGE_MAP()

CAddModDlg::CAddModDlg(Direction direction)
    : CDialog(IDD_ADDMOD), m_direction(direction), m_hIcon(nullptr), m_bChange(FALSE) {
    m_bPaletteColours = TRUE;  // in the palette's colours, like the main window
}

CAddModDlg::CAddModDlg(Direction direction, CString strWord, CString strTranslations)
    : CDialog(IDD_ADDMOD),
      m_strWord(std::move(strWord)),
      m_strTranslations(std::move(strTranslations)),
      m_direction(direction),
      m_hIcon(nullptr),
      m_bChange(TRUE) {
    m_bPaletteColours = TRUE;
}

void CAddModDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_WORD, m_strWord);
    DDX_Text(pDX, IDC_TRANSLATIONS, m_strTranslations);
}

BOOL CAddModDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_hIcon = ::LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDI_WORD));
    SetIcon(m_hIcon, FALSE);
    if (!palette::IsSystem())
        CTheme::SetDarkTitleBar(m_hWnd, true);

    if (m_bChange) {
        // Changing a word: only its translations can be edited.
        SetWindowText("Change word translation");
        SetDlgItemText(IDC_WORD_LABEL, "Word to change :");
        ::EnableWindow(::GetDlgItem(m_hWnd, IDC_WORD), FALSE);
    } else {
        SetWindowText("Add new word");
        SetDlgItemText(IDC_WORD_LABEL,
                       IsRomanianEnglish(m_direction) ? "Word to add in romanian" : "Word to add in english");
    }
    UpdateData(FALSE);
    return TRUE;  // the first enabled box gets the focus, its text selected
}

void CAddModDlg::OnChangeEdit() {
    // Counted as typed: a text with a letter the dictionary cannot hold
    // still enables OK, which then says so.
    UpdateData(TRUE);
    ::EnableWindow(::GetDlgItem(m_hWnd, IDOK),
                   ::GetWindowTextLengthW(::GetDlgItem(m_hWnd, IDC_WORD)) > 0 &&
                       ::GetWindowTextLengthW(::GetDlgItem(m_hWnd, IDC_TRANSLATIONS)) > 0);
}

BOOL CAddModDlg::PreTranslateMessage(MSG* pMsg) {
    // Enter in the word box moves on to the translations instead of accepting.
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN &&
        ::GetFocus() == ::GetDlgItem(m_hWnd, IDC_WORD))
        pMsg->wParam = VK_TAB;
    return CDialog::PreTranslateMessage(pMsg);
}

void CAddModDlg::OnOK() {
    // A letter the dictionary file cannot hold keeps the dialog open.
    if (!UpdateData(TRUE)) {
        ReportUnstorable();
        return;
    }
    EndDialog(IDOK);
}

void CAddModDlg::OnClose() {
    EndDialog(0);
}
