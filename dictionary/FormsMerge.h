// Which word forms an import adds to a forms file (see WordForms.h): what
// the file holds stays, and a pair of form and head word goes in when the
// file does not hold it yet (letter case aside). A form that is its own head
// word is not kept: looking the text up finds that word already. A pair the
// file cannot hold (a form or head word that is empty, has a ":" in the
// form, a "|" in the head word, or a byte that cuts a line) is skipped and
// counted. Plain C++ with no system calls.
#pragma once

#include "dictionary/UpdateMerge.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace dictionary {

// A form and the head word it belongs to, both Windows-1250.
struct WordForm {
    std::string form;
    std::string headWord;
};

struct FormsTally {
    size_t nAdded = 0;
    size_t nSkipped = 0;
};

// The text to append to a forms file holding existing: the new pairs in
// their order, each "form:head word" and a CR LF, after a CR LF when the
// file's last line has no line end. Empty when nothing is new. Adds to
// tally. Throws std::bad_alloc.
std::string NewFormLines(std::string_view existing, const std::vector<WordForm>& forms, const CaseFold& fold,
                         FormsTally& tally);

}  // namespace dictionary
