// Framework exceptions. They are created on the heap and thrown by pointer;
// every catcher calls Delete() when it is done with one:
//
//     try { ... } catch (CException* e) { e->GetErrorMessage(...); e->Delete(); }
#pragma once

#include "framework/Object.h"
#include "framework/String.h"

class CException : public CObject {
    DECLARE_DYNAMIC(CException)
public:
    CException() = default;
    ~CException() override = default;

    // Deletes a heap-allocated exception (every exception here is one).
    void Delete();

    // Copies the error text (at most nMaxError - 1 characters, always
    // terminated) into lpszError; FALSE when there is no text.
    virtual BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const;
    // The whole error text, for callers that want a string.
    CString GetErrorText() const;
    // Shows the error text in a message box; returns the box's result.
    virtual int ReportError(UINT nType = MB_OK, UINT nMessageID = 0);

protected:
    // Helper for GetErrorMessage overrides.
    static BOOL CopyErrorText(const CString& strText, LPSTR lpszError, UINT nMaxError);
};

class CMemoryException : public CException {
    DECLARE_DYNAMIC(CMemoryException)
public:
    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const override;
};

class CFileException : public CException {
    DECLARE_DYNAMIC(CFileException)
public:
    enum Cause {
        none,
        genericException,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile
    };

    explicit CFileException(int cause = none, LONG lOsError = -1, LPCSTR pszFileName = nullptr);

    // The system's text for m_lOsError; a short text of our own for the cause
    // when the system has none.
    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const override;

    static int OsErrorToCause(LONG lOsError);

    int m_cause;
    LONG m_lOsError;
    CString m_strFileName;
};

// The text of a caught exception, as much as the status bar and the reports
// take (254 characters); the exception is deleted.
CString AfxTakeErrorText(CException* e);
// The text of an out-of-memory failure.
CString AfxOutOfMemoryText();

// The system's message for a Win32 error code, without the trailing line
// break; from hModule's message table when one is given (empty when it has
// no text for the code).
CString AfxFormatSystemMessage(DWORD dwError, HMODULE hModule = nullptr);

[[noreturn]] void AfxThrowMemoryException();
[[noreturn]] void AfxThrowFileException(int cause, LONG lOsError = -1, LPCSTR pszFileName = nullptr);
// Throws a CFileException for the calling thread's last Win32 error.
[[noreturn]] void AfxThrowLastFileError(LPCSTR pszFileName);
