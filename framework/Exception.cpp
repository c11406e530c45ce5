#include "framework/Exception.h"

#include "framework/MessageBox.h"
#include "framework/WideText.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CMemoryException, CException)
IMPLEMENT_DYNAMIC(CFileException, CException)

void CException::Delete() {
    delete this;
}

BOOL CException::CopyErrorText(const CString& strText, LPSTR lpszError, UINT nMaxError) {
    if (!lpszError || nMaxError == 0)
        return FALSE;
    size_t n = std::strlen(strText);
    if (n > nMaxError - 1)
        n = nMaxError - 1;
    std::memcpy(lpszError, static_cast<LPCSTR>(strText), n);
    lpszError[n] = '\0';
    return !strText.IsEmpty();
}

BOOL CException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const {
    if (pnHelpContext)
        *pnHelpContext = 0;
    if (lpszError && nMaxError > 0)
        *lpszError = '\0';
    return FALSE;
}

CString CException::GetErrorText() const {
    CString strText;
    const UINT kMax = 1024;
    GetErrorMessage(strText.GetBuffer(kMax), kMax);
    strText.ReleaseBuffer();
    return strText;
}

int CException::ReportError(UINT nType, UINT nMessageID) {
    CString strText = GetErrorText();
    if (strText.IsEmpty() && nMessageID != 0)
        strText.LoadString(nMessageID);
    if (strText.IsEmpty())
        strText = "An unexpected error occurred.";
    return AfxMessageBox(strText, nType);
}

BOOL CMemoryException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const {
    if (pnHelpContext)
        *pnHelpContext = 0;
    return CopyErrorText("Out of memory.", lpszError, nMaxError);
}

CFileException::CFileException(int cause, LONG lOsError, LPCSTR pszFileName)
    : m_cause(cause), m_lOsError(lOsError), m_strFileName(pszFileName) {}

BOOL CFileException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const {
    if (pnHelpContext)
        *pnHelpContext = 0;
    CString strText;
    if (m_lOsError > 0)
        strText = AfxFormatSystemMessage(static_cast<DWORD>(m_lOsError));
    if (strText.IsEmpty()) {
        switch (m_cause) {
            case endOfFile:
                strText = "An attempt was made to access beyond the end of the file.";
                break;
            case diskFull:
                strText = "There is not enough space on the disk.";
                break;
            case badSeek:
                strText = "An error occurred while setting the file pointer.";
                break;
            default:
                strText = "An unknown error occurred while accessing the file.";
                break;
        }
        if (!m_strFileName.IsEmpty())
            strText += " (" + m_strFileName + ")";
    }
    return CopyErrorText(strText, lpszError, nMaxError);
}

int CFileException::OsErrorToCause(LONG lOsError) {
    switch (lOsError) {
        case ERROR_FILE_NOT_FOUND:
            return fileNotFound;
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME:
        case ERROR_BAD_PATHNAME:
            return badPath;
        case ERROR_TOO_MANY_OPEN_FILES:
            return tooManyOpenFiles;
        case ERROR_ACCESS_DENIED:
        case ERROR_WRITE_PROTECT:
            return accessDenied;
        case ERROR_INVALID_HANDLE:
            return invalidFile;
        case ERROR_CURRENT_DIRECTORY:
            return removeCurrentDir;
        case ERROR_CANNOT_MAKE:
            return directoryFull;
        case ERROR_SEEK:
        case ERROR_NEGATIVE_SEEK:
            return badSeek;
        case ERROR_SHARING_VIOLATION:
            return sharingViolation;
        case ERROR_LOCK_VIOLATION:
            return lockViolation;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return diskFull;
        case ERROR_HANDLE_EOF:
            return endOfFile;
        default:
            return genericException;
    }
}

CString AfxTakeErrorText(CException* e) {
    char text[255] = {};
    e->GetErrorMessage(text, sizeof(text));
    e->Delete();
    return CString(text);
}

CString AfxOutOfMemoryText() {
    return CMemoryException().GetErrorText();
}

CString AfxFormatSystemMessage(DWORD dwError, HMODULE hModule) {
    LPWSTR pBuffer = nullptr;
    const DWORD dwSource = hModule ? FORMAT_MESSAGE_FROM_HMODULE : FORMAT_MESSAGE_FROM_SYSTEM;
    DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | dwSource | FORMAT_MESSAGE_IGNORE_INSERTS,
                             hModule, dwError, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
                             reinterpret_cast<LPWSTR>(&pBuffer), 0, nullptr);
    CString strText;
    if (n > 0 && pBuffer)
        strText = NarrowTextForDisplay(std::wstring_view(pBuffer, n));
    if (pBuffer)
        LocalFree(pBuffer);
    strText.TrimRight("\r\n");
    return strText;
}

void AfxThrowMemoryException() {
    throw new CMemoryException;
}

void AfxThrowFileException(int cause, LONG lOsError, LPCSTR pszFileName) {
    throw new CFileException(cause, lOsError, pszFileName);
}

void AfxThrowLastFileError(LPCSTR pszFileName) {
    LONG lOsError = static_cast<LONG>(GetLastError());
    AfxThrowFileException(CFileException::OsErrorToCause(lOsError), lOsError, pszFileName);
}
