#include "RandomDictionary.h"
#include "TempDir.h"

#include "bench/StdioFile.h"
#include "dictionary/DictionaryFormat.h"
#include "dictionary/DictionaryLoad.h"
#include "dictionary/LoadedLines.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

using dictionary::LoadedLines;
using Lines = std::vector<std::string>;

namespace {

// What a text-mode reader delivers from the file, line by line.
Lines ReadLineByLine(const std::string& path, bool bSkipEmpty) {
    Lines lines;
    CStdioFile file(path.c_str(), CFile::modeRead | CFile::typeText);
    CString strLine;
    while (file.ReadString(strLine)) {
        if (!bSkipEmpty || !strLine.IsEmpty())
            lines.push_back(strLine.Str());
    }
    return lines;
}

Lines LinesOf(const LoadedLines& loaded) {
    Lines lines;
    for (size_t i = 0; i < loaded.Size(); ++i)
        lines.emplace_back(loaded.GetAt(i));
    return lines;
}

}  // namespace

TEST(LoadedLines, HoldTheNonEmptyLinesATextModeReaderDelivers) {
    TempDir dir;
    const std::string path = dir.File("en.tmp");
    RandomDictionary random(1);
    for (int n = 0; n < 150; ++n) {
        const std::string bytes = random.File(random.Below(40), n % 2 == 0);
        WriteBytes(path, bytes);
        LoadedLines loaded;
        loaded.Assign(bytes);
        const Lines expected = ReadLineByLine(path, true);
        ASSERT_EQ(expected, LinesOf(loaded)) << "file " << n;
        EXPECT_EQ(static_cast<int>(ReadLineByLine(path, false).size()), CountDictionaryLines(path.c_str()));
        for (size_t i = 0; i < loaded.Size(); ++i) {
            EXPECT_EQ(dictionary::HeadWord(expected[i]), loaded.HeadWordAt(i));
            EXPECT_EQ(dictionary::Translations(expected[i]), loaded.TranslationsAt(i));
        }

        // Read only in part: what follows the last line end was cut short,
        // unless a reader would have stopped at a 0x1A before.
        const std::string part = bytes.substr(0, random.Below(bytes.size() + 1));
        std::string seen = part;
        if (part.find('\x1A') == std::string::npos)
            seen.resize(part.rfind('\n') == std::string::npos ? 0 : part.rfind('\n') + 1);
        WriteBytes(path, seen);
        loaded.Assign(part, false);
        EXPECT_EQ(ReadLineByLine(path, true), LinesOf(loaded)) << "part of file " << n;
    }
    EXPECT_EQ(0, CountDictionaryLines(dir.File("missing.tmp").c_str()));
}
