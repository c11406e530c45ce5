#include "RandomDictionary.h"

#include "dictionary/FileRewriter.h"

#include <gtest/gtest.h>

#include <string>

using namespace dictionary;

namespace {

// The rewrite line by line: the file cut into lines, each passed through
// the rewriter on its own.
std::string LineByLine(EntryRewriter rewriter, const std::string& bytes) {
    std::string out;
    LineSplitter splitter;
    auto rewrite = [&](std::string_view line) { rewriter.Rewrite(line, out); };
    splitter.Feed(bytes.data(), bytes.size(), rewrite);
    splitter.Finish(rewrite);
    return out;
}

// The rewrite of the file read in pieces of random sizes.
std::string InPieces(EntryRewriter rewriter, const std::string& bytes, RandomDictionary& random) {
    FileRewriter fileRewriter(std::move(rewriter));
    std::string out;
    for (size_t at = 0; at < bytes.size();) {
        const size_t piece = std::min(bytes.size() - at, 1 + random.Below(random.Below(4) == 0 ? 8 : 400));
        out += fileRewriter.Feed(bytes.data() + at, piece);
        at += piece;
    }
    out += fileRewriter.Finish();
    return out;
}

EntryRewriter MakeRewriter(const std::string& word, bool bModify) {
    return bModify ? EntryRewriter::Modify(word, MakeLine(word, "nou|alt")) : EntryRewriter::Delete(word);
}

}  // namespace

TEST(FileRewriter, WritesWhatTheLineByLineRewriteWrites) {
    RandomDictionary random(41);
    // Line ends in every arrangement: runs of CR before LF, lone CRs,
    // colons, lines that begin with the word or only almost.
    const char kBytes[] = "ab:\r\r\r\n\n";
    const char* const kWords[] = {"a", "ab", "b", "a\rb", "", "a:b", "a\nb"};
    for (int n = 0; n < 3000; ++n) {
        std::string bytes;
        for (size_t size = random.Below(300); bytes.size() < size;)
            bytes += kBytes[random.Below(sizeof(kBytes) - 1)];
        const std::string word = kWords[random.Below(sizeof(kWords) / sizeof(kWords[0]))];
        const bool bModify = n % 2 == 0;
        ASSERT_EQ(LineByLine(MakeRewriter(word, bModify), bytes),
                  InPieces(MakeRewriter(word, bModify), bytes, random))
            << (bModify ? "modify " : "delete ") << word << " in file " << n;
    }
}

TEST(FileRewriter, WritesWhatTheLineByLineRewriteWritesForDictionaries) {
    RandomDictionary random(42);
    for (int n = 0; n < 400; ++n) {
        const std::string bytes = random.File(random.Below(120), n % 3 == 0);
        // A head word of the file, mostly; sometimes another word.
        std::string word = random.Word(60);
        const size_t colon = bytes.find(':', random.Below(bytes.size() + 1));
        if (colon != std::string::npos && n % 4 != 0) {
            const size_t start = bytes.rfind('\n', colon);
            word = bytes.substr(start == std::string::npos ? 0 : start + 1,
                                colon - (start == std::string::npos ? 0 : start + 1));
        }
        const bool bModify = n % 2 == 0;
        ASSERT_EQ(LineByLine(MakeRewriter(word, bModify), bytes),
                  InPieces(MakeRewriter(word, bModify), bytes, random))
            << (bModify ? "modify " : "delete ") << word << " in file " << n;
    }
}
