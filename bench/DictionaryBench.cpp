// Times the work on a loaded dictionary at 10,000, 200,000 and 1,000,000
// generated lines, the straightforward algorithms beside the program's:
// loading into a real sorted list box, the word box's search, the lookup of
// translations, adding, changing and deleting a word, merging a 10,000- and
// a 100,000-line update; beside them the floor (reading the file and
// sorting its head words with the list's comparison; a plain copy of the
// file) and the memory a load leaves. Prints the figures and one summary
// line per size. Arguments: the sizes, if not those three.
//
// Adding rows one by one to a sorted list box shifts, for every row, the
// rows after it: at 1,000,000 lines that takes far too long to wait for, so
// it is timed at the smaller sizes only; the line-by-line merge rescans the
// whole file for each downloaded line, so it is timed on the first lines of
// the update and the whole update estimated from them.
//
// Run with --memory FILE KIND RESULT, the program measures, in a process of
// its own, what loading FILE costs in memory (KIND: program, lines, list)
// and writes the figures to RESULT.
#include "DictionaryGenerator.h"
#include "RescanMerge.h"
#include "Straightforward.h"

#include "dictionary/DictionaryEdits.h"
#include "dictionary/DictionaryFormat.h"
#include "dictionary/DictionaryLoad.h"
#include "dictionary/DictionaryMerge.h"
#include "frame/WordListFill.h"
#include "framework/Controls.h"
#include "framework/File.h"
#include "thread/UpdateThread.h"

#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

// The styles of the program's word list and translation list.
const DWORD kWordListStyle = 0x50210103;
const DWORD kTranslationListStyle = 0x50200103;

// One-by-one insertion is timed up to this many lines.
const size_t kOneByOneLimit = 200000;

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

template <class F>
double Time(F&& f) {
    const Clock::time_point start = Clock::now();
    f();
    return MillisecondsSince(start);
}

// The middle one of three runs: disk flushes vary from run to run.
template <class F>
double MedianOfThree(F&& f) {
    double runs[3];
    for (double& ms : runs)
        ms = f();
    std::sort(runs, runs + 3);
    return runs[1];
}

void Fail(const char* what) {
    std::fprintf(stderr, "failed: %s\n", what);
    std::exit(1);
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    CFile out(path.c_str(), CFile::modeCreate | CFile::modeWrite);
    out.Write(bytes.data(), static_cast<UINT>(bytes.size()));
    out.Close();
}

std::string ReadFileBytes(const std::string& path) {
    CFile in(path.c_str(), CFile::modeRead);
    std::string bytes(static_cast<size_t>(in.GetLength()), '\0');
    if (!bytes.empty())
        in.Read(&bytes[0], static_cast<UINT>(bytes.size()));
    in.Close();
    return bytes;
}

void Copy(const std::string& from, const std::string& to) {
    if (!CopyFileA(from.c_str(), to.c_str(), FALSE))
        Fail("copy");
}

// Puts a file just written on the disk, so that what is timed next starts
// from a file at rest, as a user's dictionary is.
void Settle(const std::string& path) {
    CFile file(path.c_str(), CFile::modeReadWrite);
    file.Flush();
    file.Close();
}

// A copy of from at rest under the name to.
void CopySettled(const std::string& from, const std::string& to) {
    Copy(from, to);
    Settle(to);
}

// A window like the program's frame holding list boxes like its panes.
class Panes {
public:
    Panes() {
        m_hFrame = CreateWindowExW(0, L"STATIC", L"bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 600, 400,
                                   nullptr, nullptr, nullptr, nullptr);
        if (!m_hFrame)
            Fail("window");
    }
    ~Panes() { DestroyWindow(m_hFrame); }
    Panes(const Panes&) = delete;
    Panes& operator=(const Panes&) = delete;

    // The word list on the left, the translation list on the right: Unicode
    // list boxes, as the program's.
    HWND NewList(DWORD dwStyle) const {
        return CreateWindowExW(WS_EX_CLIENTEDGE, L"ListBox", L"", dwStyle,
                               dwStyle == kWordListStyle ? 0 : 300, 0, 300, 380, m_hFrame, nullptr, nullptr,
                               nullptr);
    }

private:
    HWND m_hFrame;
};

