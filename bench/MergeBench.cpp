// Times the update merge: a 10,000- and a 100,000-line update into a
// 1,000,000-line dictionary with the program's merge, and on a smaller
// dictionary the same merge side by side with the line-by-line rescan.
// Prints the figures; arguments: dictionary lines, update lines, smaller
// dictionary lines, smaller update lines.
#include "DictionaryGenerator.h"
#include "MergeTiming.h"
#include "RescanMerge.h"

#include "framework/File.h"
#include "thread/UpdateThread.h"

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

double Milliseconds(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

void WriteBytesTo(const std::string& path, const std::string& bytes) {
    CFile out(path.c_str(), CFile::modeCreate | CFile::modeWrite);
    out.Write(bytes.data(), static_cast<UINT>(bytes.size()));
    out.Close();
}

struct Run {
    double ms;
    MergeOutcome outcome;
};

template <class Merge>
Run TimeMerge(Merge merge, const std::string& path, const CStringArray& arrLines) {
    CString strError;
    auto start = std::chrono::steady_clock::now();
    MergeOutcome outcome = merge(path.c_str(), arrLines, strError);
    double ms = Milliseconds(start);
    if (outcome == MergeOutcome::kCannotOpen || outcome == MergeOutcome::kFailed) {
        std::fprintf(stderr, "merge failed: %s\n", static_cast<LPCSTR>(strError));
        std::exit(1);
    }
    return {ms, outcome};
}

}  // namespace

int main(int argc, char** argv) {
    const size_t nLarge = argc > 1 ? std::stoul(argv[1]) : 1000000;
    const size_t nUpdate = argc > 2 ? std::stoul(argv[2]) : 10000;
    const size_t nSmall = argc > 3 ? std::stoul(argv[3]) : 20000;
    const size_t nSmallUpdate = argc > 4 ? std::stoul(argv[4]) : 1000;

    char tempDir[MAX_PATH];
    GetTempPathA(MAX_PATH, tempDir);
    const std::string dir = std::string(tempDir) + "tav-merge-bench\\";
    CreateDirectoryA(dir.c_str(), nullptr);
    const std::string indexed = dir + "indexed.tmp", rescan = dir + "rescan.tmp";

    // The program's merge on the large dictionary, with a tenfold update as well.
    {
        DictionaryGenerator generator(2024);
        std::vector<std::string> lines = generator.Lines(nLarge);
        const std::string bytes = DictionaryGenerator::FileBytes(lines);
        for (size_t nLines : {nUpdate, nUpdate * 10}) {
            const CStringArray arrUpdate = MakeUpdate(lines, nLines, 77);
            WriteBytesTo(indexed, bytes);
            Run run = TimeMerge(MergeIntoDictionary, indexed, arrUpdate);
            std::printf("indexed merge: %zu-line update into %zu lines (%.1f MB): %8.1f ms\n", nLines, nLarge,
                        bytes.size() / 1048576.0, run.ms);
        }
    }

    // Both merges on a smaller dictionary, with the same result.
    {
        DictionaryGenerator generator(99);
        std::vector<std::string> lines = generator.Lines(nSmall);
        const std::string bytes = DictionaryGenerator::FileBytes(lines);
        const CStringArray arrUpdate = MakeUpdate(lines, nSmallUpdate, 5);
        WriteBytesTo(indexed, bytes);
        WriteBytesTo(rescan, bytes);
        Run fast = TimeMerge(MergeIntoDictionary, indexed, arrUpdate);
        Run slow = TimeMerge(RescanMerge, rescan, arrUpdate);
        CFile a(indexed.c_str(), CFile::modeRead), b(rescan.c_str(), CFile::modeRead);
        std::string bytesA(static_cast<size_t>(a.GetLength()), '\0'),
            bytesB(static_cast<size_t>(b.GetLength()), '\0');
        a.Read(&bytesA[0], static_cast<UINT>(bytesA.size()));
        b.Read(&bytesB[0], static_cast<UINT>(bytesB.size()));
        a.Close();
        b.Close();
        std::printf("%zu-line update into %zu lines:\n", nSmallUpdate, nSmall);
        std::printf("  indexed merge:       %10.1f ms\n", fast.ms);
        std::printf("  line-by-line rescan: %10.1f ms (%.0fx the indexed merge)\n", slow.ms,
                    slow.ms / fast.ms);
        std::printf("  same file afterwards: %s\n",
                    bytesA == bytesB && fast.outcome == slow.outcome ? "yes" : "NO");
    }

    DeleteFileA(indexed.c_str());
    DeleteFileA(rescan.c_str());
    RemoveDirectoryA(dir.c_str());
    return 0;
}
