#include "app/TavApp.h"

#include "app/UpdateSchedule.h"
#include "dictionary/ListViews.h"
#include "dictionary/TavDoc.h"
#include "dictionary/TavView.h"
#include "frame/MainFrame.h"
#include "framework/DocTemplate.h"
#include "res/resource.h"
#include "widgets/AboutSheet.h"

IMPLEMENT_DYNAMIC(CTavApp, CWinApp)

BEGIN_MESSAGE_MAP(CTavApp, CWinApp)
ON_COMMAND(ID_FILE_NEW, OnFileNew)
ON_COMMAND(ID_FILE_OPEN, OnFileOpen)
ON_COMMAND(ID_FILE_PRINT_SETUP, OnFilePrintSetup)
ON_COMMAND(ID_ABOUT_SYSTEM, OnAboutSystem)
END_MESSAGE_MAP()

// Made before the application object, gone after it.
const CString g_strWindowClassName("F2908B5A-A477-4ea8-9382-F5DCFAE04B37");
const char kSettingsSection[] = "Settings";

CTavApp theApp;

CTavApp::CTavApp() : m_nDirection(0) {}

CTavApp::~CTavApp() = default;

BOOL CTavApp::InitInstance() {
    // One instance: a second start brings the first one forward.
    if (HWND hWndOther = FindWindowA(g_strWindowClassName, nullptr)) {
        if (IsIconic(hWndOther))
            ShowWindow(hWndOther, SW_RESTORE);
        SetForegroundWindow(hWndOther);
        return FALSE;
    }

    AfxOleInit();
    SetRegistryKey("Ordal");
    m_nDirection = static_cast<int>(GetProfileInt(kSettingsSection, "EnRo", m_nDirection));
    BOOL bAutoStart = GetSettingsFlag("AutoStart");
    BOOL bHideWhenMinimized = GetSettingsFlag("HideWhenMinimized");

    AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CTavDoc), RUNTIME_CLASS(CMainFrame),
                                          RUNTIME_CLASS(CTavView)));
    CCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);
    if (!ProcessShellCommand(cmdInfo))
        return FALSE;

    if (bAutoStart && bHideWhenMinimized)
        m_pMainWnd->ShowWindow(SW_HIDE);
    m_pMainWnd->UpdateWindow();

    CString strLastUpdate = GetProfileString(kSettingsSection, "LastUpdate", "");
    if (IsAutomaticUpdateDue(strLastUpdate, COleDateTime::GetCurrentTime()))
        m_pMainWnd->SetTimer(ID_TIMER_UPDATE, 60000);
    return TRUE;
}

BOOL CTavApp::GetSettingsFlag(LPCSTR lpszEntry) {
    return GetProfileInt(kSettingsSection, lpszEntry, 0) == 1;
}

void CTavApp::OnAppAbout() {
    CAboutSheet::Show(0);
}

void CTavApp::OnAboutSystem() {
    CAboutSheet::Show(1);
}
