// CThreadException: why a worker thread could not be started, stopped or
// killed. Thrown by pointer; the catcher shows GetMessageText() and calls Delete().
#pragma once

#include "framework/Exception.h"
#include "framework/String.h"

class CThread;

// Failure codes carried in m_nCode.
constexpr int THREAD_ERR_CREATE = 1;     // the system refused to create the thread
constexpr int THREAD_ERR_RUNNING = 2;    // Start while a run is in progress
constexpr int THREAD_ERR_TERMINATE = 3;  // the system refused to kill the thread
constexpr int THREAD_ERR_EVENT = 4;      // the command event could not be created
constexpr int THREAD_ERR_POST = 5;       // CMD_START or CMD_STOP could not be queued

class CThreadException : public CException {
public:
    CThreadException(CThread* pThread, const CString& strMessage, int nCode);
    ~CThreadException() override;

    CString GetMessageText() const { return m_strMessage; }

    // Shows GetReportText(nMessageID) in a message box of style nType.
    int ReportError(UINT nType = MB_OK, UINT nMessageID = 0) override;
    // The exception's own message, or string resource nMessageID when that is not 0.
    CString GetReportText(UINT nMessageID) const;

    CThread* m_pThread;  // not owned
    CString m_strMessage;
    int m_nCode;
};
