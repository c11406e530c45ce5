// Importing a dictionary from a file of another kind into one of Tav's:
// a StarDict dictionary (its .ifo named; the .idx and the .dict or the
// compressed .dict.dz beside it), tab-separated text, or a file in Tav's own
// format. The new entries are merged as an update's are (DictionaryMerge.h):
// only head words the dictionary lacks, in one rewrite, the user's own
// entries untouched. A StarDict dictionary's word forms go to the forms file
// beside the dictionary.
#pragma once

#include "framework/FilePath.h"
#include "framework/Outcome.h"
#include "framework/String.h"

#include <atomic>
#include <cstddef>
#include <functional>

enum class ImportKind {
    kStarDict,  // .ifo
    kTavText,   // .tmp: Tav's own format
    kTabText,   // anything else: head word, tab, translations
};

// The kind of a source by its name's ending.
ImportKind ImportKindOf(const CFilePath& source);

enum class ImportEnd {
    kMerged,     // the dictionary file now holds the new entries (perhaps none were new)
    kCancelled,  // given up; the dictionary file is as it was
    kFailed,     // the source could not be read, or the dictionary not written
};
// How an import ended, with what the status bar says (Windows-1250).
using ImportOutcome = TOutcome<ImportEnd>;

struct ImportResult {
    ImportOutcome end = ImportEnd::kFailed;
    size_t nImported = 0;  // entries appended
    size_t nPresent = 0;   // entries whose head word the dictionary had already
    size_t nSkipped = 0;   // entries Tav cannot hold (a head word outside Windows-1250, ...)
    // Word forms, from a StarDict dictionary's .syn, merged into the forms
    // file beside the dictionary (FormsFile.h) once the entries are in.
    bool bForms = false;       // the source had forms
    size_t nFormsAdded = 0;    // pairs of form and head word the forms file lacked
    size_t nFormsSkipped = 0;  // forms Tav cannot hold, or of an entry it did not import
};

// Called now and then with how far the import is, 0 to 100.
using ImportProgress = std::function<void(int nPercent)>;

// Reads source and merges its new entries into the dictionary file. Setting
// cancel gives the import up; the dictionary file is then as it was.
ImportResult ImportDictionary(const CFilePath& source, const CFilePath& dictionaryPath,
                              const ImportProgress& onProgress, const std::atomic<bool>& cancel);

// "63,201": a count with thousands separated, as the status bar shows it.
CString CountText(size_t nCount);
