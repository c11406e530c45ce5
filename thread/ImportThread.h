// CImportThread: imports one dictionary file on a thread of its own, so that
// the window stays responsive through a large import. It posts its progress
// and, once, its end to the owner window; the result is then read with
// Result. Closing the window cancels the import: nothing of it is merged.
#pragma once

#include "dictionary/DictionaryImport.h"
#include "dictionary/Direction.h"
#include "framework/FilePath.h"

#include <windows.h>

#include <atomic>
#include <thread>

const UINT WM_IMPORT_PROGRESS = WM_APP + 5;  // wParam: how far, 0 to 100
const UINT WM_IMPORT_DONE = WM_APP + 6;      // the import has ended; see Result

class CImportThread {
public:
    CImportThread() = default;
    // Cancels a running import and waits for it.
    ~CImportThread();
    CImportThread(const CImportThread&) = delete;
    CImportThread& operator=(const CImportThread&) = delete;

    // Starts importing source into the dictionary file; FALSE when an
    // import runs already or the thread cannot start.
    BOOL Start(HWND hWndOwner, const CFilePath& source, const CFilePath& dictionaryPath, Direction direction);
    // From Start until WM_IMPORT_DONE has been handled (Finish).
    BOOL IsRunning() const { return m_thread.joinable(); }
    // Gives the import up and waits for the thread to end.
    void Cancel();
    // After WM_IMPORT_DONE: waits for the thread (it is ending) and gives
    // the result and the direction the import was for.
    const ImportResult& Finish();
    Direction GetDirection() const { return m_direction; }

private:
    std::thread m_thread;
    std::atomic<bool> m_bCancel{false};
    ImportResult m_result;
    Direction m_direction = Direction::kEnglishRomanian;
};
