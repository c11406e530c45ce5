// Suggestions: the edits that count, folding, the order, and the index
// against the straightforward scan on random dictionaries.
#include "bench/SuggestionScan.h"
#include "dictionary/Suggestions.h"
#include "dictionary/TextFold.h"

#include <gtest/gtest.h>

#include <random>

using dictionary::Suggestions;

namespace {

std::vector<std::string> Named(const std::vector<std::string_view>& words, const std::vector<size_t>& found) {
    std::vector<std::string> names;
    for (size_t i : found)
        names.emplace_back(words[i]);
    return names;
}

TEST(Suggestions, ClosestHeadWordsWithinTwoEdits) {
    const std::vector<std::string_view> kWords = {
        "receive", "recipe", "deceive", "relieve", "t\xE2n\xE3r", "Tanar", "house", "horse", "hose",
        "houses",  "mouse",  "house",   "a",       "ab",          "abc",   "abcd",  "abcde"};
    Suggestions suggestions;
    suggestions.Build(kWords, TextPlainFold());
    const struct {
        const char* text;
        size_t nMax;
        std::vector<std::string> expected;
    } kCases[] = {
        {"recieve", 5, {"receive", "relieve", "recipe", "deceive"}},  // a swap or a change, then two edits
        {"tanar", 5, {"t\xE2n\xE3r", "Tanar"}},                       // diacritics and case aside, list order
        {"HOUSE", 5, {"house", "horse", "hose", "houses", "mouse"}},  // "house" twice: once
        {"HOUSE", 2, {"house", "horse"}},
        {"hou", 5, {"house", "hose"}},  // two letters missing
        {"b", 5, {"a", "ab", "abc"}},
        {"zzzzzzz", 5, {}},
        {"", 5, {}},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(c.expected, Named(kWords, suggestions.Find(c.text, c.nMax))) << c.text << " " << c.nMax;
}

TEST(Suggestions, SameAsScanningEveryHeadWord) {
    std::mt19937 random(24);
    const char kLetters[] = "abcde\xE3\xE2\xBA\xAA";  // a few letters, so that words lie close
    auto word = [&](size_t maxLength) {
        std::string text(1 + random() % maxLength, 'a');
        for (char& c : text)
            c = kLetters[random() % (sizeof kLetters - 1)];
        return text;
    };
    const dictionary::CaseFold fold = TextPlainFold();
    for (int round = 0; round < 20; ++round) {
        std::vector<std::string> words(1 + random() % 400);
        for (std::string& text : words)
            text = word(9);
        const std::vector<std::string_view> views(words.begin(), words.end());
        Suggestions suggestions;
        suggestions.Build(views, fold);
        for (int query = 0; query < 50; ++query) {
            std::string text = query % 2 ? word(10) : words[random() % words.size()];
            if (query % 2 == 0 && !text.empty())
                text[random() % text.size()] = 'x';
            const size_t nMax = 1 + random() % 6;
            ASSERT_EQ(ScanSuggestions(views, text, fold, Suggestions::kMaxEdits, nMax),
                      suggestions.Find(text, nMax))
                << text;
            ASSERT_EQ(std::min(AlignmentDistance(fold.Folded(text), fold.Folded(words[0])), 3),
                      Suggestions::Distance(fold.Folded(text), fold.Folded(words[0])))
                << text << " " << words[0];
        }
    }
}

}  // namespace
