#include "widgets/AboutSystemPage.h"

#include "framework/MessageBox.h"
#include "res/resource.h"

#include <shlwapi.h>

#include <vector>

IMPLEMENT_DYNCREATE(CAboutSystemPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CAboutSystemPage, CPropertyPage)
ON_BN_CLICKED(IDC_ADVANCED, OnAdvanced)
END_MESSAGE_MAP()

HKEY CAboutSystemPage::s_hMachineKey = HKEY_LOCAL_MACHINE;
PFN_SHELLEXECUTE CAboutSystemPage::s_pfnShellExecute = &::ShellExecuteA;

namespace {

const char kUnknown[] = "Unknow";

// A string value, trimmed of white space at both ends; FALSE (out
// untouched) when it cannot be read.
BOOL ReadTrimmedString(HKEY hKey, LPCSTR lpszName, CString& out) {
    DWORD cbData = 0;
    if (::RegQueryValueExA(hKey, lpszName, nullptr, nullptr, nullptr, &cbData) != ERROR_SUCCESS)
        return FALSE;
    std::vector<char> buffer(cbData + 1, '\0');
    if (::RegQueryValueExA(hKey, lpszName, nullptr, nullptr, reinterpret_cast<LPBYTE>(buffer.data()),
                           &cbData) != ERROR_SUCCESS)
        return FALSE;
    out = buffer.data();
    out.Trim();
    return TRUE;
}

}  // namespace

CAboutSystemPage::CAboutSystemPage() : CPropertyPage(IDD_ABOUT_SYSTEM) {}

BOOL CAboutSystemPage::OnInitDialog() {
    CPropertyPage::OnInitDialog();

    CString strName = kUnknown;
    CString strIdentifier = kUnknown;
    CString strSpeed = kUnknown;
    HKEY hKey = nullptr;
    // Read-only: a user without administrator rights may read the key but
    // not open it for writing.
    if (::RegOpenKeyExA(s_hMachineKey, "HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\0", 0, KEY_READ,
                        &hKey) != ERROR_SUCCESS)
        hKey = nullptr;
    if (hKey) {
        ReadTrimmedString(hKey, "ProcessorNameString", strName);
        ReadTrimmedString(hKey, "Identifier", strIdentifier);
        DWORD dwMHz = 0;
        DWORD cbMHz = sizeof(dwMHz);
        if (::RegQueryValueExA(hKey, "~MHz", nullptr, nullptr, reinterpret_cast<LPBYTE>(&dwMHz), &cbMHz) ==
            ERROR_SUCCESS)
            strSpeed.Format("%d Mhz", static_cast<int>(dwMHz));
    }

    CString strMemory;
    strMemory.Format("%u MB", GetPhysicalMemoryMB());

    // A name the system cannot give leaves the text as it was.
    WCHAR szUser[260] = L"Unknow";
    DWORD cchUser = ARRAYSIZE(szUser);
    ::GetUserNameW(szUser, &cchUser);

    SetDlgItemText(IDC_CPU_NAME, strName);
    SetDlgItemText(IDC_CPU_IDENTIFIER, strIdentifier);
    SetDlgItemText(IDC_CPU_SPEED, strSpeed);
    SetDlgItemText(IDC_PHYSICAL_MEMORY, strMemory);
    ::SetDlgItemTextW(m_hWnd, IDC_USER_NAME, szUser);

    if (hKey)
        ::RegCloseKey(hKey);
    return TRUE;
}

UINT CAboutSystemPage::GetPhysicalMemoryMB() {
    // Looked up at run time: older systems have no such function.
    typedef BOOL(WINAPI * PFN_GLOBALMEMORYSTATUSEX)(LPMEMORYSTATUSEX);
    PFN_GLOBALMEMORYSTATUSEX pfnGlobalMemoryStatusEx = nullptr;
    if (HMODULE hKernel = ::GetModuleHandleA("Kernel32.dll"))
        pfnGlobalMemoryStatusEx = reinterpret_cast<PFN_GLOBALMEMORYSTATUSEX>(
            reinterpret_cast<void*>(::GetProcAddress(hKernel, "GlobalMemoryStatusEx")));
    MEMORYSTATUSEX status = {};
    status.dwLength = sizeof(status);
    if (pfnGlobalMemoryStatusEx)
        pfnGlobalMemoryStatusEx(&status);
    return static_cast<UINT>(status.ullTotalPhys >> 20);
}

BOOL CAboutSystemPage::LocateMsInfo(CString& out) {
    out.Empty();
    char szPath[MAX_PATH] = "";
    HKEY hKey = nullptr;
    BOOL bFound = FALSE;
    if (::RegOpenKeyExA(s_hMachineKey, "Software\\Microsoft\\Shared Tools\\MSInfo", 0, KEY_READ, &hKey) ==
        ERROR_SUCCESS) {
        DWORD cbPath = sizeof(szPath) - 1;
        bFound = ::RegQueryValueExA(hKey, "Path", nullptr, nullptr, reinterpret_cast<LPBYTE>(szPath),
                                    &cbPath) == ERROR_SUCCESS;
        ::RegCloseKey(hKey);
    }
    if (!bFound) {
        // The folder of the shared tools, with the tool's file name added.
        szPath[0] = '\0';
        if (::RegOpenKeyExA(s_hMachineKey, "Software\\Microsoft\\Shared Tools Location", 0, KEY_READ,
                            &hKey) == ERROR_SUCCESS) {
            DWORD cbPath = sizeof(szPath) - 1;
            if (::RegQueryValueExA(hKey, "MSInfo", nullptr, nullptr, reinterpret_cast<LPBYTE>(szPath),
                                   &cbPath) != ERROR_SUCCESS)
                szPath[0] = '\0';
            ::PathAppendA(szPath, "MSInfo32.exe");
            ::RegCloseKey(hKey);
        }
    }
    szPath[sizeof(szPath) - 1] = '\0';
    out = szPath;
    return ::PathFileExistsA(szPath);
}

void CAboutSystemPage::OnAdvanced() {
    CString strPath;
    if (!LocateMsInfo(strPath)) {
        AfxMessageBox("'MsInfo32.exe' cannot be found !", MB_ICONEXCLAMATION | MB_OK);
    } else {
        HINSTANCE hResult = s_pfnShellExecute(m_hWnd, "open", strPath, nullptr, nullptr, SW_SHOWNORMAL);
        if (reinterpret_cast<INT_PTR>(hResult) <= 32)
            AfxMessageBox("Error Executing \"MsInfo32.exe\" !", MB_ICONEXCLAMATION | MB_OK);
    }
    // Either way the sheet has done its work.
    ::SendMessageW(::GetParent(m_hWnd), PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
}
