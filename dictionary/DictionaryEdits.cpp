#include "dictionary/DictionaryEdits.h"

#include "dictionary/DictionaryFormat.h"
#include "framework/File.h"

#include <new>
#include <string>
#include <vector>

const char kCannotOpenForAddition[] = "Can not open database for addition";
const char kCannotOpenForModification[] = "Can not open database for modification";
const char kCannotOpenForDeletion[] = "Can not open database for deletion";

namespace {

const UINT kChunkSize = 1024 * 1024;

// The status text of a failure: the exception's own text, as long as the
// status bar takes it.
CString TakeErrorText(CException* e) {
    char text[255] = {};
    e->GetErrorMessage(text, sizeof(text));
    e->Delete();
    return CString(text);
}

BOOL OpenDictionary(CFile& file, LPCSTR pszDictionary) {
    // Exclusive, and with write access even where only reading: an edit must
    // not work on a file that someone else has open or that it cannot change.
    return file.Open(pszDictionary, CFile::modeReadWrite | CFile::shareExclusive | CFile::typeBinary);
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
        CFile target(pszTemp, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive);
        std::vector<char> chunk(kChunkSize);
        std::string out;
        out.reserve(kChunkSize + kChunkSize / 4);
        dictionary::LineSplitter splitter;
        auto rewrite = [&](std::string_view line) { rewriter.Rewrite(line, out); };
        for (;;) {
            UINT nRead = source.Read(chunk.data(), kChunkSize);
            if (nRead == 0)
                break;
            splitter.Feed(chunk.data(), nRead, rewrite);
            if (out.size() >= kChunkSize) {
                target.Write(out.data(), static_cast<UINT>(out.size()));
                out.clear();
            }
        }
        splitter.Finish(rewrite);
        target.Write(out.data(), static_cast<UINT>(out.size()));
        target.Flush();
        target.Close();
        source.Close();
        if (!MoveFileExA(pszTemp, pszDictionary, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            AfxThrowLastFileError(pszDictionary);
    } catch (CException* e) {
        strError = TakeErrorText(e);
        return FALSE;
    } catch (const std::bad_alloc&) {
        CMemoryException e;
        strError = e.GetErrorText();
        return FALSE;
    }
    return TRUE;
}

}  // namespace

LPCSTR PrepareAppend(CFile& file) {
    ULONGLONG nLength = file.GetLength();
    char last = '\n';
    if (nLength > 0) {
        file.Seek(-1, CFile::end);
        file.Read(&last, 1);
        if (last == 0x1A) {
            // An old end-of-text mark would hide everything after it.
            file.SetLength(--nLength);
            last = '\n';
            if (nLength > 0) {
                file.Seek(-1, CFile::end);
                file.Read(&last, 1);
            }
        }
    }
    file.SeekToEnd();
    return last == '\n' ? "" : "\r\n";
}

BOOL AppendEntry(LPCSTR pszDictionary, const CString& strWord, const CString& strTranslations,
                 CString& strError) {
    CFile file;
    if (!OpenDictionary(file, pszDictionary)) {
        strError = kCannotOpenForAddition;
        return FALSE;
    }
    try {
        std::string text = PrepareAppend(file);
        text += dictionary::MakeLine(strWord.Str(), strTranslations.Str());
        text += "\r\n";
        file.Write(text.data(), static_cast<UINT>(text.size()));
        file.Close();
    } catch (CException* e) {
        strError = TakeErrorText(e);
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
