// The rewrite decision of a modify or a delete, over a whole file: the
// matching entries are replaced or dropped, every other line is kept byte
// for byte and reads back as it was. Input: one byte (odd: modify, even:
// delete), the word up to a NUL, the translations up to a NUL, then the
// file's bytes.
#include "FuzzCheck.h"

#include "dictionary/DictionaryFormat.h"
#include "dictionary/FileRewriter.h"

using namespace dictionary;
using Lines = std::vector<std::string>;

namespace {

// In two pieces, as a file read in chunks may come.
Lines ReadLines(std::string_view bytes) {
    return SplitLines<LineSplitter>(bytes, {std::max<size_t>(1, (bytes.size() + 1) / 2)});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view input = AsText(data, size);
    if (input.empty())
        return 0;
    const bool bModify = static_cast<uint8_t>(input[0]) & 1;
    input.remove_prefix(1);
    const std::string word(TakeUntil(input, '\0'));
    const std::string translations(TakeUntil(input, '\0'));
    const std::string_view file = input;

    const std::string replacement = MakeLine(word, translations);
    auto makeRewriter = [&] {
        return bModify ? EntryRewriter::Modify(word, replacement) : EntryRewriter::Delete(word);
    };
    EntryRewriter rewriter = makeRewriter();
    const Lines lines = ReadLines(file);
    std::string out;
    for (const std::string& line : lines)
        rewriter.Rewrite(line, out);

    // The rewrite of a file writes into a buffer with room for the most a
    // line can take: it must never need more, and must write the same.
    EntryRewriter buffered = makeRewriter();
    std::string viaBuffer;
    for (const std::string& line : lines) {
        std::vector<char> room(buffered.MaxWritten(line));  // exactly that much, for the address checks
        const char* end = buffered.Rewrite(line, room.data());
        FUZZ_CHECK(end >= room.data() && end <= room.data() + room.size());
        viaBuffer.append(room.data(), static_cast<size_t>(end - room.data()));
    }
    FUZZ_CHECK(viaBuffer == out);

    // The rewrite of a file a block of lines at a time, read in two pieces,
    // must write the same too.
    FileRewriter fileRewriter(makeRewriter());
    const size_t half = file.size() / 2;
    std::string viaBlocks(fileRewriter.Feed(file.data(), half));
    viaBlocks += fileRewriter.Feed(file.data() + half, file.size() - half);
    viaBlocks += fileRewriter.Finish();
    FUZZ_CHECK(viaBlocks == out);

    // What must come out, line by line.
    Lines expected;
    bool bReplaced = false;
    for (const std::string& line : lines) {
        if (line.empty() || HeadOf(line) != word) {
            expected.push_back(line);
        } else if (bModify && !bReplaced) {
            expected.push_back(replacement);
            bReplaced = true;
        }
    }
    // Every line written ends with a line end, and the file reads back as
    // exactly those lines.
    FUZZ_CHECK(out.empty() || out.back() == '\n');
    FUZZ_CHECK(ReadLines(out) == expected);
    // Rewriting again without a match changes nothing more.
    std::string again;
    EntryRewriter unchanged = EntryRewriter::Delete(word + ":never");
    for (const std::string& line : ReadLines(out))
        unchanged.Rewrite(line, again);
    FUZZ_CHECK(again == out);
    return 0;
}
