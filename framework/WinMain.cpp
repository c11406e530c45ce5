// The program's entry point, kept apart from the application code so that
// test programs can create the application objects themselves.
#include "framework/MessageGuard.h"
#include "framework/WinApp.h"

int AfxWinMain(HINSTANCE hInstance, int nCmdShow) {
    CWinApp* pApp = AfxGetApp();
    if (!pApp)
        return -1;
    pApp->m_hInstance = hInstance;
    pApp->m_nCmdShow = nCmdShow;
    messageguard::InstallForThisThread();
    int nResult = -1;
    try {
        if (pApp->InitApplication() && pApp->InitInstance()) {
            nResult = pApp->Run();
        } else {
            if (pApp->m_pMainWnd && pApp->m_pMainWnd->m_hWnd)
                pApp->m_pMainWnd->DestroyWindow();
            nResult = pApp->ExitInstance();
        }
    } catch (CException* e) {
        e->ReportError();
        e->Delete();
    }
    return nResult;
}

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int nCmdShow) {
    return AfxWinMain(hInstance, nCmdShow);
}
