// File > Import dictionary: the words of another dictionary file merged into
// the current direction's dictionary, on a thread of its own.
#include "frame/MainFrame.h"

#include "app/TavApp.h"
#include "dictionary/DictionaryPaths.h"
#include "widgets/ProgressBar.h"

#include <commdlg.h>

namespace {

const wchar_t kImportFilter[] =
    L"StarDict dictionaries (*.ifo)\0*.ifo\0"
    L"Tab-separated text (*.txt, *.tsv)\0*.txt;*.tsv\0"
    L"Tav dictionaries (*.tmp)\0*.tmp\0"
    L"All files (*.*)\0*.*\0";

}  // namespace

BOOL CMainFrame::IsImportRunning() const {
    return m_importThread.IsRunning();
}

void CMainFrame::OnImportDictionary() {
    if (RefuseWhileUpdating())
        return;
    if (IsImportRunning()) {
        SetMessageText("Please wait until the import is done");
        return;
    }
    wchar_t szFile[MAX_PATH * 4] = L"";
    OPENFILENAMEW ofn = {};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = m_hWnd;
    ofn.lpstrFilter = kImportFilter;
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = szFile;
    ofn.nMaxFile = sizeof(szFile) / sizeof(szFile[0]);
    ofn.lpstrTitle = IsRomanianEnglish(theApp.m_direction) ? L"Import into the Romanian - English dictionary"
                                                           : L"Import into the English - Romanian dictionary";
    ofn.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER;
    // The update waits while the dialog is open, as it does for the edits.
    ++m_nEditDialogs;
    const BOOL bChosen = ::GetOpenFileNameW(&ofn);
    --m_nEditDialogs;
    if (!bChosen || RefuseWhileUpdating())
        return;

    const Direction direction = theApp.m_direction;
    if (!m_importThread.Start(m_hWnd, CFilePath(szFile), GetProgramFilePath(GetDictionaryFileName(direction)),
                              direction)) {
        SetMessageText("The import could not start");
        return;
    }
    // The update cycle waits for the import as for an edit.
    ++m_nEditDialogs;
    m_pImportProgress.reset(new CProgressBar("Importing ...", 40, 100, TRUE, 0, &m_wndStatusBar));
}

LRESULT CMainFrame::OnImportProgress(WPARAM wParam, LPARAM) {
    if (IsImportRunning() && m_pImportProgress && m_pImportProgress->m_hWnd && wParam <= 100)
        m_pImportProgress->SetPos(static_cast<int>(wParam));
    return 0;
}

LRESULT CMainFrame::OnImportDone(WPARAM, LPARAM) {
    // Only an import that has ended is finished; the message alone (another
    // program may post it) does nothing.
    if (!m_importThread.HasEnded())
        return 0;
    const ImportResult result = m_importThread.Finish();
    const Direction direction = m_importThread.GetDirection();
    --m_nEditDialogs;
    m_pImportProgress.reset();  // the status pane gets its text back
    // The list shows the new words when it shows that dictionary; the
    // direction stays as the user left it.
    if (result.bMerged && result.nImported > 0 && direction == theApp.m_direction)
        ReloadAfterEdit(direction);
    SetMessageText(result.strText);
    return 0;
}
