// CStdioFile: a buffered CFile that reads and writes lines.
//
// Text mode follows the C runtime's rules: reading takes CR LF as one line
// end and stops for good at a 0x1A byte; writing stores "\n" as CR LF.
// Binary mode passes every byte through. ReadString reads a line of any
// length whole and delivers it without its line end.
#pragma once

#include "framework/File.h"

#include <vector>

class CStdioFile : public CFile {
    DECLARE_DYNAMIC(CStdioFile)
public:
    CStdioFile() = default;
    CStdioFile(const CFilePath& path, UINT nOpenFlags);
    ~CStdioFile() override;

    BOOL Open(const CFilePath& path, UINT nOpenFlags, CFileException* pError = nullptr) override;

    // FALSE at the end of the file (nothing left to read).
    BOOL ReadString(CString& rString);
    // Writes the text up to its first NUL.
    void WriteString(LPCSTR lpsz);

    UINT Read(void* lpBuf, UINT nCount) override;
    void Write(const void* lpBuf, UINT nCount) override;
    ULONGLONG Seek(LONGLONG lOff, UINT nFrom) override;
    ULONGLONG GetPosition() const override;
    ULONGLONG GetLength() const override;
    void SetLength(ULONGLONG dwNewLen) override;
    void Flush() override;
    void Close() override;
    void Abort() override;

private:
    static const size_t kBufferSize = 64 * 1024;

    BOOL FillReadBuffer();
    void FlushWriteBuffer();
    void DropReadBuffer();
    // Copies raw bytes into the write buffer, translating LF in text mode.
    void BufferWrite(const char* p, size_t n);

    BOOL m_bText = FALSE;
    BOOL m_bEndOfText = FALSE;  // a 0x1A byte was met in text mode
    std::vector<char> m_readBuffer;
    size_t m_nReadPos = 0;
    size_t m_nReadEnd = 0;
    std::vector<char> m_writeBuffer;
};
