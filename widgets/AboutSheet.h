// CAboutSheet: the modal About sheet, "About", with the Application page
// (version and the maker's links) and the System page (processor, memory,
// user). It has no Apply button, and its one visible button is "&Close".
#pragma once

#include "framework/PropertySheet.h"

class CAboutSheet : public CPropertySheet {
    DECLARE_DYNAMIC(CAboutSheet)
public:
    CAboutSheet(LPCSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);

    // Builds the sheet with both pages, shows it on page nSelectPage (0
    // Application, 1 System) until it is closed, and deletes the pages. The
    // maker's links go to pszServerHost.
    static INT_PTR Show(UINT nSelectPage, LPCSTR pszServerHost);

    BOOL OnInitDialog() override;

    HICON m_hIcon = nullptr;  // the sheet's small icon; shared, not destroyed
};
