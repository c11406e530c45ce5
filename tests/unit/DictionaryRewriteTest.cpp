#include "PlainRewrite.h"
#include "RandomDictionary.h"
#include "TempDir.h"

#include "bench/Straightforward.h"
#include "dictionary/DictionaryEdits.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class DictionaryRewrite : public ::testing::Test {
protected:
    std::string Dict() const { return m_dir.File("en.tmp"); }
    std::string Temp() const { return m_dir.File("temp.tmp"); }

    TempDir m_dir;
};

}  // namespace

TEST_F(DictionaryRewrite, ModifyAndDeleteWriteWhatThePlainRuleWrites) {
    RandomDictionary random(6);
    for (int n = 0; n < 120; ++n) {
        std::string bytes = random.File(random.Below(60), n % 2 == 0);
        if (n % 40 == 0) {
            // Lines across the 1 MB pieces the rewrite reads in.
            bytes =
                std::string(1024 * 1024 - 3, 'w') + ":long\r\n" + bytes + "x:" + std::string(1500000, 'y');
        }
        // Words the file has (a repeated one among them), and others.
        std::string word = random.Word(60);
        const size_t nColon = bytes.find(':', random.Below(bytes.size() + 1));
        if (nColon != std::string::npos && n % 3 != 0) {
            const size_t nStart = bytes.rfind('\n', nColon);
            word = bytes.substr(nStart == std::string::npos ? 0 : nStart + 1,
                                nColon - (nStart == std::string::npos ? 0 : nStart + 1));
        }
        if (n % 25 == 0)
            word.clear();  // the lines without a head word
        const std::string translations = random.Word(5) + "|" + random.Word(5);
        const bool bModify = n % 4 < 2;

        WriteBytes(Dict(), bytes);
        bool bWritten = false;
        const std::string expected = RewriteInMemory(bytes, word, translations, bModify, &bWritten);
        const COutcome outcome =
            bModify ? ReplaceEntry(Dict().c_str(), Temp().c_str(), CString(word), CString(translations))
                    : RemoveEntry(Dict().c_str(), Temp().c_str(), CString(word));
        ASSERT_EQ(bWritten, outcome.Succeeded()) << outcome.GetText();
        ASSERT_EQ(expected, ReadBytes(Dict()))
            << (bModify ? "modify " : "delete ") << word << " in file " << n;

        // A dictionary as the program writes it comes out as the
        // straightforward line-by-line copy writes it.
        if (bWritten && n % 2 == 1 && !word.empty() && !bytes.empty() && bytes.back() != '\r') {
            WriteBytes(Dict(), bytes);
            const CString strTranslations(translations);
            ASSERT_TRUE(RewriteLineByLine(Dict().c_str(), Temp().c_str(), CString(word),
                                          bModify ? &strTranslations : nullptr));
            ASSERT_EQ(expected, ReadBytes(Dict())) << "line by line, " << word << " in file " << n;
        }
    }
}
