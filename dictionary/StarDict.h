// Reading a StarDict dictionary: its .ifo (what the dictionary is), its
// .idx (the head words, each with where its data lies in the .dict) and its
// .dict (the data items, compressed as .dict.dz), the files already read
// whole by the caller. Plain C++ with no system calls.
//
// Resources are not read. Head words that repeat stay separate entries; the
// caller merges them. The synonyms (.syn) are read apart, as word forms.
#pragma once

#include "dictionary/ImportEntry.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace dictionary {

struct StarDictInfo {
    std::string version;  // "2.4.2" or "3.0.0"
    std::string bookname;
    uint64_t wordcount = 0;
    uint64_t idxfilesize = 0;
    int idxoffsetbits = 32;        // 32 or 64 (64 only in 3.0.0)
    std::string sametypesequence;  // may be empty
    uint64_t synwordcount = 0;     // 0 when the .ifo names none
};

// Parses the .ifo text. False with a message (English, UTF-8, one sentence,
// no file name) when it is not one: missing magic first line "StarDict's
// dict ifo file", unknown version, missing/invalid wordcount or idxfilesize,
// bad idxoffsetbits. Keys it does not use are ignored.
bool ParseStarDictInfo(std::string_view ifoText, StarDictInfo& info, std::string& error);

// Reads every entry of the .idx (already read whole) against the .dict bytes
// (already decompressed) and appends them to entries, each with its
// translations from AddTranslationsFromMarkup. Checks: idx size ==
// idxfilesize, number of entries == wordcount, every entry's offset+size
// inside dict, every word NUL-terminated and valid UTF-8, every entry's data
// items whole. On any inconsistency false with a message saying which file
// and what, e.g. "The .idx file holds 12 words, not the 13 its .ifo names.",
// and entries as they were. An entry whose head word is blank, or whose
// data gives no translation, is left out. Calls onProgress(done, total) now
// and then (may be empty function).
bool ReadStarDict(const StarDictInfo& info, std::string_view idx, std::string_view dict,
                  std::vector<ImportEntry>& entries, std::string& error,
                  const std::function<void(size_t, size_t)>& onProgress = {});

// A form from the .syn and the head word of the .idx entry it belongs to,
// both cleaned as head words are (CleanHeadWord), UTF-8.
struct StarDictForm {
    std::string form;
    std::string headWord;
};

// Reads every item of the .syn (a form, a NUL, the 32-bit big-endian number
// of its .idx entry) and appends it to forms. A form whose cleaned text or
// head word is empty is left out. Checks, besides what ReadStarDict checks
// of the .idx: every form NUL-terminated, followed by its number and valid
// UTF-8, every number below the .idx's count, and the count of items the
// .ifo's synwordcount when it gives one. False with a message naming the
// .syn file, forms as they were.
bool ReadStarDictSyn(const StarDictInfo& info, std::string_view idx, std::string_view syn,
                     std::vector<StarDictForm>& forms, std::string& error);

// Decompresses a .dict.dz (gzip; dictzip is gzip with an extra field;
// accepts several members one after another) with zlib. False with a
// message when it is not gzip, is damaged or cut short, or would be over
// kMaxGunzipBytes.
constexpr uint64_t kMaxGunzipBytes = uint64_t{2} << 30;
bool Gunzip(std::string_view compressed, std::string& out, std::string& error);

}  // namespace dictionary
