// Which row of the word list a looked-up text selects, in this order: the
// head word itself (letter case aside); else the head word of a form the
// text is (from the dictionary's forms file, and for English from the
// regular endings and the irregular forms); else the first row that begins
// with the text; else the first that does once the diacritics are set
// aside. A whole form beats a longer head word that merely begins with the
// text: "casele" selects "casă", not "Casele Micești". Plain C++.
#pragma once

#include "dictionary/WordForms.h"
#include "dictionary/WordListIndex.h"

#include <string>
#include <string_view>
#include <vector>

namespace dictionary {

struct WordMatch {
    enum class Kind { kNone, kHeadWord, kForm, kBeginning, kWithoutDiacritics };
    Kind kind = Kind::kNone;
    size_t nRow = WordListIndex::npos;
    // For a form: the head words it is a form of that the list has, the
    // selected one first.
    std::vector<std::string> headWords;
};

// bEnglish: the list's head words are English, whose forms are also worked
// out without data.
WordMatch MatchWord(std::string_view text, const WordListIndex& index, const WordForms& forms, bool bEnglish);

}  // namespace dictionary
