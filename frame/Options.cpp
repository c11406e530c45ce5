// The View and Options menus, the start-with-Windows entry, and the commands
// that bring the window back from the notification area or end the program.
#include "app/TavApp.h"
#include "frame/MainFrame.h"
#include "framework/Module.h"
#include "framework/WideText.h"
#include "res/resource.h"

namespace {
const char kRunKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
}

void CMainFrame::OnBoxWord() {
    ShowControlBar(&m_wndWordBar, !m_wndWordBar.IsWindowVisible(), FALSE);
    FocusWordBox(FALSE);
}

void CMainFrame::OnAlwaysOnTop() {
    m_bAlwaysOnTop = !m_bAlwaysOnTop;
    ::SetWindowPos(m_hWnd, m_bAlwaysOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                   SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
}

void CMainFrame::OnHideWhenMinimized() {
    m_bHideWhenMinimized = m_bHideWhenMinimized ? 0 : 1;
}

void CMainFrame::OnHideWhenClose() {
    m_bHideWhenClose = m_bHideWhenClose ? 0 : 1;
}

void CMainFrame::OnEscapeReset() {
    m_escape = EscapeFunction::kResetWord;
}
void CMainFrame::OnEscapeMinimize() {
    m_escape = EscapeFunction::kMinimize;
}
void CMainFrame::OnEscapeClose() {
    m_escape = EscapeFunction::kClose;
}

void CMainFrame::OnStartWithWindows() {
    BOOL bFormer = m_bAutoStart;
    m_bAutoStart = !m_bAutoStart;
    const std::wstring strPath = AfxGetModuleFilePath();
    HKEY hKey = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kRunKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, &hKey, nullptr) != ERROR_SUCCESS) {
        m_bAutoStart = bFormer;  // no right to change it: the option stays
        return;
    }
    if (m_bAutoStart) {
        // The path as it is, whatever letters it holds.
        if (RegSetValueExW(hKey, WideText(theApp.m_pszAppName).c_str(), 0, REG_SZ,
                           reinterpret_cast<const BYTE*>(strPath.c_str()),
                           static_cast<DWORD>((strPath.size() + 1) * sizeof(WCHAR))) != ERROR_SUCCESS)
            m_bAutoStart = FALSE;
    } else if (RegDeleteValueA(hKey, theApp.m_pszAppName) != ERROR_SUCCESS) {
        m_bAutoStart = TRUE;
    }
    RegCloseKey(hKey);
}

void CMainFrame::OnRestore() {
    ShowWindow(SW_RESTORE);
    SetForegroundWindow();
    FocusWordBox(TRUE);
}

void CMainFrame::OnAppExit() {
    // The program ends whatever Hide when close says.
    m_trayIcon.RemoveIcon();
    CFrameWnd::OnClose();
}

void CMainFrame::OnAboutApplication() {
    theApp.OnAppAbout();
}
