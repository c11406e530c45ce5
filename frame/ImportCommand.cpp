// File > Import dictionary.
#include "frame/ImportCommand.h"

#include "dictionary/DictionaryPaths.h"
#include "frame/MainFrame.h"
#include "frame/OutcomeReport.h"
#include "res/resource.h"
#include "widgets/ProgressBar.h"

#include <commdlg.h>

namespace {

const wchar_t kImportFilter[] =
    L"StarDict dictionaries (*.ifo)\0*.ifo\0"
    L"Tab-separated text (*.txt, *.tsv)\0*.txt;*.tsv\0"
    L"Tav dictionaries (*.tmp)\0*.tmp\0"
    L"All files (*.*)\0*.*\0";

}  // namespace

BEGIN_MESSAGE_MAP(CImportCommand, CCmdTarget)
ON_MESSAGE(WM_IMPORT_PROGRESS, OnImportProgress)
ON_MESSAGE(WM_IMPORT_DONE, OnImportDone)
END_MESSAGE_MAP()

CImportCommand::CImportCommand(CMainFrame& frame) : m_frame(frame) {}

CImportCommand::~CImportCommand() = default;

void CImportCommand::Cancel() {
    m_importThread.Cancel();
    m_pProgress.reset();
}

void CImportCommand::OnImportDictionary() {
    wchar_t szFile[MAX_PATH * 4] = L"";
    OPENFILENAMEW ofn = {};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = m_frame.m_hWnd;
    ofn.lpstrFilter = kImportFilter;
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = szFile;
    ofn.nMaxFile = sizeof(szFile) / sizeof(szFile[0]);
    ofn.lpstrTitle = IsRomanianEnglish(m_frame.m_settings.direction)
                         ? L"Import into the Romanian - English dictionary"
                         : L"Import into the English - Romanian dictionary";
    ofn.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER;
    // The update waits while the dialog is open, as it does for the edits.
    ++m_frame.m_nEditDialogs;
    const BOOL bChosen = ::GetOpenFileNameW(&ofn);
    --m_frame.m_nEditDialogs;
    if (!bChosen || m_frame.m_commands.RefuseWhileBusy())
        return;

    const Direction direction = m_frame.m_settings.direction;
    if (!m_importThread.Start(m_frame.m_hWnd, CFilePath(szFile),
                              GetProgramFilePath(GetDictionaryFileName(direction)), direction)) {
        ShowOutcomeText(&m_frame, "The import could not start");
        return;
    }
    // The update cycle waits for the import as for an edit.
    ++m_frame.m_nEditDialogs;
    m_pProgress.reset(new CProgressBar("Importing ...", 40, 100, TRUE, 0, &m_frame.m_wndStatusBar));
}

LRESULT CImportCommand::OnImportProgress(WPARAM wParam, LPARAM) {
    if (IsRunning() && m_pProgress && m_pProgress->m_hWnd && wParam <= 100)
        m_pProgress->SetPos(static_cast<int>(wParam));
    return 0;
}

LRESULT CImportCommand::OnImportDone(WPARAM, LPARAM) {
    // Only an import that has ended is finished; the message alone (another
    // program may post it) does nothing.
    if (!m_importThread.HasEnded())
        return 0;
    const ImportResult result = m_importThread.Finish();
    const Direction direction = m_importThread.GetDirection();
    --m_frame.m_nEditDialogs;
    m_pProgress.reset();  // the status pane gets its text back
    // The list shows the new words when it shows that dictionary; the
    // direction stays as the user left it.
    if (result.end.GetKind() == ImportEnd::kMerged && result.nImported > 0 &&
        direction == m_frame.m_settings.direction)
        m_frame.m_lookup.ReloadAfterEdit(direction);
    ShowOutcome(&m_frame, result.end);
    return 0;
}
