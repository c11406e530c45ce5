#include "dictionary/DictionaryImport.h"

#include "dictionary/DictionaryFormat.h"
#include "dictionary/DictionaryLoad.h"
#include "dictionary/DictionaryMerge.h"
#include "dictionary/DownloadCheck.h"
#include "dictionary/FormsFile.h"
#include "dictionary/ImportEntry.h"
#include "dictionary/StarDict.h"
#include "dictionary/TabText.h"
#include "dictionary/UpdateMerge.h"
#include "framework/CodePage.h"
#include "framework/Exception.h"
#include "framework/File.h"

#include <algorithm>
#include <cwctype>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace {

// Thrown from a progress report once the import is given up, so that a
// long read ends at once.
struct ImportCancelled {};

// Tab-separated text is read this much at a time, between progress reports.
const size_t kTabTextPiece = 4 * 1024 * 1024;

// Larger files are refused rather than read into memory.
const ULONGLONG kMaxSourceSize = 1024ull * 1024 * 1024;

bool EndsWith(const std::wstring& text, const wchar_t* pszEnd) {
    const std::wstring end(pszEnd);
    if (text.size() < end.size())
        return false;
    return std::equal(end.begin(), end.end(), text.end() - static_cast<std::ptrdiff_t>(end.size()),
                      [](wchar_t a, wchar_t b) { return std::towlower(a) == std::towlower(b); });
}

// The name without its folder, for messages.
CString NameOf(const CFilePath& path) {
    const std::wstring& wide = path.Wide();
    const size_t slash = wide.find_last_of(L"\\/");
    return CFilePath(slash == std::wstring::npos ? wide : wide.substr(slash + 1)).ForDisplay();
}

// Reads a whole file. A failure, with the reason, when it does not open, is
// too large or cannot be read.
COutcome ReadSource(const CFilePath& path, std::string& bytes) {
    CFile file;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyWrite | CFile::typeBinary))
        return COutcome::Failure("Can not open " + NameOf(path));
    if (file.GetLength() > kMaxSourceSize)
        return COutcome::Failure(NameOf(path) + " is larger than 1 GB");
    const COutcome read = ReadWholeFile(file, bytes);
    if (read.Failed())
        return COutcome::Failure(NameOf(path) + ": " + read.GetText());
    return read;
}

// The first of the sibling files that exists, or an empty path.
CFilePath FirstExisting(const std::wstring& base, std::initializer_list<LPCSTR> endings) {
    for (LPCSTR pszEnding : endings) {
        const CFilePath path = CFilePath(base) + pszEnding;
        if (::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES)
            return path;
    }
    return CFilePath();
}

// A reader's message (UTF-8) as the status bar's text.
CString MessageText(const std::string& utf8) {
    std::string text;
    codepage::FromUtf8(utf8, text);  // up to a character the code page lacks
    return CString(text);
}

// A reader's failure in the file at path.
COutcome ReadingFailure(const CFilePath& path, const std::string& error) {
    return COutcome::Failure(NameOf(path) + ": " + MessageText(error));
}

COutcome Gunzipped(const CFilePath& path, std::string& bytes) {
    std::string inflated;
    std::string error;
    if (!dictionary::Gunzip(bytes, inflated, error))
        return ReadingFailure(path, error);
    bytes.swap(inflated);
    return COutcome();
}

