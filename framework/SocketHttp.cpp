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

CSocketHttpFile::CSocketHttpFile(const std::string& url, DWORD dwTimeout, DWORD dwMaxTime)
    : m_dwTimeout(dwTimeout) {
    if (dwMaxTime != INFINITE)
        m_nDeadline = ::GetTickCount64() + dwMaxTime;
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
    m_bClosed = false;
    m_decoder.reset();
}

DWORD CSocketHttpFile::StepTimeout() const {
    if (m_nDeadline == 0)
        return m_dwTimeout;
    const ULONGLONG nNow = ::GetTickCount64();
    if (nNow >= m_nDeadline)
        Fail(ERROR_INTERNET_TIMEOUT);
    return static_cast<DWORD>(std::min<ULONGLONG>(m_dwTimeout, m_nDeadline - nNow));
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
        if (!bConnected && WSAGetLastError() == WSAEWOULDBLOCK && WaitFor(s, true, StepTimeout())) {
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
        if (!WaitFor(m_socket, true, StepTimeout()))
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
        if (!WaitFor(m_socket, false, StepTimeout()))
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
    while ((nEnd = http::HeadEnd(m_raw)) == std::string::npos) {
        if (m_raw.size() > kMaxHead || !Receive())
            Fail(ERROR_HTTP_INVALID_SERVER_RESPONSE);
    }
    if (!http::ParseHead(std::string_view(m_raw).substr(0, nEnd), m_head))
        Fail(ERROR_HTTP_INVALID_SERVER_RESPONSE);
    m_raw.erase(0, nEnd);
    m_strStatusText = CString(m_head.statusText);
    m_strContentType = CString(m_head.contentType);
    location = m_head.location;
    m_decoder.emplace(m_head);
}

DWORD CSocketHttpFile::QueryDataAvailable() {
    for (;;) {
        if (!m_raw.empty()) {
            const http::BodyDecoder::Result result = m_decoder->Feed(m_raw, m_body);
            m_raw.clear();
            if (result == http::BodyDecoder::Result::kInvalid)
                Fail(ERROR_HTTP_INVALID_SERVER_RESPONSE);
        }
        if (!m_body.empty())
            return static_cast<DWORD>(std::min<size_t>(m_body.size(), MAXDWORD));
        if (m_decoder->State() == http::BodyDecoder::Result::kEnded)
            return 0;
        if (m_bClosed) {
            if (m_decoder->Close() != http::BodyDecoder::Result::kEnded)
                Fail(ERROR_INTERNET_CONNECTION_ABORTED);  // cut off before its end
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
    if (m_head.framing != http::Framing::kLength)
        return FALSE;
    nLength = m_head.length;
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
