#include "frame/OutcomeReport.h"

#include "framework/FrameWnd.h"

namespace {

// The longest report text, as the framework's error texts are cut
// (AfxTakeErrorText).
const int kMaxReportText = 254;

}  // namespace

void ShowOutcomeText(CFrameWnd* pFrame, const CString& strText) {
    if (pFrame)
        pFrame->SetMessageText(strText.Left(kMaxReportText));
}
