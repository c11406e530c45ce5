#include "dictionary/LookupText.h"

#include "dictionary/DictionaryFormat.h"

namespace dictionary {

namespace {

bool IsBlank(unsigned char c) {
    return c == ' ' || c == '\t' || c == 0xA0;  // 0xA0: no-break space
}

// Marks that stand around a word rather than in it: ASCII punctuation, the
// code page's quotes, dashes and ellipsis. The hyphen and apostrophe stay
// inside words (well-known, o'clock) but go at their ends.
bool IsPunctuation(unsigned char c) {
    static const std::string_view kMarks = ".,;:!?\"'()[]{}<>|/\\*-_`~";
    if (kMarks.find(static_cast<char>(c)) != std::string_view::npos)
        return true;
    switch (c) {
        case 0x84:
        case 0x85:
        case 0x8B:
        case 0x91:
        case 0x92:
        case 0x93:
        case 0x94:
        case 0x96:
        case 0x97:
        case 0x9B:
        case 0xAB:
        case 0xBB:
            return true;
        default:
            return false;
    }
}

std::string_view TrimEnds(std::string_view text) {
    auto around = [](char c) {
        auto u = static_cast<unsigned char>(c);
        return IsBlank(u) || IsPunctuation(u) || u < 0x20;
    };
    while (!text.empty() && around(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && around(text.back()))
        text.remove_suffix(1);
    return text;
}

}  // namespace

std::string TrimToLookupText(std::string_view text) {
    size_t lineEnd = text.find_first_of("\r\n");
    std::string_view line = TrimEnds(text.substr(0, lineEnd));
    std::string joined;
    int nWords = line.empty() ? 0 : 1;
    for (size_t i = 0; i < line.size(); ++i) {
        auto c = static_cast<unsigned char>(line[i]);
        if (IsBlank(c) || c < 0x20) {
            if (joined.back() != ' ') {
                joined += ' ';
                ++nWords;
            }
        } else {
            joined += line[i];
        }
    }
    if (nWords <= kPhraseWords && joined.size() <= kPhraseBytes)
        return joined;
    return std::string(TrimEnds(std::string_view(joined).substr(0, joined.find(' '))));
}

bool ContainsHeadWord(std::string_view fileBytes, std::string_view word, const CaseFold& fold) {
    if (word.empty())
        return false;
    const std::string wanted = fold.Folded(word);
    bool bFound = false;
    LineSplitter splitter;
    auto onLine = [&](std::string_view line) {
        if (!bFound && !line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        std::string_view head = HeadWord(line);
        if (!bFound && head.size() == wanted.size() && fold.Folded(head) == wanted)
            bFound = true;
    };
    splitter.Feed(fileBytes.data(), fileBytes.size(), onLine);
    splitter.Finish(onLine);
    return bFound;
}

}  // namespace dictionary
