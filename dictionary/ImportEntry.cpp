#include "dictionary/ImportEntry.h"

namespace dictionary {

namespace {

// How far back from the length cap a blank may lie to be cut at instead.
constexpr size_t kBlankReach = 40;

bool IsBlank(unsigned char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// The length of the well-formed UTF-8 character at text[i], or 0 when the
// bytes there do not start one (no overlong forms, surrogates or
// characters beyond U+10FFFF).
size_t Utf8Length(std::string_view text, size_t i) {
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80)
        return 1;
    size_t length;
    unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        else if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (text.size() - i < length)
        return 0;
    const unsigned char second = static_cast<unsigned char>(text[i + 1]);
    if (second < low || second > high)
        return 0;
    for (size_t k = 2; k < length; ++k)
        if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
            return 0;
    return length;
}

// Copies the text's well-formed characters to out, white space runs (the
// no-break space too) as one blank (none at either end), leaving out
// control characters (C0, DEL and C1). With bTranslation, "|" and ":" are
// written as the line format needs.
std::string Normalize(std::string_view text, bool bTranslation) {
    std::string out;
    out.reserve(text.size());
    bool bBlankPending = false;
    auto put = [&](std::string_view piece) {
        if (bBlankPending && !out.empty())
            out += ' ';
        bBlankPending = false;
        out.append(piece.data(), piece.size());
    };
    size_t i = 0;
    while (i < text.size()) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        const size_t length = Utf8Length(text, i);
        if (length == 0) {
            ++i;
            continue;
        }
        // U+0080 to U+00A0 are two bytes C2 80 to C2 A0.
        const unsigned char second = length == 2 ? static_cast<unsigned char>(text[i + 1]) : 0;
        if (IsBlank(c) || (c == 0xC2 && second == 0xA0)) {
            bBlankPending = true;
        } else if (c < 0x20 || c == 0x7F || (c == 0xC2 && second < 0xA0)) {
            // a control character: dropped
        } else if (bTranslation && c == '|') {
            put("/");
        } else if (bTranslation && c == ':') {
            bBlankPending = true;
            put("-");
        } else {
            put(text.substr(i, length));
        }
        i += length;
    }
    return out;
}

// Cuts text, well-formed UTF-8 without blanks at its ends, to at most
// kMaxTranslationBytes bytes.
void CapLength(std::string& text) {
    if (text.size() <= kMaxTranslationBytes)
        return;
    size_t cut = kMaxTranslationBytes;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    const size_t blank = text.rfind(' ', cut);
    if (blank != std::string::npos && blank > 0 && cut - blank <= kBlankReach)
        cut = blank;
    text.resize(cut);
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
}

}  // namespace

std::string CleanTranslation(std::string_view text) {
    std::string out = Normalize(text, true);
    CapLength(out);
    return out;
}

void AddTranslation(ImportEntry& entry, std::string_view text) {
    if (entry.translations.size() >= kMaxTranslations)
        return;
    std::string cleaned = CleanTranslation(text);
    if (cleaned.empty())
        return;
    for (const std::string& existing : entry.translations)
        if (existing == cleaned)
            return;
    entry.translations.push_back(std::move(cleaned));
}

std::string CleanHeadWord(std::string_view text) {
    return Normalize(text, false);
}

}  // namespace dictionary
