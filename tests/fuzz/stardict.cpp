// The StarDict reader. Input: one byte of choices (bit 0: 64-bit offsets,
// bit 1: the .dict comes gzip-compressed, bits 2-3: how many letters of a
// sametypesequence follow), those letters, one byte giving the wordcount,
// then the .idx and the .dict, cut apart at the first "\n--\n". The input
// is also read as a .ifo text whole, and gzip-compressed (as a .dict.dz
// member) to be read back.
#include "ImportCheck.h"

#include "bench/StarDictWriter.h"
#include "dictionary/StarDict.h"

using namespace dictionary;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input = AsText(data, size);
    std::string error;

    StarDictInfo parsed;
    if (ParseStarDictInfo(input, parsed, error)) {
        FUZZ_CHECK(parsed.version == "2.4.2" || parsed.version == "3.0.0");
        FUZZ_CHECK(parsed.idxoffsetbits == 32 || (parsed.idxoffsetbits == 64 && parsed.version == "3.0.0"));
    } else {
        FUZZ_CHECK(!error.empty());
    }

    std::string inflated;
    FUZZ_CHECK(Gunzip(Gzip(input), inflated, error));
    FUZZ_CHECK(inflated == input);

    if (size < 2)
        return 0;
    const unsigned choices = data[0];
    const size_t nTypes = std::min<size_t>((choices >> 2) & 3, size - 2);
    StarDictInfo info;
    info.version = "3.0.0";
    info.idxoffsetbits = choices & 1 ? 64 : 32;
    info.sametypesequence = std::string(input.substr(1, nTypes));
    info.wordcount = data[1 + nTypes];
    std::string_view rest = input.substr(2 + nTypes);
    const size_t cut = rest.find("\n--\n");
    const std::string_view idx = rest.substr(0, cut);
    std::string_view dict = cut == std::string_view::npos ? std::string_view() : rest.substr(cut + 4);
    info.idxfilesize = idx.size();
    std::string gunzipped;
    if (choices & 2) {
        error.clear();
        if (!Gunzip(dict, gunzipped, error)) {
            FUZZ_CHECK(!error.empty() && gunzipped.empty());
            return 0;
        }
        dict = gunzipped;
    }

    std::vector<ImportEntry> entries(1);
    entries[0].word = "kept";
    size_t nProgress = 0;
    error.clear();
    const bool bRead = ReadStarDict(info, idx, dict, entries, error, [&](size_t done, size_t total) {
        FUZZ_CHECK(done <= total && total == info.wordcount);
        ++nProgress;
    });
    FUZZ_CHECK(entries[0].word == "kept");
    if (bRead) {
        FUZZ_CHECK(entries.size() <= info.wordcount + 1);
        FUZZ_CHECK(nProgress > 0);
        for (size_t i = 1; i < entries.size(); ++i)
            CheckEntry(entries[i]);
    } else {
        FUZZ_CHECK(entries.size() == 1);
        FUZZ_CHECK(!error.empty() && codepage::IsValidUtf8(error));
    }
    return 0;
}
