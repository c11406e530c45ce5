// A file's path as the system's wide file functions take it, so that the
// program works from a folder whose name holds any letter. Made from UTF-16
// (paths the system gives) or from Windows-1250 text (names the program
// makes itself, such as "en.tmp").
#pragma once

#include "framework/String.h"

#include <string>

class CFilePath {
public:
    CFilePath() = default;
    CFilePath(std::wstring path) : m_path(std::move(path)) {}        // NOLINT: converting on purpose
    CFilePath(LPCWSTR path) : m_path(path ? path : L"") {}           // NOLINT
    CFilePath(LPCSTR path);                                          // NOLINT
    CFilePath(const CString& path);                                  // NOLINT
    CFilePath(const std::string& path) : CFilePath(path.c_str()) {}  // NOLINT

    LPCWSTR c_str() const { return m_path.c_str(); }
    const std::wstring& Wide() const { return m_path; }
    BOOL IsEmpty() const { return m_path.empty(); }

    // The folder, with its trailing backslash ("" when there is none).
    CFilePath Folder() const;
    // The path with pszName appended as it is.
    CFilePath operator+(LPCSTR pszName) const;

    // For messages: a letter Windows-1250 lacks shows as '?'.
    CString ForDisplay() const;

private:
    std::wstring m_path;
};
