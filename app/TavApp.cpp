#include "app/TavApp.h"

#include "app/ServerHost.h"
#include "app/UpdateSchedule.h"
#include "frame/ListViews.h"
#include "frame/MainFrame.h"
#include "frame/TavDoc.h"
#include "frame/TavView.h"
#include "framework/DocTemplate.h"
#include "res/resource.h"
#include "widgets/AboutSheet.h"

IMPLEMENT_DYNAMIC(CTavApp, CWinApp)

BEGIN_MESSAGE_MAP(CTavApp, CWinApp)
ON_COMMAND(ID_FILE_NEW, OnFileNew)
ON_COMMAND(ID_FILE_OPEN, OnFileOpen)
ON_COMMAND(ID_ABOUT_APPLICATION, OnAppAbout)
ON_COMMAND(ID_ABOUT_SYSTEM, OnAboutSystem)
END_MESSAGE_MAP()

CTavApp theApp;

CTavApp::CTavApp() : m_hInstanceMutex(nullptr) {}

CTavApp::~CTavApp() {
    if (m_hInstanceMutex)
        ::CloseHandle(m_hInstanceMutex);
}

namespace {

// Held for the program's life: a second start that finds it taken knows
// that another instance runs or is starting, even before its window exists.
const char kInstanceMutexName[] = "Local\\Tav-F2908B5A-A477-4ea8-9382-F5DCFAE04B37";
// How long a second start waits for the first one's window to appear.
const DWORD kFirstWindowWaitMs = 10000;

// Brings the running instance's window back (from the notification area,
// from minimised) and to the front.
void BringBack(HWND hWndOther) {
    DWORD dwProcessId = 0;
    ::GetWindowThreadProcessId(hWndOther, &dwProcessId);
    ::AllowSetForegroundWindow(dwProcessId);
    DWORD_PTR dwResult = 0;
    ::SendMessageTimeoutA(hWndOther, WM_COMMAND, ID_RESTORE, 0, SMTO_ABORTIFHUNG, 2000, &dwResult);
    ::SetForegroundWindow(hWndOther);
}

}  // namespace

BOOL CTavApp::InitInstance() {
    // One instance: a second start brings the first one back and ends.
    m_hInstanceMutex = ::CreateMutexA(nullptr, FALSE, kInstanceMutexName);
    const BOOL bOther = m_hInstanceMutex && ::GetLastError() == ERROR_ALREADY_EXISTS;
    HWND hWndOther = FindWindowA(g_szWindowClassName, nullptr);
    if (bOther && !hWndOther) {
        // The other start has not made its window yet.
        for (DWORD dwWaited = 0; !hWndOther && dwWaited < kFirstWindowWaitMs; dwWaited += 50) {
            ::Sleep(50);
            hWndOther = FindWindowA(g_szWindowClassName, nullptr);
        }
    }
    if (bOther || hWndOther) {
        if (hWndOther)
            BringBack(hWndOther);
        return FALSE;
    }

    AfxOleInit();
    SetRegistryKey("Ordal");
    m_settings = ReadSettings();
    m_settings.strServerHost = kServerHost;

    AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CTavDoc), RUNTIME_CLASS(CMainFrame),
                                          RUNTIME_CLASS(CTavView)));
    CCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);
    if (!ProcessShellCommand(cmdInfo))
        return FALSE;

    if (m_settings.bAutoStart && m_settings.bHideWhenMinimized) {
        if (auto* pFrame = DynamicDowncast<CMainFrame>(m_pMainWnd))
            pFrame->m_trayIcon.HideTarget();
    }
    m_pMainWnd->UpdateWindow();

    if (IsAutomaticUpdateDue(m_settings.strLastUpdate, COleDateTime::GetCurrentTime()))
        m_pMainWnd->SetTimer(ID_TIMER_UPDATE, 60000);
    return TRUE;
}

void CTavApp::OnAppAbout() {
    CAboutSheet::Show(0, m_settings.strServerHost);
}

void CTavApp::OnAboutSystem() {
    CAboutSheet::Show(1, m_settings.strServerHost);
}