// Reads a StarDict dictionary whose .ifo is source, with its forms when it
// has a .syn (bForms).
COutcome ReadStarDictFiles(const CFilePath& source, std::vector<dictionary::ImportEntry>& entries,
                           std::vector<dictionary::StarDictForm>& forms, bool& bForms,
                           const ImportProgress& onProgress) {
    std::string ifo;
    COutcome outcome = ReadSource(source, ifo);
    if (outcome.Failed())
        return outcome;
    dictionary::StarDictInfo info;
    std::string error;
    if (!dictionary::ParseStarDictInfo(ifo, info, error))
        return ReadingFailure(source, error);
    const std::wstring base = source.Wide().substr(0, source.Wide().size() - 4);
    const CFilePath idxPath = FirstExisting(base, {".idx", ".idx.gz"});
    const CFilePath dictPath = FirstExisting(base, {".dict", ".dict.dz"});
    if (idxPath.IsEmpty() || dictPath.IsEmpty())
        return COutcome::Failure("The " + CString(idxPath.IsEmpty() ? ".idx" : ".dict") + " file of " +
                                 NameOf(source) + " is missing");
    std::string idx;
    std::string dict;
    if ((outcome = ReadSource(idxPath, idx)).Failed() || (outcome = ReadSource(dictPath, dict)).Failed())
        return outcome;
    if (EndsWith(idxPath.Wide(), L".gz") && (outcome = Gunzipped(idxPath, idx)).Failed())
        return outcome;
    if (onProgress)
        onProgress(10);
    if (EndsWith(dictPath.Wide(), L".dz") && (outcome = Gunzipped(dictPath, dict)).Failed())
        return outcome;
    if (onProgress)
        onProgress(30);
    auto progress = [&onProgress](size_t nDone, size_t nTotal) {
        if (onProgress && nTotal > 0)
            onProgress(30 + static_cast<int>(40 * nDone / nTotal));
    };
    if (!dictionary::ReadStarDict(info, idx, dict, entries, error, progress))
        return ReadingFailure(source, error);
    const CFilePath synPath = FirstExisting(base, {".syn", ".syn.dz"});
    bForms = !synPath.IsEmpty();
    if (!bForms)
        return outcome;
    std::string syn;
    if ((outcome = ReadSource(synPath, syn)).Failed() ||
        (EndsWith(synPath.Wide(), L".dz") && (outcome = Gunzipped(synPath, syn)).Failed()))
        return outcome;
    if (!dictionary::ReadStarDictSyn(info, idx, syn, forms, error))
        return ReadingFailure(source, error);
    return outcome;
}

// The forms in Windows-1250 whose form and head word Tav can hold and whose
// head word is one of the lines'; the others counted in nSkipped.
std::vector<dictionary::WordForm> StorableForms(const std::vector<dictionary::StarDictForm>& read,
                                                const std::vector<std::string>& lines, size_t& nSkipped) {
    std::unordered_set<std::string_view> headWords(lines.size());
    for (const std::string& line : lines)
        headWords.insert(dictionary::HeadWord(line));
    std::vector<dictionary::WordForm> forms;
    forms.reserve(read.size());
    dictionary::WordForm form;
    for (const dictionary::StarDictForm& item : read) {
        if (codepage::FromUtf8(item.form, form.form) && codepage::FromUtf8(item.headWord, form.headWord) &&
            headWords.count(form.headWord) > 0)
            forms.push_back(form);
        else
            ++nSkipped;
    }
    return forms;
}

// The dictionary line of an entry, in Windows-1250; false when Tav cannot
// hold the entry: its head word has a letter Windows-1250 lacks or a
// character that would cut the line, or no translation is left.
bool EntryLine(const dictionary::ImportEntry& entry, std::string& line) {
    std::string word;
    if (!codepage::FromUtf8(entry.word, word) || word.empty() ||
        word.find_first_of(":|") != std::string::npos ||
        !std::all_of(word.begin(), word.end(), dictionary::IsReadableInLine))
        return false;
    line = word;
    line += ':';
    bool bAny = false;
    std::string translation;
    for (const std::string& text : entry.translations) {
        // A translation in another script is left out; the entry keeps the rest.
        if (!codepage::FromUtf8(text, translation) || translation.empty() ||
            translation.find('|') != std::string::npos ||
            !std::all_of(translation.begin(), translation.end(), dictionary::IsReadableInLine))
            continue;
        if (bAny)
            line += '|';
        line += translation;
        bAny = true;
    }
    return bAny;
}

// Entries one after another with the same head word (a word with several
// meanings) become one, their translations together.
void JoinRepeatedWords(std::vector<dictionary::ImportEntry>& entries) {
    size_t nOut = 0;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (nOut > 0 && entries[nOut - 1].word == entries[i].word) {
            for (const std::string& text : entries[i].translations)
                dictionary::AddTranslation(entries[nOut - 1], text);
        } else {
            if (nOut != i)
                entries[nOut] = std::move(entries[i]);
            ++nOut;
        }
    }
    entries.resize(nOut);
}

