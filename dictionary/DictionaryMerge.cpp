#include "dictionary/DictionaryMerge.h"

#include "dictionary/DictionaryEdits.h"
#include "dictionary/DictionaryFormat.h"
#include "dictionary/TextFold.h"
#include "dictionary/UpdateMerge.h"
#include "framework/Exception.h"
#include "framework/File.h"

#include <cstring>

namespace {

const UINT kFileChunk = 1024 * 1024;

// Gives the merge the local file's lines as a text-mode reader sees them:
// lines end at LF (a CR before it belongs to the line end) and the text ends
// at the first 0x1A byte. Stops early once no head word of the new lines is
// left to look for.
void ReadLocalLines(CFile& file, dictionary::UpdateMerge& merge) {
    std::vector<char> chunk(kFileChunk);
    dictionary::LineSplitter splitter;
    auto add = [&merge](std::string_view line) { merge.AddLocalLine(line); };
    while (merge.Outstanding() > 0) {
        UINT nRead = file.Read(chunk.data(), kFileChunk);
        if (nRead == 0)
            break;
        const void* pStop = std::memchr(chunk.data(), 0x1A, nRead);
        if (pStop)
            nRead = static_cast<UINT>(static_cast<const char*>(pStop) - chunk.data());
        splitter.Feed(chunk.data(), nRead, add);
        if (pStop)
            break;
    }
    splitter.Finish(add);
}

}  // namespace

MergeResult MergeLines(const CFilePath& dictionaryPath, const std::vector<std::string_view>& lines,
                       MergeTally* pTally, const std::atomic<bool>* pCancel) {
    auto cancelled = [pCancel] { return pCancel && pCancel->load(); };
    CFile file;
    // Exclusive like every dictionary open; never created.
    if (!file.Open(dictionaryPath, CFile::modeReadWrite | CFile::shareExclusive | CFile::typeBinary))
        return MergeOutcome::kCannotOpen;
    return AfxTryOutcome(MergeOutcome::kFailed, [&]() -> MergeResult {
        dictionary::UpdateMerge merge(TextCaseFold());
        size_t nWithHeadWord = 0;
        for (std::string_view line : lines) {
            merge.AddDownloadedLine(line);
            if (!dictionary::HeadWord(line).empty())
                ++nWithHeadWord;
        }
        ReadLocalLines(file, merge);
        const std::vector<size_t> chosen = merge.Chosen();
        if (pTally) {
            pTally->nAppended = chosen.size();
            pTally->nPresent = nWithHeadWord - chosen.size();
        }
        std::string text;
        for (size_t nLine : chosen) {
            text += lines[nLine];
            text += "\r\n";
        }
        if (text.empty() || cancelled()) {
            file.Close();
            return text.empty() ? MergeOutcome::kNothingNew : MergeOutcome::kCancelled;
        }
        // The new lines may be many: through the scratch file, so that the
        // dictionary is never left with only part of them, or part of one.
        AppendThroughScratch(file, dictionaryPath, text);
        return MergeOutcome::kAppended;
    });
}

MergeResult MergeIntoDictionary(const CFilePath& dictionaryPath, const CStringArray& arrLines) {
    std::vector<std::string_view> lines;
    lines.reserve(static_cast<size_t>(arrLines.GetSize()));
    for (const CString& strLine : arrLines)
        lines.emplace_back(strLine.Str());
    return MergeLines(dictionaryPath, lines);
}
