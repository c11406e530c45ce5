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
        return AppendEntry(Dict().c_str(), word, translations, m_strError);
    }
    BOOL Modify(const char* word, const char* translations) {
        return ReplaceEntry(Dict().c_str(), Temp().c_str(), word, translations, m_strError);
    }
    BOOL Delete(const char* word) { return RemoveEntry(Dict().c_str(), Temp().c_str(), word, m_strError); }

    TempDir m_dir;
    CString m_strError;
};

}  // namespace

TEST_F(DictionaryEdits, AddAppendsOneCrLfLine) {
    WriteBytes(Dict(), "bank:banca\r\n");
    ASSERT_TRUE(Add("house", "casa|locuinta"));
    EXPECT_EQ("bank:banca\r\nhouse:casa|locuinta\r\n", ReadBytes(Dict()));
    // No test for an existing entry: a second line with the same head word.
    ASSERT_TRUE(Add("house", "x"));
    EXPECT_EQ("bank:banca\r\nhouse:casa|locuinta\r\nhouse:x\r\n", ReadBytes(Dict()));
    EXPECT_FALSE(FileExists(Temp()));
}

TEST_F(DictionaryEdits, AddSuppliesAMissingLineEndFirst) {
    WriteBytes(Dict(), "bank:banca");
    ASSERT_TRUE(Add("house", "casa"));
    EXPECT_EQ("bank:banca\r\nhouse:casa\r\n", ReadBytes(Dict()));

    WriteBytes(Dict(), "bank:banca\n");  // an LF end is a line end too
    ASSERT_TRUE(Add("a", "b"));
    EXPECT_EQ("bank:banca\na:b\r\n", ReadBytes(Dict()));

    WriteBytes(Dict(), "");
    ASSERT_TRUE(Add("a", "b"));
    EXPECT_EQ("a:b\r\n", ReadBytes(Dict()));

    // A trailing end-of-text mark would hide the new entry from every reader.
    WriteBytes(Dict(), "bank:banca\r\n\x1A");
    ASSERT_TRUE(Add("a", "b"));
    EXPECT_EQ("bank:banca\r\na:b\r\n", ReadBytes(Dict()));
    WriteBytes(Dict(), "bank:banca\x1A");
    ASSERT_TRUE(Add("a", "b"));
    EXPECT_EQ("bank:banca\r\na:b\r\n", ReadBytes(Dict()));
    WriteBytes(Dict(), "\x1A");
    ASSERT_TRUE(Add("a", "b"));
    EXPECT_EQ("a:b\r\n", ReadBytes(Dict()));
}

TEST_F(DictionaryEdits, AddNeedsNoScratchFile) {
    WriteBytes(Dict(), "bank:banca\r\n");
    WriteBytes(Temp(), "left over");
    {
        CFile holder(Temp().c_str(), CFile::modeRead);
        ASSERT_TRUE(Add("house", "casa"));
    }
    EXPECT_EQ("bank:banca\r\nhouse:casa\r\n", ReadBytes(Dict()));
    EXPECT_EQ("left over", ReadBytes(Temp()));
}

TEST_F(DictionaryEdits, ModifyKeepsOneLineAtThePlaceOfTheFirst) {
    WriteBytes(Dict(), "house:a\r\nbank:banca\r\n\r\nhouse:b\r\nHouse:c\r\nhouse:d");
    ASSERT_TRUE(Modify("house", "casa|locuinta"));
    EXPECT_EQ("house:casa|locuinta\nbank:banca\n\nHouse:c\n", ReadBytes(Dict()));
    EXPECT_FALSE(FileExists(Temp()));
    // A word that is no longer there: no success, and the file as it was.
    ASSERT_FALSE(Modify("gone", "x"));
    EXPECT_EQ("house:casa|locuinta\nbank:banca\n\nHouse:c\n", ReadBytes(Dict()));
    EXPECT_FALSE(FileExists(Temp()));
}

TEST_F(DictionaryEdits, DeleteRemovesEveryLineOfTheWordOnly) {
    WriteBytes(Dict(), "house:a\r\nHouse:c\r\nhouse:b\r\nhouses:x\r\n");
    ASSERT_TRUE(Delete("house"));
    EXPECT_EQ("House:c\nhouses:x\n", ReadBytes(Dict()));
    // A word that is no longer there: success, entries as they were.
    ASSERT_TRUE(Delete("gone"));
    EXPECT_EQ("House:c\nhouses:x\n", ReadBytes(Dict()));
}

