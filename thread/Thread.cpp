#include "thread/Thread.h"

#include "framework/WideText.h"

#include <atomic>

IMPLEMENT_DYNAMIC(CThread, CObject)

CRITICAL_SECTION CThread::s_csThreadLock;

namespace {

const char kAlreadyStarted[] = "Thread is already started !";

// Stop checks whether the run has ended once per round.
const DWORD kPollRoundMs = 100;

// TerminateThread only starts the kill; this long at most is given to it to
// finish, so that the exit code read afterwards is the final one.
const DWORD kKillSettleMs = 1000;

// Whether s_csThreadLock exists. Constant-initialised, so it reads false before
// any constructor of the process has run, and it is never destroyed, so it can
// still be read after the lock has been deleted at exit.
std::atomic<bool> g_bThreadLockAlive{false};

}  // namespace

// Creates the lock while the process initialises its static objects, before
// the application's own start-up code, and deletes it when the process exits.
// A global CThread destroyed after that point then works without the lock.
class CThreadLockLifetime {
public:
    CThreadLockLifetime() {
        InitializeCriticalSection(&CThread::s_csThreadLock);
        g_bThreadLockAlive = true;
    }
    ~CThreadLockLifetime() {
        g_bThreadLockAlive = false;
        DeleteCriticalSection(&CThread::s_csThreadLock);
    }
    CThreadLockLifetime(const CThreadLockLifetime&) = delete;
    CThreadLockLifetime& operator=(const CThreadLockLifetime&) = delete;
};

static CThreadLockLifetime s_threadLockLifetime;

CThread::CLock::CLock() : m_bHeld(g_bThreadLockAlive) {
    if (m_bHeld)
        EnterCriticalSection(&s_csThreadLock);
}

CThread::CLock::~CLock() {
    Unlock();
}

void CThread::CLock::Unlock() {
    if (m_bHeld) {
        m_bHeld = FALSE;
        LeaveCriticalSection(&s_csThreadLock);
    }
}

CThread::CThread()
    : m_hThread(nullptr), m_hCommandEvent(nullptr), m_dwThreadId(0), m_dwExitCode(0xFFFFFFFE) {}

CThread::~CThread() {
    // Owners stop their run first; this kill is the last resort for one that did not.
    if (IsRunning()) {
        try {
            Terminate(0, TRUE);
        } catch (CException* e) {
            e->Delete();
        } catch (...) {
        }
    }
    CLock lock;
    if (m_hCommandEvent) {
        CloseHandle(m_hCommandEvent);
        m_hCommandEvent = nullptr;
    }
    // A thread that ended without passing through the end of ThreadProc left
    // its handle behind, and no one else will close it now.
    if (m_hThread)
        CloseHandle(m_hThread);
    ResetRunFields();
}

void CThread::OnTerminated() {}

void CThread::Start() {
    CLock lock;
    if (IsRunningLocked()) {
        lock.Unlock();
        throw new CThreadException(this, kAlreadyStarted, THREAD_ERR_RUNNING);
    }
    // The handle of a run that was killed from outside has not been collected;
    // it would leak once forgotten.
    if (m_hThread)
        CloseHandle(m_hThread);
    ResetRunFields();

    if (!m_hCommandEvent) {
        m_hCommandEvent = CreateEventA(nullptr, FALSE, FALSE, nullptr);
        if (!m_hCommandEvent) {
            CString strError = FormatSystemError(GetLastError());
            lock.Unlock();
            throw new CThreadException(this, strError, THREAD_ERR_EVENT);
        }
    }

    // The lock is held until CMD_START is queued, so the new thread cannot take
    // a command before it: every run begins with CMD_START.
    DWORD dwThreadId = 0;
    HANDLE hThread = CreateThread(nullptr, 0, ThreadProc, this, 0, &dwThreadId);
    if (!hThread) {
        CString strError = FormatSystemError(GetLastError());
        lock.Unlock();
        throw new CThreadException(this, strError, THREAD_ERR_CREATE);
    }
    m_hThread = hThread;
    m_dwThreadId = dwThreadId;

    CString strError;
    if (!PostCommand(CMD_START, strError)) {
        TerminateThread(m_hThread, 0xFFFFFFFF);
        CloseHandle(m_hThread);
        ResetRunFields();
        lock.Unlock();
        throw new CThreadException(this, strError, THREAD_ERR_POST);
    }
}

BOOL CThread::Stop(DWORD* pdwExitCode, DWORD dwTimeout) {
    CLock lock;
    if (!IsRunningLocked()) {
        if (m_hThread) {
            // Ended without reaching the end of ThreadProc (killed from outside).
            DWORD dwCode;
            if (GetExitCodeThread(m_hThread, &dwCode))
                m_dwExitCode = dwCode;
            CloseHandle(m_hThread);
        }
        StoreExitCode(pdwExitCode);
        ResetRunFields();
        return TRUE;
    }

    CString strError;
    if (!PostCommand(CMD_STOP, strError)) {
        StoreExitCode(pdwExitCode);
        lock.Unlock();
        throw new CThreadException(this, strError, THREAD_ERR_POST);
    }
    lock.Unlock();

    // Polling rather than waiting on the handle: the end of ThreadProc needs
    // the lock, and IsRunning keeps m_dwExitCode current. A finite time-out t
    // allows ceil(t / 100) rounds of 100 ms, so the wait never falls short of
    // what the caller granted and exceeds it by less than a round; it always
    // checks at least once, so t = 0 asks without sleeping at all.
    const DWORD dwRounds = dwTimeout / kPollRoundMs + (dwTimeout % kPollRoundMs != 0 ? 1 : 0);
    for (DWORD n = 0; IsRunning() && (dwTimeout == INFINITE || n < dwRounds); ++n)
        Sleep(kPollRoundMs);

    CLock lockAgain;
    StoreExitCode(pdwExitCode);
    return m_dwExitCode != STILL_ACTIVE;
}

