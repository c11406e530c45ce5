// Merging new lines into a dictionary file: the update's downloads and the
// imports both go through here, with the same rules (see UpdateMerge.h for
// which lines are chosen). The file is opened exclusively and is the old one
// or the new one, never half: the new content takes its place in one step
// through the scratch file beside it.
#pragma once

#include "framework/Array.h"
#include "framework/FilePath.h"
#include "framework/Outcome.h"
#include "framework/String.h"

#include <atomic>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// How a merge ended.
enum class MergeOutcome {
    kCannotOpen,  // the file is missing or open elsewhere; nothing happened
    kFailed,      // a file error after the open; the result's text says which
    kNothingNew,  // every head word is present already; the file is unchanged
    kAppended,    // at least one line was appended
    kCancelled,   // given up before anything was written; the file is unchanged
};
using MergeResult = TOutcome<MergeOutcome>;

// What a merge did with the lines it was given.
struct MergeTally {
    size_t nAppended = 0;  // appended
    size_t nPresent = 0;   // their head word was there already (or came earlier among the lines)
};

// Appends to the dictionary file, in their order and each with a CR LF, the
// lines (Windows-1250) whose head word the file does not hold yet, ignoring
// letter case as the word box does. Lines without a head word are neither
// appended nor counted. The file must exist; it is never created. When
// pCancel is set before the new content is written, nothing is.
MergeResult MergeLines(const CFilePath& dictionaryPath, const std::vector<std::string_view>& lines,
                       MergeTally* pTally = nullptr, const std::atomic<bool>* pCancel = nullptr);
MergeResult MergeIntoDictionary(const CFilePath& dictionaryPath, const CStringArray& arrLines);
