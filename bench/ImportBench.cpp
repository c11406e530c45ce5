// How long reading a StarDict dictionary of 70,000 HTML entries takes, the
// .idx and .dict already in memory, and a .dict.dz's inflating besides; and
// the whole import of it, from the files, into a dictionary of 2,500 words.
#include "StarDictWriter.h"

#include "dictionary/DictionaryImport.h"
#include "framework/File.h"

#include <windows.h>

#include <atomic>

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace {

void WriteFile(const std::wstring& path, const std::string& bytes) {
    CFile file(CFilePath(path), CFile::modeCreate | CFile::modeWrite | CFile::typeBinary);
    file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
    file.Close();
}

// The import as the program runs it: the .ifo, .idx and .dict.dz in a
// folder, merged into a dictionary of 2,500 words (every 28th head word of
// the import among them), the dictionary written afresh before each run.
int ImportFromFiles(const GeneratedStarDict& generated, const std::string& compressed) {
    wchar_t szTemp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, szTemp);
    const std::wstring folder = std::wstring(szTemp) + L"tav-import-bench\\";
    ::CreateDirectoryW(folder.c_str(), nullptr);
    WriteFile(folder + L"big.ifo", WriteIfo(generated.info));
    WriteFile(folder + L"big.idx", generated.idx);
    WriteFile(folder + L"big.dict.dz", compressed);
    std::vector<dictionary::ImportEntry> entries;
    std::string error;
    dictionary::ReadStarDict(generated.info, generated.idx, generated.dict, entries, error);
    std::string local;
    for (size_t i = 0; i < entries.size() && i / 28 < 2500; i += 28)
        local += entries[i].word + ":cuvânt|vorbă\r\n";

    using Clock = std::chrono::steady_clock;
    std::vector<double> times;
    ImportResult result;
    for (int run = 0; run < 5; ++run) {
        WriteFile(folder + L"en.tmp", local);
        std::atomic<bool> cancel{false};
        const Clock::time_point start = Clock::now();
        result = ImportDictionary(CFilePath(folder + L"big.ifo"), CFilePath(folder + L"en.tmp"), {}, cancel);
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    std::printf(
        "import of %zu entries from .ifo, .idx and .dict.dz into 2,500 words: best %.0f ms, median %.0f ms"
        " (%s)\n",
        entries.size(), times.front(), times[times.size() / 2], static_cast<LPCSTR>(result.end.GetText()));
    for (const wchar_t* name : {L"big.ifo", L"big.idx", L"big.dict.dz", L"en.tmp"})
        ::DeleteFileW((folder + name).c_str());
    ::RemoveDirectoryW(folder.c_str());
    return result.end.GetKind() == ImportEnd::kMerged ? 0 : 1;
}

}  // namespace

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
    return ImportFromFiles(generated, compressed);
}
