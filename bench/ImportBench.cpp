// How long reading a StarDict dictionary of 70,000 HTML entries takes, the
// .idx and .dict already in memory, and a .dict.dz's inflating besides.
#include "StarDictWriter.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

int main() {
    constexpr size_t kEntries = 70000;
    const GeneratedStarDict generated = MakeStarDict(kEntries);
    const std::string compressed = Gzip(generated.dict, 58315);
    using Clock = std::chrono::steady_clock;
    auto ms = [](Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); };
    double best = 1e9, bestGunzip = 1e9;
    size_t nEntries = 0;
    for (int run = 0; run < 5; ++run) {
        std::vector<dictionary::ImportEntry> entries;
        std::string error, dict;
        const Clock::time_point start = Clock::now();
        if (!dictionary::ReadStarDict(generated.info, generated.idx, generated.dict, entries, error)) {
            std::printf("read failed: %s\n", error.c_str());
            return 1;
        }
        const Clock::time_point read = Clock::now();
        if (!dictionary::Gunzip(compressed, dict, error) || dict != generated.dict) {
            std::printf("gunzip failed: %s\n", error.c_str());
            return 1;
        }
        best = std::min(best, ms(read - start));
        bestGunzip = std::min(bestGunzip, ms(Clock::now() - read));
        nEntries = entries.size();
    }
    std::printf(
        "%zu entries, .idx %.1f MB, .dict %.1f MB: read in %.1f ms; .dict.dz (%.1f MB) inflated in %.1f ms\n",
        nEntries, generated.idx.size() / 1e6, generated.dict.size() / 1e6, best, compressed.size() / 1e6,
        bestGunzip);
    return 0;
}
