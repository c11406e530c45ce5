#include "dictionary/DictionaryEdits.h"

#include "dictionary/DictionaryFormat.h"
#include "dictionary/DictionaryPaths.h"
#include "framework/File.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

const char kCannotOpenForAddition[] = "Can not open database for addition";
const char kCannotOpenForModification[] = "Can not open database for modification";
const char kCannotOpenForDeletion[] = "Can not open database for deletion";

namespace {

const UINT kChunkSize = 1024 * 1024;

BOOL OpenDictionary(CFile& file, LPCSTR pszDictionary) {
    // Exclusive, and with write access even where only reading: an edit must
    // not work on a file that someone else has open or that it cannot change.
    return file.Open(pszDictionary, CFile::modeReadWrite | CFile::shareExclusive | CFile::typeBinary);
}

// The scratch file of the folder a dictionary file is in.
CString ScratchPathBeside(LPCSTR pszDictionary) {
    CString strPath(pszDictionary);
    const int nSlash = std::max(strPath.ReverseFind('\\'), strPath.ReverseFind('/'));
    return strPath.Left(nSlash + 1) + kTempFileName;
}

// Where the new content of a dictionary file is written before it takes the
// dictionary's place. Until Replace has succeeded the dictionary file is as
// it was; a scratch file that never took its place is removed again, so
// that a write that failed on a full disk does not keep the space.
class CScratchFile {
public:
    // Creates (or truncates) the file; throws CFileException* when it cannot.
    explicit CScratchFile(LPCSTR pszPath)
        : m_strPath(pszPath), m_file(pszPath, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive) {}
    ~CScratchFile() {
        if (!m_bReplaced) {
            m_file.Abort();
            DeleteFileA(m_strPath);
        }
    }
    CScratchFile(const CScratchFile&) = delete;
    CScratchFile& operator=(const CScratchFile&) = delete;

    void Write(const void* pData, size_t nBytes) { m_file.Write(pData, static_cast<UINT>(nBytes)); }

    // Puts the written content on the disk, closes the dictionary file and
    // replaces it with the scratch file in one step.
    void Replace(CFile& dictionary, LPCSTR pszDictionary) {
        m_file.Flush();
        m_file.Close();
        dictionary.Close();
        if (!MoveFileExA(m_strPath, pszDictionary, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            AfxThrowLastFileError(pszDictionary);
        m_bReplaced = true;
    }

private:
    CString m_strPath;
    CFile m_file;
    bool m_bReplaced = false;
};

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
// puts the scratch file in the dictionary file's place.
BOOL RewriteDictionary(LPCSTR pszDictionary, LPCSTR pszTemp, dictionary::EntryRewriter rewriter,
                       LPCSTR pszOpenFailure, CString& strError) {
    CFile source;
    if (!OpenDictionary(source, pszDictionary)) {
        strError = pszOpenFailure;
        return FALSE;
    }
    try {
        CScratchFile target(pszTemp);
        std::vector<char> chunk(kChunkSize);
        // What goes to the scratch file, written out whenever the next line
        // might not fit.
        std::vector<char> out(kChunkSize);
        size_t nOut = 0;
        dictionary::LineSplitter splitter;
        auto rewrite = [&](std::string_view line) {
            const size_t nMost = rewriter.MaxWritten(line);
            if (out.size() - nOut < nMost) {
                target.Write(out.data(), nOut);
                nOut = 0;
                if (out.size() < nMost)
                    out.resize(nMost);
            }
            nOut = static_cast<size_t>(rewriter.Rewrite(line, out.data() + nOut) - out.data());
        };
        for (;;) {
            UINT nRead = source.Read(chunk.data(), kChunkSize);
            if (nRead == 0)
                break;
            splitter.Feed(chunk.data(), nRead, rewrite);
        }
        splitter.Finish(rewrite);
        target.Write(out.data(), nOut);
        target.Replace(source, pszDictionary);
    } catch (CException* e) {
        strError = AfxTakeErrorText(e);
        return FALSE;
    } catch (const std::bad_alloc&) {
        strError = AfxOutOfMemoryText();
        return FALSE;
    }
    return TRUE;
}

}  // namespace

LPCSTR PrepareAppend(CFile& file) {
    const AppendPlan plan = PlanAppend(file);
    if (plan.nKeep < file.GetLength())
        file.SetLength(plan.nKeep);
    file.SeekToEnd();
    return plan.pszLineEnd;
}

void AppendThroughScratch(CFile& file, LPCSTR pszDictionary, const std::string& text) {
    const AppendPlan plan = PlanAppend(file);
    CScratchFile scratch(ScratchPathBeside(pszDictionary));
    file.SeekToBegin();
    std::vector<char> chunk(static_cast<size_t>(std::min<ULONGLONG>(plan.nKeep, kChunkSize)) + 1);
    for (ULONGLONG nLeft = plan.nKeep; nLeft > 0;) {
        const UINT nRead = file.Read(chunk.data(), static_cast<UINT>(std::min<ULONGLONG>(nLeft, kChunkSize)));
        if (nRead == 0)
            break;
        scratch.Write(chunk.data(), nRead);
        nLeft -= nRead;
    }
    scratch.Write(plan.pszLineEnd, std::strlen(plan.pszLineEnd));
    scratch.Write(text.data(), text.size());
    scratch.Replace(file, pszDictionary);
}

BOOL AppendEntry(LPCSTR pszDictionary, const CString& strWord, const CString& strTranslations,
                 CString& strError) {
    CFile file;
    if (!OpenDictionary(file, pszDictionary)) {
        strError = kCannotOpenForAddition;
        return FALSE;
    }
    try {
        AppendThroughScratch(file, pszDictionary,
                             dictionary::MakeLine(strWord.Str(), strTranslations.Str()) + "\r\n");
    } catch (CException* e) {
        strError = AfxTakeErrorText(e);
        return FALSE;
    } catch (const std::bad_alloc&) {
        strError = AfxOutOfMemoryText();
        return FALSE;
    }
    return TRUE;
}

BOOL ReplaceEntry(LPCSTR pszDictionary, LPCSTR pszTemp, const CString& strWord,
                  const CString& strTranslations, CString& strError) {
    return RewriteDictionary(pszDictionary, pszTemp,
                             dictionary::EntryRewriter::Modify(
                                 strWord.Str(), dictionary::MakeLine(strWord.Str(), strTranslations.Str())),
                             kCannotOpenForModification, strError);
}

BOOL RemoveEntry(LPCSTR pszDictionary, LPCSTR pszTemp, const CString& strWord, CString& strError) {
    return RewriteDictionary(pszDictionary, pszTemp, dictionary::EntryRewriter::Delete(strWord.Str()),
                             kCannotOpenForDeletion, strError);
}
