#include "dictionary/DictionaryEdits.h"

#include "dictionary/ByteScan.h"
#include "dictionary/DictionaryFormat.h"
#include "dictionary/FileRewriter.h"
#include "dictionary/ScratchFile.h"
#include "framework/File.h"
#include "framework/Outcome.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

const char kCannotOpenForAddition[] = "Can not open database for addition";
const char kCannotOpenForModification[] = "Can not open database for modification";
const char kCannotOpenForDeletion[] = "Can not open database for deletion";

namespace {

const UINT kChunkSize = 1024 * 1024;

BOOL OpenDictionary(CFile& file, const CFilePath& dictionaryPath) {
    // Exclusive, and with write access even where only reading: an edit must
    // not work on a file that someone else has open or that it cannot change.
    return file.Open(dictionaryPath, CFile::modeReadWrite | CFile::shareExclusive | CFile::typeBinary);
}

// How appending to a file goes: the bytes of it to keep (all but a trailing
// 0x1A end-of-text mark) and what to write before the first new line.
struct AppendPlan {
    ULONGLONG nKeep;
    LPCSTR pszLineEnd;
};

AppendPlan PlanAppend(CFile& file) {
    ULONGLONG nKeep = file.GetLength();
    char last = '\n';
    if (nKeep > 0) {
        file.Seek(-1, CFile::end);
        file.Read(&last, 1);
        if (last == 0x1A) {
            // An old end-of-text mark would hide everything after it.
            last = '\n';
            if (--nKeep > 0) {
                file.Seek(-2, CFile::end);
                file.Read(&last, 1);
            }
        }
    }
    return {nKeep, last == '\n' ? "" : "\r\n"};
}

// Copies the dictionary into the scratch file as the rewriter decides, then
// puts the scratch file in the dictionary file's place. A change of a word
// the file no longer holds (changed by someone else since it was loaded)
// leaves the file as it is and says so, instead of reporting a change it did
// not make; a deletion of such a word has what it asked for.
COutcome RewriteDictionary(const CFilePath& dictionaryPath, const CFilePath& tempPath, const CString& strWord,
                           dictionary::EntryRewriter rewriter, bool bNeedsWord, LPCSTR pszOpenFailure) {
    CFile source;
    if (!OpenDictionary(source, dictionaryPath))
        return COutcome::Failure(pszOpenFailure);
    return AfxTryOutcome([&] {
        CScratchFile target(tempPath);
        dictionary::FileRewriter fileRewriter(std::move(rewriter));
        std::vector<char> chunk(kChunkSize);
        for (;;) {
            const UINT nRead = source.Read(chunk.data(), kChunkSize);
            if (nRead == 0)
                break;
            const std::string_view out = fileRewriter.Feed(chunk.data(), nRead);
            target.Write(out.data(), out.size());
        }
        const std::string_view out = fileRewriter.Finish();
        target.Write(out.data(), out.size());
        if (bNeedsWord && fileRewriter.Rewriter().Matched() == 0)
            return COutcome::Failure("\"" + strWord +
                                     "\" is no longer in the dictionary; nothing was changed");
        target.Replace(source, dictionaryPath);
        return COutcome();
    });
}

}  // namespace

LPCSTR PrepareAppend(CFile& file) {
    const AppendPlan plan = PlanAppend(file);
    if (plan.nKeep < file.GetLength())
        file.SetLength(plan.nKeep);
    file.SeekToEnd();
    return plan.pszLineEnd;
}

void AppendThroughScratch(CFile& file, const CFilePath& dictionaryPath, const std::string& text) {
    const AppendPlan plan = PlanAppend(file);
    CScratchFile scratch(ScratchPathBeside(dictionaryPath));
    file.SeekToBegin();
    std::vector<char> chunk(static_cast<size_t>(std::min<ULONGLONG>(plan.nKeep, kChunkSize)) + 1);
    // The text ends at the first 0x1A: lines written after one would never
    // be read, so they go in just before it, and what follows it stays.
    ULONGLONG nMark = plan.nKeep;
    char last = '\n';
    for (ULONGLONG nDone = 0; nDone < plan.nKeep;) {
        const UINT nRead =
            file.Read(chunk.data(), static_cast<UINT>(std::min<ULONGLONG>(plan.nKeep - nDone, kChunkSize)));
        if (nRead == 0)
            break;
        const size_t nText = dictionary::FindByte(chunk.data(), nRead, '\x1A');
        if (nText > 0)
            last = chunk[nText - 1];
        scratch.Write(chunk.data(), nText);
        if (nText < nRead) {
            nMark = nDone + nText;
            break;
        }
        nDone += nRead;
    }
    if (nMark == plan.nKeep) {
        scratch.Write(plan.pszLineEnd, std::strlen(plan.pszLineEnd));
        scratch.Write(text.data(), text.size());
    } else {
        if (last != '\n')
            scratch.Write("\r\n", 2);
        scratch.Write(text.data(), text.size());
        file.Seek(static_cast<LONGLONG>(nMark), CFile::begin);
        for (;;) {
            const UINT nRead = file.Read(chunk.data(), static_cast<UINT>(chunk.size()));
            if (nRead == 0)
                break;
            scratch.Write(chunk.data(), nRead);
        }
    }
    scratch.Replace(file, dictionaryPath);
}

void AppendInPlace(CFile& file, const std::string& text) {
    const ULONGLONG nOriginal = file.GetLength();
    const AppendPlan plan = PlanAppend(file);
    // One write, starting on a trailing 0x1A if there is one: a process
    // killed meanwhile leaves the file as it was or with the whole text.
    const std::string bytes = plan.pszLineEnd + text;
    try {
        file.Seek(static_cast<LONGLONG>(plan.nKeep), CFile::begin);
        file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
        file.Flush();
    } catch (CException*) {
        // A write that stopped part-way (a full disk) must not leave a
        // half line: the file is cut back to its old end.
        try {
            file.SetLength(plan.nKeep);
            if (nOriginal > plan.nKeep)
                file.Write("\x1A", 1);
        } catch (CException* e) {
            e->Delete();
        }
        throw;
    }
}

COutcome AppendEntry(const CFilePath& dictionaryPath, const CString& strWord, const CString& strTranslations,
                     bool bBeforeEndMark) {
    CFile file;
    if (!OpenDictionary(file, dictionaryPath))
        return COutcome::Failure(kCannotOpenForAddition);
    return AfxTryOutcome([&] {
        const std::string line = dictionary::MakeLine(strWord.Str(), strTranslations.Str()) + "\r\n";
        if (bBeforeEndMark) {
            AppendThroughScratch(file, dictionaryPath, line);
        } else {
            AppendInPlace(file, line);
            file.Close();
        }
    });
}

COutcome ReplaceEntry(const CFilePath& dictionaryPath, const CFilePath& tempPath, const CString& strWord,
                      const CString& strTranslations) {
    return RewriteDictionary(dictionaryPath, tempPath, strWord,
                             dictionary::EntryRewriter::Modify(
                                 strWord.Str(), dictionary::MakeLine(strWord.Str(), strTranslations.Str())),
                             true, kCannotOpenForModification);
}

COutcome RemoveEntry(const CFilePath& dictionaryPath, const CFilePath& tempPath, const CString& strWord) {
    return RewriteDictionary(dictionaryPath, tempPath, strWord,
                             dictionary::EntryRewriter::Delete(strWord.Str()), false, kCannotOpenForDeletion);
}
