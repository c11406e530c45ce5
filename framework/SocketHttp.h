// One HTTP GET read straight from a socket, for a direct connection (no
// proxy set up). Unlike WinINet it sees the body's framing, so a body that
// ends early is a failure however it was sent: shorter than its announced
// length, or chunked and cut off before its last chunk. Failures throw
// CInternetException* with WinINet's error numbers (and so its texts).
// Blocking, within a time-out for each step; plain http only.
#pragma once

#include "framework/Internet.h"
#include "framework/String.h"

#include <string>

class CSocketHttpFile {
public:
    // Connects, sends the GET and reads the answer's head, following up to
    // five redirects. Throws CInternetException*.
    CSocketHttpFile(const std::string& url, DWORD dwTimeout);
    ~CSocketHttpFile();
    CSocketHttpFile(const CSocketHttpFile&) = delete;
    CSocketHttpFile& operator=(const CSocketHttpFile&) = delete;

    // As CHttpFile's: the status, the content type and status text
    // (HTTP_QUERY_CONTENT_TYPE, HTTP_QUERY_STATUS_TEXT), the announced length.
    DWORD GetStatusCode() const { return m_dwStatus; }
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
    enum class Framing { kLength, kChunked, kClose };
    // Where a chunked body is: at a chunk's size line, in its data, at the
    // line end after the data, or in the trailers after the last chunk.
    enum class ChunkStep { kSize, kData, kDataEnd, kTrailers };

    void Connect(const std::string& host, unsigned short nPort);
    void SendRequest(const std::string& host, unsigned short nPort, const std::string& path);
    // Reads and parses the head; the bytes after it stay in m_raw.
    void ReadHead(std::string& location);
    // Receives more raw bytes; false when the server has closed.
    bool Receive();
    // Moves what the raw bytes hold of the body into m_body.
    void Decode();

    UINT_PTR m_socket = ~UINT_PTR(0);  // a SOCKET; INVALID_SOCKET when none
    DWORD m_dwTimeout;
    DWORD m_dwStatus = 0;
    CString m_strStatusText;
    CString m_strContentType;
    Framing m_framing = Framing::kClose;
    ULONGLONG m_nLength = 0;  // kLength: the announced length
    ULONGLONG m_nLeft = 0;    // body bytes (kLength) or chunk bytes (kChunked) still to come
    ChunkStep m_chunkStep = ChunkStep::kSize;
    bool m_bEnded = false;   // the body is complete
    bool m_bClosed = false;  // the server closed the connection
    std::string m_raw;       // received, not yet decoded
    std::string m_body;      // decoded, not yet read
    bool m_bWinsock = false;
};
