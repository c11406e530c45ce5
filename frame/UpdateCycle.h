// CUpdateCycle: the dictionary update cycle. One step per tick of the
// window's step timer, the two worker runs in between, their reports in the
// status bar and, while the icon is in the notification area, in balloons
// over an animated icon. The window owns it and hands it ticks and reports.
#pragma once

#include "dictionary/Direction.h"
#include "frame/FrameState.h"
#include "framework/String.h"
#include "thread/UpdateThread.h"

#include <windows.h>

#include <functional>

class CSystemTray;

// What the cycle asks of the window it runs in.
struct UpdateCycleHost {
    std::function<void(LPCSTR)> say;  // in the status bar
    // How many edit dialogs and confirmations are open: a step waits for
    // them to close.
    std::function<int()> openEditDialogs;
    std::function<Direction()> direction;  // the one the window shows
    // The current direction loaded again, the focus and the word box's
    // selection kept: the user may be typing.
    std::function<void()> reloadKeepingFocus;
    // A pending display of the translations waits for the end of the cycle,
    // and comes then.
    std::function<void()> holdTranslations;
    std::function<void()> showTranslationsSoon;
    // The attempt is remembered ("LastUpdate"), pszWhen as
    // "YYYY-MM-DD hh:mm:ss".
    std::function<void(LPCSTR pszWhen)> recordAttempt;
};

class CUpdateCycle {
public:
    CUpdateCycle(CSystemTray& tray, UpdateCycleHost host);
    CUpdateCycle(const CUpdateCycle&) = delete;
    CUpdateCycle& operator=(const CUpdateCycle&) = delete;

    // Once the window exists: its timer nStepTimer gives the steps, and it
    // receives the worker's reports.
    void Attach(HWND hWnd, UINT_PTR nStepTimer);
    // A cycle from its first step, whatever ran before.
    void Begin();
    // The step timer's tick.
    void OnTick();
    // WM_UPDATE_REPORT: the report is taken from the worker, never from the
    // message, so a report nobody's run posted changes nothing.
    void OnReport();
    // The window closes: a download in progress is given up (nothing of it
    // is merged); a merge in progress is local and short, and is waited
    // for: nothing may be lost.
    void GiveUp();
    // The runs fetch from pszHost, giving up on a silent server after
    // dwTimeout ms (0: the worker's own limit).
    void UseServer(LPCSTR pszHost, DWORD dwTimeout = 0);

    UpdateStep Step() const { return m_updateStep; }
    bool IsRunning() const { return IsUpdateStepRunning(m_updateStep); }
    // In the current cycle.
    bool EnglishUpdated() const { return m_bEnglishUpdated != FALSE; }
    bool RomanianUpdated() const { return m_bRomanianUpdated != FALSE; }

private:
    void StartRun(UpdateAction action);
    // Shows a run's report, stops the run and arms the next step.
    void EndRun(const UpdateReport& report);
    void EndCycle();
    void ArmNextStep();
    void StopTicks();

    CSystemTray& m_tray;
    UpdateCycleHost m_host;
    HWND m_hWnd = nullptr;
    UINT_PTR m_nStepTimer = 0;
    UpdateStep m_updateStep = UpdateStep::kIdle;
    BOOL m_bEnglishUpdated = FALSE;
    BOOL m_bRomanianUpdated = FALSE;
    BOOL m_bAnimating = FALSE;  // the icon's animation runs
    CUpdateThread m_updateThread;
};
