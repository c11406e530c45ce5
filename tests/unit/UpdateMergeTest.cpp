#include "TempDir.h"

#include "bench/DictionaryGenerator.h"
#include "bench/RescanMerge.h"
#include "dictionary/DictionaryMerge.h"
#include "framework/File.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

using Lines = std::vector<std::string>;

namespace {

CStringArray ToArray(const Lines& lines) {
    CStringArray arr;
    for (const std::string& line : lines)
        arr.Add(CString(line));
    return arr;
}

class MergeFile : public ::testing::Test {
protected:
    std::string Dict() const { return m_dir.File("en.tmp"); }
    MergeOutcome Merge(const Lines& lines) {
        return MergeIntoDictionary(Dict().c_str(), ToArray(lines), m_strError);
    }

    TempDir m_dir;
    CString m_strError;
};

}  // namespace

TEST_F(MergeFile, RomanianCapitalsFoldLikeTheWordBoxSearch) {
    // a-breve, i-circumflex and t-cedilla: letter pairs in the ANSI code page.
    WriteBytes(Dict(), "\xE3la:that\r\n\xEEn:in\r\n");
    EXPECT_EQ(MergeOutcome::kNothingNew, Merge({"\xC3LA:x", "\xCEN:y", "\xC3la:z"}));
    EXPECT_EQ(MergeOutcome::kAppended, Merge({"\xDEine:holds", "\xFEINE:again"}));
    EXPECT_EQ("\xE3la:that\r\n\xEEn:in\r\n\xDEine:holds\r\n", ReadBytes(Dict()));
}

TEST_F(MergeFile, AppendsOnANewLineAfterALastLineWithoutItsEnd) {
    WriteBytes(Dict(), "a:1");
    EXPECT_EQ(MergeOutcome::kAppended, Merge({"b:2"}));
    EXPECT_EQ("a:1\r\nb:2\r\n", ReadBytes(Dict()));

    // An end-of-text mark at the end goes, or it would hide the new lines.
    WriteBytes(Dict(), "a:1\r\n\x1A");
    EXPECT_EQ(MergeOutcome::kAppended, Merge({"b:2"}));
    EXPECT_EQ("a:1\r\nb:2\r\n", ReadBytes(Dict()));

    WriteBytes(Dict(), "");
    EXPECT_EQ(MergeOutcome::kAppended, Merge({"b:2"}));
    EXPECT_EQ("b:2\r\n", ReadBytes(Dict()));
}

// Generated dictionaries (Romanian letters, capitals, repeated head words)
// with blank and colon-less lines, and updates mixing present head words in
// other letter case, repeats and new words: the program's merge must leave
// the very file the line-by-line rescan leaves.
TEST_F(MergeFile, AgreesWithTheLineByLineRescanOnGeneratedFiles) {
    std::mt19937 random(7);
    const std::string other = m_dir.File("rescan.tmp");
    for (uint32_t round = 0; round < 25; ++round) {
        DictionaryGenerator generator(1000 + round);
        Lines local = generator.Lines(50 + random() % 300);
        for (int n = 0; n < 5; ++n)
            local.insert(local.begin() + random() % local.size(),
                         n % 2 ? "" : "no colon " + generator.Word());
        Lines update;
        for (size_t n = random() % 120; n > 0; --n) {
            switch (random() % 5) {
                case 0: {
                    CString strLine(local[random() % local.size()]);
                    strLine.MakeUpper();
                    update.push_back(strLine.Str());
                    break;
                }
                case 1:
                    update.push_back(update.empty() ? "" : update[random() % update.size()]);
                    break;
                case 2:
                    update.push_back(random() % 2 ? "" : generator.Word());
                    break;
                default:
                    update.push_back(generator.Word() + ":" + generator.Word());
                    break;
            }
        }
        std::string bytes = DictionaryGenerator::FileBytes(local);
        if (round % 3 == 0)
            bytes.resize(bytes.size() - 2);  // no final line end
        WriteBytes(Dict(), bytes);
        WriteBytes(other, bytes);

        CString strError;
        const MergeOutcome expected = RescanMerge(other.c_str(), ToArray(update), strError);
        ASSERT_EQ(expected, Merge(update)) << "round " << round;
        ASSERT_EQ(ReadBytes(other), ReadBytes(Dict())) << "round " << round;
    }
}

TEST_F(MergeFile, NewLinesTakeTheDictionarysPlaceThroughTheScratchFile) {
    const std::string temp = m_dir.File("temp.tmp");
    WriteBytes(Dict(), "a:1\r\n");
    {
        // The scratch file is in use: the system's text, nothing changed.
        WriteBytes(temp, "left over");
        CFile holder(temp.c_str(), CFile::modeRead);
        EXPECT_EQ(MergeOutcome::kFailed, Merge({"b:2"}));
        EXPECT_EQ(AfxFormatSystemMessage(ERROR_SHARING_VIOLATION).Left(254), m_strError);
    }
    EXPECT_EQ("a:1\r\n", ReadBytes(Dict()));
    // A scratch file left over does no harm, and none stays behind.
    EXPECT_EQ(MergeOutcome::kAppended, Merge({"b:2"}));
    EXPECT_EQ("a:1\r\nb:2\r\n", ReadBytes(Dict()));
    EXPECT_FALSE(FileExists(temp));
}
