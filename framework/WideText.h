// The program's strings (Windows-1250 bytes in a CString, see CodePage.h)
// as the UTF-16 text the system's W functions take and give, and back. Every
// call that hands text to a window, the shell or the file system goes
// through here, so that nothing depends on the system's ANSI code page.
#pragma once

#include "framework/String.h"

#include <string>
#include <string_view>

// The UTF-16 form of Windows-1250 text (up to the first NUL for a C string).
std::wstring WideText(std::string_view text);
inline std::wstring WideText(const CString& text) {
    return WideText(std::string_view(text.Str()));
}
inline std::wstring WideText(LPCSTR psz) {
    return WideText(std::string_view(psz ? psz : ""));
}

// UTF-16 text as Windows-1250, comma-below s and t as their cedilla forms.
// FALSE, with the first character the code page cannot hold in
// *pUnstorable, when the text holds one; out then holds the text up to it.
BOOL NarrowText(std::wstring_view text, CString& out, char32_t* pUnstorable = nullptr);
// The same for text that is only shown (a system message, a user name):
// a character the code page cannot hold becomes '?'.
CString NarrowTextForDisplay(std::wstring_view text);

// UTF-8 text (a character's description) as UTF-16.
std::wstring WideFromUtf8(std::string_view text);

// A byte of Windows-1250 text in capitals and in small letters, as the
// system's Unicode case mapping has the character it stands for.
unsigned char UpperByte(unsigned char byte);
unsigned char LowerByte(unsigned char byte);

// Compares Windows-1250 texts by the user's locale, as a sorted list box of
// Unicode text does: CSTR_LESS_THAN, CSTR_EQUAL or CSTR_GREATER_THAN.
int CompareTextByLocale(std::string_view a, std::string_view b, DWORD dwFlags);
