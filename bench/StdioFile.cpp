#include "StdioFile.h"

#include <cstring>
#include <new>

IMPLEMENT_DYNAMIC(CStdioFile, CFile)

namespace {
const char kCtrlZ = 0x1A;
}

CStdioFile::CStdioFile(const CFilePath& path, UINT nOpenFlags) {
    CFileException error;
    if (!Open(path, nOpenFlags, &error))
        AfxThrowFileException(error.m_cause, error.m_lOsError, error.m_strFileName);
}

CStdioFile::~CStdioFile() {
    if (IsOpen())
        Abort();
}

BOOL CStdioFile::Open(const CFilePath& path, UINT nOpenFlags, CFileException* pError) {
    m_bText = (nOpenFlags & typeBinary) == 0;
    m_bEndOfText = FALSE;
    DropReadBuffer();
    m_writeBuffer.clear();
    return CFile::Open(path, nOpenFlags & ~(typeText | typeBinary), pError);
}

void CStdioFile::DropReadBuffer() {
    m_nReadPos = m_nReadEnd = 0;
}

BOOL CStdioFile::FillReadBuffer() {
    if (m_bEndOfText)
        return FALSE;
    FlushWriteBuffer();
    if (m_readBuffer.size() < kBufferSize)
        m_readBuffer.resize(kBufferSize);
    m_nReadPos = 0;
    m_nReadEnd = CFile::Read(m_readBuffer.data(), static_cast<UINT>(kBufferSize));
    if (m_bText) {
        // Text mode ends at a 0x1A byte: keep what comes before it.
        const void* pStop = std::memchr(m_readBuffer.data(), kCtrlZ, m_nReadEnd);
        if (pStop) {
            m_nReadEnd = static_cast<size_t>(static_cast<const char*>(pStop) - m_readBuffer.data());
            m_bEndOfText = TRUE;
        }
    }
    return m_nReadEnd > 0;
}

BOOL CStdioFile::ReadString(CString& rString) {
    std::string line;
    BOOL bAny = FALSE;
    try {
        for (;;) {
            if (m_nReadPos == m_nReadEnd && !FillReadBuffer())
                break;
            bAny = TRUE;
            const char* pStart = m_readBuffer.data() + m_nReadPos;
            size_t nAvail = m_nReadEnd - m_nReadPos;
            const char* pNewLine = static_cast<const char*>(std::memchr(pStart, '\n', nAvail));
            if (!pNewLine) {
                line.append(pStart, nAvail);
                m_nReadPos = m_nReadEnd;
                continue;
            }
            line.append(pStart, static_cast<size_t>(pNewLine - pStart));
            m_nReadPos += static_cast<size_t>(pNewLine - pStart) + 1;
            if (m_bText && !line.empty() && line.back() == '\r')
                line.pop_back();  // CR LF is one line end
            break;
        }
    } catch (const std::bad_alloc&) {
        AfxThrowMemoryException();
    }
    rString = CString(std::move(line));
    return bAny;
}

void CStdioFile::WriteString(LPCSTR lpsz) {
    if (lpsz)
        BufferWrite(lpsz, std::strlen(lpsz));
}

void CStdioFile::BufferWrite(const char* p, size_t n) {
    if (m_nReadPos != m_nReadEnd) {
        // Writing after reading: continue where the reader stands.
        LONGLONG lBack = -static_cast<LONGLONG>(m_nReadEnd - m_nReadPos);
        DropReadBuffer();
        CFile::Seek(lBack, current);
    }
    try {
        if (!m_bText) {
            m_writeBuffer.insert(m_writeBuffer.end(), p, p + n);
        } else {
            for (const char* pEnd = p + n; p < pEnd; ++p) {
                if (*p == '\n')
                    m_writeBuffer.push_back('\r');
                m_writeBuffer.push_back(*p);
            }
        }
    } catch (const std::bad_alloc&) {
        AfxThrowMemoryException();
    }
    if (m_writeBuffer.size() >= kBufferSize)
        FlushWriteBuffer();
}

void CStdioFile::FlushWriteBuffer() {
    if (m_writeBuffer.empty())
        return;
    std::vector<char> pending;
    pending.swap(m_writeBuffer);
    CFile::Write(pending.data(), static_cast<UINT>(pending.size()));
}

UINT CStdioFile::Read(void* lpBuf, UINT nCount) {
    char* pOut = static_cast<char*>(lpBuf);
    UINT nDone = 0;
    while (nDone < nCount) {
        if (m_nReadPos == m_nReadEnd && !FillReadBuffer())
            break;
        if (!m_bText) {
            size_t nTake = m_nReadEnd - m_nReadPos;
            if (nTake > nCount - nDone)
                nTake = nCount - nDone;
            std::memcpy(pOut + nDone, m_readBuffer.data() + m_nReadPos, nTake);
            m_nReadPos += nTake;
            nDone += static_cast<UINT>(nTake);
            continue;
        }
        char c = m_readBuffer[m_nReadPos++];
        if (c == '\r') {
            // CR LF is delivered as LF, even when the pair spans two fills.
            if (m_nReadPos == m_nReadEnd && !FillReadBuffer()) {
                pOut[nDone++] = c;
                break;
            }
            if (m_readBuffer[m_nReadPos] == '\n') {
                c = '\n';
                ++m_nReadPos;
            }
        }
        pOut[nDone++] = c;
    }
    return nDone;
}

void CStdioFile::Write(const void* lpBuf, UINT nCount) {
    BufferWrite(static_cast<const char*>(lpBuf), nCount);
}

ULONGLONG CStdioFile::Seek(LONGLONG lOff, UINT nFrom) {
    FlushWriteBuffer();
    if (nFrom == current)
        lOff -= static_cast<LONGLONG>(m_nReadEnd - m_nReadPos);
    DropReadBuffer();
    m_bEndOfText = FALSE;
    return CFile::Seek(lOff, nFrom);
}

ULONGLONG CStdioFile::GetPosition() const {
    return CFile::GetPosition() + m_writeBuffer.size() - (m_nReadEnd - m_nReadPos);
}

ULONGLONG CStdioFile::GetLength() const {
    ULONGLONG nLength = CFile::GetLength();
    ULONGLONG nEndOfBuffer = CFile::GetPosition() + m_writeBuffer.size();
    return nEndOfBuffer > nLength ? nEndOfBuffer : nLength;
}

void CStdioFile::SetLength(ULONGLONG dwNewLen) {
    FlushWriteBuffer();
    DropReadBuffer();
    CFile::SetLength(dwNewLen);
}

void CStdioFile::Flush() {
    FlushWriteBuffer();
    CFile::Flush();
}

void CStdioFile::Close() {
    if (!IsOpen())
        return;
    try {
        FlushWriteBuffer();
    } catch (CException*) {
        CFile::Abort();
        throw;
    }
    DropReadBuffer();
    CFile::Close();
}

void CStdioFile::Abort() {
    m_writeBuffer.clear();
    DropReadBuffer();
    CFile::Abort();
}
