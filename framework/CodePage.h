// The program's code page. Dictionary files, update downloads and every
// string the program keeps inside are Windows-1250, whatever the system's
// ANSI code page; windows take and show UTF-16, converted here and nowhere
// else. Plain C++ with no system calls, so the dictionary core can use it
// when it is built (and fuzzed) natively.
//
// Windows-1250 has only the cedilla forms of s and t (ş ţ Ş Ţ). Today's
// Romanian keyboards type the comma-below forms (ș ț Ș Ț, U+0218-U+021B):
// they are the same letters and are stored as the cedilla forms.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace codepage {

// The code page's number, for the system's conversion functions.
constexpr unsigned kDictionaryCodePage = 1250;

// The character a byte stands for. The five bytes the code page leaves
// undefined stand for the control characters of the same number, as the
// system's own conversion has them, so that no byte is ever lost.
char32_t ToUnicode(unsigned char byte);

// The byte that stands for a character, comma-below s and t giving their
// cedilla forms; -1 when the code page cannot hold the character.
int FromUnicode(char32_t ch);

// The comma-below letters written as the cedilla ones; any other character
// as it is.
char32_t FoldCommaBelow(char32_t ch);

// A byte of a Windows-1250 text with a Romanian diacritic set aside and
// capitals made small: ă â -> a, î -> i, ş -> s, ţ -> t, A -> a. Other bytes
// stay as they are.
unsigned char PlainLetter(unsigned char byte);

// Text in UTF-16 (as the windows give it) and in UTF-8 (as files from
// elsewhere hold it) turned into Windows-1250. Returns false, with the first
// character the code page cannot hold in *pUnstorable, when the text holds
// one; out then holds the text up to it.
bool FromUtf16(std::u16string_view text, std::string& out, char32_t* pUnstorable = nullptr);
bool FromUtf8(std::string_view text, std::string& out, char32_t* pUnstorable = nullptr);

// Appends a character in UTF-8.
void AppendUtf8(char32_t ch, std::string& out);

// Windows-1250 text as UTF-16 and as UTF-8.
std::u16string ToUtf16(std::string_view text);
std::string ToUtf8(std::string_view text);

// Whether the bytes are well-formed UTF-8 (no overlong forms, no surrogates,
// nothing beyond U+10FFFF). Plain ASCII is.
bool IsValidUtf8(std::string_view text);

// A character as people read it in a message: the character itself in UTF-8
// followed by its number, e.g. "Ж (U+0416)".
std::string DescribeCharacter(char32_t ch);

}  // namespace codepage
