#include "thread/ImportThread.h"

#include <system_error>

CImportThread::~CImportThread() {
    Cancel();
}

BOOL CImportThread::Start(HWND hWndOwner, const CFilePath& source, const CFilePath& dictionaryPath,
                          Direction direction) {
    if (IsRunning())
        return FALSE;
    auto pRun = std::make_shared<Run>();
    m_direction = direction;
    try {
        m_thread = std::thread([pRun, hWndOwner, source, dictionaryPath] {
            int nShown = -1;
            auto onProgress = [&](int nPercent) {
                if (nPercent != nShown) {
                    nShown = nPercent;
                    ::PostMessageW(hWndOwner, WM_IMPORT_PROGRESS, static_cast<WPARAM>(nPercent), 0);
                }
            };
            pRun->result = ImportDictionary(source, dictionaryPath, onProgress, pRun->bCancel);
            pRun->bEnded = true;
            ::PostMessageW(hWndOwner, WM_IMPORT_DONE, 0, 0);
        });
    } catch (const std::system_error&) {
        return FALSE;
    }
    m_pRun = pRun;
    return TRUE;
}

void CImportThread::Cancel() {
    if (!m_pRun)
        return;
    m_pRun->bCancel = true;
    const DWORD dwStart = ::GetTickCount();
    while (!m_pRun->bEnded && ::GetTickCount() - dwStart < kCancelWaitMs)
        ::Sleep(10);
    if (m_pRun->bEnded)
        m_thread.join();
    else
        m_thread.detach();
    m_pRun.reset();
}

ImportResult CImportThread::Finish() {
    if (!HasEnded())
        return ImportResult();
    m_thread.join();  // it has posted its end and is returning
    ImportResult result = m_pRun->result;
    m_pRun.reset();
    return result;
}
