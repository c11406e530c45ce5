// CAboutApplicationPage: the About sheet's "Application" page: the
// program's version and links to the product's web page and to the maker's
// contact page.
#pragma once

#include "framework/PropertySheet.h"
#include "widgets/LinkStatic.h"

class CAboutApplicationPage : public CPropertyPage {
    DECLARE_DYNCREATE(CAboutApplicationPage)
public:
    CAboutApplicationPage();

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

    // The product version of the program's own version resource (US
    // English, Unicode block); out is left as it was when there is none.
    static void GetVersionText(CString& out);

    CLinkStatic m_linkContact;
    CLinkStatic m_linkWebSite;
    CString m_strServerHost;  // the maker's web server, host[:port]
};