// Lets the windows do what the program's message loop would let them do
// between two keystrokes (painting, mostly).
void PumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

std::vector<std::string> ListRows(HWND hList) {
    CListBox list(hList);
    std::vector<std::string> rows(static_cast<size_t>(list.GetCount()));
    CString strText;
    for (size_t i = 0; i < rows.size(); ++i) {
        list.GetText(static_cast<int>(i), strText);
        rows[i] = strText.Str();
    }
    return rows;
}

// ---- Memory, measured in a process of its own --------------------------

SIZE_T WorkingSet(bool bPeak) {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof(counters);
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
    return bPeak ? counters.PeakWorkingSetSize : counters.WorkingSetSize;
}

// Writes "peak now" (bytes above the start) to pszResult.
int MeasureMemory(LPCSTR pszFile, const std::string& kind, LPCSTR pszResult) {
    Panes panes;
    HWND hList = panes.NewList(kWordListStyle);
    SIZE_T nBase = WorkingSet(false), nPeak = 0, nNow = 0;
    if (kind == "program") {
        dictionary::LoadedLines lines;
        dictionary::WordListIndex index;
        if (LoadDictionaryFile(pszFile, ListBoxFill(hList), lines, index).Failed())
            Fail("load");
        nPeak = WorkingSet(true);
        nNow = WorkingSet(false);
    } else if (kind == "lines") {
        // The lines as a list of strings, without the list box.
        CStringList lines;
        if (!LoadOneByOne(pszFile, nullptr, lines))
            Fail("read");
        nPeak = WorkingSet(true);
        nNow = WorkingSet(false);
    } else {
        // What the list box holds: the rows are ready before it gets them.
        dictionary::LoadedLines lines;
        lines.Assign(ReadFileBytes(pszFile));
        std::vector<std::wstring> rows(lines.Size());
        for (size_t i = 0; i < rows.size(); ++i) {
            std::string_view head = lines.HeadWordAt(i);
            rows[i].resize(head.size());
            rows[i].resize(
                static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, head.data(), static_cast<int>(head.size()),
                                                        &rows[i][0], static_cast<int>(head.size()))));
        }
        nBase = WorkingSet(false);
        SendMessageW(hList, LB_INITSTORAGE, rows.size(), 0);
        SendMessageW(hList, WM_SETREDRAW, FALSE, 0);
        for (size_t i = 0; i < rows.size(); ++i)
            SendMessageW(hList, LB_INSERTSTRING, i, reinterpret_cast<LPARAM>(rows[i].c_str()));
        nNow = WorkingSet(false);
        nPeak = nNow;
    }
    std::ofstream(pszResult) << (nPeak - std::min(nPeak, nBase)) << ' ' << (nNow - std::min(nNow, nBase))
                             << '\n';
    return 0;
}

struct Memory {
    double peakMB = 0;
    double nowMB = 0;
};

Memory MemoryOf(const std::string& file, const char* kind, const std::string& result) {
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string command =
        "\"" + std::string(self) + "\" --memory \"" + file + "\" " + kind + " \"" + result + "\"";
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        Fail("memory process");
    WaitForSingleObject(pi.hProcess, INFINITE);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    Memory memory;
    double peak = 0, now = 0;
    std::ifstream in(result);
    if (!(in >> peak >> now))
        Fail("memory figures");
    memory.peakMB = peak / 1048576.0;
    memory.nowMB = now / 1048576.0;
    DeleteFileA(result.c_str());
    return memory;
}

// ---- The benchmark ------------------------------------------------------

