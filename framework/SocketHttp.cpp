// Winsock before everything that brings in <windows.h>.
#include <winsock2.h>
#include <ws2tcpip.h>

#include "framework/SocketHttp.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace {

const int kMaxRedirects = 5;
const size_t kMaxHead = 64 * 1024;
const size_t kMaxChunkLine = 4096;
const size_t kReceiveSize = 64 * 1024;

[[noreturn]] void Fail(DWORD dwError) {
    AfxThrowInternetException(1, dwError);
}

bool EqualNoCase(const std::string& a, const char* b) {
    size_t i = 0;
    for (; i < a.size() && b[i]; ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return i == a.size() && !b[i];
}

std::string Trim(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

struct Url {
    std::string host;
    unsigned short nPort = 80;
    std::string path;
};

Url ParseUrl(const std::string& url) {
    const size_t nScheme = url.find("://");
    if (nScheme == std::string::npos)
        Fail(ERROR_INTERNET_INVALID_URL);
    if (!EqualNoCase(url.substr(0, nScheme), "http"))
        Fail(ERROR_INTERNET_UNRECOGNIZED_SCHEME);
    const std::string rest = url.substr(nScheme + 3);
    const size_t nSlash = rest.find('/');
    std::string authority = rest.substr(0, nSlash);
    Url parts;
    parts.path = nSlash == std::string::npos ? "/" : rest.substr(nSlash);
    const size_t nColon = authority.rfind(':');
    if (nColon != std::string::npos) {
        const std::string port = authority.substr(nColon + 1);
        const long nPort = std::strtol(port.c_str(), nullptr, 10);
        if (port.empty() || nPort <= 0 || nPort > 65535 ||
            port.find_first_not_of("0123456789") != std::string::npos)
            Fail(ERROR_INTERNET_INVALID_URL);
        parts.nPort = static_cast<unsigned short>(nPort);
        authority.resize(nColon);
    }
    if (authority.empty())
        Fail(ERROR_INTERNET_INVALID_URL);
    parts.host = authority;
    return parts;
}

// Waits until the socket can be read (bWrite: written); false on time-out.
bool WaitFor(SOCKET s, bool bWrite, DWORD dwTimeout) {
    fd_set set;
    FD_ZERO(&set);
    FD_SET(s, &set);
    fd_set failed;
    FD_ZERO(&failed);
    FD_SET(s, &failed);
    timeval tv = {static_cast<long>(dwTimeout / 1000), static_cast<long>(dwTimeout % 1000) * 1000};
    const int n = select(0, bWrite ? nullptr : &set, bWrite ? &set : nullptr, &failed, &tv);
    if (n == SOCKET_ERROR)
        Fail(ERROR_INTERNET_CONNECTION_ABORTED);
    return n > 0;
}

}  // namespace

CSocketHttpFile::CSocketHttpFile(const std::string& url, DWORD dwTimeout) : m_dwTimeout(dwTimeout) {
    WSADATA data;
    if (WSAStartup(MAKEWORD(2, 2), &data) != 0)
        Fail(ERROR_INTERNET_INTERNAL_ERROR);
    m_bWinsock = true;
    std::string target = url;
    Url parts = ParseUrl(target);
    for (int nRedirect = 0;; ++nRedirect) {
        Connect(parts.host, parts.nPort);
        SendRequest(parts.host, parts.nPort, parts.path);
        std::string location;
        ReadHead(location);
        if (location.empty())
            return;
        if (nRedirect == kMaxRedirects)
            Fail(ERROR_HTTP_REDIRECT_FAILED);
        Close();
        if (location.find("://") != std::string::npos) {
            parts = ParseUrl(location);
        } else {
            // A path on the same server.
            parts.path = location[0] == '/' ? location : "/" + location;
        }
    }
}

CSocketHttpFile::~CSocketHttpFile() {
    Close();
    if (m_bWinsock)
        WSACleanup();
}

void CSocketHttpFile::Close() {
    if (m_socket != INVALID_SOCKET)
        closesocket(m_socket);
    m_socket = INVALID_SOCKET;
    m_raw.clear();
    m_body.clear();
    m_bEnded = m_bClosed = false;
    m_chunkStep = ChunkStep::kSize;
}

void CSocketHttpFile::Connect(const std::string& host, unsigned short nPort) {
    addrinfo hints = {};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_protocol = IPPROTO_TCP;
    addrinfo* pFirst = nullptr;
    if (getaddrinfo(host.c_str(), std::to_string(nPort).c_str(), &hints, &pFirst) != 0 || !pFirst)
        Fail(ERROR_INTERNET_NAME_NOT_RESOLVED);
    for (addrinfo* p = pFirst; p && m_socket == INVALID_SOCKET; p = p->ai_next) {
        SOCKET s = socket(p->ai_family, p->ai_socktype, p->ai_protocol);
        if (s == INVALID_SOCKET)
            continue;
        // Connects without blocking, so that the time-out holds.
        u_long nNonBlocking = 1;
        ioctlsocket(s, FIONBIO, &nNonBlocking);
        bool bConnected = connect(s, p->ai_addr, static_cast<int>(p->ai_addrlen)) == 0;
        if (!bConnected && WSAGetLastError() == WSAEWOULDBLOCK && WaitFor(s, true, m_dwTimeout)) {
            int nError = 0;
            int nSize = sizeof(nError);
            bConnected = getsockopt(s, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&nError), &nSize) == 0 &&
                         nError == 0;
        }
        if (bConnected)
            m_socket = s;
        else
            closesocket(s);
    }
    freeaddrinfo(pFirst);
    if (m_socket == INVALID_SOCKET)
        Fail(ERROR_INTERNET_CANNOT_CONNECT);
}

