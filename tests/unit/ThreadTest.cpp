#include "thread/Thread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

namespace {

using Commands = std::vector<UINT>;

// A worker whose Run records every command it takes, and which can be told to
// dawdle where a real worker might: before its first command, or after CMD_STOP.
class CTestWorker : public CThread {
public:
    enum Behaviour {
        kUntilStop,     // take commands until CMD_STOP
        kReturnAtOnce,  // take one command and return
        kThrowAtOnce,   // take one command and throw
        kHoldFirst,     // signal ready, wait for the gate, then as kUntilStop
        kLingerAtStop,  // as kUntilStop, but wait for the gate before returning
    };

    explicit CTestWorker(Behaviour behaviour, DWORD dwResult = 0)
        : m_behaviour(behaviour),
          m_dwResult(dwResult),
          m_hGate(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
          m_hReady(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}
    ~CTestWorker() override {
        // A failed test may leave its run waiting; end it while its members still exist.
        SetEvent(m_hGate);
        Stop(nullptr, 2000);
        CloseHandle(m_hGate);
        CloseHandle(m_hReady);
    }

    BOOL WaitReady() { return WaitForSingleObject(m_hReady, 2000) == WAIT_OBJECT_0; }
    void OpenGate() { SetEvent(m_hGate); }
    Commands Taken() {
        std::lock_guard<std::mutex> guard(m_mutex);
        return m_taken;
    }
    Commands Queue() {
        CLock lock;
        return Commands(m_arrCommands.begin(), m_arrCommands.end());
    }
    BOOL Post(UINT nCommand) {
        CLock lock;
        CString strError;
        return PostCommand(nCommand, strError);
    }
    UINT Wait(DWORD dwTimeout) {
        UINT nCommand = 0xBAD;
        WaitCommand(&nCommand, dwTimeout);
        return nCommand;
    }
    HANDLE ThreadHandle() {
        CLock lock;
        return m_hThread;
    }
    DWORD ThreadId() {
        CLock lock;
        return m_dwThreadId;
    }
    HANDLE Event() const { return m_hCommandEvent; }

    std::atomic<int> m_nTerminated{0};

protected:
    DWORD Run() override {
        if (m_behaviour == kHoldFirst) {
            SetEvent(m_hReady);
            WaitForSingleObject(m_hGate, 5000);
        }
        for (;;) {
            const UINT nCommand = Wait(INFINITE);
            {
                std::lock_guard<std::mutex> guard(m_mutex);
                m_taken.push_back(nCommand);
            }
            if (m_behaviour == kThrowAtOnce)
                AfxThrowMemoryException();
            if (m_behaviour == kReturnAtOnce)
                return m_dwResult;
            if (nCommand == CMD_STOP) {
                if (m_behaviour == kLingerAtStop)
                    WaitForSingleObject(m_hGate, 5000);
                return m_dwResult;
            }
        }
    }
    void OnTerminated() override { ++m_nTerminated; }

private:
    const Behaviour m_behaviour;
    const DWORD m_dwResult;
    const HANDLE m_hGate;
    const HANDLE m_hReady;
    std::mutex m_mutex;
    Commands m_taken;
};

// Sits in Sleep until it is killed: it owns nothing that its own destruction
// could pull away from under the running thread.
class CStuckWorker : public CThread {
public:
    explicit CStuckWorker(HANDLE hReady) : m_hReady(hReady) {}
    HANDLE ThreadHandle() {
        CLock lock;
        return m_hThread;
    }

protected:
    DWORD Run() override {
        SetEvent(m_hReady);
        Sleep(10000);
        return 1;
    }

private:
    HANDLE m_hReady;
};

struct ExceptionDeleter {
    void operator()(CException* e) const { e->Delete(); }
};
using ThreadExceptionPtr = std::unique_ptr<CThreadException, ExceptionDeleter>;

ThreadExceptionPtr CatchStart(CThread& thread) {
    try {
        thread.Start();
    } catch (CThreadException* e) {
        return ThreadExceptionPtr(e);
    }
    return nullptr;
}

bool WaitUntil(const std::function<bool()>& condition, DWORD dwTimeoutMs = 2000) {
    const ULONGLONG tEnd = GetTickCount64() + dwTimeoutMs;
    while (!condition()) {
        if (GetTickCount64() > tEnd)
            return false;
        Sleep(5);
    }
    return true;
}

ULONGLONG MsSince(ULONGLONG tStart) {
    return GetTickCount64() - tStart;
}

}  // namespace

TEST(CThreadStop, NeverStartedGivesTheNeverRunCodeAndPostsNothing) {
    CTestWorker worker(CTestWorker::kUntilStop);
    DWORD dwCode = 0;
    EXPECT_TRUE(worker.Stop(&dwCode, 1000));
    EXPECT_EQ(0xFFFFFFFEu, dwCode);
    EXPECT_TRUE(worker.Queue().empty());
    EXPECT_FALSE(worker.IsRunning());
    // Before the first Start there is no event: nothing is queued, nothing waited for.
    EXPECT_EQ(nullptr, worker.Event());
    EXPECT_TRUE(worker.Post(5));
    EXPECT_TRUE(worker.Queue().empty());
    EXPECT_EQ(0u, worker.Wait(0));
}

TEST(CThreadStop, FiniteTimeOutGivesUpWithoutKilling) {
    CTestWorker worker(CTestWorker::kLingerAtStop, 3);
    worker.Start();
    DWORD dwCode = 0;
    // Time-out 0 looks once and does not sleep.
    ULONGLONG t0 = GetTickCount64();
    EXPECT_FALSE(worker.Stop(&dwCode, 0));
    EXPECT_LT(MsSince(t0), 100u);
    EXPECT_EQ(static_cast<DWORD>(STILL_ACTIVE), dwCode);
    // A finite time-out waits at least as long as granted, less than a round more.
    t0 = GetTickCount64();
    EXPECT_FALSE(worker.Stop(&dwCode, 250));
    const ULONGLONG elapsed = MsSince(t0);
    EXPECT_GE(elapsed, 250u);
    EXPECT_LT(elapsed, 1000u);
    EXPECT_EQ(static_cast<DWORD>(STILL_ACTIVE), dwCode);
    EXPECT_TRUE(worker.IsRunning());

    worker.OpenGate();
    EXPECT_TRUE(worker.Stop(&dwCode, 2000));
    EXPECT_EQ(3u, dwCode);
    EXPECT_EQ((Commands{CMD_START, CMD_STOP}), worker.Taken());
}

TEST(CThreadStart, SecondStartThrowsAndLeavesTheRunAlone) {
    CTestWorker worker(CTestWorker::kHoldFirst);
    worker.Start();
    ASSERT_TRUE(worker.WaitReady());
    const HANDLE hThread = worker.ThreadHandle();
    const DWORD dwId = worker.ThreadId();

    ThreadExceptionPtr e = CatchStart(worker);
    ASSERT_NE(nullptr, e);
    EXPECT_EQ(THREAD_ERR_RUNNING, e->m_nCode);
    EXPECT_STREQ("Thread is already started !", e->GetMessageText());
    EXPECT_EQ(&worker, e->m_pThread);
    EXPECT_TRUE(e->IsKindOf(RUNTIME_CLASS(CException)));

    EXPECT_TRUE(worker.IsRunning());
    EXPECT_EQ(hThread, worker.ThreadHandle());
    EXPECT_EQ(dwId, worker.ThreadId());
    EXPECT_EQ((Commands{CMD_START}), worker.Queue());
    worker.OpenGate();
    EXPECT_TRUE(worker.Stop(nullptr, 2000));
    EXPECT_EQ((Commands{CMD_START, CMD_STOP}), worker.Taken());
}

TEST(CThreadStart, RestartReusesTheEventAndBeginsWithStart) {
    CTestWorker worker(CTestWorker::kReturnAtOnce, 5);
    worker.Start();
    ASSERT_TRUE(WaitUntil([&] { return !worker.IsRunning(); }));
    const HANDLE hEvent = worker.Event();
    ASSERT_NE(nullptr, hEvent);
    // Commands queued between runs must not reach the next run before CMD_START.
    worker.Post(9);
    worker.Post(10);
    ASSERT_EQ((Commands{9, 10}), worker.Queue());

    ASSERT_EQ(nullptr, CatchStart(worker));
    ASSERT_TRUE(WaitUntil([&] { return !worker.IsRunning(); }));
    EXPECT_EQ(hEvent, worker.Event());
    EXPECT_EQ((Commands{CMD_START, CMD_START}), worker.Taken());
}

TEST(CThreadRun, ReturningByItselfLeavesTheObjectIdle) {
    CTestWorker worker(CTestWorker::kReturnAtOnce, 42);
    worker.Start();
    ASSERT_TRUE(WaitUntil([&] { return !worker.IsRunning(); }));
    EXPECT_EQ(nullptr, worker.ThreadHandle());
    EXPECT_EQ(0u, worker.ThreadId());
    EXPECT_TRUE(worker.Queue().empty());
    // No thread is left to poll, so even an unbounded Stop answers at once.
    DWORD dwCode = 0;
    const ULONGLONG t0 = GetTickCount64();
    EXPECT_TRUE(worker.Stop(&dwCode, INFINITE));
    EXPECT_LT(MsSince(t0), 100u);
    EXPECT_EQ(42u, dwCode);
}

TEST(CThreadRun, AnExceptionEscapingRunEndsOnlyTheRun) {
    CTestWorker worker(CTestWorker::kThrowAtOnce);
    worker.Start();
    ASSERT_TRUE(WaitUntil([&] { return !worker.IsRunning(); }));
    DWORD dwCode = 0;
    EXPECT_TRUE(worker.Stop(&dwCode, 1000));
    EXPECT_EQ(0xFFFFFFFFu, dwCode);
    EXPECT_EQ(nullptr, worker.ThreadHandle());
}

TEST(CThreadCommands, RepeatsOfTheNewestAndZeroAreNotQueued) {
    CTestWorker worker(CTestWorker::kHoldFirst);
    worker.Start();
    ASSERT_TRUE(worker.WaitReady());
    EXPECT_TRUE(worker.Post(CMD_START));
    EXPECT_TRUE(worker.Post(0));
    EXPECT_EQ((Commands{CMD_START}), worker.Queue());
    EXPECT_TRUE(worker.Post(5));
    EXPECT_TRUE(worker.Post(5));
    // Only a repeat of the newest is dropped, not of any queued command.
    EXPECT_TRUE(worker.Post(CMD_START));
    EXPECT_EQ((Commands{CMD_START, 5, CMD_START}), worker.Queue());

    worker.OpenGate();
    EXPECT_TRUE(worker.Stop(nullptr, 2000));
    EXPECT_EQ((Commands{CMD_START, 5, CMD_START, CMD_STOP}), worker.Taken());
}

TEST(CThreadCommands, WaitTakesTheOldestOrGivesIdleWhenNothingCame) {
    CTestWorker worker(CTestWorker::kReturnAtOnce);
    worker.Start();
    ASSERT_TRUE(WaitUntil([&] { return !worker.IsRunning(); }));
    // The run took CMD_START without waiting, so the event may still be
    // signalled; the empty queue decides.
    ULONGLONG t0 = GetTickCount64();
    EXPECT_EQ(CMD_IDLE, worker.Wait(0));
    EXPECT_EQ(CMD_IDLE, worker.Wait(0));
    EXPECT_LT(MsSince(t0), 50u);

    worker.Post(5);
    worker.Post(6);
    EXPECT_EQ(5u, worker.Wait(0));
    EXPECT_EQ(6u, worker.Wait(1000));
    t0 = GetTickCount64();
    EXPECT_EQ(CMD_IDLE, worker.Wait(150));
    EXPECT_GE(MsSince(t0), 140u);
}

TEST(CThreadTerminate, KillsARunAndCallsOnTerminated) {
    CTestWorker worker(CTestWorker::kHoldFirst);
    worker.Start();
    ASSERT_TRUE(worker.WaitReady());
    worker.Terminate(77, FALSE);
    EXPECT_EQ(1, worker.m_nTerminated);
    EXPECT_FALSE(worker.IsRunning());
    EXPECT_EQ(nullptr, worker.ThreadHandle());
    EXPECT_TRUE(worker.Queue().empty());
    DWORD dwCode = 0;
    EXPECT_TRUE(worker.Stop(&dwCode, 0));
    EXPECT_EQ(77u, dwCode);

    // The object can run again; a quiet kill reports the code it was given.
    ASSERT_EQ(nullptr, CatchStart(worker));
    ASSERT_TRUE(worker.WaitReady());
    worker.Terminate(55, TRUE);
    EXPECT_EQ(2, worker.m_nTerminated);
    EXPECT_TRUE(worker.Stop(&dwCode, 0));
    EXPECT_EQ(55u, dwCode);

    // With nothing to kill, only the exit code changes.
    worker.Terminate(9, FALSE);
    EXPECT_EQ(2, worker.m_nTerminated);
    EXPECT_TRUE(worker.Stop(&dwCode, 0));
    EXPECT_EQ(9u, dwCode);
}

TEST(CThreadTerminate, StopCollectsARunKilledFromOutside) {
    CTestWorker worker(CTestWorker::kHoldFirst);
    worker.Start();
    ASSERT_TRUE(worker.WaitReady());
    const HANDLE hThread = worker.ThreadHandle();
    ASSERT_TRUE(TerminateThread(hThread, 66));
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(hThread, 2000));

