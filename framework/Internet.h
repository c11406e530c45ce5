// HTTP downloads over WinINet: a session, the files it opens by URL, and the
// exception their failures raise. Synchronous; one session per download is
// the intended use.
#pragma once

#include "framework/Exception.h"
#include "framework/Object.h"
#include "framework/String.h"

#include <windows.h>
#include <wininet.h>

// A WinINet failure. The text comes from WinINet's own message table.
class CInternetException : public CException {
    DECLARE_DYNAMIC(CInternetException)
public:
    CInternetException(DWORD dwError, DWORD_PTR dwContext = 1);

    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const override;

    DWORD m_dwError;
    DWORD_PTR m_dwContext;
};

// Throws a CInternetException for dwError, or for the calling thread's last
// error when dwError is 0.
[[noreturn]] void AfxThrowInternetException(DWORD_PTR dwContext, DWORD dwError = 0);

// A response being read: the connection and request handles of one GET.
class CHttpFile : public CObject {
    DECLARE_DYNAMIC(CHttpFile)
public:
    ~CHttpFile() override;
    CHttpFile(const CHttpFile&) = delete;
    CHttpFile& operator=(const CHttpFile&) = delete;

    // Reads up to nCount bytes of the body; 0 at its end. A body that ends
    // before the length the server announced throws, as a dropped connection.
    // Throws CInternetException*.
    UINT Read(void* lpBuf, UINT nCount);
    // How many bytes of the body can be read at once, waiting (within the
    // receive time-out) until some have arrived; 0 at the end of the body.
    // Read blocks until it has all it asked for, so a reader that must stay
    // in control of its time asks no more than this. Throws
    // CInternetException*.
    DWORD QueryDataAvailable();

    // The status code of the response (200, 404 ...). Throws CInternetException*.
    DWORD GetStatusCode() const;
    // A header or status value as text; FALSE when the response has none.
    BOOL QueryInfo(DWORD dwInfoLevel, CString& strValue) const;
    // The announced body length; FALSE when the server announced none.
    BOOL GetContentLength(ULONGLONG& nLength) const;

    void Close();

private:
    friend class CInternetSession;
    CHttpFile(HINTERNET hConnect, HINTERNET hRequest, DWORD_PTR dwContext);

    HINTERNET m_hConnect;
    HINTERNET m_hRequest;
    DWORD_PTR m_dwContext;
    ULONGLONG m_nRead = 0;
};

class CInternetSession : public CObject {
    DECLARE_DYNAMIC(CInternetSession)
public:
    // Opens the session at once; throws CInternetException* on failure.
    // Without an agent, the application's name stands for it.
    explicit CInternetSession(LPCSTR pstrAgent = nullptr, DWORD_PTR dwContext = 1,
                              DWORD dwAccessType = INTERNET_OPEN_TYPE_PRECONFIG,
                              LPCSTR pstrProxyName = nullptr, LPCSTR pstrProxyBypass = nullptr,
                              DWORD dwFlags = 0);
    ~CInternetSession() override;
    CInternetSession(const CInternetSession&) = delete;
    CInternetSession& operator=(const CInternetSession&) = delete;

    // Time-outs in milliseconds for connecting, sending and receiving. They
    // are set on every connection and request handle this session opens:
    // WinINet does not always hand a session's time-outs down to them, and
    // a server that accepts a connection and never answers would otherwise
    // hold a download for minutes.
    void SetTimeouts(DWORD dwMilliseconds);

    // Sends a GET for an http:// or https:// URL and returns the response,
    // whatever its status; the caller deletes it. Throws CInternetException*.
    CHttpFile* OpenURL(LPCSTR pstrURL, DWORD_PTR dwContext = 1, DWORD dwFlags = INTERNET_FLAG_TRANSFER_ASCII,
                       LPCSTR pstrHeaders = nullptr, DWORD dwHeadersLength = 0);

    void Close();
    operator HINTERNET() const { return m_hSession; }

private:
    void ApplyTimeouts(HINTERNET hInternet) const;

    HINTERNET m_hSession = nullptr;
    DWORD_PTR m_dwContext;
    DWORD m_dwTimeout = 0;  // 0: WinINet's own
};
