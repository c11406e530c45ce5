// The head words closest to a text that is none ("recieve", "tanar"): at
// most two edits away, an edit being a letter inserted, removed or changed,
// or two neighbours swapped (the optimal string alignment distance), with
// letter case and diacritics aside through a folding table. Closest first;
// among words equally close, the one earlier in the list given to Build
// first, so ties keep the word list's order.
//
// Two edits change a word's length by two at most and the set of letters
// it holds by four letters at most, so a search looks only at the words
// of the five lengths around the text's, drops at once those whose letters
// (one bit a letter in a 64-bit mask) are too unlike, and measures the
// rest within a band of two around the diagonal, giving up on a word as
// soon as every path is three edits long. At 200,000 head words that is a
// few milliseconds, without the memory of an index of every deletion.
#pragma once

#include "dictionary/UpdateMerge.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dictionary {

class Suggestions {
public:
    static constexpr int kMaxEdits = 2;
    // Longer head words are never suggested.
    static constexpr size_t kMaxLength = 64;

    // Indexes the head words (Windows-1250) in the word list's order; a
    // head word that repeats another byte for byte is indexed once. fold
    // sets letter case and diacritics aside. Costs some 50 ms at 200,000
    // words; may run on another thread, Find waiting for it. Throws
    // std::bad_alloc.
    void Build(const std::vector<std::string_view>& headWords, const CaseFold& fold);
    void Clear();

    // The positions in Build's list of up to nMax head words at most
    // kMaxEdits from text, closest first, ties in list order.
    std::vector<size_t> Find(std::string_view text, size_t nMax = 5) const;

    // The optimal string alignment distance of a and b, or kMaxEdits + 1
    // when it is larger.
    static int Distance(std::string_view a, std::string_view b);

private:
    struct Word {
        uint64_t letters;   // bit (byte & 63) set for each folded byte it holds
        uint32_t offset;    // of its folded bytes in m_folded
        uint32_t position;  // in Build's list
    };

    std::string Folded(std::string_view text) const;
    static uint64_t Letters(std::string_view folded);

    unsigned char m_fold[256] = {};
    std::string m_folded;
    std::vector<Word> m_words;            // by length, in list order within a length
    std::vector<uint32_t> m_lengthStart;  // [n]: the first word of length n; kMaxLength + 2 entries
};

}  // namespace dictionary
