#include "dictionary/WordMatch.h"

#include "dictionary/EnglishForms.h"

namespace dictionary {

WordMatch MatchWord(std::string_view text, const WordListIndex& index, const WordForms& forms,
                    bool bEnglish) {
    WordMatch match;
    if (text.empty())
        return match;
    match.nRow = index.FindWhole(text);
    if (match.nRow != WordListIndex::npos) {
        match.kind = WordMatch::Kind::kHeadWord;
        return match;
    }

    // A form: its head words that the list has, the first of them selected.
    std::vector<std::string> candidates;
    for (std::string_view headWord : forms.HeadWordsOf(text))
        candidates.emplace_back(headWord);
    if (bEnglish) {
        const auto isHeadWord = [&index](std::string_view word) {
            return index.FindWhole(word) != WordListIndex::npos;
        };
        for (std::string& word : EnglishForms::Candidates(text, isHeadWord))
            candidates.push_back(std::move(word));
    }
    for (const std::string& candidate : candidates) {
        const size_t nRow = index.FindWhole(candidate);
        if (nRow == WordListIndex::npos)
            continue;
        // The same word from the file and from the rules, or in two cases,
        // is named once.
        bool bNamed = false;
        for (const std::string& named : match.headWords)
            bNamed = bNamed || index.FindWhole(named) == nRow;
        if (bNamed)
            continue;
        if (match.headWords.empty())
            match.nRow = nRow;
        match.headWords.push_back(candidate);
    }
    if (!match.headWords.empty()) {
        match.kind = WordMatch::Kind::kForm;
        return match;
    }

    match.nRow = index.FindFirstBeginningWith(text);
    if (match.nRow != WordListIndex::npos) {
        match.kind = WordMatch::Kind::kBeginning;
        return match;
    }
    match.nRow = index.FindFirstBeginningWithPlain(text);
    if (match.nRow != WordListIndex::npos)
        match.kind = WordMatch::Kind::kWithoutDiacritics;
    return match;
}

}  // namespace dictionary
