#include "thread/ImportThread.h"

#include <system_error>

CImportThread::~CImportThread() {
    Cancel();
}

BOOL CImportThread::Start(HWND hWndOwner, const CFilePath& source, const CFilePath& dictionaryPath,
                          Direction direction) {
    if (IsRunning())
        return FALSE;
    m_bCancel = false;
    m_result = ImportResult();
    m_direction = direction;
    try {
        m_thread = std::thread([this, hWndOwner, source, dictionaryPath] {
            int nShown = -1;
            auto onProgress = [&](int nPercent) {
                if (nPercent != nShown) {
                    nShown = nPercent;
                    ::PostMessageW(hWndOwner, WM_IMPORT_PROGRESS, static_cast<WPARAM>(nPercent), 0);
                }
            };
            m_result = ImportDictionary(source, dictionaryPath, onProgress, m_bCancel);
            ::PostMessageW(hWndOwner, WM_IMPORT_DONE, 0, 0);
        });
    } catch (const std::system_error&) {
        return FALSE;
    }
    return TRUE;
}

void CImportThread::Cancel() {
    m_bCancel = true;
    if (m_thread.joinable())
        m_thread.join();
}

const ImportResult& CImportThread::Finish() {
    if (m_thread.joinable())
        m_thread.join();
    return m_result;
}