TEST_F(DictionaryEdits, RewriteKeepsEveryOtherByteIncludingWhatReadersSkip) {
    // Lone CR, NUL bytes and everything after a 0x1A survive a rewrite.
    // A CR at the end of a line keeps a CR LF end, so that it reads back.
    const std::string original =
        Bytes("a:1\r\nlo\rne:2\r\nn\0ul:3\r\n\x1A\r\nlate:4\r\ncr:5\r\r\nhouse:5\r\ntail\r");
    WriteBytes(Dict(), original);
    ASSERT_TRUE(Modify("house", "casa"));
    EXPECT_EQ(Bytes("a:1\nlo\rne:2\nn\0ul:3\n\x1A\nlate:4\ncr:5\r\r\nhouse:casa\ntail\r\r\n"),
              ReadBytes(Dict()));
    ASSERT_TRUE(Delete("late"));
    EXPECT_EQ(Bytes("a:1\nlo\rne:2\nn\0ul:3\n\x1A\ncr:5\r\r\nhouse:casa\ntail\r\r\n"), ReadBytes(Dict()));
}

TEST_F(DictionaryEdits, RewritesLargeFilesWhole) {
    std::string original;
    for (int i = 0; i < 60000; ++i)
        original += "word" + std::to_string(i) + ":translation number " + std::to_string(i) + "\r\n";
    original += "huge:" + std::string(3 * 1024 * 1024, 'x') + "\r\n";
    WriteBytes(Dict(), original);
    ASSERT_TRUE(Modify("word59999", "changed"));
    std::string expected;
    for (int i = 0; i < 59999; ++i)
        expected += "word" + std::to_string(i) + ":translation number " + std::to_string(i) + "\n";
    expected += "word59999:changed\nhuge:" + std::string(3 * 1024 * 1024, 'x') + "\n";
    EXPECT_TRUE(ReadBytes(Dict()) == expected);
}

TEST_F(DictionaryEdits, AFileThatCannotBeOpenedIsLeftAlone) {
    // Missing file: nothing is created.
    EXPECT_FALSE(Add("a", "b"));
    EXPECT_EQ(CString("Can not open database for addition"), m_strError);
    EXPECT_FALSE(Modify("a", "b"));
    EXPECT_EQ(CString("Can not open database for modification"), m_strError);
    EXPECT_FALSE(Delete("a"));
    EXPECT_EQ(CString("Can not open database for deletion"), m_strError);
    EXPECT_FALSE(FileExists(Dict()));
    EXPECT_FALSE(FileExists(Temp()));

    // Read-only and held open elsewhere: the same messages, the file untouched.
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
    // The scratch path is a directory: creating it fails, nothing changed.
    DeleteFileA(Temp().c_str());
    ASSERT_TRUE(CreateDirectoryA(Temp().c_str(), nullptr));
    EXPECT_FALSE(Modify("house", "casa"));
    EXPECT_FALSE(m_strError.IsEmpty());
    EXPECT_EQ(original, ReadBytes(Dict()));
    RemoveDirectoryA(Temp().c_str());
    // A stale scratch file from an earlier failure does no harm.
    WriteBytes(Temp(), std::string(100000, 'z'));
    ASSERT_TRUE(Delete("bank"));
    EXPECT_EQ("house:a\n", ReadBytes(Dict()));
}

TEST_F(DictionaryEdits, ADictionaryReplacedByADirectoryIsLeftAlone) {
    ASSERT_TRUE(CreateDirectoryA(Dict().c_str(), nullptr));
    EXPECT_FALSE(Add("a", "b"));
    EXPECT_EQ(CString("Can not open database for addition"), m_strError);
    EXPECT_FALSE(Modify("a", "b"));
    EXPECT_EQ(CString("Can not open database for modification"), m_strError);
    EXPECT_FALSE(Delete("a"));
    EXPECT_EQ(CString("Can not open database for deletion"), m_strError);
    EXPECT_TRUE(GetFileAttributesA(Dict().c_str()) & FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_FALSE(FileExists(Temp()));
    RemoveDirectoryA(Dict().c_str());
}
