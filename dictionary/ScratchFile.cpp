#include "dictionary/ScratchFile.h"

#include "dictionary/DictionaryPaths.h"
#include "framework/Exception.h"

#include <algorithm>
#include <system_error>

namespace {

// How much more must have been written before the next flush behind.
const ULONGLONG kFlushStep = 4 * 1024 * 1024;

}  // namespace

CFilePath ScratchPathBeside(const CFilePath& dictionary) {
    return dictionary.Folder() + kTempFileName;
}

CScratchFile::CScratchFile(const CFilePath& path)
    : m_path(path), m_file(path, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive) {}

CScratchFile::~CScratchFile() {
    StopFlushing();
    if (!m_bReplaced) {
        m_file.Abort();
        DeleteFileW(m_path.c_str());
    }
}

void CScratchFile::Write(const void* pData, size_t nBytes) {
    m_file.Write(pData, static_cast<UINT>(nBytes));
    std::lock_guard<std::mutex> lock(m_mutex);
    m_nWritten += nBytes;
    if (m_flusher.joinable())
        m_wake.notify_one();
    else if (m_nWritten >= kFlushStep && !m_bStop)
        StartFlushing();
}

void CScratchFile::StartFlushing() {
    try {
        m_flusher = std::thread(&CScratchFile::FlushBehind, this);
    } catch (const std::system_error&) {
        m_bStop = true;  // no thread to spare: the last flush does it all
    }
}

void CScratchFile::FlushBehind() {
    std::unique_lock<std::mutex> lock(m_mutex);
    ULONGLONG nFlushed = 0;
    for (;;) {
        m_wake.wait(lock, [&] { return m_bStop || m_nWritten - nFlushed >= kFlushStep; });
        if (m_bStop)
            return;
        const ULONGLONG nWritten = m_nWritten;
        lock.unlock();
        const DWORD dwError = FlushFileBuffers(m_file.m_hFile) ? ERROR_SUCCESS : GetLastError();
        lock.lock();
        // A failed flush is reported by Replace: a later one may not see
        // the same failure again.
        if (m_dwFlushError == ERROR_SUCCESS)
            m_dwFlushError = dwError;
        nFlushed = nWritten;
    }
}

void CScratchFile::StopFlushing() {
    if (!m_flusher.joinable())
        return;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_bStop = true;
    }
    m_wake.notify_one();
    m_flusher.join();
}

void CScratchFile::Replace(CFile& dictionary, const CFilePath& dictionaryPath) {
    StopFlushing();
    if (m_dwFlushError != ERROR_SUCCESS)
        AfxThrowFileException(CFileException::OsErrorToCause(static_cast<LONG>(m_dwFlushError)),
                              static_cast<LONG>(m_dwFlushError), m_path.ForDisplay());
    m_file.Flush();
    m_file.Close();
    dictionary.Close();
    if (!MoveFileExW(m_path.c_str(), dictionaryPath.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        AfxThrowLastFileError(dictionaryPath.ForDisplay());
    m_bReplaced = true;
}
