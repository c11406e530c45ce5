// Kills a worker that edits a large dictionary with the program's own code
// at random moments, many times: after every kill the dictionary must be
// the file as it was before the edit in progress or as that edit leaves it,
// whole, and a scratch file left behind must not disturb the next edit.
#include "EditScript.h"

#include "../unit/PlainRewrite.h"
#include "../unit/TempDir.h"

#include "dictionary/DictionaryEdits.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <random>
#include <string>
#include <string_view>
#include <unordered_set>

namespace {

const int kKills = 40;
const DWORD kTimeBudgetMs = 60000;

// The head word of the line text[begin, end): the text before its first colon.
std::string_view HeadOf(std::string_view text, size_t begin, size_t end) {
    const size_t colon = text.find(':', begin);
    return colon < end ? text.substr(begin, colon - begin) : std::string_view();
}

// What an edit makes of the file's bytes, worked out plainly.
void Apply(std::string& file, const Edit& edit) {
    switch (edit.kind) {
        case Edit::kAdd:
            file += edit.word + ":" + edit.translations + "\r\n";
            return;
        case Edit::kModify:
        case Edit::kDelete:
            file = RewriteInMemory(file, edit.word, edit.translations, edit.kind == Edit::kModify);
            return;
        case Edit::kMerge: {
            // Head words compared without letter case (ASCII: the script's words are).
            auto folded = [](std::string_view text) {
                std::string upper(text);
                for (char& c : upper)
                    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
                return upper;
            };
            std::unordered_set<std::string> present;
            for (size_t begin = 0; begin < file.size();) {
                const size_t end = file.find('\n', begin);
                present.insert(folded(HeadOf(file, begin, end)));
                begin = end + 1;
            }
            for (const std::string& line : edit.lines) {
                if (present.insert(folded(HeadOf(line, 0, line.size()))).second)
                    file += line + "\r\n";
            }
            return;
        }
    }
}

// The worker beside this program.
HANDLE StartWorker(const std::string& dictionary, unsigned seed, const std::string& log) {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    const std::string folder(self, std::strrchr(self, '\\') + 1);
    std::string command = "\"" + folder + "tav_edit_worker.exe\" \"" + dictionary + "\" " +
                          std::to_string(seed) + " \"" + log + "\"";
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return nullptr;
    CloseHandle(pi.hThread);
    return pi.hProcess;
}

}  // namespace

TEST(CrashSafety, AKilledEditLeavesTheOldOrTheNewFileWhole) {
    TempDir dir;
    const std::string dictionary = dir.File("en.tmp");
    const std::string temp = dir.File("temp.tmp");
    const std::string log = dir.File("done.log");
    std::string expected;
    for (int k = 0; k < kBaseEntries; ++k)
        expected += "w" + std::to_string(k) + ":translation number " + std::to_string(k) + "\r\n";
    WriteBytes(dictionary, expected);

    std::mt19937 random(20261207);
    const DWORD dwStart = GetTickCount();
    int nKills = 0, nEdits = 0, nMidEdit = 0;
    for (unsigned seed = 1; nKills < kKills && GetTickCount() - dwStart < kTimeBudgetMs; ++seed) {
        DeleteFileA(log.c_str());
        HANDLE hWorker = StartWorker(dictionary, seed, log);
        ASSERT_NE(nullptr, hWorker);
        Sleep(100 + random() % 400);
        TerminateProcess(hWorker, 9);
        ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(hWorker, 10000));
        DWORD dwExitCode = 0;
        GetExitCodeProcess(hWorker, &dwExitCode);
        CloseHandle(hWorker);
        ASSERT_EQ(9u, dwExitCode) << "the worker ended by itself (an edit failed) in round " << seed;
        ++nKills;

        // The edits the worker finished, then the one it may have been in.
        const std::string done = FileExists(log) ? ReadBytes(log) : std::string();
        const size_t nDone = static_cast<size_t>(std::count(done.begin(), done.end(), '\n'));
        EditScript script(seed);
        for (size_t i = 0; i < nDone; ++i)
            Apply(expected, script.Next());
        std::string next = expected;
        Apply(next, script.Next());

        ASSERT_TRUE(FileExists(dictionary)) << "round " << seed;
        const std::string now = ReadBytes(dictionary);
        if (now == next) {
            expected.swap(next);
            ++nEdits;
        } else {
            ASSERT_TRUE(now == expected)
                << "round " << seed << ": the file is neither the old nor the new one (" << now.size()
                << " bytes; " << expected.size() << " or " << next.size() << " expected)";
            if (FileExists(temp))
                ++nMidEdit;
        }
        nEdits += static_cast<int>(nDone);
    }
    std::printf("%d kills, %d of them in the middle of writing the scratch file; %d edits checked\n", nKills,
                nMidEdit, nEdits);
    EXPECT_GE(nKills, 30);
    EXPECT_GT(nEdits, nKills);

    // A scratch file left behind does no harm to the next edit.
    if (!FileExists(temp))
        WriteBytes(temp, "left over");
    const COutcome removed = RemoveEntry(dictionary.c_str(), temp.c_str(), "w1");
    ASSERT_TRUE(removed.Succeeded()) << removed.GetText().Str();
    Edit deletion;
    deletion.kind = Edit::kDelete;
    deletion.word = "w1";
    Apply(expected, deletion);
    EXPECT_TRUE(ReadBytes(dictionary) == expected);
    EXPECT_FALSE(FileExists(temp));
}
