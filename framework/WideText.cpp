#include "framework/WideText.h"

#include "framework/CodePage.h"

namespace {

// The 256 bytes as UTF-16, and each byte in capitals and in small letters.
struct ByteTables {
    wchar_t wide[256];
    unsigned char upper[256];
    unsigned char lower[256];

    ByteTables() {
        for (int b = 0; b < 256; ++b) {
            wide[b] = static_cast<wchar_t>(codepage::ToUnicode(static_cast<unsigned char>(b)));
            upper[b] = Mapped(b, false);
            lower[b] = Mapped(b, true);
        }
    }

    // The byte of the character's other case, when the code page holds it.
    unsigned char Mapped(int b, bool bLower) const {
        wchar_t ch = wide[b];
        if (bLower)
            CharLowerBuffW(&ch, 1);
        else
            CharUpperBuffW(&ch, 1);
        const int mapped = codepage::FromUnicode(ch);
        return static_cast<unsigned char>(mapped < 0 ? b : mapped);
    }
};

const ByteTables& Tables() {
    static const ByteTables tables;
    return tables;
}

}  // namespace

std::wstring WideText(std::string_view text) {
    const size_t nul = text.find('\0');
    if (nul != std::string_view::npos)
        text = text.substr(0, nul);
    const ByteTables& tables = Tables();
    std::wstring out(text.size(), L'\0');
    for (size_t i = 0; i < text.size(); ++i)
        out[i] = tables.wide[static_cast<unsigned char>(text[i])];
    return out;
}

BOOL NarrowText(std::wstring_view text, CString& out, char32_t* pUnstorable) {
    const std::u16string_view utf16(reinterpret_cast<const char16_t*>(text.data()), text.size());
    std::string bytes;
    const bool bAll = codepage::FromUtf16(utf16, bytes, pUnstorable);
    out = CString(std::move(bytes));
    return bAll;
}

CString NarrowTextForDisplay(std::wstring_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t ch = text[i];
        if (ch >= 0xD800 && ch <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF)
            ch = 0x10000 + ((ch - 0xD800) << 10) + (text[++i] - 0xDC00);
        const int byte = codepage::FromUnicode(ch);
        bytes += byte < 0 ? '?' : static_cast<char>(byte);
    }
    return CString(std::move(bytes));
}

std::wstring WideFromUtf8(std::string_view text) {
    if (text.empty())
        return std::wstring();
    const int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(n > 0 ? n : 0), L'\0');
    if (n > 0)
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &out[0], n);
    return out;
}

unsigned char UpperByte(unsigned char byte) {
    return Tables().upper[byte];
}

unsigned char LowerByte(unsigned char byte) {
    return Tables().lower[byte];
}

int CompareTextByLocale(std::string_view a, std::string_view b, DWORD dwFlags) {
    const std::wstring x = WideText(a), y = WideText(b);
    return CompareStringW(LOCALE_USER_DEFAULT, dwFlags, x.c_str(), -1, y.c_str(), -1);
}
