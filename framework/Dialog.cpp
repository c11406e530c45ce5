#include "framework/Dialog.h"

#include "framework/CodePage.h"
#include "framework/MessageBox.h"
#include "framework/WideText.h"
#include "framework/WinApp.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, OnOK)
ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
    HWND hControl = ::GetDlgItem(pDX->m_pDlgWnd->m_hWnd, nIDC);
    if (!hControl)
        return;
    if (pDX->m_bSaveAndValidate) {
        char32_t ch = 0;
        if (!NarrowText(AfxGetWindowTextW(hControl), value, &ch) && !pDX->m_nIDCUnstorable) {
            pDX->m_nIDCUnstorable = nIDC;
            pDX->m_chUnstorable = ch;
        }
    } else {
        ::SetWindowTextW(hControl, WideText(value).c_str());
    }
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

INT_PTR CDialog::DoModal() {
    // The owner is the given window's top-level window, else the main window.
    CWnd* pParent = m_pParentWnd ? m_pParentWnd : AfxGetMainWnd();
    HWND hWndOwner = pParent && pParent->m_hWnd ? ::GetAncestor(pParent->m_hWnd, GA_ROOT) : nullptr;
    BOOL bEnableOwner = hWndOwner && ::IsWindowEnabled(hWndOwner);
    if (bEnableOwner)
        ::EnableWindow(hWndOwner, FALSE);

    m_bEnded = FALSE;
    m_nModalResult = -1;
    if (!CreateDlg(m_nIDTemplate, hWndOwner ? CWnd::FromHandle(hWndOwner) : nullptr)) {
        if (bEnableOwner)
            ::EnableWindow(hWndOwner, TRUE);
        return -1;
    }
    if (!m_bEnded)
        ShowWindow(SW_SHOW);

    BOOL bQuit = FALSE;
    WPARAM nQuitCode = 0;
    while (!m_bEnded && m_hWnd) {
        MSG msg;
        if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
            // Leave, and let the outer loop see WM_QUIT too.
            bQuit = TRUE;
            nQuitCode = msg.wParam;
            break;
        }
        if (!AfxWalkPreTranslateTree(m_hWnd, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }

    // Give the owner back its input before the dialog goes, so that the
    // activation returns to it and not to another program.
    if (bEnableOwner)
        ::EnableWindow(hWndOwner, TRUE);
    if (hWndOwner && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(hWndOwner);
    if (m_hWnd)
        DestroyWindow();
    if (bQuit)
        PostQuitMessage(static_cast<int>(nQuitCode));
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult) {
    m_nModalResult = nResult;
    m_bEnded = TRUE;
    ::PostMessageW(m_hWnd, WM_NULL, 0, 0);  // wake the modal loop
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange dx(this, bSaveAndValidate);
    BOOL bWasExchanging = m_bExchanging;
    m_bExchanging = TRUE;
    DoDataExchange(&dx);
    m_bExchanging = bWasExchanging;
    m_nIDCUnstorable = dx.m_nIDCUnstorable;
    m_chUnstorable = dx.m_chUnstorable;
    return m_nIDCUnstorable == 0;
}

void CDialog::ReportUnstorable() {
    if (!m_nIDCUnstorable)
        return;
    const std::wstring strText = L"The dictionary cannot hold the character " +
                                 WideFromUtf8(codepage::DescribeCharacter(m_chUnstorable)) +
                                 L". Please write the word without it.";
    AfxMessageBox(strText, MB_OK | MB_ICONEXCLAMATION);
    if (HWND hControl = ::GetDlgItem(m_hWnd, m_nIDCUnstorable)) {
        ::SetFocus(hControl);
        ::SendMessageW(hControl, EM_SETSEL, 0, -1);
    }
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (UpdateData(TRUE))
        EndDialog(IDOK);
    else
        ReportUnstorable();
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
    // Escape cancels wherever the focus is; a multi-line box would
    // otherwise turn it into a close.
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_ESCAPE) {
        SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                    reinterpret_cast<LPARAM>(::GetDlgItem(m_hWnd, IDCANCEL)));
        return TRUE;
    }
    // Tab, Enter and the mnemonics work as in any dialog.
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST)
        return ::IsDialogMessageW(m_hWnd, pMsg);
    return FALSE;
}

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
    // Notifications raised by our own data exchange are not news.
    if (m_bExchanging && lParam != 0)
        return TRUE;
    return CWnd::OnCommand(wParam, lParam);
}
