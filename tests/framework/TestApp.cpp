#include "TestApp.h"

#include "framework/WinApp.h"

std::vector<std::string>& CommandLog() {
    static std::vector<std::string> s_log;
    return s_log;
}

CPrivateProfile::CPrivateProfile() {
    CWinApp* pApp = AfxGetApp();
    m_strOldRegistryKey = pApp->m_pszRegistryKey ? pApp->m_pszRegistryKey : "";
    m_strRegistryKey = "TavTests-" + std::to_string(GetCurrentProcessId());
    RegDeleteTreeA(HKEY_CURRENT_USER, ("Software\\" + m_strRegistryKey).c_str());
    pApp->SetRegistryKey(m_strRegistryKey.c_str());
}

CPrivateProfile::~CPrivateProfile() {
    AfxGetApp()->SetRegistryKey(m_strOldRegistryKey.c_str());
    RegDeleteTreeA(HKEY_CURRENT_USER, ("Software\\" + m_strRegistryKey).c_str());
}

HKEY CPrivateProfile::SectionKey(LPCSTR lpszSection) const {
    return AfxGetApp()->GetSectionKey(lpszSection);
}
