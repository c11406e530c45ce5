// CFile: a Win32 file handle with exceptions for failures after the open.
// Opens are exclusive unless a share flag says otherwise, so a file that is
// open elsewhere cannot be opened a second time.
#pragma once

#include "framework/Exception.h"
#include "framework/FilePath.h"
#include "framework/Object.h"
#include "framework/String.h"

class CFile : public CObject {
    DECLARE_DYNAMIC(CFile)
public:
    enum OpenFlags : UINT {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeText = 0x4000,
        typeBinary = 0x8000,
    };
    enum SeekPosition : UINT { begin = 0, current = 1, end = 2 };

    CFile() = default;
    // Opens at once; throws CFileException* on failure.
    CFile(const CFilePath& path, UINT nOpenFlags);
    ~CFile() override;
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // FALSE on failure, with the reason in *pError when given.
    virtual BOOL Open(const CFilePath& path, UINT nOpenFlags, CFileException* pError = nullptr);
    virtual UINT Read(void* lpBuf, UINT nCount);
    virtual void Write(const void* lpBuf, UINT nCount);
    virtual ULONGLONG Seek(LONGLONG lOff, UINT nFrom);
    ULONGLONG SeekToEnd() { return Seek(0, end); }
    void SeekToBegin() { Seek(0, begin); }
    virtual ULONGLONG GetPosition() const;
    virtual ULONGLONG GetLength() const;
    virtual void SetLength(ULONGLONG dwNewLen);
    // Writes buffered data and asks the system to put it on the disk.
    virtual void Flush();
    virtual void Close();
    // Closes without reporting errors.
    virtual void Abort();

    BOOL IsOpen() const { return m_hFile != INVALID_HANDLE_VALUE; }
    // The path as messages show it.

    static void Remove(const CFilePath& path);
    static void Rename(const CFilePath& oldPath, const CFilePath& newPath);

    HANDLE m_hFile = INVALID_HANDLE_VALUE;

protected:
    [[noreturn]] void ThrowLastError() const;

    CString m_strFileName;
};
