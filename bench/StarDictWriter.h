// StarDict dictionaries built in memory, for the import reader's tests and
// benchmark: the .ifo text, the .idx and .dict bytes, and gzip members as
// a .dict.dz holds them.
#pragma once

#include "dictionary/StarDict.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The .ifo text for info (its version, bookname, wordcount, idxfilesize,
// sametypesequence when set, idxoffsetbits when 64, synwordcount when not 0).
std::string WriteIfo(const dictionary::StarDictInfo& info);

// One data item: its type and its bytes.
using StarDictItem = std::pair<char, std::string>;

// The .idx and .dict of entries added one by one, in the order added.
class StarDictWriter {
public:
    // With a sametypesequence, Add takes the items of its types in its
    // order, the last one written without its end.
    explicit StarDictWriter(int offsetBits = 32, std::string sametypesequence = {});

    void Add(std::string_view word, const std::vector<StarDictItem>& items);
    // An entry whose data is given as its bytes.
    void AddRaw(std::string_view word, std::string_view data);
    // A .syn item: a form of the entry added as number entry (from 0).
    void AddSynonym(std::string_view form, uint32_t entry);

    // The info for what was added (version 3.0.0 for 64-bit offsets).
    dictionary::StarDictInfo Info() const;
    const std::string& Idx() const { return m_idx; }
    const std::string& Dict() const { return m_dict; }
    const std::string& Syn() const { return m_syn; }

private:
    int m_offsetBits;
    std::string m_sametypesequence;
    std::string m_idx;
    std::string m_dict;
    std::string m_syn;
    uint64_t m_count = 0;
    uint64_t m_formCount = 0;
};

// The data gzip-compressed with zlib's deflate, as members of at most
// memberBytes input bytes each (one member when 0), each header with an
// extra field as a .dict.dz has.
std::string Gzip(std::string_view data, size_t memberBytes = 0);

// A generated dictionary: English-like ASCII head words, each with one to
// four Romanian translations (UTF-8, comma-below letters too) as one HTML
// item ("h", the sametypesequence); with formsPerEntry, a .syn holding that
// many forms of each entry (its head word with an ending).
struct GeneratedStarDict {
    dictionary::StarDictInfo info;
    std::string idx;
    std::string dict;
    std::string syn;
};
GeneratedStarDict MakeStarDict(size_t count, uint32_t seed = 7, size_t formsPerEntry = 0);
