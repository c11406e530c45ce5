// The line format: head word and translations, Split, and the lines the
// edits make. Input: one byte giving the separator's length (0-3), the
// separator, then the text; for MakeLine the text is cut in two at its
// first NUL (word, translations).
#include "FuzzCheck.h"

#include "dictionary/DictionaryFormat.h"

using namespace dictionary;

namespace {

// Split's rule, restated plainly: pieces before each separator, the rest
// as the last piece unless it is empty.
std::vector<std::string> ReferenceSplit(std::string_view text, std::string_view separator) {
    std::vector<std::string> parts;
    if (separator.empty()) {
        if (!text.empty())
            parts.emplace_back(text);
        return parts;
    }
    std::string piece;
    size_t i = 0;
    while (i < text.size()) {
        if (text.compare(i, separator.size(), separator) == 0) {
            parts.push_back(piece);
            piece.clear();
            i += separator.size();
        } else {
            piece += text[i++];
        }
    }
    if (!piece.empty())
        parts.push_back(piece);
    return parts;
}

bool ReadsAsOneLine(std::string_view line) {
    // A text-mode reader ends a line at LF, takes CR LF as a line end and
    // stops for good at 0x1A; a NUL cuts the text wherever it is shown.
    return line.find_first_of(std::string_view("\r\n\x1A\0", 4)) == std::string_view::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view input = AsText(data, size);
    if (input.empty())
        return 0;
    const size_t nSeparator = std::min<size_t>(static_cast<uint8_t>(input[0]) % 4, input.size() - 1);
    const std::string_view separator = input.substr(1, nSeparator);
    const std::string_view text = input.substr(1 + nSeparator);

    // The head word ends at the first colon; the translations follow it.
    const std::string_view head = HeadWord(text);
    const std::string_view translations = Translations(text);
    FUZZ_CHECK(head.find(':') == std::string_view::npos);
    if (text.find(':') == std::string_view::npos) {
        FUZZ_CHECK(head.empty());
        FUZZ_CHECK(translations == text);
    } else {
        FUZZ_CHECK(std::string(head) + ":" + std::string(translations) == text);
    }

    // Split appends after what the list holds and returns the new size.
    std::vector<std::string> parts{"kept"};
    const int nParts = Split(text, separator, parts);
    FUZZ_CHECK(nParts == static_cast<int>(parts.size()));
    FUZZ_CHECK(parts.front() == "kept");
    parts.erase(parts.begin());
    FUZZ_CHECK(parts == ReferenceSplit(text, separator));

    // A made line reads back as one line with the word and translations it
    // was made from, line breaks and other unreadable bytes turned into blanks.
    std::string_view rest = text;
    const std::string_view word = TakeUntil(rest, '\0');
    const std::string line = MakeLine(word, rest);
    FUZZ_CHECK(line.size() == word.size() + 1 + rest.size());
    FUZZ_CHECK(ReadsAsOneLine(line));
    if (word.find(':') == std::string_view::npos) {
        FUZZ_CHECK(HeadWord(line).size() == word.size());
        FUZZ_CHECK(Translations(line).size() == rest.size());
    }
    for (size_t i = 0; i < line.size(); ++i) {
        const char original = i < word.size() ? word[i] : i == word.size() ? ':' : rest[i - word.size() - 1];
        FUZZ_CHECK(line[i] == original ||
                   (line[i] == ' ' && !ReadsAsOneLine(std::string_view(&original, 1))));
    }
    return 0;
}