void CSocketHttpFile::SendRequest(const std::string& host, unsigned short nPort, const std::string& path) {
    std::string request = "GET " + path + " HTTP/1.1\r\nHost: " + host;
    if (nPort != 80)
        request += ":" + std::to_string(nPort);
    request += "\r\nAccept: */*\r\nCache-Control: no-cache\r\nConnection: close\r\n\r\n";
    for (size_t nSent = 0; nSent < request.size();) {
        if (!WaitFor(m_socket, true, m_dwTimeout))
            Fail(ERROR_INTERNET_TIMEOUT);
        const int n = send(m_socket, request.data() + nSent, static_cast<int>(request.size() - nSent), 0);
        if (n == SOCKET_ERROR) {
            if (WSAGetLastError() == WSAEWOULDBLOCK)
                continue;
            Fail(ERROR_INTERNET_CONNECTION_ABORTED);
        }
        nSent += static_cast<size_t>(n);
    }
}

bool CSocketHttpFile::Receive() {
    for (;;) {
        if (!WaitFor(m_socket, false, m_dwTimeout))
            Fail(ERROR_INTERNET_TIMEOUT);
        char buffer[kReceiveSize];
        const int n = recv(m_socket, buffer, sizeof(buffer), 0);
        if (n > 0) {
            m_raw.append(buffer, static_cast<size_t>(n));
            return true;
        }
        if (n == 0)
            return false;
        if (WSAGetLastError() != WSAEWOULDBLOCK)
            Fail(ERROR_INTERNET_CONNECTION_ABORTED);
    }
}

void CSocketHttpFile::ReadHead(std::string& location) {
    size_t nEnd;
    size_t nSkip;
    for (;;) {
        nEnd = m_raw.find("\r\n\r\n");
        nSkip = 4;
        if (nEnd == std::string::npos) {
            nEnd = m_raw.find("\n\n");
            nSkip = 2;
        }
        if (nEnd != std::string::npos)
            break;
        if (m_raw.size() > kMaxHead || !Receive())
            Fail(ERROR_HTTP_INVALID_SERVER_RESPONSE);
    }
    const std::string head = m_raw.substr(0, nEnd);
    m_raw.erase(0, nEnd + nSkip);

    // "HTTP/1.1 200 OK", then "Name: value" lines.
    size_t nLine = head.find('\n');
    const std::string status = Trim(head.substr(0, nLine));
    if (status.compare(0, 5, "HTTP/") != 0 || status.size() < 12 || status[8] != ' ' ||
        status.find_first_not_of("0123456789", 9) < 12)
        Fail(ERROR_HTTP_INVALID_SERVER_RESPONSE);
    m_dwStatus = static_cast<DWORD>(std::strtoul(status.substr(9, 3).c_str(), nullptr, 10));
    m_strStatusText = CString(Trim(status.substr(12)));
    m_strContentType = CString();
    m_framing = Framing::kClose;
    bool bLength = false;
    while (nLine != std::string::npos) {
        const size_t nNext = head.find('\n', nLine + 1);
        const std::string line =
            head.substr(nLine + 1, nNext == std::string::npos ? std::string::npos : nNext - nLine - 1);
        nLine = nNext;
        const size_t nColon = line.find(':');
        if (nColon == std::string::npos)
            continue;
        const std::string name = Trim(line.substr(0, nColon));
        const std::string value = Trim(line.substr(nColon + 1));
        if (EqualNoCase(name, "Content-Type")) {
            m_strContentType = CString(value);
        } else if (EqualNoCase(name, "Location")) {
            location = value;
        } else if (EqualNoCase(name, "Transfer-Encoding")) {
            std::string lower = value;
            for (char& c : lower)
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            if (lower.find("chunked") != std::string::npos)
                m_framing = Framing::kChunked;
        } else if (EqualNoCase(name, "Content-Length")) {
            if (value.empty() || value.find_first_not_of("0123456789") != std::string::npos)
                Fail(ERROR_HTTP_INVALID_SERVER_RESPONSE);
            m_nLength = std::strtoull(value.c_str(), nullptr, 10);
            bLength = true;
        }
    }
    const bool bRedirect =
        m_dwStatus == 301 || m_dwStatus == 302 || m_dwStatus == 303 || m_dwStatus == 307 || m_dwStatus == 308;
    if (!bRedirect)
        location.clear();
    if (m_framing != Framing::kChunked && bLength)
        m_framing = Framing::kLength;
    m_chunkStep = ChunkStep::kSize;
    m_nLeft = m_framing == Framing::kLength ? m_nLength : 0;
    // No body: informational answers, 204 and 304.
    m_bEnded = (m_dwStatus >= 100 && m_dwStatus < 200) || m_dwStatus == 204 || m_dwStatus == 304 ||
               (m_framing == Framing::kLength && m_nLength == 0);
}

