#include "WindowTestSupport.h"

#include "framework/WinApp.h"

void PumpMessages(DWORD nMilliseconds) {
    DWORD dwStart = GetTickCount();
    CWinThread* pThread = AfxGetThread();
    do {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT)
                continue;
            if (!pThread || !pThread->PreTranslateMessage(&msg)) {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
        }
        if (pThread)
            pThread->OnIdle(0);
        if (nMilliseconds)
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    } while (GetTickCount() - dwStart < nMilliseconds);
}
