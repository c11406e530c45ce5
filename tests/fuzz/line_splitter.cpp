// The two line splitters, fed the same bytes whole and in pieces of sizes
// the input chooses: a rewrite's (LF ends a line, a CR before it belongs to
// the line end) and a download's (LF ends a line, every CR is dropped).
// Input: one byte n (0-15), n piece sizes (1-256 each), then the bytes.
#include "FuzzCheck.h"

#include "dictionary/DictionaryFormat.h"
#include "dictionary/UpdateMerge.h"

using Lines = std::vector<std::string>;

namespace {

Lines RewriteReference(std::string_view bytes) {
    bool bLastOpen = false;
    Lines lines = PiecesBetweenLineFeeds(bytes, bLastOpen);
    for (size_t i = 0; i < lines.size(); ++i) {
        const bool bEndedByLineFeed = i + 1 < lines.size() || !bLastOpen;
        if (bEndedByLineFeed && !lines[i].empty() && lines[i].back() == '\r')
            lines[i].pop_back();
    }
    return lines;
}

Lines DownloadReference(std::string_view bytes) {
    bool bLastOpen = false;
    Lines lines = PiecesBetweenLineFeeds(bytes, bLastOpen);
    for (std::string& line : lines) {
        std::string kept;
        for (char c : line) {
            if (c != '\r')
                kept += c;
        }
        line = kept;
    }
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view input = AsText(data, size);
    if (input.empty())
        return 0;
    const size_t nPieces = std::min<size_t>(static_cast<uint8_t>(input[0]) % 16, input.size() - 1);
    std::vector<size_t> pieces;
    for (size_t i = 1; i <= nPieces; ++i)
        pieces.push_back(static_cast<uint8_t>(input[i]) + size_t(1));
    const std::string_view bytes = input.substr(1 + nPieces);

    const Lines rewriteLines = RewriteReference(bytes);
    FUZZ_CHECK(SplitLines<dictionary::LineSplitter>(bytes, {}) == rewriteLines);
    FUZZ_CHECK(SplitLines<dictionary::LineSplitter>(bytes, pieces) == rewriteLines);
    FUZZ_CHECK(SplitLines<dictionary::LineSplitter>(bytes, {1}) == rewriteLines);

    const Lines downloadLines = DownloadReference(bytes);
    FUZZ_CHECK(SplitLines<dictionary::UpdateLineSplitter>(bytes, {}) == downloadLines);
    FUZZ_CHECK(SplitLines<dictionary::UpdateLineSplitter>(bytes, pieces) == downloadLines);
    FUZZ_CHECK(SplitLines<dictionary::UpdateLineSplitter>(bytes, {1}) == downloadLines);
    return 0;
}
