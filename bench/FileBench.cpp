// Times the dictionary file engine on a generated 1,000,000-line file:
// reading it line by line, appending an entry, and rewriting it (modify and
// delete), beside a plain copy of the same file. Prints the figures.
#include "DictionaryGenerator.h"

#include "dictionary/DictionaryEdits.h"
#include "dictionary/DictionaryFormat.h"
#include "framework/StdioFile.h"

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>

namespace {

double Milliseconds(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

template <class F>
double Time(F&& f) {
    auto start = std::chrono::steady_clock::now();
    f();
    return Milliseconds(start);
}

void Check(BOOL bOk, const CString& strError) {
    if (!bOk) {
        std::fprintf(stderr, "failed: %s\n", static_cast<LPCSTR>(strError));
        std::exit(1);
    }
}

}  // namespace

int main(int argc, char** argv) {
    size_t count = argc > 1 ? std::stoul(argv[1]) : 1000000;
    char tempDir[MAX_PATH];
    GetTempPathA(MAX_PATH, tempDir);
    std::string dir = std::string(tempDir) + "tav-file-bench\\";
    CreateDirectoryA(dir.c_str(), nullptr);
    std::string dict = dir + "en.tmp", temp = dir + "temp.tmp", copy = dir + "copy.tmp";

    DictionaryGenerator generator;
    std::vector<std::string> lines = generator.Lines(count);
    std::string bytes = DictionaryGenerator::FileBytes(lines);
    {
        CFile out(dict.c_str(), CFile::modeCreate | CFile::modeWrite);
        out.Write(bytes.data(), static_cast<UINT>(bytes.size()));
        out.Flush();  // at rest on the disk, as a user's dictionary is
        out.Close();
    }
    std::printf("dictionary file: %zu lines, %.1f MB\n", count, bytes.size() / 1048576.0);

    size_t nRead = 0;
    double readMs = Time([&] {
        CStdioFile file(dict.c_str(), CFile::modeRead | CFile::typeText);
        CString line;
        while (file.ReadString(line))
            ++nRead;
    });
    double copyMs = Time([&] { CopyFileA(dict.c_str(), copy.c_str(), FALSE); });
    CString strError;
    double appendMs =
        Time([&] { Check(AppendEntry(dict.c_str(), "bench", "banc|bancă", strError), strError); });
    const std::string middle(dictionary::HeadWord(lines[count / 2]));
    double modifyMs = Time(
        [&] { Check(ReplaceEntry(dict.c_str(), temp.c_str(), middle.c_str(), "nou", strError), strError); });
    double deleteMs =
        Time([&] { Check(RemoveEntry(dict.c_str(), temp.c_str(), "bench", strError), strError); });

    std::printf("read line by line: %8.1f ms (%zu lines)\n", readMs, nRead);
    std::printf("plain file copy:   %8.1f ms\n", copyMs);
    std::printf("append one entry:  %8.1f ms\n", appendMs);
    std::printf("modify (rewrite):  %8.1f ms (%.2fx copy)\n", modifyMs, modifyMs / copyMs);
    std::printf("delete (rewrite):  %8.1f ms (%.2fx copy)\n", deleteMs, deleteMs / copyMs);

    DeleteFileA(dict.c_str());
    DeleteFileA(copy.c_str());
    DeleteFileA(temp.c_str());
    RemoveDirectoryA(dir.c_str());
    return 0;
}
