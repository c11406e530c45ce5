#include "framework/Internet.h"

#include "framework/Module.h"
#include "framework/WideText.h"
#include "framework/WinApp.h"

#include <cstdlib>
#include <memory>
#include <string>

IMPLEMENT_DYNAMIC(CInternetException, CException)
IMPLEMENT_DYNAMIC(CHttpFile, CObject)
IMPLEMENT_DYNAMIC(CInternetSession, CObject)

namespace {

// WinINet keeps the texts of its own error codes in its module's message table.
CString FormatInternetMessage(DWORD dwError) {
    HMODULE hWinInet = GetModuleHandleA("wininet.dll");
    if (!hWinInet || dwError < INTERNET_ERROR_BASE || dwError > INTERNET_ERROR_LAST)
        return CString();
    return AfxFormatSystemMessage(dwError, hWinInet);
}

// The application's name, else the executable's name without its extension.
CString DefaultAgent() {
    CWinApp* pApp = AfxGetApp();
    if (pApp && pApp->m_pszAppName && *pApp->m_pszAppName)
        return pApp->m_pszAppName;
    CString strName = NarrowTextForDisplay(AfxGetModuleFilePath());
    strName = strName.Mid(strName.ReverseFind('\\') + 1);
    int nDot = strName.ReverseFind('.');
    return nDot > 0 ? strName.Left(nDot) : strName;
}

// A failure while the body is read. A receive time-out can come through as
// the socket's own code (WSAETIMEDOUT, with no text of its own in WinINet's
// table), which WinINet elsewhere reports as its time-out.
[[noreturn]] void ThrowReadFailure(DWORD_PTR dwContext) {
    const DWORD kSocketTimedOut = 10060;
    DWORD dwError = GetLastError();
    if (dwError == kSocketTimedOut)
        dwError = ERROR_INTERNET_TIMEOUT;
    AfxThrowInternetException(dwContext, dwError);
}

}  // namespace

CInternetException::CInternetException(DWORD dwError, DWORD_PTR dwContext)
    : m_dwError(dwError), m_dwContext(dwContext) {}

BOOL CInternetException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const {
    if (pnHelpContext)
        *pnHelpContext = 0;
    CString strText = FormatInternetMessage(m_dwError);
    if (strText.IsEmpty())
        strText = AfxFormatSystemMessage(m_dwError);
    if (strText.IsEmpty())
        strText.Format("Internet error %lu.", static_cast<unsigned long>(m_dwError));
    return CopyErrorText(strText, lpszError, nMaxError);
}

void AfxThrowInternetException(DWORD_PTR dwContext, DWORD dwError) {
    if (dwError == 0)
        dwError = GetLastError();
    throw new CInternetException(dwError, dwContext);
}

CHttpFile::CHttpFile(HINTERNET hConnect, HINTERNET hRequest, DWORD_PTR dwContext)
    : m_hConnect(hConnect), m_hRequest(hRequest), m_dwContext(dwContext) {}

CHttpFile::~CHttpFile() {
    Close();
}

void CHttpFile::Close() {
    if (m_hRequest)
        InternetCloseHandle(m_hRequest);
    if (m_hConnect)
        InternetCloseHandle(m_hConnect);
    m_hRequest = m_hConnect = nullptr;
}

UINT CHttpFile::Read(void* lpBuf, UINT nCount) {
    DWORD dwRead = 0;
    if (!InternetReadFile(m_hRequest, lpBuf, nCount, &dwRead))
        ThrowReadFailure(m_dwContext);
    m_nRead += dwRead;
    if (dwRead == 0 && nCount > 0) {
        // WinINet reports a connection closed early as a plain end of the
        // body; the announced length tells the two apart.
        ULONGLONG nLength = 0;
        if (GetContentLength(nLength) && m_nRead < nLength)
            AfxThrowInternetException(m_dwContext, ERROR_INTERNET_CONNECTION_ABORTED);
    }
    return dwRead;
}

DWORD CHttpFile::QueryDataAvailable() {
    DWORD dwAvailable = 0;
    if (!InternetQueryDataAvailable(m_hRequest, &dwAvailable, 0, 0))
        ThrowReadFailure(m_dwContext);
    return dwAvailable;
}

DWORD CHttpFile::GetStatusCode() const {
    DWORD dwStatus = 0;
    DWORD dwSize = sizeof(dwStatus);
    if (!HttpQueryInfoA(m_hRequest, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &dwStatus, &dwSize,
                        nullptr))
        AfxThrowInternetException(m_dwContext);
    return dwStatus;
}

BOOL CHttpFile::QueryInfo(DWORD dwInfoLevel, CString& strValue) const {
    strValue.Empty();
    DWORD dwSize = 256;
    for (int attempt = 0; attempt < 4; ++attempt) {
        LPSTR pBuffer = strValue.GetBuffer(static_cast<int>(dwSize));
        if (HttpQueryInfoA(m_hRequest, dwInfoLevel, pBuffer, &dwSize, nullptr)) {
            strValue.ReleaseBuffer(static_cast<int>(dwSize));
            return TRUE;
        }
        strValue.ReleaseBuffer(0);
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER)
            break;
        dwSize += 1;  // room for the terminator
    }
    return FALSE;
}

