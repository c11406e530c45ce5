#include "RandomDictionary.h"
#include "TempDir.h"

#include "bench/Straightforward.h"
#include "dictionary/DictionaryEdits.h"
#include "dictionary/DictionaryFormat.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A modify (bModify) or delete the plain way, in memory: the file cut at
// every LF, a CR before it belonging to the line end; the first line of the
// word replaced (modify) and its other lines dropped; every line written
// with an LF, after a doubled CR when it ends in one. A modify of a word the
// file does not have changes nothing.
std::string RewriteInMemory(const std::string& bytes, const std::string& word,
                            const std::string& translations, bool bModify, bool* pWritten = nullptr) {
    std::string out;
    bool bReplaced = false;
    auto write = [&out](const std::string& line) {
        out += line;
        if (!line.empty() && line.back() == '\r')
            out += '\r';
        out += '\n';
    };
    for (size_t start = 0; start < bytes.size();) {
        size_t end = bytes.find('\n', start);
        std::string line = bytes.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (end != std::string::npos && !line.empty() && line.back() == '\r')
            line.pop_back();
        start = end == std::string::npos ? bytes.size() : end + 1;
        const size_t colon = line.find(':');
        const bool bWord =
            !line.empty() && (colon == std::string::npos ? std::string() : line.substr(0, colon)) == word;
        if (!bWord)
            write(line);
        else if (bModify && !bReplaced) {
            write(dictionary::MakeLine(word, translations));
            bReplaced = true;
        }
    }
    const bool bWritten = !bModify || bReplaced;
    if (pWritten)
        *pWritten = bWritten;
    return bWritten ? out : bytes;
}

class DictionaryRewrite : public ::testing::Test {
protected:
    std::string Dict() const { return m_dir.File("en.tmp"); }
    std::string Temp() const { return m_dir.File("temp.tmp"); }

    TempDir m_dir;
    CString m_strError;
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
        ASSERT_EQ(bWritten,
                  bModify ? ReplaceEntry(Dict().c_str(), Temp().c_str(), CString(word), CString(translations),
                                         m_strError) != FALSE
                          : RemoveEntry(Dict().c_str(), Temp().c_str(), CString(word), m_strError) != FALSE)
            << m_strError;
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
