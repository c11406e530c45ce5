// What every entry an import reader gives must be, whatever bytes it read.
#pragma once

#include "FuzzCheck.h"

#include "dictionary/ImportEntry.h"
#include "framework/CodePage.h"

// Well-formed UTF-8 without control bytes or no-break spaces, without
// blanks at its ends or two in a row.
inline bool IsCleanText(std::string_view text) {
    if (text.empty() || text.front() == ' ' || text.back() == ' ' || !codepage::IsValidUtf8(text))
        return false;
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || c == 0x7F || (c == ' ' && text[i + 1] == ' '))
            return false;
        if (c == 0xC2 && static_cast<unsigned char>(text[i + 1]) <= 0xA0)
            return false;  // C1 control or no-break space
    }
    return true;
}

inline void CheckEntry(const dictionary::ImportEntry& entry) {
    FUZZ_CHECK(IsCleanText(entry.word));
    FUZZ_CHECK(!entry.translations.empty());
    FUZZ_CHECK(entry.translations.size() <= dictionary::kMaxTranslations);
    for (size_t i = 0; i < entry.translations.size(); ++i) {
        const std::string& translation = entry.translations[i];
        FUZZ_CHECK(IsCleanText(translation));
        FUZZ_CHECK(translation.size() <= dictionary::kMaxTranslationBytes);
        FUZZ_CHECK(translation.find_first_of("|:") == std::string::npos);
        FUZZ_CHECK(dictionary::CleanTranslation(translation) == translation);
        for (size_t k = 0; k < i; ++k)
            FUZZ_CHECK(entry.translations[k] != translation);
    }
}
