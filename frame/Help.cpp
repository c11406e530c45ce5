// Help > Contents and F1 open tav.chm beside the program.
#include "dictionary/DictionaryPaths.h"
#include "frame/HelpLoader.h"
#include "frame/MainFrame.h"

namespace {
const UINT kDisplayTopic = 0;  // the help file's default topic
}

void CMainFrame::OnHelpContents() {
    HtmlHelpW(nullptr, GetProgramFilePath("tav.chm").c_str(), kDisplayTopic, 0);
}

BOOL CMainFrame::OnHelpInfo(HELPINFO* pHelpInfo) {
    OnHelpContents();
    return CFrameWnd::OnHelpInfo(pHelpInfo);
}