void CThread::Terminate(DWORD dwExitCode, BOOL bQuiet) {
    CLock lock;
    if (!m_hThread) {
        m_dwExitCode = dwExitCode;
        ResetRunFields();
        return;
    }

    BOOL bKilled = TerminateThread(m_hThread, dwExitCode);
    DWORD dwError = bKilled ? 0 : GetLastError();
    if (bKilled)
        WaitForSingleObject(m_hThread, kKillSettleMs);
    DWORD dwCode;
    if (GetExitCodeThread(m_hThread, &dwCode))
        m_dwExitCode = dwCode;

    if (!bKilled && !bQuiet) {
        CString strError = FormatSystemError(dwError);
        lock.Unlock();
        throw new CThreadException(this, strError, THREAD_ERR_TERMINATE);
    }
    if (bQuiet)
        m_dwExitCode = dwExitCode;
    CloseHandle(m_hThread);
    ResetRunFields();
    OnTerminated();
}

BOOL CThread::IsRunning() {
    CLock lock;
    return IsRunningLocked();
}

BOOL CThread::IsRunningLocked() {
    if (!m_hThread)
        return FALSE;
    DWORD dwCode;
    if (!GetExitCodeThread(m_hThread, &dwCode))
        return FALSE;
    m_dwExitCode = dwCode;
    return dwCode == STILL_ACTIVE;
}

BOOL CThread::PostCommand(UINT nCommand, CString& strError) {
    strError.Empty();
    if (!m_hCommandEvent || nCommand == 0)
        return TRUE;
    const INT_PTR nCount = m_arrCommands.GetSize();
    if (nCount > 0 && m_arrCommands.GetAt(nCount - 1) == nCommand)
        return TRUE;
    try {
        m_arrCommands.Add(nCommand);
    } catch (CMemoryException* e) {
        e->Delete();
        return FALSE;
    }
    if (!SetEvent(m_hCommandEvent)) {
        // The command stays queued: a worker that looks at the queue still finds it.
        strError = FormatSystemError(GetLastError());
        return FALSE;
    }
    return TRUE;
}

BOOL CThread::GetCommand(UINT* pnCommand) {
    CLock lock;
    *pnCommand = 0;
    if (!m_hCommandEvent || m_arrCommands.IsEmpty())
        return FALSE;
    *pnCommand = m_arrCommands.GetAt(0);
    m_arrCommands.RemoveAt(0);
    return TRUE;
}

void CThread::WaitCommand(UINT* pnCommand, DWORD dwTimeout) {
    if (!m_hCommandEvent) {
        *pnCommand = 0;
        return;
    }
    // The queue is the truth; the event only wakes us. A signal left by a
    // command already taken costs one more look at an empty queue.
    for (;;) {
        if (GetCommand(pnCommand))
            return;
        if (WaitForSingleObject(m_hCommandEvent, dwTimeout) == WAIT_TIMEOUT) {
            *pnCommand = CMD_IDLE;
            return;
        }
    }
}

CString CThread::FormatSystemError(DWORD dwError) {
    // No inserts are supplied, so they are left as they stand: expanding them
    // without arguments would read whatever lies where the arguments should be.
    struct CLocalBuffer {
        LPWSTR p = nullptr;
        ~CLocalBuffer() {
            if (p)
                LocalFree(p);
        }
    } buffer;
    const DWORD nLength = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        dwError, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<LPWSTR>(&buffer.p), 0, nullptr);
    if (nLength == 0 || !buffer.p)
        return CString();
    return NarrowTextForDisplay(std::wstring_view(buffer.p, nLength));
}

DWORD WINAPI CThread::ThreadProc(LPVOID pParam) {
    CThread* pThis = static_cast<CThread*>(pParam);
    // Run must not throw. Should something escape it anyway, this turns it
    // into a failed run instead of letting it end the whole process.
    DWORD dwResult;
    try {
        dwResult = pThis->Run();
    } catch (CException* e) {
        e->Delete();
        dwResult = 0xFFFFFFFF;
    } catch (...) {
        dwResult = 0xFFFFFFFF;
    }

    CLock lock;
    if (pThis->m_hThread)
        CloseHandle(pThis->m_hThread);
    pThis->ResetRunFields();
    pThis->m_dwExitCode = dwResult;
    return dwResult;
}

void CThread::ResetRunFields() {
    m_hThread = nullptr;
    m_dwThreadId = 0;
    m_arrCommands.RemoveAll();
}

void CThread::StoreExitCode(DWORD* pdwExitCode) const {
    if (pdwExitCode)
        *pdwExitCode = m_dwExitCode;
}
