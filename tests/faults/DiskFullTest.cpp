// The dictionary edits and the update merge on a full disk: each fails with
// the system's text, leaves the dictionary as it was, and leaves no scratch
// file behind to keep the space; once there is room again they work.
//
// full_disk.sh runs these tests with TAV_FULL_DISK_DIR set to a folder on a
// small file system of their own (TAV_FULL_DISK_MODE=tmpfs), which the test
// fills up. Where no file system can be mounted, the script runs them under
// a file-size limit instead (TAV_FULL_DISK_MODE=limit, the limit in
// TAV_FILE_SIZE_LIMIT): a write past it fails part-way, as on a full disk,
// with another error text. Without TAV_FULL_DISK_DIR they are skipped.
#include "../unit/TempDir.h"

#include "dictionary/DictionaryEdits.h"
#include "dictionary/DictionaryMerge.h"
#include "framework/Exception.h"
#include "thread/UpdateThread.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

std::string Setting(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

class DiskFull : public ::testing::Test {
protected:
    void SetUp() override {
        m_folder = Setting("TAV_FULL_DISK_DIR");
        if (m_folder.empty())
            GTEST_SKIP() << "run by full_disk.sh";
        if (m_folder.back() != '\\')
            m_folder += '\\';
        m_bLimit = Setting("TAV_FULL_DISK_MODE") == "limit";
        // In limit mode the dictionary stops just short of the limit, so
        // that every file it would grow into is too large (LF line ends, so
        // that a rewrite does not make it shorter).
        const size_t nSize = m_bLimit ? std::strtoul(Setting("TAV_FILE_SIZE_LIMIT").c_str(), nullptr, 10) - 16
                                      : 64 * 1024 - 7;  // the last block has room for a few bytes
        for (int k = 0; m_original.size() < nSize; ++k)
            m_original += "w" + std::to_string(k) + ":translation " + std::to_string(k) + "\n";
        m_original.resize(nSize);
        m_original.back() = '\n';
        WriteBytes(Dict(), m_original);
        if (!m_bLimit)
            FillDisk();
    }
    void TearDown() override {
        if (m_folder.empty())
            return;
        for (const char* name : {"filler", "en.tmp", "temp.tmp"})
            DeleteFileA((m_folder + name).c_str());
    }

    std::string Dict() const { return m_folder + "en.tmp"; }
    std::string Temp() const { return m_folder + "temp.tmp"; }

    // Writes a filler file until the disk has no room left.
    void FillDisk() {
        HANDLE hFile =
            CreateFileA((m_folder + "filler").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, hFile);
        const std::string block(4096, 'f');
        DWORD dwWritten = 0;
        while (WriteFile(hFile, block.data(), static_cast<DWORD>(block.size()), &dwWritten, nullptr) &&
               dwWritten == block.size()) {
        }
        const DWORD dwError = GetLastError();
        CloseHandle(hFile);
        ASSERT_EQ(static_cast<DWORD>(ERROR_DISK_FULL), dwError);
    }
    void MakeRoom() {
        if (m_bLimit) {
            // A smaller dictionary leaves room under the limit.
            m_original = "w1:translation 1\n";
            WriteBytes(Dict(), m_original);
        } else {
            ASSERT_TRUE(DeleteFileA((m_folder + "filler").c_str()));
        }
    }

    // The failure's text must be the system's own for a full disk (another
    // error where the limit stands in for it); nothing else changed.
    template <class Kind>
    void ExpectFailedWithNothingChanged(const TOutcome<Kind>& outcome, Kind failed) {
        EXPECT_TRUE(outcome.GetKind() == failed);
        const CString& strError = outcome.GetText();
        if (m_bLimit)
            EXPECT_FALSE(strError.IsEmpty());
        else
            EXPECT_EQ(AfxFormatSystemMessage(ERROR_DISK_FULL).Left(254), strError);
        EXPECT_TRUE(ReadBytes(Dict()) == m_original);
        EXPECT_FALSE(FileExists(Temp()));
    }

    std::string m_folder;
    bool m_bLimit = false;
    std::string m_original;
};

CStringArray Update() {
    CStringArray arrLines;
    arrLines.Add("w1:again");
    for (int i = 0; i < 50; ++i)
        arrLines.Add(CString("new" + std::to_string(i) + ":nou"));
    return arrLines;
}

}  // namespace

TEST_F(DiskFull, EditsAndMergesFailWithTheSystemsTextAndChangeNothing) {
    ExpectFailedWithNothingChanged(AppendEntry(Dict().c_str(), "house", "casa|locuinta"), Ended::kFailed);
    ExpectFailedWithNothingChanged(
        ReplaceEntry(Dict().c_str(), Temp().c_str(), "w1", "a much longer translation than before"),
        Ended::kFailed);
    ExpectFailedWithNothingChanged(MergeIntoDictionary(Dict().c_str(), Update()), MergeOutcome::kFailed);

    // With room again, the same work is done.
    MakeRoom();
    const COutcome added = AppendEntry(Dict().c_str(), "house", "casa|locuinta");
    ASSERT_TRUE(added.Succeeded()) << added.GetText().Str();
    const COutcome changed =
        ReplaceEntry(Dict().c_str(), Temp().c_str(), "w1", "a much longer translation than before");
    ASSERT_TRUE(changed.Succeeded()) << changed.GetText().Str();
    const MergeResult merged = MergeIntoDictionary(Dict().c_str(), Update());
    ASSERT_EQ(MergeOutcome::kAppended, merged.GetKind()) << merged.GetText().Str();
    const std::string now = ReadBytes(Dict());
    EXPECT_NE(std::string::npos, now.find("w1:a much longer translation than before\n"));
    EXPECT_NE(std::string::npos, now.find("house:casa|locuinta\n"));
    EXPECT_NE(std::string::npos, now.find("new49:nou\r\n"));
    EXPECT_FALSE(FileExists(Temp()));
}