    EXPECT_FALSE(worker.IsRunning());
    EXPECT_EQ(hThread, worker.ThreadHandle());
    DWORD dwCode = 0;
    EXPECT_TRUE(worker.Stop(&dwCode, 0));
    EXPECT_EQ(66u, dwCode);
    EXPECT_EQ(nullptr, worker.ThreadHandle());
    EXPECT_EQ(0, worker.m_nTerminated);
}

TEST(CThreadTerminate, QuietKillOfAnEndedRunCollectsItWithTheGivenCode) {
    CTestWorker worker(CTestWorker::kHoldFirst);
    worker.Start();
    ASSERT_TRUE(worker.WaitReady());
    // Ended but not collected: the kill still collects it and calls OnTerminated.
    const HANDLE hThread = worker.ThreadHandle();
    ASSERT_TRUE(TerminateThread(hThread, 66));
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(hThread, 2000));
    worker.Terminate(55, TRUE);
    EXPECT_EQ(1, worker.m_nTerminated);
    EXPECT_EQ(nullptr, worker.ThreadHandle());
    DWORD dwCode = 0;
    EXPECT_TRUE(worker.Stop(&dwCode, 0));
    EXPECT_EQ(55u, dwCode);
}

TEST(CThreadTerminate, DestructionKillsARunStillInProgress) {
    const HANDLE hReady = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE hCopy = nullptr;
    {
        CStuckWorker worker(hReady);
        worker.Start();
        ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(hReady, 2000));
        ASSERT_TRUE(DuplicateHandle(GetCurrentProcess(), worker.ThreadHandle(), GetCurrentProcess(), &hCopy,
                                    0, FALSE, DUPLICATE_SAME_ACCESS));
    }
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(hCopy, 2000));
    DWORD dwCode = 1234;
    EXPECT_TRUE(GetExitCodeThread(hCopy, &dwCode));
    EXPECT_EQ(0u, dwCode);
    CloseHandle(hCopy);
    CloseHandle(hReady);
}

TEST(CThreadFormatSystemError, KeepsTheSystemTextWhole) {
    EXPECT_TRUE(CThread::FormatSystemError(0x2000ABCD).IsEmpty());
    const CString strText = CThread::FormatSystemError(ERROR_ACCESS_DENIED);
    ASSERT_GT(strText.GetLength(), 2);
    EXPECT_EQ(CString("\r\n"), strText.Right(2));
    EXPECT_EQ(AfxFormatSystemMessage(ERROR_ACCESS_DENIED), strText.Left(strText.GetLength() - 2));
}

TEST(CThreadException, ReportsItsOwnTextUnlessGivenAResource) {
    CThreadException e(nullptr, "Cannot start", THREAD_ERR_CREATE);
    EXPECT_EQ(CString("Cannot start"), e.GetReportText(0));
    // A resource id replaces the text, even when the resource is missing.
    EXPECT_TRUE(e.GetReportText(0xFFF0).IsEmpty());
}
