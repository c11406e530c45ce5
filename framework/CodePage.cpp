#include "framework/CodePage.h"

#include <cstdio>

namespace codepage {

namespace {

// Bytes 0x80 to 0xFF.
const char16_t kHigh[128] = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021, 0x0088, 0x2030, 0x0160, 0x2039, 0x015A,
    0x0164, 0x017D, 0x0179, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0098, 0x2122,
    0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6,
    0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, 0x00B0, 0x00B1, 0x02DB, 0x0142,
    0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, 0x0154,
    0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, 0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD,
    0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA,
    0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, 0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4,
    0x0151, 0x00F6, 0x00F7, 0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

// The reverse of kHigh for the characters below U+0300, where all but ten
// of the code page's upper half lie (those ten are looked up in kHigh).
struct ReverseTable {
    unsigned char bytes[0x300] = {};
    ReverseTable() {
        for (int i = 0; i < 128; ++i)
            if (kHigh[i] < 0x300)
                bytes[kHigh[i]] = static_cast<unsigned char>(0x80 + i);
    }
};

const ReverseTable& Reverse() {
    static const ReverseTable table;
    return table;
}

// Decodes one UTF-8 character at text[i], advancing i; -1 for a malformed
// sequence (i then stands after its first byte).
long DecodeUtf8(std::string_view text, size_t& i) {
    const unsigned char lead = static_cast<unsigned char>(text[i++]);
    if (lead < 0x80)
        return lead;
    int nMore;
    char32_t ch;
    char32_t minimum;
    if (lead >= 0xC2 && lead <= 0xDF) {
        nMore = 1;
        ch = lead & 0x1F;
        minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        nMore = 2;
        ch = lead & 0x0F;
        minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        nMore = 3;
        ch = lead & 0x07;
        minimum = 0x10000;
    } else {
        return -1;
    }
    size_t j = i;
    for (int k = 0; k < nMore; ++k, ++j) {
        if (j >= text.size())
            return -1;
        const unsigned char next = static_cast<unsigned char>(text[j]);
        if ((next & 0xC0) != 0x80)
            return -1;
        ch = (ch << 6) | (next & 0x3F);
    }
    if (ch < minimum || ch > 0x10FFFF || (ch >= 0xD800 && ch <= 0xDFFF))
        return -1;
    i = j;
    return static_cast<long>(ch);
}

bool Store(char32_t ch, std::string& out, char32_t* pUnstorable) {
    const int byte = FromUnicode(ch);
    if (byte < 0) {
        if (pUnstorable)
            *pUnstorable = ch;
        return false;
    }
    out += static_cast<char>(byte);
    return true;
}

}  // namespace

char32_t ToUnicode(unsigned char byte) {
    return byte < 0x80 ? byte : kHigh[byte - 0x80];
}

char32_t FoldCommaBelow(char32_t ch) {
    switch (ch) {
        case 0x0218:
            return 0x015E;  // Ș -> Ş
        case 0x0219:
            return 0x015F;  // ș -> ş
        case 0x021A:
            return 0x0162;  // Ț -> Ţ
        case 0x021B:
            return 0x0163;  // ț -> ţ
        default:
            return ch;
    }
}

int FromUnicode(char32_t ch) {
    ch = FoldCommaBelow(ch);
    if (ch < 0x80)
        return static_cast<int>(ch);
    if (ch < 0x300) {
        const unsigned char byte = Reverse().bytes[ch];
        return byte ? byte : -1;
    }
    for (int i = 0; i < 128; ++i)
        if (kHigh[i] == ch)
            return 0x80 + i;
    return -1;
}

unsigned char PlainLetter(unsigned char byte) {
    switch (byte) {
        case 0xE3:  // ă
        case 0xE2:  // â
        case 0xC3:  // Ă
        case 0xC2:  // Â
            return 'a';
        case 0xEE:  // î
        case 0xCE:  // Î
            return 'i';
        case 0xBA:  // ş
        case 0xAA:  // Ş
            return 's';
        case 0xFE:  // ţ
        case 0xDE:  // Ţ
            return 't';
        default:
            return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
    }
}

bool FromUtf16(std::u16string_view text, std::string& out, char32_t* pUnstorable) {
    out.clear();
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t ch = text[i];
        if (ch >= 0xD800 && ch <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            ch = 0x10000 + ((ch - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        }
        if (!Store(ch, out, pUnstorable))
            return false;
    }
    return true;
}

bool FromUtf8(std::string_view text, std::string& out, char32_t* pUnstorable) {
    out.clear();
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        const long ch = DecodeUtf8(text, i);
        if (!Store(ch < 0 ? 0xFFFD : static_cast<char32_t>(ch), out, pUnstorable))
            return false;
    }
    return true;
}

std::u16string ToUtf16(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (char c : text)
        out += static_cast<char16_t>(ToUnicode(static_cast<unsigned char>(c)));
    return out;
}

std::string ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 4);
    for (char c : text)
        AppendUtf8(ToUnicode(static_cast<unsigned char>(c)), out);
    return out;
}

bool IsValidUtf8(std::string_view text) {
    size_t i = 0;
    while (i < text.size())
        if (DecodeUtf8(text, i) < 0)
            return false;
    return true;
}

std::string DescribeCharacter(char32_t ch) {
    std::string out;
    if (ch >= 0x20 && ch != 0x7F && !(ch >= 0x80 && ch < 0xA0) && !(ch >= 0xD800 && ch <= 0xDFFF) &&
        ch <= 0x10FFFF) {
        AppendUtf8(ch, out);
        out += ' ';
    }
    char number[16];
    std::snprintf(number, sizeof number, "(U+%04X)", static_cast<unsigned>(ch));
    return out + number;
}

void AppendUtf8(char32_t ch, std::string& out) {
    if (ch < 0x80) {
        out += static_cast<char>(ch);
    } else if (ch < 0x800) {
        out += static_cast<char>(0xC0 | (ch >> 6));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    } else if (ch < 0x10000) {
        out += static_cast<char>(0xE0 | (ch >> 12));
        out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (ch >> 18));
        out += static_cast<char>(0x80 | ((ch >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    }
}

}  // namespace codepage
