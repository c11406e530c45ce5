// The soak: ten thousand lookups and a thousand additions, two hundred
// changes and a hundred deletions through the program's real window, its
// commands and its add/modify dialog and confirmation box. Afterwards the
// dictionary file holds exactly the entries expected, and the process's
// kernel handles, GDI objects, windows and memory have not grown with the
// work done.
#include "DialogDriver.h"
#include "ProgramFixture.h"

#include "dictionary/DictionaryPaths.h"
#include "res/resource.h"

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace {

const int kBaseWords = 500;
const int kLookups = 10000;
const int kAdds = 1000;
const int kModifies = 200;
const int kDeletes = 100;
const UINT kDialogTickMs = 10;  // the dialogs are answered as soon as they are up

// What the process holds. Where the system does not count for itself
// (Wine answers 0), the objects are counted one by one.
struct Usage {
    DWORD dwHandles;
    DWORD dwGdiObjects;
    DWORD dwWindows;
    SIZE_T nPrivateBytes;
};

DWORD CountKernelHandles() {
    DWORD dwCount = 0;
    for (ULONG_PTR h = 4; h < 0x10000; h += 4) {
        DWORD dwFlags = 0;
        if (GetHandleInformation(reinterpret_cast<HANDLE>(h), &dwFlags))
            ++dwCount;
    }
    return dwCount;
}

DWORD CountGdiObjects() {
    // A GDI handle's low word is its place in the process's table.
    DWORD dwCount = 0;
    for (ULONG_PTR h = 1; h < 0x10000; ++h) {
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(h)) != 0)
            ++dwCount;
    }
    return dwCount;
}

BOOL CALLBACK CountWindow(HWND hWnd, LPARAM lParam) {
    auto* pCount = reinterpret_cast<DWORD*>(lParam);
    ++*pCount;
    EnumChildWindows(
        hWnd, [](HWND, LPARAM p) -> BOOL { return ++*reinterpret_cast<DWORD*>(p), TRUE; }, lParam);
    return TRUE;
}

DWORD CountWindows() {
    DWORD dwCount = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&dwCount));
    for (HWND h = FindWindowExA(HWND_MESSAGE, nullptr, nullptr, nullptr); h;
         h = FindWindowExA(HWND_MESSAGE, h, nullptr, nullptr)) {
        if (GetWindowThreadProcessId(h, nullptr) == GetCurrentThreadId())
            ++dwCount;
    }
    return dwCount;
}

Usage Measure() {
    Usage usage = {};
    GetProcessHandleCount(GetCurrentProcess(), &usage.dwHandles);
    if (usage.dwHandles == 0)
        usage.dwHandles = CountKernelHandles();
    usage.dwGdiObjects = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (usage.dwGdiObjects == 0)
        usage.dwGdiObjects = CountGdiObjects();
    usage.dwWindows = CountWindows();
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof(counters);
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
    usage.nPrivateBytes = counters.PagefileUsage;
    return usage;
}

void Print(const char* what, const Usage& usage) {
    std::printf("%-6s %5lu handles, %5lu GDI objects, %4lu windows, %6.1f MB private\n", what,
                static_cast<unsigned long>(usage.dwHandles), static_cast<unsigned long>(usage.dwGdiObjects),
                static_cast<unsigned long>(usage.dwWindows), usage.nPrivateBytes / 1048576.0);
}

std::string HeadOf(const std::string& line) {
    const size_t colon = line.find(':');
    return colon == std::string::npos ? std::string() : line.substr(0, colon);
}

// The dictionary's lines as the edits must leave them, in file order.
class Model {
public:
    void Add(const std::string& line) { m_lines.push_back(line); }
    void Modify(const std::string& word, const std::string& line) {
        auto first = std::find_if(m_lines.begin(), m_lines.end(),
                                  [&](const std::string& l) { return HeadOf(l) == word; });
        *first = line;
        m_lines.erase(
            std::remove_if(first + 1, m_lines.end(), [&](const std::string& l) { return HeadOf(l) == word; }),
            m_lines.end());
    }
    void Delete(const std::string& word) {
        m_lines.erase(std::remove_if(m_lines.begin(), m_lines.end(),
                                     [&](const std::string& l) { return HeadOf(l) == word; }),
                      m_lines.end());
    }
    // The translation items of a word, sorted as the list shows them.
    std::vector<std::string> Items(const std::string& word) const {
        std::vector<std::string> items;
        for (const std::string& line : m_lines) {
            if (HeadOf(line) != word)
                continue;
            std::string rest = line.substr(word.size() + 1);
            for (size_t bar; (bar = rest.find('|')) != std::string::npos; rest.erase(0, bar + 1))
                items.push_back(rest.substr(0, bar));
            if (!rest.empty())
                items.push_back(rest);
        }
        std::sort(items.begin(), items.end());
        return items;
    }
    std::string Word(size_t n) const { return HeadOf(m_lines[n % m_lines.size()]); }
    const std::vector<std::string>& Lines() const { return m_lines; }

private:
    std::vector<std::string> m_lines;
};

std::vector<std::string> FileLines() {
    std::ifstream in(GetProgramFilePath(GetDictionaryFileName(0)).Str(), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::string> lines;
    for (size_t begin = 0; begin < bytes.size();) {
        size_t end = bytes.find('\n', begin);
        if (end == std::string::npos)
            end = bytes.size();
        std::string line = bytes.substr(begin, end - begin);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
        begin = end + 1;
    }
    return lines;
}

DialogDriver::Step Fill(const std::string& word, const std::string& translations) {
    return [=](HWND h) {
        if (IsWindowEnabled(GetDlgItem(h, IDC_WORD)))
            TypeText(h, IDC_WORD, word.c_str());
        TypeText(h, IDC_TRANSLATIONS, translations.c_str());
        ClickButton(h, IDOK);
    };
}

}  // namespace

