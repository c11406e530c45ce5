#include "widgets/AboutApplicationPage.h"

#include "framework/Module.h"
#include "framework/WideText.h"
#include "res/resource.h"

#include <new>
#include <vector>

IMPLEMENT_DYNCREATE(CAboutApplicationPage, CPropertyPage)

CAboutApplicationPage::CAboutApplicationPage() : CPropertyPage(IDD_ABOUT_APPLICATION) {}

void CAboutApplicationPage::DoDataExchange(CDataExchange* pDX) {
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CONTACT_LINK, m_linkContact);
    DDX_Control(pDX, IDC_WEBSITE_LINK, m_linkWebSite);
}

BOOL CAboutApplicationPage::OnInitDialog() {
    CPropertyPage::OnInitDialog();

    CString strVersion;
    GetVersionText(strVersion);
    SetDlgItemText(IDC_VERSION, strVersion);

    // Both pages live on the maker's server, as full addresses that a
    // browser takes.
    m_linkWebSite.SetTarget("http://" + m_strServerHost + "/tav");
    m_linkWebSite.EnableTip(TRUE);
    m_linkWebSite.SetTipText("Click to visit web site");

    m_linkContact.SetTarget("http://" + m_strServerHost + "/contact");
    m_linkContact.EnableTip(TRUE);
    m_linkContact.SetTipText("Click to send message");
    return TRUE;
}

void CAboutApplicationPage::GetVersionText(CString& out) {
    const std::wstring strPath = AfxGetModuleFilePath();
    DWORD dwHandle = 0;
    DWORD cbInfo = ::GetFileVersionInfoSizeW(strPath.c_str(), &dwHandle);
    try {
        std::vector<BYTE> info(cbInfo);
        if (cbInfo == 0 || !::GetFileVersionInfoW(strPath.c_str(), 0, cbInfo, info.data()))
            return;
        LPVOID pValue = nullptr;
        UINT cchValue = 0;
        if (::VerQueryValueW(info.data(), L"\\StringFileInfo\\040904b0\\ProductVersion", &pValue,
                             &cchValue) &&
            pValue)
            out = NarrowTextForDisplay(static_cast<LPCWSTR>(pValue));
    } catch (const std::bad_alloc&) {
        // No room for the version block: the field stays as it was.
    }
}
