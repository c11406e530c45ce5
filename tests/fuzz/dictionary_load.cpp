// The loaded dictionary's lines and its index by head word, against the
// loader's rules restated plainly. Input: one byte (bit 0: the file was
// read only in part), then the file's bytes, see Expanded. Nothing may
// depend on the table's hash, whose key differs from run to run.
#include "FuzzCheck.h"

#include "dictionary/LoadedLines.h"

#include <map>

using namespace dictionary;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const bool bWhole = (data[0] & 1) == 0;
    const std::string bytes = Expanded(AsText(data + 1, size - 1));

    // The text ends at the first 0x1A; read only in part, what follows the
    // last LF before it was cut short, unless the 0x1A ended it.
    const size_t mark = bytes.find('\x1A');
    std::string_view text = std::string_view(bytes).substr(0, mark);
    if (!bWhole && mark == std::string::npos)
        text = text.substr(0, text.rfind('\n') == std::string_view::npos ? 0 : text.rfind('\n') + 1);
    std::vector<std::string_view> expected;
    while (!text.empty()) {
        const bool bEnded = text.find('\n') != std::string_view::npos;
        std::string_view line = TakeUntil(text, '\n');
        if (bEnded && !line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (!line.empty())
            expected.push_back(line);
    }

    LoadedLines loaded;
    loaded.Assign(bytes, bWhole);
    FUZZ_CHECK(loaded.HasTextAfterEndMark() == (mark != std::string::npos && mark + 1 < bytes.size()));
    FUZZ_CHECK(loaded.Size() == expected.size());
    std::map<std::string_view, std::vector<size_t>> byHeadWord;
    for (size_t i = 0; i < expected.size(); ++i) {
        FUZZ_CHECK(loaded.GetAt(i) == expected[i]);
        const size_t colon = expected[i].find(':');
        const std::string_view head = HeadOf(expected[i]);
        FUZZ_CHECK(loaded.HeadWordAt(i) == head);
        FUZZ_CHECK(loaded.TranslationsAt(i) ==
                   (colon == std::string_view::npos ? expected[i] : expected[i].substr(colon + 1)));
        byHeadWord[head].push_back(i);
    }

    FUZZ_CHECK(loaded.FirstWithHeadWord("a") == LoadedLines::npos);  // not indexed yet
    loaded.IndexHeadWords();
    for (const auto& [head, lines] : byHeadWord) {
        size_t n = loaded.FirstWithHeadWord(head);
        for (size_t line : lines) {
            FUZZ_CHECK(n == line);
            n = loaded.NextWithSameHeadWord(n);
        }
        FUZZ_CHECK(n == LoadedLines::npos);
        // A word one byte longer, and one byte shorter, is another word.
        for (const std::string& other :
             {std::string(head) + "a", std::string(head.substr(head.empty() ? 0 : 1))}) {
            if (byHeadWord.count(other) == 0)
                FUZZ_CHECK(loaded.FirstWithHeadWord(other) == LoadedLines::npos);
        }
    }
    return 0;
}
