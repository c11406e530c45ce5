#include "widgets/AboutSheet.h"

#include "framework/Module.h"
#include "res/resource.h"
#include "widgets/AboutApplicationPage.h"
#include "widgets/AboutSystemPage.h"

IMPLEMENT_DYNAMIC(CAboutSheet, CPropertySheet)

CAboutSheet::CAboutSheet(LPCSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CPropertySheet(pszCaption, pParentWnd, iSelectPage) {}

INT_PTR CAboutSheet::Show(UINT nSelectPage, LPCSTR pszServerHost) {
    CAboutSheet sheet("About", nullptr, nSelectPage);
    sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
    const CRuntimeClass* const pageClasses[] = {RUNTIME_CLASS(CAboutApplicationPage),
                                                RUNTIME_CLASS(CAboutSystemPage)};
    for (const CRuntimeClass* pClass : pageClasses)
        sheet.AddPage(DynamicDowncast<CPropertyPage>(pClass->CreateObject()));
    if (auto* pApplication = DynamicDowncast<CAboutApplicationPage>(sheet.GetPage(0)))
        pApplication->m_strServerHost = pszServerHost;
    INT_PTR nResult = sheet.DoModal();
    for (int i = 0; i < sheet.GetPageCount(); ++i)
        delete sheet.GetPage(i);
    return nResult;
}

BOOL CAboutSheet::OnInitDialog() {
    BOOL bResult = CPropertySheet::OnInitDialog();
    m_hIcon = ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDI_ABOUT));
    SetIcon(m_hIcon, FALSE);
    // Nothing on the pages is ever applied: one button closes the sheet.
    if (HWND hWndOK = ::GetDlgItem(m_hWnd, IDOK))
        ::ShowWindow(hWndOK, SW_HIDE);
    if (HWND hWndCancel = ::GetDlgItem(m_hWnd, IDCANCEL))
        ::SetWindowTextW(hWndCancel, L"&Close");
    return bResult;
}
