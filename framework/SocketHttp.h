// One HTTP GET read straight from a socket, for a direct connection (no
// proxy set up). Unlike WinINet it sees the body's framing, so a body that
// ends early is a failure however it was sent: shorter than its announced
// length, or chunked and cut off before its last chunk. Failures throw
// CInternetException* with WinINet's error numbers (and so its texts).
// Blocking, within a time-out for each step; plain http only.
#pragma once

#include "framework/HttpBody.h"
#include "framework/HttpHead.h"
#include "framework/Internet.h"
#include "framework/String.h"

#include <optional>
#include <string>

class CSocketHttpFile {
public:
    // Connects, sends the GET and reads the answer's head, following up to
    // five redirects. Each step waits at most dwTimeout, and every step
    // until the body's end, the redirects' too, within dwMaxTime in all.
    // Throws CInternetException*.
    CSocketHttpFile(const std::string& url, DWORD dwTimeout, DWORD dwMaxTime = INFINITE);
    ~CSocketHttpFile();
    CSocketHttpFile(const CSocketHttpFile&) = delete;
    CSocketHttpFile& operator=(const CSocketHttpFile&) = delete;

    // As CHttpFile's: the status, the content type and status text
    // (HTTP_QUERY_CONTENT_TYPE, HTTP_QUERY_STATUS_TEXT), the announced length.
    DWORD GetStatusCode() const { return m_head.status; }
    BOOL QueryInfo(DWORD dwInfoLevel, CString& strValue) const;
    BOOL GetContentLength(ULONGLONG& nLength) const;
    // How many bytes of the body can be read now, waiting for some within
    // the time-out; 0 at the body's end. Throws CInternetException*.
    DWORD QueryDataAvailable();
    // Up to nCount bytes of the body; 0 at its end. Throws CInternetException*.
    UINT Read(void* lpBuf, UINT nCount);
    void Close();

    // Whether the system is set up to reach the web through a proxy (or a
    // script that picks one): then WinINet must do the download.
    static BOOL UsesProxy();

private:
    void Connect(const std::string& host, unsigned short nPort);
    void SendRequest(const std::string& host, unsigned short nPort, const std::string& path);
    // Reads and parses the head; the bytes after it stay in m_raw.
    void ReadHead(std::string& location);
    // Receives more raw bytes; false when the server has closed.
    bool Receive();
    // How long the next step may wait: the time-out for a step, or what is
    // left of the whole download's time if that is less. Throws when
    // nothing is left.
    DWORD StepTimeout() const;

    UINT_PTR m_socket = ~UINT_PTR(0);  // a SOCKET; INVALID_SOCKET when none
    DWORD m_dwTimeout;
    ULONGLONG m_nDeadline = 0;  // GetTickCount64's at the end of the whole time; 0: none
    http::AnswerHead m_head;
    CString m_strStatusText;
    CString m_strContentType;
    std::optional<http::BodyDecoder> m_decoder;
    bool m_bClosed = false;  // the server closed the connection
    std::string m_raw;       // received, not yet decoded
    std::string m_body;      // decoded, not yet read
    bool m_bWinsock = false;
};
