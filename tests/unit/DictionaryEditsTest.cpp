#include "TempDir.h"

#include "dictionary/DictionaryEdits.h"
#include "framework/File.h"

#include <gtest/gtest.h>

namespace {

// A dictionary file and its scratch file in a fresh directory.
class DictionaryEdits : public ::testing::Test {
protected:
    std::string Dict() const { return m_dir.File("en.tmp"); }
    std::string Temp() const { return m_dir.File("temp.tmp"); }

    BOOL Add(const char* word, const char* translations) {
        return Kept(AppendEntry(Dict().c_str(), word, translations));
    }
    BOOL Modify(const char* word, const char* translations) {
        return Kept(ReplaceEntry(Dict().c_str(), Temp().c_str(), word, translations));
    }
    BOOL Delete(const char* word) { return Kept(RemoveEntry(Dict().c_str(), Temp().c_str(), word)); }

    // Whether outcome succeeded; its text in m_strError.
    BOOL Kept(const COutcome& outcome) {
        m_strError = outcome.GetText();
        return outcome.Succeeded();
    }

    TempDir m_dir;
    CString m_strError;
};

}  // namespace

TEST_F(DictionaryEdits, AddAppendsOneCrLfLineAfterALineEnd) {
    struct Case {
        const char* before;
        const char* after;
    } cases[] = {
        {"bank:banca\r\n", "bank:banca\r\nhouse:casa|loc\r\n"},
        {"bank:banca\r\nhouse:x\r\n", "bank:banca\r\nhouse:x\r\nhouse:casa|loc\r\n"},  // no test for repeats
        {"bank:banca", "bank:banca\r\nhouse:casa|loc\r\n"},
        {"bank:banca\n", "bank:banca\nhouse:casa|loc\r\n"},  // an LF end is a line end too
        {"", "house:casa|loc\r\n"},
        // A trailing end-of-text mark would hide the new entry from every reader.
        {"bank:banca\r\n\x1A", "bank:banca\r\nhouse:casa|loc\r\n"},
        {"bank:banca\x1A", "bank:banca\r\nhouse:casa|loc\r\n"},
        {"\x1A", "house:casa|loc\r\n"},
    };
    for (const Case& c : cases) {
        WriteBytes(Dict(), c.before);
        ASSERT_TRUE(Add("house", "casa|loc")) << c.before;
        EXPECT_EQ(c.after, ReadBytes(Dict())) << c.before;
    }
    EXPECT_FALSE(FileExists(Temp()));
}

TEST_F(DictionaryEdits, AFileThatCannotBeOpenedIsLeftAlone) {
    // Read-only or held open elsewhere: the messages a missing file gives
    // (the window tests' faults), and the file untouched.
    const std::string original = "a:b\r\n";
    WriteBytes(Dict(), original);
    SetFileAttributesA(Dict().c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(Add("x", "y"));
    EXPECT_EQ(CString("Can not open database for addition"), m_strError);
    EXPECT_FALSE(Modify("a", "y"));
    EXPECT_FALSE(Delete("a"));
    EXPECT_EQ(CString("Can not open database for deletion"), m_strError);
    SetFileAttributesA(Dict().c_str(), FILE_ATTRIBUTE_NORMAL);
    {
        CFile holder(Dict().c_str(), CFile::modeRead | CFile::shareDenyNone);
        EXPECT_FALSE(Add("x", "y"));
        EXPECT_FALSE(Modify("a", "y"));
        EXPECT_EQ(CString("Can not open database for modification"), m_strError);
    }
    EXPECT_EQ(original, ReadBytes(Dict()));
    EXPECT_FALSE(FileExists(Temp()));
}

TEST_F(DictionaryEdits, AFailedRewriteLeavesTheOldFileComplete) {
    const std::string original = "house:a\r\nbank:b\r\n";
    WriteBytes(Dict(), original);
    {
        // The scratch file is in use: the system's text, nothing changed.
        WriteBytes(Temp(), "left over");
        CFile holder(Temp().c_str(), CFile::modeRead);
        EXPECT_FALSE(Modify("house", "casa"));
        EXPECT_EQ(AfxFormatSystemMessage(ERROR_SHARING_VIOLATION).Left(254), m_strError);
        EXPECT_FALSE(Delete("house"));
    }
    EXPECT_EQ("left over", ReadBytes(Temp()));  // not ours to remove
    EXPECT_EQ(original, ReadBytes(Dict()));
    // A stale scratch file from an earlier failure does no harm.
    WriteBytes(Temp(), std::string(100000, 'z'));
    ASSERT_TRUE(Delete("bank"));
    EXPECT_EQ("house:a\n", ReadBytes(Dict()));
}