// The lines of a file in Tav's own format, judged as an update's download
// is: a page, or a line that is no dictionary line, refuses the file.
COutcome TavTextLines(const CFilePath& source, std::string& bytes, std::vector<std::string>& lines,
                      const ImportProgress& onProgress) {
    const size_t nEnd = bytes.find('\x1A');
    if (nEnd != std::string::npos)
        bytes.resize(nEnd);  // where a reader of the file stops
    bool bDictionary = !dictionary::StartsLikeMarkup(std::string_view(bytes).substr(0, 512));
    dictionary::UpdateLineSplitter splitter;
    auto add = [&](std::string_view line) {
        if (!dictionary::IsDictionaryLine(line))
            bDictionary = false;
        else
            lines.emplace_back(line);
    };
    // In pieces, reporting between them: a large file can be given up.
    for (size_t nStart = 0; nStart < bytes.size(); nStart += kTabTextPiece) {
        splitter.Feed(bytes.data() + nStart, std::min(kTabTextPiece, bytes.size() - nStart), add);
        if (onProgress)
            onProgress(static_cast<int>(70 * (nStart + 1) / bytes.size()));
    }
    splitter.Finish(add);
    if (!bDictionary)
        return COutcome::Failure(NameOf(source) + " is not a dictionary file");
    return COutcome();
}

// Reads tab-separated text a piece of whole lines at a time, reporting
// progress between the pieces. The encoding is decided for the whole file.
void ReadTabTextInPieces(std::string& bytes, std::vector<dictionary::ImportEntry>& entries, size_t& nSkipped,
                         const ImportProgress& onProgress) {
    const bool bBom = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0;
    if (!bBom && !codepage::IsValidUtf8(bytes))
        bytes = codepage::ToUtf8(bytes);
    const std::string_view text(bytes);
    size_t nStart = 0;
    while (nStart < text.size()) {
        size_t nEnd = text.find('\n', std::min(text.size(), nStart + kTabTextPiece));
        nEnd = nEnd == std::string_view::npos ? text.size() : nEnd + 1;
        dictionary::ReadTabText(text.substr(nStart, nEnd - nStart), entries, &nSkipped);
        nStart = nEnd;
        if (onProgress)
            onProgress(static_cast<int>(70 * nStart / text.size()));
    }
}

CString Plural(size_t nCount, LPCSTR pszOne, LPCSTR pszMany) {
    return CountText(nCount) + (nCount == 1 ? pszOne : pszMany);
}

CString Summary(const ImportResult& result) {
    CString strText = result.nImported > 0 ? "Imported " + Plural(result.nImported, " word", " words")
                                           : CString("No new words");
    if (result.nPresent > 0)
        strText += "; " + Plural(result.nPresent, " was already there", " were already there");
    if (result.nSkipped > 0)
        strText += "; " + CountText(result.nSkipped) + " skipped";
    if (result.bForms) {
        strText += result.nFormsAdded > 0 ? "; " + Plural(result.nFormsAdded, " new form", " new forms")
                                          : CString("; no new forms");
        if (result.nFormsSkipped > 0)
            strText += "; " + Plural(result.nFormsSkipped, " form skipped", " forms skipped");
    }
    return strText;
}

// Reads the entries of source as dictionary lines (Windows-1250). A
// failure, with the reason, when the file cannot be read or memory runs out.
COutcome ReadEntryLines(const CFilePath& source, const ImportProgress& onProgress,
                        std::vector<std::string>& lines, std::vector<dictionary::WordForm>& forms,
                        ImportResult& result) {
    return AfxTryOutcome([&] {
        const ImportKind kind = ImportKindOf(source);
        std::string bytes;
        if (kind == ImportKind::kTavText) {
            const COutcome read = ReadSource(source, bytes);
            return read.Failed() ? read : TavTextLines(source, bytes, lines, onProgress);
        }
        std::vector<dictionary::ImportEntry> entries;
        std::vector<dictionary::StarDictForm> read;
        const COutcome reading = kind == ImportKind::kStarDict
                                     ? ReadStarDictFiles(source, entries, read, result.bForms, onProgress)
                                     : ReadSource(source, bytes);
        if (reading.Failed())
            return reading;
        if (kind == ImportKind::kTabText)
            ReadTabTextInPieces(bytes, entries, result.nSkipped, onProgress);
        if (onProgress)
            onProgress(70);
        JoinRepeatedWords(entries);
        lines.reserve(entries.size());
        std::string line;
        for (size_t i = 0; i < entries.size(); ++i) {
            if (EntryLine(entries[i], line))
                lines.push_back(line);
            else
                ++result.nSkipped;
            if (onProgress && i % 65536 == 65535)
                onProgress(70 + static_cast<int>(10 * i / entries.size()));
        }
        forms = StorableForms(read, lines, result.nFormsSkipped);
        return COutcome();
    });
}

}  // namespace

