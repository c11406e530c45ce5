// The dictionary update cycle: one step per two-second tick of timer 102,
// the two worker runs in between, their reports in the status bar and, while
// the window sits in the notification area, in balloons over an animated icon.
#include "app/TavApp.h"
#include "frame/MainFrame.h"
#include "framework/OleDateTime.h"
#include "res/resource.h"
#include "thread/ThreadException.h"

namespace {

const UINT kStepDelay = 2000;
const DWORD kRunStopWait = 5000;

bool IsRunStep(UpdateStep step) {
    return step == UpdateStep::kEnglishRun || step == UpdateStep::kRomanianRun;
}

}  // namespace

void CMainFrame::OnUpdateTimer() {
    if (m_nEditDialogs > 0) {
        // The user is adding, changing or deleting a word: the cycle takes
        // its next step once the dialog has closed.
        SetTimer(ID_TIMER_UPDATE, kStepDelay);
        return;
    }
    KillTimer(ID_TIMER_TRANSLATIONS);  // a pending display waits for the end of the cycle
    KillTimer(ID_TIMER_UPDATE);
    m_updateStep = NextUpdateStep(m_updateStep);

    // At every tick, so that hiding the window during a cycle starts it too.
    if (!m_bAnimating && !m_trayIcon.m_bHidden) {
        m_bAnimating = TRUE;
        m_trayIcon.SetIconList(IDI_ANIM_FIRST, IDI_ANIM_LAST);
        m_trayIcon.Animate(50, 30);
    }

    switch (m_updateStep) {
        case UpdateStep::kConnecting:
            SetMessageText("Connecting ...");
            SetTimer(ID_TIMER_UPDATE, kStepDelay);
            break;
        case UpdateStep::kRecordingAttempt:
            SetMessageText("Connect to update server ...");
            // The attempt is recorded before anything is downloaded.
            theApp.WriteProfileString(kSettingsSection, "LastUpdate",
                                      COleDateTime::GetCurrentTime().Format("%Y-%m-%d %H:%M:%S"));
            SetTimer(ID_TIMER_UPDATE, kStepDelay);
            break;
        case UpdateStep::kCheckingEnglish:
            SetMessageText("Checking english database ...");
            SetTimer(ID_TIMER_UPDATE, kStepDelay);
            break;
        case UpdateStep::kEnglishRun:
            StartUpdateRun(UpdateAction::kEnglish);  // the report arms the timer again
            break;
        case UpdateStep::kRomanianRun:
            StartUpdateRun(UpdateAction::kRomanian);
            break;
        case UpdateStep::kCheckingRomanian:
            SetMessageText("Checking romanian database ...");
            SetTimer(ID_TIMER_UPDATE, kStepDelay);
            break;
        case UpdateStep::kReload:
            if (IsRomanianEnglish(theApp.m_direction) ? m_bRomanianUpdated : m_bEnglishUpdated) {
                // The user may be typing: the focus and the word box's
                // selection stay as they were.
                HWND hFocus = ::GetFocus();
                DWORD dwStart = 0, dwEnd = 0;
                CWnd* pWordBox = GetWordBox();
                if (pWordBox)
                    pWordBox->SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart),
                                          reinterpret_cast<LPARAM>(&dwEnd));
                LoadDirection(theApp.m_direction);
                if (hFocus && ::IsChild(m_hWnd, hFocus) && hFocus != ::GetFocus()) {
                    m_bFocusInWordBox = pWordBox && hFocus == pWordBox->m_hWnd;
                    ::SetFocus(hFocus);
                }
                if (pWordBox)
                    pWordBox->SendMessage(EM_SETSEL, dwStart, static_cast<LPARAM>(dwEnd));
                SetMessageText(IsRomanianEnglish(theApp.m_direction) ? IDS_ROMANIAN_UPDATED
                                                                     : IDS_ENGLISH_UPDATED);
            }
            SetTimer(ID_TIMER_UPDATE, kStepDelay);
            break;
        case UpdateStep::kIdle:
        case UpdateStep::kDone:
            EndUpdateCycle();
            break;
    }
}

void CMainFrame::StartUpdateRun(UpdateAction action) {
    CString strReport("Unknown error");
    m_updateThread.m_action = action;
    m_updateThread.ResetCancel();
    try {
        m_updateThread.Start();
    } catch (CThreadException* e) {
        strReport = e->GetMessageText();
        e->Delete();
        EndUpdateRun(UPDATE_DOWNLOAD_FAILED, strReport);
    }
}

void CMainFrame::EndUpdateCycle() {
    m_bAnimating = FALSE;
    m_bEnglishUpdated = FALSE;
    m_bRomanianUpdated = FALSE;
    ShowTranslationsSoon();  // show the selected word's translations again
    if (!m_trayIcon.m_bHidden)
        m_trayIcon.StopAnimation();
}

LRESULT CMainFrame::OnUpdateReport(WPARAM, LPARAM) {
    // The report comes from the worker, never from the message: a report
    // nobody's run posted is ignored.
    int nResult = UPDATE_FAILED;
    CString strReport;
    if (!IsRunStep(m_updateStep) || !m_updateThread.TakeReport(nResult, strReport))
        return 0;
    EndUpdateRun(nResult, strReport);
    return 0;
}

void CMainFrame::EndUpdateRun(int nResult, const CString& strReport) {
    SetMessageText(strReport);
    if (!m_trayIcon.m_bHidden && IsRunStep(m_updateStep)) {
        BOOL bInfo = nResult == UPDATE_NOT_NEEDED || nResult == UPDATE_DONE;
        m_trayIcon.ShowBalloon(strReport, bInfo ? "Info" : "Warning", bInfo ? NIIF_INFO : NIIF_WARNING, 10);
    }

    // The run has reported and only idles now; a run that does not end
    // within the limit is left to end by itself rather than hang the window.
    DWORD dwExitCode = 0;
    try {
        m_updateThread.Stop(&dwExitCode, kRunStopWait);
    } catch (CException* e) {
        e->Delete();
    }

    if (nResult == UPDATE_DOWNLOAD_FAILED) {
        m_updateStep = UpdateStep::kDone;  // the next tick ends the cycle
        m_bEnglishUpdated = FALSE;
        m_bRomanianUpdated = FALSE;
    } else if (nResult == UPDATE_DONE) {
        if (m_updateStep == UpdateStep::kEnglishRun)
            m_bEnglishUpdated = TRUE;
        else if (m_updateStep == UpdateStep::kRomanianRun)
            m_bRomanianUpdated = TRUE;
    }
    SetTimer(ID_TIMER_UPDATE, kStepDelay);
}

void CMainFrame::OnHelpUpdate() {
    KillTimer(ID_TIMER_TRANSLATIONS);
    KillTimer(ID_TIMER_UPDATE);
    m_updateStep = UpdateStep::kConnecting;
    m_bEnglishUpdated = FALSE;
    m_bRomanianUpdated = FALSE;
    SetMessageText("Connecting ...");
    SetTimer(ID_TIMER_UPDATE, kStepDelay);
}

void CMainFrame::UseUpdateServer(LPCSTR pszHost, DWORD dwTimeout) {
    m_updateThread.m_strServer = pszHost;
    m_updateThread.m_dwTimeout = dwTimeout;
}
