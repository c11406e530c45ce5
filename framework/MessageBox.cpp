#include "framework/MessageBox.h"

#include "framework/String.h"
#include "framework/WideText.h"

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
    return AfxMessageBox(WideText(lpszText), nType);
}

int AfxMessageBox(const std::wstring& strText, UINT nType) {
    HWND hOwner = GetActiveWindow();
    return MessageBoxW(hOwner, strText.c_str(), WideText(AfxGetAppTitle()).c_str(), nType);
}
