// One entry brought in from a dictionary of another program's format, and
// the rules that make its text fit the dictionary line format. The text is
// UTF-8 here; turning it into Windows-1250, and deciding which head words
// can be stored, is the caller's business.
//
// A translation may hold neither "|" (it separates translations in a line)
// nor ":" (it ends the head word), so cleaning writes "|" as "/" and ":" as
// " -" ("see: house" becomes "see - house"). A head word keeps both: a
// word that holds one cannot be stored, and the caller skips it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace dictionary {

struct ImportEntry {
    std::string word;                       // UTF-8, trimmed, not empty
    std::vector<std::string> translations;  // UTF-8, cleaned, none empty
};

// Limits on what one entry brings in: further translations are dropped,
// longer ones are cut at a UTF-8 boundary (at a blank when one is near).
constexpr size_t kMaxTranslations = 20;
constexpr size_t kMaxTranslationBytes = 200;

// Cleans one translation: drops control bytes and invalid UTF-8, collapses
// runs of white space (tab, CR, LF and the no-break space too) to one
// blank, trims, writes '|' as '/' and ':' as " -", caps the length. An
// empty result means: drop it.
std::string CleanTranslation(std::string_view text);

// Adds a cleaned translation to entry unless it is empty, a duplicate of one
// it has, or the entry is full.
void AddTranslation(ImportEntry& entry, std::string_view text);

// A head word as an entry keeps it: control bytes and invalid UTF-8
// dropped, runs of white space made one blank, trimmed. Empty when nothing
// is left.
std::string CleanHeadWord(std::string_view text);

}  // namespace dictionary
