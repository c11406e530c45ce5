// The tab-separated text reader, and the markup of StarDict data items.
// Input: the bytes of a file; its first byte is also the type the whole
// input is read as a data item of.
#include "ImportCheck.h"

#include "dictionary/MarkupText.h"
#include "dictionary/TabText.h"

using namespace dictionary;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input = AsText(data, size);

    std::vector<ImportEntry> entries;
    size_t nSkipped = 0;
    ReadTabText(input, entries, &nSkipped);
    // An entry or a skipped line takes at least one line (and a tab).
    size_t nLines = 1;
    for (char c : input)
        nLines += c == '\n';
    FUZZ_CHECK(entries.size() + nSkipped <= nLines);
    for (const ImportEntry& entry : entries) {
        CheckEntry(entry);
        FUZZ_CHECK(entry.word.find('\t') == std::string::npos);
    }

    if (!input.empty()) {
        ImportEntry entry;
        entry.word = "w";
        AddTranslationsFromMarkup(input.substr(1), input[0], entry);
        if (!entry.translations.empty())
            CheckEntry(entry);
    }
    return 0;
}
