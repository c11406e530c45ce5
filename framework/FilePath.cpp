#include "framework/FilePath.h"

#include "framework/WideText.h"

CFilePath::CFilePath(LPCSTR path) : m_path(WideText(path)) {}

CFilePath::CFilePath(const CString& path) : m_path(WideText(path)) {}

CFilePath CFilePath::Folder() const {
    const size_t nSlash = m_path.find_last_of(L"\\/");
    return CFilePath(nSlash == std::wstring::npos ? std::wstring() : m_path.substr(0, nSlash + 1));
}

CFilePath CFilePath::operator+(LPCSTR pszName) const {
    return CFilePath(m_path + WideText(pszName));
}

CString CFilePath::ForDisplay() const {
    return NarrowTextForDisplay(m_path);
}
