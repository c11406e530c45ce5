#include "TempDir.h"

#include "framework/StdioFile.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<std::string> ReadLines(const std::string& path, UINT nMode = CFile::typeText) {
    CStdioFile file;
    EXPECT_TRUE(file.Open(path.c_str(), CFile::modeRead | nMode));
    std::vector<std::string> lines;
    CString line;
    while (file.ReadString(line))
        lines.push_back(line.Str());
    file.Close();
    return lines;
}

using Lines = std::vector<std::string>;

}  // namespace

TEST(CStdioFile, TextModeReadsLineEndsAsTheRuntimeDoes) {
    TempDir dir;
    std::string path = dir.File("a.tmp");
    WriteBytes(path, "one\r\ntwo\n\r\nlone\rcr\r\n\nlast");
    EXPECT_EQ((Lines{"one", "two", "", "lone\rcr", "", "last"}), ReadLines(path));
    // Binary mode keeps the CRs.
    EXPECT_EQ((Lines{"one\r", "two", "\r", "lone\rcr\r", "", "last"}), ReadLines(path, CFile::typeBinary));

    WriteBytes(path, "");
    EXPECT_TRUE(ReadLines(path).empty());
    WriteBytes(path, "\n");
    EXPECT_EQ((Lines{""}), ReadLines(path));
    WriteBytes(path, "x\r\n");
    EXPECT_EQ((Lines{"x"}), ReadLines(path));
}

TEST(CStdioFile, TextModeStopsAtCtrlZForGood) {
    TempDir dir;
    std::string path = dir.File("a.tmp");
    WriteBytes(path, "one\r\ntw\x1Ao\r\nthree\r\n");
    EXPECT_EQ((Lines{"one", "tw"}), ReadLines(path));
    WriteBytes(path, "one\n\x1A\ntwo\n");
    EXPECT_EQ((Lines{"one"}), ReadLines(path));
    EXPECT_EQ((Lines{"one", "\x1A", "two"}), ReadLines(path, CFile::typeBinary));
}

TEST(CStdioFile, ReadsVeryLongLinesWholeAndPairsSplitAcrossBuffers) {
    TempDir dir;
    std::string path = dir.File("big.tmp");
    std::string longLine(3 * 1024 * 1024 + 17, 'w');
    longLine[100000] = '\0';  // a NUL byte inside is kept
    // Place a CR LF exactly across the reader's 64 KiB buffer boundary.
    std::string first(64 * 1024 - 1, 'a');
    WriteBytes(path, first + "\r\n" + longLine + "\r\nend");
    Lines lines = ReadLines(path);
    ASSERT_EQ(3u, lines.size());
    EXPECT_EQ(first, lines[0]);
    EXPECT_EQ(longLine, lines[1]);
    EXPECT_EQ("end", lines[2]);
}

TEST(CStdioFile, TextModeWritesCrLfAndBinaryModeWritesBytes) {
    TempDir dir;
    std::string path = dir.File("w.tmp");
    {
        CStdioFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite | CFile::typeText);
        file.WriteString("a\nb");
        file.WriteString("\n");
        file.Close();
    }
    EXPECT_EQ("a\r\nb\r\n", ReadBytes(path));
    {
        CStdioFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite | CFile::typeBinary);
        file.WriteString("a\nb\n");
        file.Close();
    }
    EXPECT_EQ("a\nb\n", ReadBytes(path));
}

TEST(CStdioFile, AppendsAtTheEndAfterReading) {
    TempDir dir;
    std::string path = dir.File("r.tmp");
    WriteBytes(path, "head:x\r\n");
    CStdioFile file(path.c_str(), CFile::modeReadWrite | CFile::typeText);
    CString line;
    EXPECT_TRUE(file.ReadString(line));
    file.SeekToEnd();
    file.WriteString("new:y\n");
    EXPECT_EQ(15u, file.GetLength());
    file.Close();
    EXPECT_EQ("head:x\r\nnew:y\r\n", ReadBytes(path));
}

TEST(CStdioFile, TextReadTranslatesCrLfIntoLf) {
    TempDir dir;
    std::string path = dir.File("r.tmp");
    WriteBytes(path, "ab\r\ncd\rx");
    CStdioFile file(path.c_str(), CFile::modeRead | CFile::typeText);
    char buffer[16] = {};
    EXPECT_EQ(7u, file.Read(buffer, sizeof(buffer)));
    EXPECT_EQ(std::string("ab\ncd\rx"), std::string(buffer, 7));
}

TEST(CFile, OpensAreExclusive) {
    TempDir dir;
    std::string path = dir.File("x.tmp");
    WriteBytes(path, "data\n");
    CStdioFile first;
    ASSERT_TRUE(first.Open(path.c_str(), CFile::modeRead));
    CStdioFile second;
    CFileException error;
    EXPECT_FALSE(second.Open(path.c_str(), CFile::modeRead, &error));
    EXPECT_EQ(CFileException::sharingViolation, error.m_cause);
    EXPECT_EQ(ERROR_SHARING_VIOLATION, error.m_lOsError);
    first.Close();
    EXPECT_TRUE(second.Open(path.c_str(), CFile::modeRead));
}

TEST(CFile, FailuresOfOpenAndAfterwardsAreReported) {
    TempDir dir;
    CFile file;
    CFileException error;
    EXPECT_FALSE(file.Open(dir.File("missing.tmp").c_str(), CFile::modeRead, &error));
    EXPECT_EQ(CFileException::fileNotFound, error.m_cause);

    std::string readOnly = dir.File("ro.tmp");
    WriteBytes(readOnly, "x\n");
    SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(file.Open(readOnly.c_str(), CFile::modeReadWrite, &error));
    EXPECT_EQ(CFileException::accessDenied, error.m_cause);
    EXPECT_TRUE(file.Open(readOnly.c_str(), CFile::modeRead, &error));
    // Writing to a file opened for reading fails with an exception.
    bool thrown = false;
    try {
        file.Write("y", 1);
    } catch (CFileException* e) {
        thrown = true;
        EXPECT_FALSE(e->GetErrorText().IsEmpty());
        e->Delete();
    }
    EXPECT_TRUE(thrown);
    file.Close();
    EXPECT_EQ("x\n", ReadBytes(readOnly));

    thrown = false;
    try {
        CStdioFile missing(dir.File("nope\\deeper.tmp").c_str(), CFile::modeRead);
    } catch (CFileException* e) {
        thrown = true;
        EXPECT_EQ(CFileException::badPath, e->m_cause);
        e->Delete();
    }
    EXPECT_TRUE(thrown);
}
