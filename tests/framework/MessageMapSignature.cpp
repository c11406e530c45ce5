// Message-map entries bind their handlers by signature. This file is built
// with the test program, every handler as its entry asks; the checks in
// CMakeLists.txt build it again with TAV_WRONG_SIGNATURE set to one of the
// cases below, and that build must stop at the handler's conversion.
#include "framework/Wnd.h"

#include <commctrl.h>

#ifndef TAV_WRONG_SIGNATURE
#define TAV_WRONG_SIGNATURE 0
#endif

namespace signature_check {

const UINT ID_SIGNATURE = 0x7D60;

class CSignatureWnd : public CWnd {
public:
    DECLARE_MESSAGE_MAP()

protected:
    void OnCommandRight() {}
    void OnCommandWrong(UINT) {}
    LRESULT OnMessageRight(WPARAM, LPARAM) { return 0; }
    void OnMessageWrong(WPARAM, LPARAM) {}
    void OnUpdateRight(CCmdUI*) {}
    void OnUpdateWrong() {}
    void OnNotifyRight(NMHDR*, LRESULT*) {}
    void OnNotifyWrong(NMHDR*) {}
};

BEGIN_MESSAGE_MAP(CSignatureWnd, CWnd)
#if TAV_WRONG_SIGNATURE == 1
ON_COMMAND(ID_SIGNATURE, OnCommandWrong)
#elif TAV_WRONG_SIGNATURE == 2
ON_MESSAGE(WM_APP, OnMessageWrong)
#elif TAV_WRONG_SIGNATURE == 3
ON_UPDATE_COMMAND_UI(ID_SIGNATURE, OnUpdateWrong)
#elif TAV_WRONG_SIGNATURE == 4
ON_NOTIFY(NM_CLICK, ID_SIGNATURE, OnNotifyWrong)
#else
ON_COMMAND(ID_SIGNATURE, OnCommandRight)
ON_MESSAGE(WM_APP, OnMessageRight)
ON_UPDATE_COMMAND_UI(ID_SIGNATURE, OnUpdateRight)
ON_NOTIFY(NM_CLICK, ID_SIGNATURE, OnNotifyRight)
#endif
END_MESSAGE_MAP()

}  // namespace signature_check
