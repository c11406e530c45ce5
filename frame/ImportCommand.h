// CImportCommand: a part of the main window (see CFrameWnd::AddPart) that
// carries out File > Import dictionary: the words of another dictionary
// file merged into the current direction's dictionary, on a thread of its
// own, with a progress bar in the status bar.
#pragma once

#include "framework/CmdTarget.h"
#include "thread/ImportThread.h"

#include <memory>

class CMainFrame;
class CProgressBar;

class CImportCommand : public CCmdTarget {
public:
    explicit CImportCommand(CMainFrame& frame);
    ~CImportCommand() override;

    BOOL IsRunning() const { return m_importThread.IsRunning(); }
    // The window closes: the import is given up, nothing of it merged.
    void Cancel();

    // File > Import dictionary.
    void OnImportDictionary();

    DECLARE_MESSAGE_MAP()

protected:
    LRESULT OnImportProgress(WPARAM wParam, LPARAM lParam);
    LRESULT OnImportDone(WPARAM wParam, LPARAM lParam);

private:
    CMainFrame& m_frame;
    CImportThread m_importThread;
    std::unique_ptr<CProgressBar> m_pProgress;  // while it runs
};
