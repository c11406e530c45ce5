#include "frame/UpdateCycle.h"

#include "framework/OleDateTime.h"
#include "res/resource.h"
#include "thread/ThreadException.h"
#include "widgets/SystemTray.h"

#include <utility>

namespace {

const UINT kStepDelay = 2000;
const DWORD kRunStopWait = 5000;

bool IsRunStep(UpdateStep step) {
    return step == UpdateStep::kEnglishRun || step == UpdateStep::kRomanianRun;
}

}  // namespace

CUpdateCycle::CUpdateCycle(CSystemTray& tray, UpdateCycleHost host) : m_tray(tray), m_host(std::move(host)) {}

void CUpdateCycle::Attach(HWND hWnd, UINT_PTR nStepTimer) {
    m_hWnd = hWnd;
    m_nStepTimer = nStepTimer;
    m_updateThread.m_hWndOwner = hWnd;
}

void CUpdateCycle::ArmNextStep() {
    ::SetTimer(m_hWnd, m_nStepTimer, kStepDelay, nullptr);
}

void CUpdateCycle::StopTicks() {
    m_host.holdTranslations();
    ::KillTimer(m_hWnd, m_nStepTimer);
}

void CUpdateCycle::Begin() {
    StopTicks();
    m_updateStep = UpdateStep::kConnecting;
    m_bEnglishUpdated = FALSE;
    m_bRomanianUpdated = FALSE;
    m_host.say("Connecting ...");
    ArmNextStep();
}

void CUpdateCycle::OnTick() {
    if (m_host.openEditDialogs() > 0) {
        // The user is adding, changing or deleting a word: the cycle takes
        // its next step once the dialog has closed.
        ArmNextStep();
        return;
    }
    StopTicks();
    m_updateStep = NextUpdateStep(m_updateStep);

    // At every tick, so that hiding the window during a cycle starts it too.
    if (!m_bAnimating && !m_tray.m_bHidden) {
        m_bAnimating = TRUE;
        m_tray.SetIconList(IDI_ANIM_FIRST, IDI_ANIM_LAST);
        m_tray.Animate(50, 30);
    }

    switch (m_updateStep) {
        case UpdateStep::kConnecting:
            m_host.say("Connecting ...");
            ArmNextStep();
            break;
        case UpdateStep::kRecordingAttempt:
            m_host.say("Connect to update server ...");
            // The attempt is recorded before anything is downloaded.
            m_host.recordAttempt(COleDateTime::GetCurrentTime().Format("%Y-%m-%d %H:%M:%S"));
            ArmNextStep();
            break;
        case UpdateStep::kCheckingEnglish:
            m_host.say("Checking english database ...");
            ArmNextStep();
            break;
        case UpdateStep::kEnglishRun:
            StartRun(UpdateAction::kEnglish);  // the report arms the timer again
            break;
        case UpdateStep::kRomanianRun:
            StartRun(UpdateAction::kRomanian);
            break;
        case UpdateStep::kCheckingRomanian:
            m_host.say("Checking romanian database ...");
            ArmNextStep();
            break;
        case UpdateStep::kReload: {
            const bool bRomanian = IsRomanianEnglish(m_host.direction());
            if (bRomanian ? m_bRomanianUpdated : m_bEnglishUpdated) {
                m_host.reloadKeepingFocus();
                CString strDone;
                strDone.LoadString(bRomanian ? IDS_ROMANIAN_UPDATED : IDS_ENGLISH_UPDATED);
                m_host.say(strDone);
            }
            ArmNextStep();
            break;
        }
        case UpdateStep::kIdle:
        case UpdateStep::kDone:
            EndCycle();
            break;
    }
}

void CUpdateCycle::StartRun(UpdateAction action) {
    m_updateThread.m_action = action;
    m_updateThread.ResetCancel();
    try {
        m_updateThread.Start();
    } catch (CThreadException* e) {
        const UpdateReport report(UPDATE_DOWNLOAD_FAILED, e->GetMessageText());
        e->Delete();
        EndRun(report);
    }
}

void CUpdateCycle::EndCycle() {
    m_bAnimating = FALSE;
    m_bEnglishUpdated = FALSE;
    m_bRomanianUpdated = FALSE;
    m_host.showTranslationsSoon();  // the selected word's translations again
    if (!m_tray.m_bHidden)
        m_tray.StopAnimation();
}

void CUpdateCycle::OnReport() {
    if (!IsRunStep(m_updateStep))
        return;
    if (const std::optional<UpdateReport> report = m_updateThread.TakeReport())
        EndRun(*report);
}

void CUpdateCycle::EndRun(const UpdateReport& report) {
    m_host.say(report.GetText());
    const int nResult = report.GetKind();
    if (!m_tray.m_bHidden && IsRunStep(m_updateStep)) {
        BOOL bInfo = nResult == UPDATE_NOT_NEEDED || nResult == UPDATE_DONE;
        m_tray.ShowBalloon(report.GetText(), bInfo ? "Info" : "Warning", bInfo ? NIIF_INFO : NIIF_WARNING,
                           10);
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
    ArmNextStep();
}

void CUpdateCycle::GiveUp() {
    m_updateThread.Cancel();
    DWORD dwExitCode = 0;
    try {
        m_updateThread.Stop(&dwExitCode, INFINITE);
    } catch (CException* e) {
        e->Delete();
    }
}

void CUpdateCycle::UseServer(LPCSTR pszHost, DWORD dwTimeout) {
    m_updateThread.m_strServer = pszHost;
    if (dwTimeout)
        m_updateThread.m_dwTimeout = dwTimeout;
}