BOOL CHttpFile::GetContentLength(ULONGLONG& nLength) const {
    CString strLength;
    if (!QueryInfo(HTTP_QUERY_CONTENT_LENGTH, strLength))
        return FALSE;
    strLength.Trim();
    if (strLength.IsEmpty() || strLength.FindOneOf("+-") >= 0)
        return FALSE;
    char* pEnd = nullptr;
    nLength = std::strtoull(strLength, &pEnd, 10);
    return pEnd && *pEnd == '\0';
}

CInternetSession::CInternetSession(LPCSTR pstrAgent, DWORD_PTR dwContext, DWORD dwAccessType,
                                   LPCSTR pstrProxyName, LPCSTR pstrProxyBypass, DWORD dwFlags)
    : m_dwContext(dwContext) {
    CString strAgent = pstrAgent ? CString(pstrAgent) : DefaultAgent();
    m_hSession = InternetOpenA(strAgent, dwAccessType, pstrProxyName, pstrProxyBypass, dwFlags);
    if (!m_hSession)
        AfxThrowInternetException(m_dwContext);
}

CInternetSession::~CInternetSession() {
    Close();
}

void CInternetSession::Close() {
    if (m_hSession)
        InternetCloseHandle(m_hSession);
    m_hSession = nullptr;
}

void CInternetSession::SetTimeouts(DWORD dwMilliseconds) {
    m_dwTimeout = dwMilliseconds;
    ApplyTimeouts(m_hSession);
}

void CInternetSession::ApplyTimeouts(HINTERNET hInternet) const {
    if (!hInternet || m_dwTimeout == 0)
        return;
    for (DWORD dwOption :
         {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT, INTERNET_OPTION_RECEIVE_TIMEOUT}) {
        DWORD dwValue = m_dwTimeout;
        InternetSetOptionA(hInternet, dwOption, &dwValue, sizeof(dwValue));
    }
}

CHttpFile* CInternetSession::OpenURL(LPCSTR pstrURL, DWORD_PTR dwContext, DWORD dwFlags, LPCSTR pstrHeaders,
                                     DWORD dwHeadersLength) {
    // Cracked in place: the parts point into the URL itself.
    URL_COMPONENTSA parts = {};
    parts.dwStructSize = sizeof(parts);
    parts.dwSchemeLength = 1;
    parts.dwHostNameLength = 1;
    parts.dwUserNameLength = 1;
    parts.dwPasswordLength = 1;
    parts.dwUrlPathLength = 1;
    parts.dwExtraInfoLength = 1;
    if (!InternetCrackUrlA(pstrURL, 0, 0, &parts))
        AfxThrowInternetException(dwContext);
    if (parts.nScheme != INTERNET_SCHEME_HTTP && parts.nScheme != INTERNET_SCHEME_HTTPS)
        AfxThrowInternetException(dwContext, ERROR_INTERNET_UNRECOGNIZED_SCHEME);

    auto part = [](LPCSTR p, DWORD n) { return p ? std::string(p, n) : std::string(); };
    const std::string host = part(parts.lpszHostName, parts.dwHostNameLength);
    const std::string user = part(parts.lpszUserName, parts.dwUserNameLength);
    const std::string password = part(parts.lpszPassword, parts.dwPasswordLength);
    std::string object =
        part(parts.lpszUrlPath, parts.dwUrlPathLength) + part(parts.lpszExtraInfo, parts.dwExtraInfoLength);
    if (object.empty())
        object = "/";

    // The file owns each handle as soon as it exists.
    std::unique_ptr<CHttpFile> pFile(new CHttpFile(nullptr, nullptr, dwContext));
    pFile->m_hConnect =
        InternetConnectA(m_hSession, host.c_str(), parts.nPort, user.empty() ? nullptr : user.c_str(),
                         password.empty() ? nullptr : password.c_str(), INTERNET_SERVICE_HTTP, 0, dwContext);
    if (!pFile->m_hConnect)
        AfxThrowInternetException(dwContext);
    ApplyTimeouts(pFile->m_hConnect);

    if (parts.nScheme == INTERNET_SCHEME_HTTPS)
        dwFlags |= INTERNET_FLAG_SECURE;
    LPCSTR acceptTypes[] = {"*/*", nullptr};
    pFile->m_hRequest = HttpOpenRequestA(pFile->m_hConnect, "GET", object.c_str(), nullptr, nullptr,
                                         acceptTypes, dwFlags, dwContext);
    if (!pFile->m_hRequest)
        AfxThrowInternetException(dwContext);
    ApplyTimeouts(pFile->m_hRequest);

    if (!HttpSendRequestA(pFile->m_hRequest, pstrHeaders, dwHeadersLength, nullptr, 0))
        AfxThrowInternetException(dwContext);
    return pFile.release();
}
