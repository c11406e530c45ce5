// CString: an 8-bit string in the program's code page, Windows-1250 (see
// CodePage.h), whatever the system's. Holds any bytes, NUL
// included; the C-string view (operator LPCSTR) ends at the first NUL.
#pragma once

#include <windows.h>

#include <cstdarg>
#include <string>

class CString {
public:
    CString() = default;
    CString(LPCSTR psz);  // NOLINT: converting on purpose, as callers expect
    CString(LPCSTR pch, int nLength);
    CString(char ch, int nRepeat = 1);
    explicit CString(std::string str) : m_str(std::move(str)) {}

    CString& operator=(LPCSTR psz);
    CString& operator=(char ch);

    int GetLength() const { return static_cast<int>(m_str.size()); }
    BOOL IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }

    char GetAt(int nIndex) const { return m_str.at(static_cast<size_t>(nIndex)); }
    char operator[](int nIndex) const { return GetAt(nIndex); }
    operator LPCSTR() const { return m_str.c_str(); }

    // The bytes, NULs included.
    const std::string& Str() const { return m_str; }

    CString& operator+=(const CString& str);
    CString& operator+=(LPCSTR psz);
    CString& operator+=(char ch);
    friend CString operator+(const CString& a, const CString& b);
    friend CString operator+(const CString& a, LPCSTR b);
    friend CString operator+(LPCSTR a, const CString& b);
    friend CString operator+(const CString& a, char b);

    // Byte-wise comparison (as the C runtime compares in a single-byte code page).
    int Compare(LPCSTR psz) const;
    int CompareNoCase(LPCSTR psz) const;
    // Comparison by the user's locale, letter case aside.
    int CollateNoCase(LPCSTR psz) const;

    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;
    CString Left(int nCount) const;

    int Find(char ch, int nStart = 0) const;
    int Find(LPCSTR pszSub, int nStart = 0) const;
    int ReverseFind(char ch) const;
    int FindOneOf(LPCSTR pszCharSet) const;

    int Replace(char chOld, char chNew);
    int Replace(LPCSTR pszOld, LPCSTR pszNew);

    void MakeUpper();
    void MakeLower();

    // Trimming without an argument removes white space (blank, tab, CR, LF, VT, FF).
    void TrimLeft();
    void TrimRight();
    void TrimRight(LPCSTR pszTargets);
    void Trim() {
        TrimRight();
        TrimLeft();
    }

    void Format(LPCSTR pszFormat, ...);
    // Loads a string resource from the resource module; FALSE (and empty) if missing.
    BOOL LoadString(UINT nID);

    // Direct access for APIs that fill a buffer: GetBuffer gives room for at
    // least nMinBufLength characters plus a terminator; ReleaseBuffer(-1)
    // takes the length up to the first NUL.
    LPSTR GetBuffer(int nMinBufLength);
    void ReleaseBuffer(int nNewLength = -1);

private:
    std::string m_str;
};

inline bool operator==(const CString& a, const CString& b) {
    return a.Str() == b.Str();
}
inline bool operator==(const CString& a, LPCSTR b) {
    return a.Compare(b) == 0;
}
inline bool operator==(LPCSTR a, const CString& b) {
    return b.Compare(a) == 0;
}
inline bool operator!=(const CString& a, const CString& b) {
    return !(a == b);
}
inline bool operator!=(const CString& a, LPCSTR b) {
    return !(a == b);
}
inline bool operator!=(LPCSTR a, const CString& b) {
    return !(a == b);
}
inline bool operator<(const CString& a, const CString& b) {
    return a.Str() < b.Str();
}
