#include "TempDir.h"

#include "bench/DictionaryGenerator.h"
#include "bench/RescanMerge.h"
#include "dictionary/DictionaryMerge.h"

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

}  // namespace

// Generated dictionaries (Romanian letters, capitals, repeated head words)
// with blank and colon-less lines, and updates mixing present head words in
// other letter case, repeats and new words: the program's merge must leave
// the very file the line-by-line rescan leaves.
TEST(MergeFile, AgreesWithTheLineByLineRescanOnGeneratedFiles) {
    std::mt19937 random(7);
    TempDir dir;
    const std::string dictionary = dir.File("en.tmp"), other = dir.File("rescan.tmp");
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
        WriteBytes(dictionary, bytes);
        WriteBytes(other, bytes);

        const MergeOutcome expected = RescanMerge(other.c_str(), ToArray(update)).GetKind();
        ASSERT_EQ(expected, MergeIntoDictionary(dictionary.c_str(), ToArray(update)).GetKind())
            << "round " << round;
        ASSERT_EQ(ReadBytes(other), ReadBytes(dictionary)) << "round " << round;
    }
}
