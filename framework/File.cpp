#include "framework/File.h"

IMPLEMENT_DYNAMIC(CFile, CObject)

CFile::CFile(const CFilePath& path, UINT nOpenFlags) {
    CFileException error;
    if (!Open(path, nOpenFlags, &error))
        AfxThrowFileException(error.m_cause, error.m_lOsError, error.m_strFileName);
}

CFile::~CFile() {
    if (IsOpen())
        Abort();
}

BOOL CFile::Open(const CFilePath& path, UINT nOpenFlags, CFileException* pError) {
    if (IsOpen())
        Abort();
    m_strFileName = path.ForDisplay();

    DWORD dwAccess = 0;
    switch (nOpenFlags & 3) {
        case modeRead:
            dwAccess = GENERIC_READ;
            break;
        case modeWrite:
            dwAccess = GENERIC_WRITE;
            break;
        default:
            dwAccess = GENERIC_READ | GENERIC_WRITE;
            break;
    }

    DWORD dwShare = 0;  // shareCompat and shareExclusive: nobody else
    switch (nOpenFlags & 0x70) {
        case shareDenyWrite:
            dwShare = FILE_SHARE_READ;
            break;
        case shareDenyRead:
            dwShare = FILE_SHARE_WRITE;
            break;
        case shareDenyNone:
            dwShare = FILE_SHARE_READ | FILE_SHARE_WRITE;
            break;
        default:
            break;
    }

    DWORD dwCreate = OPEN_EXISTING;
    if (nOpenFlags & modeCreate)
        dwCreate = (nOpenFlags & modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;

    // Handles are never inherited: a program started from here (help, system
    // tools) must not keep a dictionary file open behind our back.
    // Windows refuses to write to a read-only file; say so ourselves as well,
    // since a process running with full rights elsewhere may not be refused.
    if (dwAccess & GENERIC_WRITE) {
        DWORD dwAttributes = GetFileAttributesW(path.c_str());
        if (dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_READONLY)) {
            if (pError) {
                pError->m_lOsError = ERROR_ACCESS_DENIED;
                pError->m_cause = CFileException::accessDenied;
                pError->m_strFileName = m_strFileName;
            }
            return FALSE;
        }
    }

    SECURITY_ATTRIBUTES sa = {sizeof(sa), nullptr, FALSE};
    HANDLE hFile =
        CreateFileW(path.c_str(), dwAccess, dwShare, &sa, dwCreate, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE) {
        if (pError) {
            LONG lOsError = static_cast<LONG>(GetLastError());
            pError->m_lOsError = lOsError;
            pError->m_cause = CFileException::OsErrorToCause(lOsError);
            pError->m_strFileName = m_strFileName;
        }
        return FALSE;
    }
    m_hFile = hFile;
    return TRUE;
}

void CFile::ThrowLastError() const {
    AfxThrowLastFileError(m_strFileName);
}

UINT CFile::Read(void* lpBuf, UINT nCount) {
    DWORD dwRead = 0;
    if (nCount > 0 && !ReadFile(m_hFile, lpBuf, nCount, &dwRead, nullptr))
        ThrowLastError();
    return dwRead;
}

void CFile::Write(const void* lpBuf, UINT nCount) {
    DWORD dwWritten = 0;
    if (nCount == 0)
        return;
    if (!WriteFile(m_hFile, lpBuf, nCount, &dwWritten, nullptr))
        ThrowLastError();
    if (dwWritten != nCount)
        AfxThrowFileException(CFileException::diskFull, ERROR_DISK_FULL, m_strFileName);
}

ULONGLONG CFile::Seek(LONGLONG lOff, UINT nFrom) {
    LARGE_INTEGER distance;
    distance.QuadPart = lOff;
    LARGE_INTEGER result;
    if (!SetFilePointerEx(m_hFile, distance, &result, nFrom))
        ThrowLastError();
    return static_cast<ULONGLONG>(result.QuadPart);
}

ULONGLONG CFile::GetPosition() const {
    LARGE_INTEGER zero;
    zero.QuadPart = 0;
    LARGE_INTEGER result;
    if (!SetFilePointerEx(m_hFile, zero, &result, FILE_CURRENT))
        ThrowLastError();
    return static_cast<ULONGLONG>(result.QuadPart);
}

ULONGLONG CFile::GetLength() const {
    LARGE_INTEGER size;
    if (!GetFileSizeEx(m_hFile, &size))
        ThrowLastError();
    return static_cast<ULONGLONG>(size.QuadPart);
}

void CFile::SetLength(ULONGLONG dwNewLen) {
    Seek(static_cast<LONGLONG>(dwNewLen), begin);
    if (!SetEndOfFile(m_hFile))
        ThrowLastError();
}

void CFile::Flush() {
    if (IsOpen() && !FlushFileBuffers(m_hFile))
        ThrowLastError();
}

void CFile::Close() {
    if (!IsOpen())
        return;
    HANDLE hFile = m_hFile;
    m_hFile = INVALID_HANDLE_VALUE;
    if (!CloseHandle(hFile))
        AfxThrowLastFileError(m_strFileName);
}

void CFile::Abort() {
    if (IsOpen())
        CloseHandle(m_hFile);
    m_hFile = INVALID_HANDLE_VALUE;
}

void CFile::Remove(const CFilePath& path) {
    if (!DeleteFileW(path.c_str()))
        AfxThrowLastFileError(path.ForDisplay());
}

void CFile::Rename(const CFilePath& oldPath, const CFilePath& newPath) {
    if (!MoveFileW(oldPath.c_str(), newPath.c_str()))
        AfxThrowLastFileError(oldPath.ForDisplay());
}
