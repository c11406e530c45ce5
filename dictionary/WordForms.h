// The word forms of a direction ("en.forms" beside "en.tmp"): which head
// words a text such as "casele" or "went" is a form of. The file is
// Windows-1250 text, one "form:head word" line each; a form of several
// head words has a line for each. It is kept apart from the dictionary
// file, which the update server and older copies of the program read.
//
// The pairs stay as the file's own bytes, indexed once by their form
// folded through a table (letter case aside; comma-below s and t are the
// cedilla letters already, the only ones Windows-1250 has), so a lookup
// costs one hash probe whatever the number of forms. Plain C++ with no
// system calls.
#pragma once

#include "dictionary/UpdateMerge.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dictionary {

// The form and the head word of one line of a forms file (its line end
// already taken off): false when the line holds no ":" or either side is
// empty. The head word is everything after the first ":".
bool SplitFormLine(std::string_view line, std::string_view& form, std::string_view& headWord);

class WordForms {
public:
    // Takes the bytes of a forms file and indexes them. Lines end at LF, a
    // CR before it belongs to the line end; lines SplitFormLine refuses are
    // left out, and so is anything beyond the first 4 GB. Throws
    // std::bad_alloc.
    void Assign(std::string bytes, const CaseFold& fold);
    void Clear();

    // How many pairs of form and head word were read.
    size_t Size() const { return m_pairs.size(); }
    // The head words text is a form of, in file order, each once (byte for
    // byte); none when it is no form. They point into this object.
    std::vector<std::string_view> HeadWordsOf(std::string_view text) const;

private:
    struct Pair {
        uint32_t offset;  // where the line starts
        uint32_t colon;   // the form's length
        uint32_t end;     // where the head word ends
    };

    std::string_view FormAt(size_t nPair) const;
    std::string_view HeadWordAt(size_t nPair) const;
    // The slot of the folded form: where it is, or the free slot where it
    // would go.
    size_t SlotOf(std::string_view folded) const;

    unsigned char m_fold[256] = {};
    std::string m_bytes;
    std::vector<Pair> m_pairs;
    // Open addressing by folded form: a used slot holds 1 + the first pair
    // of its form; m_next chains the pairs of one form in file order.
    std::vector<uint32_t> m_slots;
    std::vector<uint32_t> m_next;
    int m_nSlotBits = 0;
};

}  // namespace dictionary