// What the user types: the beginnings of words in the list, in any letter
// case, and now and then something no word begins with.
std::vector<std::string> TypedTexts(const dictionary::LoadedLines& lines, size_t count, uint32_t seed) {
    std::mt19937 random(seed);
    std::vector<std::string> texts;
    for (size_t i = 0; i < count; ++i) {
        if (i % 10 == 9) {
            texts.push_back("qq" + std::to_string(i));
            continue;
        }
        std::string head(lines.HeadWordAt(random() % lines.Size()));
        head.resize(std::min<size_t>(head.size(), 1 + random() % 6));
        for (char& c : head) {
            if (random() % 3 == 0)
                CharUpperBuffA(&c, 1);
        }
        texts.push_back(head);
    }
    return texts;
}

struct Figures {
    double floorMs = 0, copyMs = 0, copyOverMs = 0;
    double loadPlainMs = -1, loadMs = 0;
    double keyPlainMs = 0, keyMs = 0, selectMs = 0;
    double showPlainMs = 0, showMs = 0, showFindMs = 0;
    double addPlainMs = 0, addMs = 0, modifyPlainMs = 0, modifyMs = 0, deletePlainMs = 0, deleteMs = 0;
    double merge10Ms = 0, merge100Ms = 0, merge10PlainMs = 0, merge100PlainMs = 0;
    Memory program, lines, list;
};

std::string FormatRatio(double ratio) {
    char text[32];
    std::snprintf(text, sizeof(text), "%.1f", ratio);
    return text;
}

void PrintRow(const char* what, double plainMs, double ms, const char* note = "") {
    if (plainMs < 0)
        std::printf("  %-34s %14s %12.3f  %s\n", what, "-", ms, note);
    else
        std::printf("  %-34s %14.3f %12.3f  %6.1fx %s\n", what, plainMs, ms, plainMs / ms, note);
}

