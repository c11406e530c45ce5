// CImportThread: imports one dictionary file on a thread of its own, so that
// the window stays responsive through a large import. It posts its progress
// and, once, its end to the owner window; the result is then read with
// Finish. Closing the window cancels the import: nothing of it is merged.
#pragma once

#include "dictionary/DictionaryImport.h"
#include "dictionary/Direction.h"
#include "framework/FilePath.h"
#include "thread/PrivateMessages.h"

#include <windows.h>

#include <atomic>
#include <memory>
#include <thread>

class CImportThread {
public:
    // How long Cancel waits for an import to notice that it was given up.
    static const DWORD kCancelWaitMs = 1000;

    CImportThread() = default;
    // Cancels a running import.
    ~CImportThread();
    CImportThread(const CImportThread&) = delete;
    CImportThread& operator=(const CImportThread&) = delete;

    // Starts importing source into the dictionary file; FALSE when an
    // import runs already or the thread cannot start.
    BOOL Start(HWND hWndOwner, const CFilePath& source, const CFilePath& dictionaryPath, Direction direction);
    // From Start until Finish.
    BOOL IsRunning() const { return m_pRun != nullptr; }
    // Whether the import has ended and waits for Finish: WM_IMPORT_DONE
    // means something only then.
    BOOL HasEnded() const { return m_pRun && m_pRun->bEnded; }
    // Gives the import up. It waits a little for the thread to end; a thread
    // busy beyond that (a long read or decompression) is left to end by
    // itself, and merges nothing.
    void Cancel();
    // Once HasEnded: the result and the direction the import was for.
    ImportResult Finish();
    Direction GetDirection() const { return m_direction; }

private:
    // What the thread works on; shared, so that a thread given up can end
    // after this object.
    struct Run {
        std::atomic<bool> bCancel{false};
        std::atomic<bool> bEnded{false};
        ImportResult result;
    };
    std::shared_ptr<Run> m_pRun;
    std::thread m_thread;
    Direction m_direction = Direction::kEnglishRomanian;
};