ImportKind ImportKindOf(const CFilePath& source) {
    if (EndsWith(source.Wide(), L".ifo"))
        return ImportKind::kStarDict;
    if (EndsWith(source.Wide(), L".tmp"))
        return ImportKind::kTavText;
    return ImportKind::kTabText;
}

CString CountText(size_t nCount) {
    std::string digits = std::to_string(nCount);
    for (size_t i = digits.size(); i > 3; i -= 3)
        digits.insert(i - 3, ",");
    return CString(digits);
}

ImportResult ImportDictionary(const CFilePath& source, const CFilePath& dictionaryPath,
                              const ImportProgress& onProgress, const std::atomic<bool>& cancel) {
    ImportResult result;
    std::vector<std::string> lines;
    std::vector<dictionary::WordForm> forms;
    // Progress reports are where a long read notices that it was given up.
    const ImportProgress progress = [&onProgress, &cancel](int nPercent) {
        if (cancel)
            throw ImportCancelled();
        if (onProgress)
            onProgress(nPercent);
    };
    COutcome read;
    try {
        read = ReadEntryLines(source, progress, lines, forms, result);
    } catch (const ImportCancelled&) {
        lines.clear();
    }
    if (read.Failed()) {
        result.end = ImportOutcome(ImportEnd::kFailed, read.GetText());
        return result;
    }
    if (cancel) {
        result.end = ImportOutcome(ImportEnd::kCancelled, "The import was cancelled");
        return result;
    }
    if (lines.empty()) {
        result.end = ImportOutcome(ImportEnd::kFailed, NameOf(source) + " holds no words Tav can import");
        return result;
    }
    if (onProgress)
        onProgress(80);

    std::vector<std::string_view> views(lines.begin(), lines.end());
    MergeTally tally;
    const MergeResult merged = MergeLines(dictionaryPath, views, &tally, &cancel);
    switch (merged.GetKind()) {
        case MergeOutcome::kCannotOpen:
            result.end = ImportOutcome(ImportEnd::kFailed, kCannotOpenDatabase);
            return result;
        case MergeOutcome::kFailed:
            result.end = ImportOutcome(ImportEnd::kFailed, merged.GetText());
            return result;
        case MergeOutcome::kCancelled:
            result.end = ImportOutcome(ImportEnd::kCancelled, "The import was cancelled");
            return result;
        case MergeOutcome::kNothingNew:
        case MergeOutcome::kAppended:
            break;
    }
    // Once the entries are in, their forms follow, even if the import has
    // been given up meanwhile: forms of head words the dictionary lacks
    // would lead nowhere, head words without their forms are only harder
    // to find.
    result.nImported = tally.nAppended;
    result.nPresent = tally.nPresent;
    dictionary::FormsTally formsTally;
    const COutcome formsMerged =
        result.bForms ? MergeForms(FormsPathBeside(dictionaryPath), forms, formsTally) : COutcome();
    if (formsMerged.Failed()) {
        result.bForms = false;
        result.end =
            ImportOutcome(ImportEnd::kMerged,
                          Summary(result) + "; the word forms were not saved: " + formsMerged.GetText());
        return result;
    }
    result.nFormsAdded = formsTally.nAdded;
    result.nFormsSkipped += formsTally.nSkipped;
    if (onProgress)
        onProgress(100);
    result.end = ImportOutcome(ImportEnd::kMerged, Summary(result));
    return result;
}