void CSocketHttpFile::Decode() {
    while (!m_bEnded && !m_raw.empty()) {
        if (m_framing == Framing::kClose) {
            m_body += m_raw;
            m_raw.clear();
            return;
        }
        if (m_framing == Framing::kLength || m_chunkStep == ChunkStep::kData) {
            const size_t n = static_cast<size_t>(std::min<ULONGLONG>(m_nLeft, m_raw.size()));
            m_body.append(m_raw, 0, n);
            m_raw.erase(0, n);
            m_nLeft -= n;
            if (m_nLeft > 0)
                return;
            if (m_framing == Framing::kLength)
                m_bEnded = true;
            else
                m_chunkStep = ChunkStep::kDataEnd;
            continue;
        }
        // A line: a chunk's size, the end of a chunk's data, or a trailer.
        const size_t nLf = m_raw.find('\n');
        if (nLf == std::string::npos) {
            if (m_raw.size() > kMaxChunkLine)
                Fail(ERROR_HTTP_INVALID_SERVER_RESPONSE);
            return;
        }
        const std::string line = Trim(m_raw.substr(0, nLf));
        m_raw.erase(0, nLf + 1);
        if (m_chunkStep == ChunkStep::kDataEnd) {
            if (!line.empty())
                Fail(ERROR_HTTP_INVALID_SERVER_RESPONSE);
            m_chunkStep = ChunkStep::kSize;
            continue;
        }
        if (m_chunkStep == ChunkStep::kTrailers) {
            if (line.empty())
                m_bEnded = true;  // the whole body has come
            continue;
        }
        const std::string size = line.substr(0, line.find(';'));
        if (size.empty() || size.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos ||
            size.size() > 15)
            Fail(ERROR_HTTP_INVALID_SERVER_RESPONSE);
        m_nLeft = std::strtoull(size.c_str(), nullptr, 16);
        m_chunkStep = m_nLeft == 0 ? ChunkStep::kTrailers : ChunkStep::kData;
    }
}

DWORD CSocketHttpFile::QueryDataAvailable() {
    for (;;) {
        Decode();
        if (!m_body.empty())
            return static_cast<DWORD>(std::min<size_t>(m_body.size(), MAXDWORD));
        if (m_bEnded)
            return 0;
        if (m_bClosed) {
            if (m_framing != Framing::kClose)
                Fail(ERROR_INTERNET_CONNECTION_ABORTED);  // cut off before its end
            m_bEnded = true;
            return 0;
        }
        if (!Receive())
            m_bClosed = true;
    }
}

UINT CSocketHttpFile::Read(void* lpBuf, UINT nCount) {
    const DWORD dwAvailable = QueryDataAvailable();
    const size_t n = std::min<size_t>(dwAvailable, nCount);
    std::copy(m_body.begin(), m_body.begin() + static_cast<std::ptrdiff_t>(n), static_cast<char*>(lpBuf));
    m_body.erase(0, n);
    return static_cast<UINT>(n);
}

BOOL CSocketHttpFile::QueryInfo(DWORD dwInfoLevel, CString& strValue) const {
    if (dwInfoLevel == HTTP_QUERY_CONTENT_TYPE && !m_strContentType.IsEmpty()) {
        strValue = m_strContentType;
        return TRUE;
    }
    if (dwInfoLevel == HTTP_QUERY_STATUS_TEXT) {
        strValue = m_strStatusText;
        return TRUE;
    }
    return FALSE;
}

BOOL CSocketHttpFile::GetContentLength(ULONGLONG& nLength) const {
    if (m_framing != Framing::kLength)
        return FALSE;
    nLength = m_nLength;
    return TRUE;
}

BOOL CSocketHttpFile::UsesProxy() {
    HKEY hKey = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings", 0,
                      KEY_READ, &hKey) != ERROR_SUCCESS)
        return FALSE;
    DWORD dwEnable = 0;
    DWORD dwSize = sizeof(dwEnable);
    DWORD dwType = 0;
    BOOL bProxy = RegQueryValueExA(hKey, "ProxyEnable", nullptr, &dwType, reinterpret_cast<LPBYTE>(&dwEnable),
                                   &dwSize) == ERROR_SUCCESS &&
                  dwType == REG_DWORD && dwEnable != 0;
    char szScript[2] = {};
    dwSize = sizeof(szScript);
    const LONG lScript = RegQueryValueExA(hKey, "AutoConfigURL", nullptr, &dwType,
                                          reinterpret_cast<LPBYTE>(szScript), &dwSize);
    if ((lScript == ERROR_SUCCESS || lScript == ERROR_MORE_DATA) && dwSize > 1)
        bProxy = TRUE;
    RegCloseKey(hKey);
    return bProxy;
}
