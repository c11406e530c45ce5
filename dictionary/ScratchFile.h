// The scratch file a dictionary's new content is written to before it takes
// the dictionary file's place ("temp.tmp" beside it). Until Replace has
// succeeded the dictionary file is as it was; a scratch file that never took
// its place is removed again, so that a write that failed on a full disk
// does not keep the space.
//
// The new content must be on the disk before it takes the old one's place,
// or a power cut could leave neither. Waiting for all of it at the end would
// cost as much again as writing it, so a thread of the scratch file's own
// puts what has been written on the disk while the rest is still being
// written, and the last flush has little left to do.
#pragma once

#include "framework/File.h"
#include "framework/String.h"

#include <condition_variable>
#include <mutex>
#include <thread>

// The scratch file of the folder a dictionary file is in.
CFilePath ScratchPathBeside(const CFilePath& dictionary);

class CScratchFile {
public:
    // Creates (or truncates) the file; throws CFileException* when it cannot.
    explicit CScratchFile(const CFilePath& path);
    ~CScratchFile();
    CScratchFile(const CScratchFile&) = delete;
    CScratchFile& operator=(const CScratchFile&) = delete;

    // Throws CFileException*.
    void Write(const void* pData, size_t nBytes);

    // Puts the written content on the disk, closes the dictionary file and
    // replaces it with the scratch file in one step. Throws CFileException*.
    void Replace(CFile& dictionary, const CFilePath& dictionaryPath);

private:
    void StartFlushing();
    void FlushBehind();
    void StopFlushing();

    CFilePath m_path;
    CFile m_file;
    bool m_bReplaced = false;

    std::thread m_flusher;  // started once there is enough to flush
    std::mutex m_mutex;     // guards what follows
    std::condition_variable m_wake;
    ULONGLONG m_nWritten = 0;
    bool m_bStop = false;
    DWORD m_dwFlushError = ERROR_SUCCESS;
};
