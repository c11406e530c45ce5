// The View and Options menus, the start-with-Windows entry, and the commands
// that bring the window back from the notification area or end the program.
#include "frame/MainFrame.h"
#include "frame/OutcomeReport.h"
#include "frame/StartWithWindows.h"
#include "framework/Exception.h"
#include "framework/Module.h"
#include "framework/WinApp.h"
#include "res/resource.h"

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
    const LONG lResult =
        SetStartedWithWindows(AfxGetApp()->m_pszAppName, !m_bAutoStart, AfxGetModuleFilePath());
    if (lResult != ERROR_SUCCESS) {
        // The option keeps its mark: it shows what Windows will do.
        CString strReason = AfxFormatSystemMessage(static_cast<DWORD>(lResult));
        if (strReason.IsEmpty())
            strReason.Format("error %ld", static_cast<long>(lResult));
        ShowOutcomeText(this, "Start with Windows could not be changed: " + strReason);
        return;
    }
    const BOOL bWanted = !m_bAutoStart;
    m_bAutoStart = IsStartedWithWindows(AfxGetApp()->m_pszAppName) ? TRUE : FALSE;
    if (m_bAutoStart != bWanted)
        SetMessageText(
            "Start with Windows stays on: it was set for every account, which only an administrator "
            "can change");
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
    // The application object shows the About sheet.
    AfxGetApp()->OnCmdMsg(ID_ABOUT_APPLICATION, CN_COMMAND, nullptr, nullptr);
}
