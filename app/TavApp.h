// CTavApp: the application object. It keeps the program to one instance,
// holds the current direction, creates the document and the main window,
// and decides at start whether an automatic update is due.
#pragma once

#include "dictionary/Direction.h"
#include "framework/WinApp.h"

// The main window's class name: the one identity of a running instance.
extern const CString g_strWindowClassName;

class CTavApp : public CWinApp {
    DECLARE_DYNAMIC(CTavApp)
public:
    CTavApp();
    ~CTavApp() override;

    BOOL InitInstance() override;

    void OnAppAbout();
    void OnAboutSystem();

    // An option of the section "Settings", stored as 0 or 1. Any other
    // number, like a value of another type, counts as missing: FALSE.
    BOOL GetSettingsFlag(LPCSTR lpszEntry);

    Direction m_direction;
    DECLARE_MESSAGE_MAP()

private:
    HANDLE m_hInstanceMutex;
};

extern CTavApp theApp;

// Profile names.
extern const char kSettingsSection[];  // "Settings"
