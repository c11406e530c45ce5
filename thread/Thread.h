// CThread: a long-lived worker object whose runs are steered from the
// controlling thread through a small command queue. Each Start launches one
// run of a new system thread executing Run; Stop asks the run to end and waits.
#pragma once

#include "framework/Array.h"
#include "framework/Object.h"
#include "framework/String.h"
#include "thread/ThreadException.h"

#include <windows.h>

// Commands. 0 means "none" and is never queued; values not listed here are
// free for subclasses.
constexpr UINT CMD_IDLE = 1;   // WaitCommand's answer when nothing arrived in time
constexpr UINT CMD_START = 2;  // the first command of every run
constexpr UINT CMD_STOP = 7;   // Run must return when it takes this

class CThread : public CObject {
    DECLARE_DYNAMIC(CThread)
public:
    CThread();
    ~CThread() override;
    CThread(const CThread&) = delete;
    CThread& operator=(const CThread&) = delete;

    // Launches a run. Throws CThreadException* (THREAD_ERR_CREATE, _RUNNING,
    // _EVENT or _POST).
    void Start();
    // Queues CMD_STOP and waits, polling every 100 ms, for Run to return; never
    // kills the thread. Stores the last known exit code through pdwExitCode
    // (when given). TRUE when no run is in progress any more, FALSE when the
    // time-out ran out first. Throws CThreadException* (THREAD_ERR_POST).
    BOOL Stop(DWORD* pdwExitCode, DWORD dwTimeout);
    // Kills the current run. A refusal of the system throws CThreadException*
    // (THREAD_ERR_TERMINATE) unless bQuiet.
    void Terminate(DWORD dwExitCode, BOOL bQuiet);
    BOOL IsRunning();

    // The system's text for a Win32 error code, trailing line break included;
    // empty when the system has none.
    static CString FormatSystemError(DWORD dwError);

protected:
    // The body of a run, on the worker thread; its result is the exit code.
    // It must not throw.
    virtual DWORD Run() = 0;
    // Called by Terminate, with the lock held, after a run has been killed.
    virtual void OnTerminated();

    // Queues a command unless it repeats the newest one; the caller holds the lock.
    BOOL PostCommand(UINT nCommand, CString& strError);
    // Takes the oldest command; FALSE (and 0) when there is none.
    BOOL GetCommand(UINT* pnCommand);
    // The next command, waiting for one at most dwTimeout ms; CMD_IDLE when
    // none came. Time-out 0 never blocks.
    void WaitCommand(UINT* pnCommand, DWORD dwTimeout);

    // Holds s_csThreadLock for a scope. Takes nothing when the lock does not
    // exist, which happens while the process shuts down.
    class CLock {
    public:
        CLock();
        ~CLock();
        CLock(const CLock&) = delete;
        CLock& operator=(const CLock&) = delete;
        void Unlock();

    private:
        BOOL m_bHeld;
    };

    HANDLE m_hThread;        // the current run's thread; null when none
    HANDLE m_hCommandEvent;  // auto-reset; from the first Start until destruction
    DWORD m_dwThreadId;
    DWORD m_dwExitCode;        // 0xFFFFFFFE: never ran; STILL_ACTIVE while a run is seen running
    CUIntArray m_arrCommands;  // oldest first

private:
    friend class CThreadLockLifetime;

    static DWORD WINAPI ThreadProc(LPVOID pParam);
    // IsRunning for callers that hold the lock already.
    BOOL IsRunningLocked();
    // Forgets the run: handle (not closed), id and queue; the exit code and the event stay.
    void ResetRunFields();
    void StoreExitCode(DWORD* pdwExitCode) const;

    // Guards the run fields of every CThread.
    static CRITICAL_SECTION s_csThreadLock;
};
