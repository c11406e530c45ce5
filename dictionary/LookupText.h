// What the lookup key makes of text taken from another program: the first
// word or short phrase of it, and whether a dictionary holds it as a head
// word. Windows-1250 text, plain C++ with no system calls.
#pragma once

#include "dictionary/UpdateMerge.h"

#include <string>
#include <string_view>

namespace dictionary {

// The text's first line without the blanks and punctuation around it, runs
// of blanks made one; kept whole when it is a short phrase (at most
// kPhraseWords words and kPhraseBytes bytes), else its first word. Empty
// when nothing is left.
constexpr int kPhraseWords = 3;
constexpr size_t kPhraseBytes = 40;
std::string TrimToLookupText(std::string_view text);

// Whether a line of the file's bytes (lines end in LF, a CR before it
// belongs to the line end) has word as its head word, letter case aside.
bool ContainsHeadWord(std::string_view fileBytes, std::string_view word, const CaseFold& fold);

}  // namespace dictionary
