#include "dictionary/DictionaryFormat.h"

#include <gtest/gtest.h>

using namespace dictionary;
using Parts = std::vector<std::string>;

namespace {

// Feeds bytes to a splitter in pieces of the given size.
Parts SplitLines(const std::string& bytes, size_t piece) {
    Parts lines;
    LineSplitter splitter;
    auto collect = [&](std::string_view line) { lines.emplace_back(line); };
    for (size_t i = 0; i < bytes.size(); i += piece)
        splitter.Feed(bytes.data() + i, std::min(piece, bytes.size() - i), collect);
    splitter.Finish(collect);
    return lines;
}

std::string RewriteAll(EntryRewriter rewriter, const Parts& lines) {
    std::string out;
    for (const std::string& line : lines)
        rewriter.Rewrite(line, out);
    return out;
}

}  // namespace

TEST(DictionaryFormat, MakeLineNeverCutsAnEntryInTwo) {
    EXPECT_EQ("house:casa|locuinta", MakeLine("house", "casa|locuinta"));
    EXPECT_EQ(":", MakeLine("", ""));
    EXPECT_EQ("a b:c  d", MakeLine("a\nb", "c\r\nd"));
    // A pasted end-of-text mark would hide the rest of the file from the
    // loader, and a NUL would cut the entry short wherever it is shown.
    EXPECT_EQ("a b:c d", MakeLine("a\x1A"
                                  "b",
                                  std::string("c\0d", 3)));
}

TEST(DictionaryFormat, LineSplitterKeepsEveryByteWhateverThePieces) {
    const char raw[] =
        "one\r\ntwo\n\nlone\rcr\r\nnul\0in\n\x1A"
        "after\r\nlast";
    const std::string bytes(raw, sizeof(raw) - 1);
    const Parts expected{"one",
                         "two",
                         "",
                         "lone\rcr",
                         std::string("nul\0in", 6),
                         "\x1A"
                         "after",
                         "last"};
    for (size_t piece : {1u, 2u, 3u, 5u, 64u})
        EXPECT_EQ(expected, SplitLines(bytes, piece)) << "piece " << piece;
    EXPECT_EQ((Parts{"x"}), SplitLines("x\n", 1));
    EXPECT_EQ((Parts{"", ""}), SplitLines("\n\r\n", 1));
    EXPECT_EQ(Parts{}, SplitLines("", 1));
}

TEST(DictionaryFormat, ModifyReplacesTheFirstEntryAndDropsTheOthers) {
    Parts lines{"bank:banca", "", "house:x", "house:y", "House:z", "house:w", "tail"};
    EXPECT_EQ("bank:banca\n\nhouse:casa\nHouse:z\ntail\n",
              RewriteAll(EntryRewriter::Modify("house", "house:casa"), lines));
    // A word that is not there leaves every line, with LF line ends.
    EXPECT_EQ("bank:banca\n\nhouse:x\nhouse:y\nHouse:z\nhouse:w\ntail\n",
              RewriteAll(EntryRewriter::Modify("gone", "gone:x"), lines));
    // Except a line that ends in CR: its CR must not read back as part of
    // the line end.
    EXPECT_EQ("a:1\r\r\nb:2\n\r\r\n", RewriteAll(EntryRewriter::Delete("gone"), {"a:1\r", "b:2", "\r"}));
}

TEST(DictionaryFormat, DeleteDropsExactlyTheMatchingEntries) {
    Parts lines{"house:x", "House:z", "", "houses:y", "house:w"};
    EXPECT_EQ("House:z\n\nhouses:y\n", RewriteAll(EntryRewriter::Delete("house"), lines));
    // The empty word matches lines without a head word, but empty lines
    // carry no entry and stay.
    Parts headless{"no colon", ":only translations", "", "a:b"};
    EXPECT_EQ("\na:b\n", RewriteAll(EntryRewriter::Delete(""), headless));
}