Figures Run(size_t nLines, const std::string& dir, const Panes& panes) {
    Figures f;
    const std::string dict = dir + "en.tmp", temp = dir + "temp.tmp", other = dir + "other.tmp",
                      copy = dir + "copy.tmp";
    DictionaryGenerator generator(static_cast<uint32_t>(2024 + nLines));
    const std::vector<std::string> generated = generator.Lines(nLines);
    const std::string bytes = DictionaryGenerator::FileBytes(generated);
    WriteFileBytes(dict, bytes);
    const double fileMB = static_cast<double>(bytes.size()) / 1048576.0;
    std::printf("\n%zu lines, %.1f MB (times in ms)%40s\n", nLines, fileMB,
                "straightforward      program    ratio");

    // The floor: the file read and its head words sorted as the list sorts them.
    const HWND hProbe = panes.NewList(kWordListStyle);
    const LCID lcid = static_cast<LCID>(SendMessageA(hProbe, LB_GETLOCALE, 0, 0));
    DestroyWindow(hProbe);
    f.floorMs = Time([&] {
        dictionary::LoadedLines lines;
        lines.Assign(ReadFileBytes(dict));
        std::vector<std::wstring> heads(lines.Size());
        for (size_t i = 0; i < heads.size(); ++i) {
            std::string_view head = lines.HeadWordAt(i);
            heads[i].resize(head.size());
            heads[i].resize(
                static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, head.data(), static_cast<int>(head.size()),
                                                        &heads[i][0], static_cast<int>(head.size()))));
        }
        std::sort(heads.begin(), heads.end(), [lcid](const std::wstring& a, const std::wstring& b) {
            return CompareStringW(lcid, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1) == CSTR_LESS_THAN;
        });
    });
    f.copyMs = MedianOfThree([&] {
        DeleteFileA(copy.c_str());
        return Time([&] { Copy(dict, copy); });
    });
    f.copyOverMs = MedianOfThree([&] {
        CopySettled(dict, copy);
        return Time([&] { Copy(dict, copy); });
    });

    // Loading into the word list.
    HWND hPlain = nullptr;
    CStringList plainLines;
    if (nLines <= kOneByOneLimit) {
        hPlain = panes.NewList(kWordListStyle);
        f.loadPlainMs = Time([&] {
            SendMessageA(hPlain, WM_SETREDRAW, FALSE, 0);
            if (!LoadOneByOne(dict.c_str(), hPlain, plainLines))
                Fail("one-by-one load");
            SendMessageA(hPlain, WM_SETREDRAW, TRUE, 0);
        });
    } else if (!LoadOneByOne(dict.c_str(), nullptr, plainLines)) {
        Fail("reading the lines");
    }
    const HWND hWords = panes.NewList(kWordListStyle);
    dictionary::LoadedLines lines;
    dictionary::WordListIndex index;
    f.loadMs = Time([&] {
        SendMessageA(hWords, WM_SETREDRAW, FALSE, 0);
        if (LoadDictionaryFile(dict.c_str(), ListBoxFill(hWords), lines, index).Failed())
            Fail("load");
        SendMessageA(hWords, WM_SETREDRAW, TRUE, 0);
    });
    const char* sameRows = "";
    if (hPlain) {
        sameRows = ListRows(hPlain) == ListRows(hWords) ? "(same rows)" : "(ROWS DIFFER)";
        DestroyWindow(hPlain);
    }

    // A keystroke: the first word beginning with the text gets selected.
    const std::vector<std::string> typed = TypedTexts(lines, 1000, 7);
    const size_t nPlainKeys = nLines > kOneByOneLimit ? 10 : 100;
    PumpMessages();
    for (size_t i = 0; i < nPlainKeys; ++i) {
        f.keyPlainMs += Time([&] { CListBox(hWords).FindString(-1, typed[i].c_str()); });
        PumpMessages();
    }
    f.keyPlainMs /= static_cast<double>(nPlainKeys);
    f.keyMs = Time([&] {
                  for (const std::string& text : typed)
                      index.FindWord(text);
              }) /
              static_cast<double>(typed.size());
    // The list box's own part of a keystroke: selecting the row and
    // scrolling it into view.
    for (size_t i = 0; i < 100; ++i) {
        const size_t nRow = index.FindFirstBeginningWith(typed[i]);
        if (nRow != dictionary::WordListIndex::npos)
            f.selectMs += Time([&] { SendMessageA(hWords, LB_SETCURSEL, nRow, 0); });
        PumpMessages();
    }
    f.selectMs /= 100;

    // The translations of a selected word.
    const HWND hTranslations = panes.NewList(kTranslationListStyle);
    std::mt19937 random(11);
    std::vector<int> selected(200);
    for (int& nRow : selected)
        nRow = static_cast<int>(random() % lines.Size());
    auto selectedWord = [&](int nRow) {
        std::string text(static_cast<size_t>(SendMessageA(hWords, LB_GETTEXTLEN, nRow, 0)) + 1, '\0');
        text.resize(
            static_cast<size_t>(SendMessageA(hWords, LB_GETTEXT, nRow, reinterpret_cast<LPARAM>(&text[0]))));
        return CString(text);
    };
    const size_t nPlainShows = nLines > kOneByOneLimit ? 10 : 50;
    PumpMessages();
    for (size_t i = 0; i < nPlainShows; ++i) {
        f.showPlainMs += Time([&] {
            SendMessageA(hTranslations, LB_RESETCONTENT, 0, 0);
            for (const std::string& item : ScanTranslations(plainLines, selectedWord(selected[i])))
                CListBox(hTranslations).AddString(item.c_str());
        });
        PumpMessages();
    }
    f.showPlainMs /= static_cast<double>(nPlainShows);
    std::vector<std::string> items;
    double findMs = 0;
    for (int nRow : selected) {
        f.showMs += Time([&] {
            SendMessageA(hTranslations, WM_SETREDRAW, FALSE, 0);
            SendMessageA(hTranslations, LB_RESETCONTENT, 0, 0);
            const CString strWord = selectedWord(nRow);
            findMs += Time([&] {
                items.clear();
                for (size_t n = lines.FirstWithHeadWord(strWord.Str()); n != lines.npos;
                     n = lines.NextWithSameHeadWord(n))
                    dictionary::Split(lines.TranslationsAt(n), "|", items);
            });
            for (const std::string& item : items)
                CListBox(hTranslations).AddString(item.c_str());
            SendMessageA(hTranslations, WM_SETREDRAW, TRUE, 0);
            InvalidateRect(hTranslations, nullptr, TRUE);
        });
        PumpMessages();
    }
    f.showMs /= static_cast<double>(selected.size());
    f.showFindMs = findMs / static_cast<double>(selected.size());
    DestroyWindow(hTranslations);
    DestroyWindow(hWords);
    index.Clear();
    lines.RemoveAll();

    // Adding, changing and deleting a word, each on a fresh copy.
    const CString strMiddle(std::string(dictionary::HeadWord(generated[nLines / 2])).c_str());
    auto timeEdit = [&](auto plainEdit, auto edit, double& plainMs, double& ms) {
        plainMs = MedianOfThree([&] {
            CopySettled(dict, other);
            return Time([&] {
                if (!plainEdit(other.c_str()))
                    Fail("straightforward edit");
            });
        });
        ms = MedianOfThree([&] {
            CopySettled(dict, copy);
            return Time([&] {
                const COutcome outcome = edit(copy.c_str());
                if (outcome.Failed())
                    Fail(outcome.GetText());
            });
        });
        return ReadFileBytes(other) == ReadFileBytes(copy);
    };
    timeEdit([&](LPCSTR path) { return AppendAtEnd(path, "bench", "banc|banc\xE3"); },
             [&](LPCSTR path) { return AppendEntry(path, "bench", "banc|banc\xE3"); }, f.addPlainMs, f.addMs);
    const CString strNew("nou|alt");
    const bool bSameModify =
        timeEdit([&](LPCSTR path) { return RewriteLineByLine(path, temp.c_str(), strMiddle, &strNew); },
                 [&](LPCSTR path) { return ReplaceEntry(path, temp.c_str(), strMiddle, strNew); },
                 f.modifyPlainMs, f.modifyMs);
    const bool bSameDelete = timeEdit(
        [&](LPCSTR path) { return RewriteLineByLine(path, temp.c_str(), strMiddle, nullptr); },
        [&](LPCSTR path) { return RemoveEntry(path, temp.c_str(), strMiddle); }, f.deletePlainMs, f.deleteMs);

    // Merging updates: the program's merge whole, the rescan on a sample.
    const size_t nSample = nLines >= 1000000 ? 10 : (nLines >= 200000 ? 40 : 200);
    for (size_t nUpdate : {size_t(10000), size_t(100000)}) {
        const CStringArray arrUpdate = DictionaryGenerator::MakeUpdate(generated, nUpdate, 77);
        CopySettled(dict, copy);
        const double ms = Time([&] {
            const MergeResult merged = MergeIntoDictionary(copy.c_str(), arrUpdate);
            if (merged.GetKind() == MergeOutcome::kCannotOpen || merged.GetKind() == MergeOutcome::kFailed)
                Fail(merged.GetText());
        });
        CStringArray arrSample;
        for (size_t i = 0; i < nSample; ++i)
            arrSample.Add(arrUpdate[static_cast<INT_PTR>(i)]);
        CopySettled(dict, other);
        const double sampleMs = Time([&] {
            const MergeResult merged = RescanMerge(other.c_str(), arrSample);
            if (merged.GetKind() == MergeOutcome::kCannotOpen || merged.GetKind() == MergeOutcome::kFailed)
                Fail(merged.GetText());
        });
        (nUpdate == 10000 ? f.merge10Ms : f.merge100Ms) = ms;
        (nUpdate == 10000 ? f.merge10PlainMs : f.merge100PlainMs) =
            sampleMs * static_cast<double>(nUpdate) / static_cast<double>(nSample);
    }

    // Memory, each in a process of its own.
    const std::string result = dir + "memory.txt";
    f.program = MemoryOf(dict, "program", result);
    f.lines = MemoryOf(dict, "lines", result);
    f.list = MemoryOf(dict, "list", result);

    std::printf("  %-34s %14s %12.1f\n", "floor: read + sort with CompareStringW", "", f.floorMs);
    std::printf("  %-34s %14s %12.1f\n", "floor: plain file copy", "", f.copyMs);
    std::printf("  %-34s %14s %12.1f\n", "  the same onto the file it replaces", "", f.copyOverMs);
    PrintRow("load into the word list", f.loadPlainMs, f.loadMs,
             f.loadPlainMs < 0 ? "(one by one not timed at this size)" : sameRows);
    PrintRow("keystroke: find the first match", f.keyPlainMs, f.keyMs,
             "(the list box's LB_FINDSTRING vs index)");
    std::printf("  %-34s %14s %12.3f  (the list box's own LB_SETCURSEL)\n", "keystroke: select it", "",
                f.selectMs);
    PrintRow("ShowTranslations", f.showPlainMs, f.showMs);
    std::printf("  %-34s %14s %12.3f  (of which finding the items)\n", "", "", f.showFindMs);
    PrintRow("add a word", f.addPlainMs, f.addMs);
    PrintRow("modify a word", f.modifyPlainMs, f.modifyMs, bSameModify ? "(same file)" : "(FILES DIFFER)");
    PrintRow("delete a word", f.deletePlainMs, f.deleteMs, bSameDelete ? "(same file)" : "(FILES DIFFER)");
    char note[64];
    std::snprintf(note, sizeof(note), "(rescan estimated from %zu lines)", nSample);
    PrintRow("merge a 10,000-line update", f.merge10PlainMs, f.merge10Ms, note);
    PrintRow("merge a 100,000-line update", f.merge100PlainMs, f.merge100Ms, note);
    std::printf("  %-34s %11.1f MB %9.1f MB  (peak above start; now %.1f MB)\n", "memory after loading",
                f.lines.peakMB + f.list.nowMB, f.program.peakMB, f.program.nowMB);
    std::printf("  %-34s %14s %9.1f MB  (the list box's own share of both)\n", "", "", f.list.nowMB);

    const double ownMB = f.program.peakMB - f.list.nowMB;
    std::printf(
        "SUMMARY %zu lines: load %.2fx floor%s; keystroke %.4f ms; translations %.4f ms; modify %.2fx copy "
        "(%.2fx "
        "copy over), delete %.2fx copy (%.2fx copy over), add %.2f ms; merge 10,000 %.0f ms, 100,000 %.0f "
        "ms; memory %.2fx file + list "
        "box\n",
        nLines, f.loadMs / f.floorMs,
        f.loadPlainMs < 0
            ? ""
            : (", " + FormatRatio(f.loadPlainMs / f.loadMs) + "x faster than one by one").c_str(),
        f.keyMs, f.showMs, f.modifyMs / f.copyMs, f.modifyMs / f.copyOverMs, f.deleteMs / f.copyMs,
        f.deleteMs / f.copyOverMs, f.addMs, f.merge10Ms, f.merge100Ms, ownMB / fileMB);

    for (const std::string& path : {dict, temp, other, copy})
        DeleteFileA(path.c_str());
    return f;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 5 && std::string(argv[1]) == "--memory")
        return MeasureMemory(argv[2], argv[3], argv[4]);

    std::vector<size_t> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.push_back(std::stoul(argv[i]));
    if (sizes.empty())
        sizes = {10000, 200000, 1000000};

    char tempDir[MAX_PATH];
    GetTempPathA(MAX_PATH, tempDir);
    const std::string dir = std::string(tempDir) + "tav-dictionary-bench\\";
    CreateDirectoryA(dir.c_str(), nullptr);
    std::printf(
        "Dictionary benchmark: code page %u, locale %04lx; one-by-one loading timed up to %zu lines\n",
        GetACP(), static_cast<unsigned long>(GetUserDefaultLCID()), kOneByOneLimit);
    Panes panes;
    for (size_t nLines : sizes) {
        Run(nLines, dir, panes);
        std::fflush(stdout);
    }
    RemoveDirectoryA(dir.c_str());
    return 0;
}
