// The forms file and the .syn. Input: a forms file, then after the first
// "\n--\n" an .idx and after the next a .syn. Every pair of the forms file
// is found by its form; the merge of the .syn's forms (in Windows-1250 as
// far as they go) into the file keeps the file's bytes, and every pair it
// added, or skipped for a reason, is found in the merged file or is one a
// file cannot hold.
#include "ImportCheck.h"

#include "dictionary/FormsMerge.h"
#include "dictionary/StarDict.h"
#include "dictionary/WordForms.h"

using namespace dictionary;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view rest = AsText(data, size);
    const size_t cut = rest.find("\n--\n");
    const std::string file(rest.substr(0, cut));
    rest.remove_prefix(cut == std::string_view::npos ? rest.size() : cut + 4);
    const size_t cut2 = rest.find("\n--\n");
    const std::string_view idx = rest.substr(0, cut2),
                           syn = cut2 == std::string_view::npos ? "" : rest.substr(cut2 + 4);
    const CaseFold fold = CaseFold::Ascii();

    WordForms forms;
    forms.Assign(file, fold);
    bool bLastOpen = false;
    size_t nPairs = 0;
    const std::vector<std::string> lines = PiecesBetweenLineFeeds(file, bLastOpen);
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string_view line = lines[i];
        if (!line.empty() && line.back() == '\r' && !(bLastOpen && i + 1 == lines.size()))
            line.remove_suffix(1);
        std::string_view form, headWord;
        if (SplitFormLine(line, form, headWord)) {
            ++nPairs;
            std::string upper(form);
            fold.Apply(form, &upper[0]);
            const std::vector<std::string_view> found = forms.HeadWordsOf(upper);
            FUZZ_CHECK(std::find(found.begin(), found.end(), headWord) != found.end());
        }
    }
    FUZZ_CHECK(forms.Size() == nPairs);

    StarDictInfo info;
    info.idxfilesize = idx.size();
    info.wordcount = std::count(idx.begin(), idx.end(), '\0');
    std::vector<StarDictForm> read;
    std::string error;
    if (!ReadStarDictSyn(info, idx, syn, read, error)) {
        FUZZ_CHECK(read.empty() && !error.empty() && codepage::IsValidUtf8(error));
        return 0;
    }
    std::vector<WordForm> pairs;
    for (const StarDictForm& item : read) {
        FUZZ_CHECK(IsCleanText(item.form) && IsCleanText(item.headWord));
        WordForm pair;
        codepage::FromUtf8(item.form, pair.form);
        codepage::FromUtf8(item.headWord, pair.headWord);
        pairs.push_back(pair);
    }
    FormsTally tally;
    const std::string added = NewFormLines(file, pairs, fold, tally);
    FUZZ_CHECK(tally.nAdded + tally.nSkipped <= pairs.size());
    WordForms merged;
    merged.Assign(file + added, fold);
    FUZZ_CHECK(merged.Size() == nPairs + tally.nAdded);
    return 0;
}
