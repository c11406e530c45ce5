// CTavApp: the application object. It keeps the program to one instance,
// holds the settings (the current direction among them), creates the document and the main window,
// and decides at start whether an automatic update is due.
#pragma once

#include "frame/Settings.h"
#include "framework/WinApp.h"

class CTavApp : public CWinApp, public CSettingsHolder {
    DECLARE_DYNAMIC(CTavApp)
public:
    CTavApp();
    ~CTavApp() override;

    BOOL InitInstance() override;

    void OnAppAbout();
    void OnAboutSystem();

    TavSettings& Settings() override { return m_settings; }

    // Read at start; the direction among them.
    TavSettings m_settings;
    DECLARE_MESSAGE_MAP()

private:
    HANDLE m_hInstanceMutex;
};

extern CTavApp theApp;
