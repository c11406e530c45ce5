#include "framework/MessageBox.h"

#include "framework/String.h"

LPCSTR AfxGetAppTitle() {
    static const CString strTitle = [] {
        CString strText;
        if (!strText.LoadString(0xE000))
            strText = "Tav";
        return strText;
    }();
    return strTitle;
}

int AfxMessageBox(LPCSTR lpszText, UINT nType, UINT /*nIDHelp*/) {
    HWND hOwner = GetActiveWindow();
    return MessageBoxA(hOwner, lpszText, AfxGetAppTitle(), nType);
}
