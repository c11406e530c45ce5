// What head words chosen to collide in the head-word tables cost: 50,000 of
// them beside 50,000 ordinary ones, through the load's index of the lines
// and through an update's merge. The colliding words are found by trying
// words against the unseeded hash the tables once used (FNV-1a, spread by a
// Fibonacci multiply): every word whose first slot lies in the first
// 1/1024th of any table of 1,024 slots or more. With that hash they piled
// up in one run of slots and each new word walked the whole run; with a
// seeded hash they spread like any others. No display needed.
#include "DictionaryGenerator.h"

#include "dictionary/LoadedLines.h"
#include "dictionary/UpdateMerge.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace {

const size_t kWords = 50000;

uint64_t UnseededHash(std::string_view text) {
    uint64_t h = 14695981039346656037ull;
    for (char c : text) {
        h ^= static_cast<unsigned char>(c);
        h *= 1099511628211ull;
    }
    return h * 11400714819323198485ull;
}

// Capital letters, which the merge's case folding leaves as they are, so
// that the same words collide in both tables.
std::vector<std::string> CollidingWords(size_t count) {
    std::vector<std::string> words;
    std::string word;
    for (uint64_t n = 0; words.size() < count; ++n) {
        word.assign(1, 'Q');
        for (uint64_t rest = n; rest > 0; rest /= 26)
            word += static_cast<char>('A' + rest % 26);
        if (UnseededHash(word) >> 54 == 0)
            words.push_back(word);
    }
    return words;
}

// Generated words made distinct by their number, so that every one is new.
std::vector<std::string> OrdinaryWords(size_t count) {
    DictionaryGenerator generator;
    std::vector<std::string> words;
    while (words.size() < count)
        words.push_back(generator.Word() + std::to_string(words.size()));
    return words;
}

using Clock = std::chrono::steady_clock;

// The best of up to three runs, fewer when one run takes seconds.
template <class F>
double BestMilliseconds(F&& f) {
    double best = 1e30, total = 0;
    for (int run = 0; run < 3 && total < 2000; ++run) {
        const Clock::time_point start = Clock::now();
        f();
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        best = std::min(best, ms);
        total += ms;
    }
    return best;
}

double LoadMilliseconds(const std::vector<std::string>& words) {
    std::string bytes;
    for (const std::string& word : words)
        bytes += word + ":cuvânt|vorbă\r\n";
    return BestMilliseconds([&] {
        dictionary::LoadedLines lines;
        lines.Assign(bytes);
        lines.IndexHeadWords();
        if (lines.FirstWithHeadWord(words.back()) == dictionary::LoadedLines::npos)
            std::printf("the index lost a word\n");
    });
}

double MergeMilliseconds(const std::vector<std::string>& words) {
    std::vector<std::string> update;
    for (const std::string& word : words)
        update.push_back(word + ":traducere");
    const std::vector<std::string_view> downloaded(update.begin(), update.end());
    const std::vector<std::string_view> local = {"casa:house"};
    return BestMilliseconds([&] {
        if (dictionary::ChooseNewLines(local, downloaded, dictionary::CaseFold::Ascii()).size() !=
            words.size())
            std::printf("the merge lost a word\n");
    });
}

}  // namespace

int main() {
    const Clock::time_point start = Clock::now();
    const std::vector<std::string> colliding = CollidingWords(kWords);
    const double findMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    const std::vector<std::string> ordinary = OrdinaryWords(kWords);
    std::printf(
        "%zu head words colliding under the unseeded hash (found in %.0f ms) beside %zu ordinary ones:\n",
        colliding.size(), findMs, ordinary.size());
    std::printf("  load's index of the lines: ordinary %.1f ms, colliding %.1f ms\n",
                LoadMilliseconds(ordinary), LoadMilliseconds(colliding));
    std::printf("  update merge of them as new words: ordinary %.1f ms, colliding %.1f ms\n",
                MergeMilliseconds(ordinary), MergeMilliseconds(colliding));
    return 0;
}
