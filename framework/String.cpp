#include "framework/String.h"

#include "framework/Module.h"
#include "framework/WideText.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

const char kWhiteSpace[] = " \t\r\n\v\f";

size_t Clamp(int n, size_t limit) {
    if (n < 0)
        return 0;
    return std::min(static_cast<size_t>(n), limit);
}

}  // namespace

CString::CString(LPCSTR psz) : m_str(psz ? psz : "") {}

CString::CString(LPCSTR pch, int nLength)
    : m_str(pch && nLength > 0 ? std::string(pch, static_cast<size_t>(nLength)) : std::string()) {}

CString::CString(char ch, int nRepeat) : m_str(nRepeat > 0 ? static_cast<size_t>(nRepeat) : 0, ch) {}

CString& CString::operator=(LPCSTR psz) {
    m_str = psz ? psz : "";
    return *this;
}

CString& CString::operator=(char ch) {
    m_str.assign(1, ch);
    return *this;
}

CString& CString::operator+=(const CString& str) {
    m_str += str.m_str;
    return *this;
}

CString& CString::operator+=(LPCSTR psz) {
    if (psz)
        m_str += psz;
    return *this;
}

CString& CString::operator+=(char ch) {
    m_str += ch;
    return *this;
}

CString operator+(const CString& a, const CString& b) {
    return CString(a.m_str + b.m_str);
}
CString operator+(const CString& a, LPCSTR b) {
    return CString(a.m_str + (b ? b : ""));
}
CString operator+(LPCSTR a, const CString& b) {
    return CString((a ? a : "") + b.m_str);
}
CString operator+(const CString& a, char b) {
    return CString(a.m_str + b);
}

int CString::Compare(LPCSTR psz) const {
    return std::strcmp(m_str.c_str(), psz ? psz : "");
}

int CString::CompareNoCase(LPCSTR psz) const {
    return CollateNoCase(psz);
}

int CString::CollateNoCase(LPCSTR psz) const {
    return CompareTextByLocale(m_str.c_str(), psz ? psz : "", NORM_IGNORECASE) - CSTR_EQUAL;
}

CString CString::Mid(int nFirst) const {
    return Mid(nFirst, GetLength());
}

CString CString::Mid(int nFirst, int nCount) const {
    size_t first = Clamp(nFirst, m_str.size());
    size_t count = Clamp(nCount, m_str.size() - first);
    return CString(m_str.substr(first, count));
}

CString CString::Left(int nCount) const {
    return CString(m_str.substr(0, Clamp(nCount, m_str.size())));
}

int CString::Find(char ch, int nStart) const {
    if (nStart < 0 || static_cast<size_t>(nStart) >= m_str.size())
        return -1;
    size_t pos = m_str.find(ch, static_cast<size_t>(nStart));
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::Find(LPCSTR pszSub, int nStart) const {
    if (!pszSub || nStart < 0 || static_cast<size_t>(nStart) > m_str.size())
        return -1;
    size_t pos = m_str.find(pszSub, static_cast<size_t>(nStart));
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::ReverseFind(char ch) const {
    size_t pos = m_str.rfind(ch);
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::FindOneOf(LPCSTR pszCharSet) const {
    if (!pszCharSet)
        return -1;
    size_t pos = m_str.find_first_of(pszCharSet);
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::Replace(char chOld, char chNew) {
    int count = 0;
    for (char& c : m_str) {
        if (c == chOld) {
            c = chNew;
            ++count;
        }
    }
    return count;
}

int CString::Replace(LPCSTR pszOld, LPCSTR pszNew) {
    if (!pszOld || !*pszOld)
        return 0;
    const std::string from(pszOld);
    const std::string to(pszNew ? pszNew : "");
    std::string result;
    int count = 0;
    size_t start = 0;
    for (size_t pos; (pos = m_str.find(from, start)) != std::string::npos; start = pos + from.size()) {
        result.append(m_str, start, pos - start);
        result += to;
        ++count;
    }
    if (count > 0) {
        result.append(m_str, start, std::string::npos);
        m_str.swap(result);
    }
    return count;
}

void CString::MakeUpper() {
    for (char& c : m_str)
        c = static_cast<char>(UpperByte(static_cast<unsigned char>(c)));
}

void CString::MakeLower() {
    for (char& c : m_str)
        c = static_cast<char>(LowerByte(static_cast<unsigned char>(c)));
}

void CString::TrimLeft() {
    m_str.erase(0, m_str.find_first_not_of(kWhiteSpace));
}
void CString::TrimRight() {
    TrimRight(kWhiteSpace);
}

void CString::TrimRight(LPCSTR pszTargets) {
    if (!pszTargets)
        return;
    size_t last = m_str.find_last_not_of(pszTargets);
    m_str.erase(last == std::string::npos ? 0 : last + 1);
}

void CString::Format(LPCSTR pszFormat, ...) {
    // Some C runtimes return -1 instead of the needed size when the buffer is
    // too small, so grow until the text fits.
    va_list args;
    va_start(args, pszFormat);
    std::vector<char> buffer(256);
    for (;;) {
        va_list copy;
        va_copy(copy, args);
        int n = std::vsnprintf(buffer.data(), buffer.size(), pszFormat ? pszFormat : "", copy);
        va_end(copy);
        if (n >= 0 && static_cast<size_t>(n) < buffer.size()) {
            m_str.assign(buffer.data(), static_cast<size_t>(n));
            break;
        }
        buffer.resize(n >= 0 ? static_cast<size_t>(n) + 1 : buffer.size() * 2);
    }
    va_end(args);
}

BOOL CString::LoadString(UINT nID) {
    // With no buffer the call gives the resource's own read-only text.
    LPCWSTR pText = nullptr;
    const int n = ::LoadStringW(AfxGetResourceHandle(), nID, reinterpret_cast<LPWSTR>(&pText), 0);
    if (n <= 0 || !pText) {
        m_str.clear();
        return FALSE;
    }
    *this = NarrowTextForDisplay(std::wstring_view(pText, static_cast<size_t>(n)));
    return TRUE;
}

LPSTR CString::GetBuffer(int nMinBufLength) {
    if (nMinBufLength > GetLength())
        m_str.resize(static_cast<size_t>(nMinBufLength));
    return &m_str[0];
}

void CString::ReleaseBuffer(int nNewLength) {
    if (nNewLength < 0)
        m_str.resize(std::strlen(m_str.c_str()));
    else
        m_str.resize(std::min(static_cast<size_t>(nNewLength), m_str.size()));
}
