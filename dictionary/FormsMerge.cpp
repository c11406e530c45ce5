#include "dictionary/FormsMerge.h"

#include "dictionary/ByteScan.h"
#include "dictionary/DictionaryFormat.h"
#include "dictionary/WordForms.h"

#include <algorithm>

namespace dictionary {

namespace {

bool IsStorable(std::string_view text, const char* pszBanned) {
    return !text.empty() && text.find_first_of(pszBanned) == std::string_view::npos &&
           std::all_of(text.begin(), text.end(), IsReadableInLine);
}

// The pair's key for telling repeats: both sides folded, joined by ":"
// (which the form cannot hold, so no two pairs share a key).
void FoldPair(std::string_view form, std::string_view headWord, const CaseFold& fold, std::string& key) {
    key.resize(form.size() + 1 + headWord.size());
    fold.Apply(form, &key[0]);
    key[form.size()] = ':';
    fold.Apply(headWord, &key[form.size() + 1]);
}

}  // namespace

std::string NewFormLines(std::string_view existing, const std::vector<WordForm>& forms, const CaseFold& fold,
                         FormsTally& tally) {
    FoldedKeySet keys;
    std::string key;
    for (size_t pos = 0; pos < existing.size();) {
        const size_t lf = pos + FindByte(existing.data() + pos, existing.size() - pos, '\n');
        std::string_view line = existing.substr(pos, lf - pos);
        if (lf < existing.size() && !line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        std::string_view form, headWord;
        if (SplitFormLine(line, form, headWord)) {
            FoldPair(form, headWord, fold, key);
            keys.Insert(key);
        }
        pos = lf + 1;
    }

    std::string text;
    for (const WordForm& pair : forms) {
        if (!IsStorable(pair.form, ":") || !IsStorable(pair.headWord, ":|")) {
            ++tally.nSkipped;
            continue;
        }
        FoldPair(pair.form, pair.headWord, fold, key);
        if (key.compare(0, pair.form.size(), key, pair.form.size() + 1, std::string::npos) == 0)
            continue;  // the form is its head word
        if (!keys.Insert(key).second)
            continue;
        if (text.empty() && !existing.empty() && existing.back() != '\n')
            text = "\r\n";
        text += pair.form;
        text += ':';
        text += pair.headWord;
        text += "\r\n";
        ++tally.nAdded;
    }
    return text;
}

}  // namespace dictionary