class SoakTest : public ProgramTest {
protected:
    void Command(UINT nID) { m_pFrame->SendMessage(WM_COMMAND, nID); }

    // Types the word and shows its translations at once (what the
    // quarter-second timer would do); the word must be selected.
    void LookUp(const std::string& word) {
        Type(word.c_str());
        m_pFrame->SendMessage(WM_TIMER, ID_TIMER_TRANSLATIONS);
        CListBox words(m_pFrame->GetWordList()->m_hWnd);
        CString strSelected;
        words.GetText(words.GetCurSel(), strSelected);
        ASSERT_EQ(word, strSelected.Str());
    }
    std::vector<std::string> ShownItems() {
        std::vector<std::string> items = Rows(m_pFrame->GetTranslationList());
        std::sort(items.begin(), items.end());
        return items;
    }
    void ExpectStatus(const char* text) { ASSERT_EQ(CString(text), StatusText()); }

    Model m_model;
};

TEST_F(SoakTest, ThousandsOfLookupsAndEditsLeaveExactlyTheExpectedFileAndNoLeaks) {
    std::string bytes;
    for (int k = 0; k < kBaseWords; ++k) {
        const std::string line =
            "w" + std::to_string(k) + ":t" + std::to_string(k) + "|u" + std::to_string(k);
        bytes += line + "\r\n";
        m_model.Add(line);
    }
    WriteDictionary(0, bytes);
    StartProgram();
    std::mt19937 random(4242);
    const DWORD dwStart = GetTickCount();

    Usage before = {};
    int nLookups = 0, nAdds = 0, nModifies = 0, nDeletes = 0;
    for (int round = 0; round < kAdds; ++round) {
        if (round == 20)
            before = Measure();  // after every path has run once
        // Ten lookups, every tenth one checked item by item.
        for (int i = 0; i < kLookups / kAdds; ++i, ++nLookups) {
            const std::string word = m_model.Word(random());
            ASSERT_NO_FATAL_FAILURE(LookUp(word)) << "lookup " << nLookups;
            if (nLookups % 10 == 0) {
                ASSERT_EQ(m_model.Items(word), ShownItems()) << word;
            }
        }
        // One addition through the dialog.
        {
            const std::string word = "n" + std::to_string(round);
            const std::string number = std::to_string(round);
            DialogDriver driver(nullptr, {Fill(word, "a" + number + ",b" + number)}, kDialogTickMs);
            Command(ID_WORD_ADD);
            ASSERT_NO_FATAL_FAILURE(ExpectStatus("The addition has been successfully completed"));
            m_model.Add(word + ":a" + number + "|b" + number);
            ++nAdds;
        }
        // Every fifth round a change, every tenth a deletion, of a word
        // selected as the user selects it.
        if (round % (kAdds / kModifies) == 2) {
            const std::string word = m_model.Word(random());
            ASSERT_NO_FATAL_FAILURE(LookUp(word));
            const std::string number = std::to_string(round);
            DialogDriver driver(nullptr, {Fill("", "m" + number + ",x")}, kDialogTickMs);
            Command(ID_WORD_MODIFY);
            ASSERT_NO_FATAL_FAILURE(ExpectStatus("The modification has been successfully completed"));
            m_model.Modify(word, word + ":m" + number + "|x");
            ++nModifies;
        }
        if (round % (kAdds / kDeletes) == 7) {
            const std::string word = m_model.Word(random());
            ASSERT_NO_FATAL_FAILURE(LookUp(word));
            Command(ID_UNLOCK_DELETE);
            DialogDriver driver("Confirm Word Delete",
                                {[](HWND h) { PostMessageA(h, WM_COMMAND, IDYES, 0); }}, kDialogTickMs);
            Command(ID_WORD_DELETE);
            ASSERT_NO_FATAL_FAILURE(ExpectStatus("The deletion has been successfully completed"));
            m_model.Delete(word);
            ++nDeletes;
        }
        PumpMessages();
    }
    const Usage after = Measure();
    std::printf("%d lookups, %d additions, %d changes, %d deletions in %.1f s\n", nLookups, nAdds, nModifies,
                nDeletes, (GetTickCount() - dwStart) / 1000.0);
    Print("before", before);
    Print("after", after);

    EXPECT_EQ(kLookups, nLookups);
    EXPECT_EQ(kModifies, nModifies);
    EXPECT_EQ(kDeletes, nDeletes);
    EXPECT_TRUE(FileLines() == m_model.Lines()) << "the file does not hold the expected entries";
    EXPECT_EQ(m_model.Lines().size(), Rows(m_pFrame->GetWordList()).size());

    // Nothing of what the work used may stay behind: a handle or an object
    // per operation would show as hundreds.
    EXPECT_LE(after.dwHandles, before.dwHandles + 16);
    EXPECT_LE(after.dwGdiObjects, before.dwGdiObjects + 16);
    EXPECT_LE(after.dwWindows, before.dwWindows + 2);
    EXPECT_LE(after.nPrivateBytes, before.nPrivateBytes + 32u * 1024 * 1024);
}
