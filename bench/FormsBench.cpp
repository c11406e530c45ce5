// Word forms and suggestions at the sizes of a large imported dictionary:
// 656,000 forms beside 200,000 head words. Prints the forms file's load
// beside the dictionary's (without the list box), a form's lookup beside a
// scan of every form, the suggestions beside an edit distance against
// every head word (on random head words and on syllable-built ones, which
// lie much closer together), and the whole import of a 65,600-entry
// StarDict dictionary with 656,000 forms in its .syn. No display needed.
#include "DictionaryGenerator.h"
#include "StarDictWriter.h"
#include "SuggestionScan.h"

#include "dictionary/DictionaryFormat.h"
#include "dictionary/DictionaryImport.h"
#include "dictionary/DictionaryLoad.h"
#include "dictionary/FormsFile.h"
#include "dictionary/Suggestions.h"
#include "dictionary/TextFold.h"
#include "dictionary/WordMatch.h"
#include "framework/File.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr size_t kHeadWords = 200000;
constexpr size_t kFormsPerWord = 10;  // with 65,600 entries: 656,000 forms

using Clock = std::chrono::steady_clock;

template <class F>
double Milliseconds(F&& f) {
    const Clock::time_point start = Clock::now();
    f();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The middle one of five runs.
template <class F>
double Median(F&& f) {
    std::vector<double> runs;
    for (int i = 0; i < 5; ++i)
        runs.push_back(Milliseconds(f));
    std::sort(runs.begin(), runs.end());
    return runs[2];
}

void WriteFileBytes(const std::wstring& path, const std::string& bytes) {
    CFile file(CFilePath(path), CFile::modeCreate | CFile::modeWrite | CFile::typeBinary);
    file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
    file.Close();
}

std::wstring TempFolder() {
    wchar_t szTemp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, szTemp);
    const std::wstring folder = std::wstring(szTemp) + L"tav-forms-bench\\";
    ::CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

const char* const kEndings[] = {"ul", "ului", "uri", "urile", "e", "ele", "elor", "\xE3", "ii", "lor"};

// A forms file of count lines: ten forms each of head words spread over
// the list.
std::string FormsFile(const std::vector<std::string_view>& headWords, size_t count) {
    std::string bytes;
    for (size_t i = 0; i < count; ++i) {
        const std::string_view head = headWords[(i / kFormsPerWord * 7919) % headWords.size()];
        bytes.append(head.data(), head.size());
        bytes += kEndings[i % kFormsPerWord];
        bytes += ':';
        bytes.append(head.data(), head.size());
        bytes += "\r\n";
    }
    return bytes;
}

// Head words of one to five Romanian-like syllables: many lie within two
// edits of each other, as in a real dictionary.
std::vector<std::string> SyllableWords(size_t count) {
    const char* const kSyllables[] = {"ca", "sa", "ma", "re", "lu", "ne", "to", "ri", "pe",    "mi",
                                      "bu", "ta", "co", "la", "de", "in", "st", "or", "\xE3t", "\xBAi"};
    uint32_t state = 99;
    std::set<std::string> words;
    while (words.size() < count) {
        std::string word;
        state = state * 1103515245 + 12345;
        for (uint32_t n = 1 + (state >> 16) % 5; n > 0; --n) {
            state = state * 1103515245 + 12345;
            word += kSyllables[(state >> 16) % 20];
        }
        words.insert(word);
    }
    return std::vector<std::string>(words.begin(), words.end());
}

void TimeSuggestions(const char* what, const std::vector<std::string_view>& headWords) {
    const dictionary::CaseFold fold = TextPlainFold();
    dictionary::Suggestions suggestions;
    const double build = Median([&] { suggestions.Build(headWords, fold); });
    // Misspellings: a letter changed, one left out, two swapped.
    std::vector<std::string> queries;
    for (size_t i = 0; i < 60; ++i) {
        std::string text(headWords[(i * 104729) % headWords.size()]);
        const size_t at = (i * 31) % text.size();
        if (i % 3 == 0)
            text[at] = 'q';
        else if (i % 3 == 1 && text.size() > 2)
            text.erase(at, 1);
        else if (at + 1 < text.size())
            std::swap(text[at], text[at + 1]);
        queries.push_back(text);
    }
    size_t nFound = 0;
    double worst = 0;
    const double all = Milliseconds([&] {
        for (const std::string& text : queries) {
            worst = std::max(worst, Milliseconds([&] { nFound += suggestions.Find(text).size(); }));
        }
    });
    const double scan = Milliseconds([&] {
        for (size_t i = 0; i < 3; ++i)
            ScanSuggestions(headWords, queries[i], fold, dictionary::Suggestions::kMaxEdits, 5);
    });
    std::printf(
        "suggestions, %s (%zu): build %.0f ms; find %.2f ms on average, %.2f ms at worst (%.1f found);"
        " scan of every head word %.0f ms\n",
        what, headWords.size(), build, all / queries.size(), worst,
        static_cast<double>(nFound) / queries.size(), scan / 3);
}

void TimeFormsAndSuggestions(const std::wstring& folder) {
    DictionaryGenerator generator;
    const std::string dictionaryBytes = DictionaryGenerator::FileBytes(generator.Lines(kHeadWords));
    WriteFileBytes(folder + L"ro.tmp", dictionaryBytes);
    dictionary::LoadedLines lines;
    dictionary::WordListIndex index;
    const double dictionaryLoad =
        Median([&] { (void)LoadDictionaryFile(CFilePath(folder + L"ro.tmp"), RowFill(), lines, index); });
    std::vector<std::string_view> headWords;
    for (size_t i = 0; i < lines.Size(); ++i)
        headWords.push_back(lines.HeadWordAt(i));

    const size_t nForms = 65600 * kFormsPerWord;
    const std::string formsBytes = FormsFile(headWords, nForms);
    WriteFileBytes(folder + L"ro.forms", formsBytes);
    dictionary::WordForms forms;
    const double formsLoad = Median([&] { (void)LoadWordForms(CFilePath(folder + L"ro.forms"), forms); });
    std::printf("load of %zu lines (no list box): %.0f ms; of %zu forms (%.1f MB): %.0f ms (%.0f %%)\n",
                lines.Size(), dictionaryLoad, forms.Size(), formsBytes.size() / 1e6, formsLoad,
                100 * formsLoad / dictionaryLoad);

    // A form's lookup: half of them forms, half not.
    const dictionary::CaseFold fold = TextCaseFold();
    std::vector<std::string> queries;
    for (size_t i = 0; i < 1000; ++i)
        queries.push_back(std::string(headWords[(i * 7919) % headWords.size()]) + (i % 2 ? "ul" : "xq"));
    size_t nHits = 0;
    const double lookup = Milliseconds([&] {
        for (const std::string& text : queries)
            nHits += forms.HeadWordsOf(text).size();
    });
    // The straightforward way: every line's form folded and compared.
    const double scan = Milliseconds([&] {
        for (size_t q = 0; q < 3; ++q) {
            const std::string folded = fold.Folded(queries[q]);
            std::string_view rest(formsBytes);
            while (!rest.empty()) {
                const size_t lf = rest.find('\n');
                const std::string_view line = rest.substr(0, lf);
                rest.remove_prefix(lf == std::string_view::npos ? rest.size() : lf + 1);
                const size_t colon = line.find(':');
                if (colon == folded.size() && fold.Folded(line.substr(0, colon)) == folded)
                    ++nHits;
            }
        }
    });
    std::printf("form lookup: %.4f ms (%zu of 1,000 found); scan of every form %.0f ms\n", lookup / 1000,
                nHits, scan / 3);

    // A keystroke's whole lookup: the head word, the forms, English's
    // endings and irregular forms, the beginning, without diacritics.
    std::vector<uint32_t> order(lines.Size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = static_cast<uint32_t>(i);
    index.Build(lines, order, TextCaseFold(), TextPlainFold());
    size_t nMatched = 0;
    const double keystroke = Milliseconds([&] {
        for (const std::string& text : queries) {
            for (bool bEnglish : {false, true})
                nMatched += dictionary::MatchWord(text, index, forms, bEnglish).kind !=
                            dictionary::WordMatch::Kind::kNone;
        }
    });
    std::printf("keystroke's lookup with the forms and English's rules: %.4f ms (%zu of 2,000 matched)\n",
                keystroke / 2000, nMatched);

    TimeSuggestions("random head words", headWords);
    const std::vector<std::string> syllables = SyllableWords(kHeadWords);
    TimeSuggestions("syllable head words", std::vector<std::string_view>(syllables.begin(), syllables.end()));
}

// The whole import, from the files, into a dictionary of 2,500 words: once
// into a folder without forms, once more onto the forms it wrote.
int TimeImport(const std::wstring& folder) {
    const GeneratedStarDict generated = MakeStarDict(65600, 7, kFormsPerWord);
    WriteFileBytes(folder + L"big.ifo", WriteIfo(generated.info));
    WriteFileBytes(folder + L"big.idx", generated.idx);
    WriteFileBytes(folder + L"big.dict.dz", Gzip(generated.dict, 58315));
    WriteFileBytes(folder + L"big.syn", generated.syn);
    std::string local;
    DictionaryGenerator generator(3);
    for (const std::string& line : generator.Lines(2500))
        local += line + "\r\n";
    WriteFileBytes(folder + L"en.tmp", local);
    ::DeleteFileW((folder + L"en.forms").c_str());
    bool bMerged = true;
    for (const char* what : {"into no forms", "again, onto its own forms"}) {
        std::atomic<bool> cancel{false};
        ImportResult result;
        const double ms = Milliseconds([&] {
            result =
                ImportDictionary(CFilePath(folder + L"big.ifo"), CFilePath(folder + L"en.tmp"), {}, cancel);
        });
        std::printf("import of %llu entries and %llu forms (.syn %.1f MB), %s: %.0f ms (%s)\n",
                    static_cast<unsigned long long>(generated.info.wordcount),
                    static_cast<unsigned long long>(generated.info.synwordcount), generated.syn.size() / 1e6,
                    what, ms, static_cast<LPCSTR>(result.end.GetText()));
        bMerged = bMerged && result.end.GetKind() == ImportEnd::kMerged;
    }
    return bMerged ? 0 : 1;
}

}  // namespace

int main() {
    const std::wstring folder = TempFolder();
    TimeFormsAndSuggestions(folder);
    const int result = TimeImport(folder);
    for (const wchar_t* name :
         {L"ro.tmp", L"ro.forms", L"big.ifo", L"big.idx", L"big.dict.dz", L"big.syn", L"en.tmp", L"en.forms"})
        ::DeleteFileW((folder + name).c_str());
    ::RemoveDirectoryW(folder.c_str());
    return result;
}
