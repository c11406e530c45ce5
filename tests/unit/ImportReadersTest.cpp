// The readers of other programs' dictionaries: markup made into
// translations, StarDict dictionaries built in memory read back (and
// damaged ones refused), and tab-separated text in either encoding.
#include "bench/StarDictWriter.h"
#include "dictionary/MarkupText.h"
#include "dictionary/StarDict.h"
#include "dictionary/TabText.h"
#include "framework/CodePage.h"

#include <gtest/gtest.h>

using namespace dictionary;

namespace {

using Strings = std::vector<std::string>;

// Entries one a line, each written as "word: one | two".
std::string Show(const std::vector<ImportEntry>& entries) {
    std::string text;
    for (const ImportEntry& entry : entries) {
        text += entry.word + ":";
        for (size_t i = 0; i < entry.translations.size(); ++i)
            text += (i == 0 ? " " : " | ") + entry.translations[i];
        text += "\n";
    }
    return text;
}

Strings FromMarkup(std::string_view data, char type) {
    ImportEntry entry;
    AddTranslationsFromMarkup(data, type, entry);
    return entry.translations;
}

TEST(ImportReaders, MarkupBecomesCleanTranslations) {
    struct {
        char type;
        const char* data;
        Strings expected;
    } const kCases[] = {
        // clang-format off
        {'h', "<i>n.</i> cas\xC4\x83<br>loc; m\xC4\x83r<BR/>\n<p>c\xC4\x83min</p>",
         {"n. cas\xC4\x83", "loc", "m\xC4\x83r", "c\xC4\x83min"}},
        {'h', "<ul><li>a &amp;&#160;&#xA0; b</li><li>&lt;x&gt; &quot;q&quot;&nbsp;&apos;s&#39;&#x219;&#537;</li></ul>",
         {"a & b", "<x> \"q\" 's'\xC8\x99\xC8\x99"}},
        {'h', "a&#59;b; x < y & z &c.; &#0;&#xD800;", {"a;b", "x < y & z &c."}},
        {'h', "<style>p { color: red }</style>one<!-- two; three --><div class='a>b'>four</div>", {"one", "four"}},
        {'x', "<k>house</k>\n<tr>ha\xCA\x8As</tr>\n<def>cas\xC4\x83</def><def><abr>fig.</abr> c\xC4\x83min</def>",
         {"[ha\xCA\x8As]", "cas\xC4\x83", "fig. c\xC4\x83min"}},
        {'g', "<span foreground=\"red\">ro\xC8\x99u</span>\n<big>mare</big>", {"ro\xC8\x99u", "mare"}},
        {'m', "unu\ndoi; trei\r\n unu ;;", {"unu", "doi", "trei"}},
        {'m', "see: house | home", {"see - house / home"}},
        {'l', "a\x01z\xFF\tx\xC2\x85", {"az x"}},
        {'t', " [ha\xCA\x8As] ", {"[ha\xCA\x8As]"}},
        {'W', "binary; data", {}},
        {'h', "<i>noun</i><br><ol><li>name</li><li>noun; book</li></ol><i>Verb.</i><ol><li>to name</li></ol>",
         {"name (n.)", "noun (n.)", "book (n.)", "to name (v.)"}},
        {'h', "<b>name</b><br>A village<br>adj", {"A village (name)", "adj (name)"}},
        {'x', "<k>w</k><i>adj</i><def>walking</def>", {"walking (adj.)"}},
        {'h', "walking<br>adj<br>colloquial", {"walking", "adj", "colloquial"}},
        {'m', "noun\nbook", {"noun", "book"}},
        // clang-format on
    };
    for (const auto& c : kCases)
        EXPECT_EQ(c.expected, FromMarkup(c.data, c.type)) << c.type << " " << c.data;
}

TEST(ImportReaders, LongAndManyTranslationsAreCapped) {
    std::string letters, words, many;
    for (int i = 0; i < 150; ++i)
        letters += "\xC4\x83";  // ă, two bytes
    for (int i = 0; i < 60; ++i)
        words += "word" + std::to_string(i) + " ";
    for (int i = 0; i < 30; ++i)
        many += "t" + std::to_string(i) + ";";

    const std::string cutLetters = CleanTranslation(letters);
    EXPECT_EQ(letters.substr(0, kMaxTranslationBytes), cutLetters);
    const std::string cutWords = CleanTranslation(words);
    EXPECT_LE(cutWords.size(), kMaxTranslationBytes);
    EXPECT_GT(cutWords.size(), kMaxTranslationBytes - 10);
    EXPECT_EQ(words.substr(0, cutWords.size() + 1), cutWords + " ");  // cut before a blank

    const Strings translations = FromMarkup(many, 'm');
    ASSERT_EQ(kMaxTranslations, translations.size());
    EXPECT_EQ("t19", translations.back());
}

TEST(ImportReaders, StarDictReadsBackWhatWasWritten) {
    struct {
        int offsetBits;
        const char* sametypesequence;
        std::vector<StarDictItem> items;
        Strings expected;
    } const kCases[] = {
        // clang-format off
        {32, "", {{'m', "cas\xC4\x83; loc"}, {'W', std::string("\0\1\2", 3)}, {'h', "<li>a</li><li>b</li>"}},
         {"cas\xC4\x83", "loc", "a", "b"}},
        {64, "", {{'t', "ha\xCA\x8As"}, {'x', "<k>w</k><def>x</def>"}, {'P', "png"}}, {"[ha\xCA\x8As]", "x"}},
        {32, "tm", {{'t', "ha\xCA\x8As"}, {'m', "cas\xC4\x83\nloc"}}, {"[ha\xCA\x8As]", "cas\xC4\x83", "loc"}},
        {64, "Wh", {{'W', "wav"}, {'h', "a<br>b"}}, {"a", "b"}},
        {32, "g", {{'g', "<b>a</b>;b"}}, {"a", "b"}},
        // clang-format on
    };
    for (const auto& c : kCases) {
        StarDictWriter writer(c.offsetBits, c.sametypesequence);
        writer.Add("  ice \t cream ", c.items);
        writer.Add("nothing", {});  // no translation: left out
        writer.Add("house", c.items);
        StarDictInfo info;
        std::string error, dict;
        ASSERT_TRUE(ParseStarDictInfo(WriteIfo(writer.Info()), info, error)) << error;
        EXPECT_EQ(c.offsetBits, info.idxoffsetbits);
        EXPECT_EQ(c.sametypesequence, info.sametypesequence);
        ASSERT_TRUE(Gunzip(Gzip(writer.Dict(), 7), dict, error)) << error;  // several members
        EXPECT_EQ(writer.Dict(), dict);

        std::vector<ImportEntry> entries(1);
        std::vector<std::pair<size_t, size_t>> progress;
        ASSERT_TRUE(ReadStarDict(info, writer.Idx(), dict, entries, error, [&](size_t done, size_t total) {
            progress.emplace_back(done, total);
        })) << error;
        ASSERT_EQ(3u, entries.size()) << Show(entries);  // appended to what was there
        EXPECT_EQ("ice cream", entries[1].word);
        EXPECT_EQ(c.expected, entries[1].translations);
        EXPECT_EQ("house", entries[2].word);
        EXPECT_EQ(std::make_pair(size_t{3}, size_t{3}), progress.back());
    }
}

TEST(ImportReaders, DamagedStarDictIsRefusedWithAMessage) {
    StarDictWriter writer;
    writer.Add("one", {{'m', "unu"}});
    writer.Add("two", {{'m', "doi"}});
    const StarDictInfo good = writer.Info();
    const std::string ifo = WriteIfo(good);
    struct Files {
        std::string ifo, idx, dict;
        StarDictInfo info;
    };
    struct {
        const char* what;
        void (*damage)(Files&);
        const char* message;  // a part of it
    } const kCases[] = {
        // clang-format off
        {"empty .ifo", [](Files& f) { f.ifo.clear(); }, "StarDict's dict ifo file"},
        {"garbage .ifo", [](Files& f) { f.ifo = "\x89PNG\r\n"; }, "StarDict's dict ifo file"},
        {"unknown version", [](Files& f) { f.ifo.replace(f.ifo.find("2.4.2"), 5, "1.0"); }, "version"},
        {"no wordcount", [](Files& f) { f.ifo.replace(f.ifo.find("wordcount="), 10, "words="); }, "wordcount"},
        {"bad idxfilesize", [](Files& f) { f.ifo.replace(f.ifo.find("idxfilesize=") + 12, 0, "x"); }, "idxfilesize"},
        {"64 bits in 2.4.2", [](Files& f) { f.ifo += "idxoffsetbits=64\n"; }, "idxoffsetbits"},
        {"entry beyond .dict", [](Files& f) { f.dict.pop_back(); }, "beyond the end of the .dict"},
        {"wrong idxfilesize", [](Files& f) { f.info.idxfilesize++; }, "24 bytes long, not the 25 its .ifo names"},
        {"wrong wordcount", [](Files& f) { f.info.wordcount = 3; }, "The .idx file holds 2 words, not the 3 its .ifo names."},
        {"word without NUL", [](Files& f) { f.idx = "one"; }, "NUL"},
        {"entry cut short", [](Files& f) { f.idx.pop_back(); }, "ends inside"},
        {"word not UTF-8", [](Files& f) { f.idx[0] = '\xC3'; }, "UTF-8"},
        {"empty files", [](Files& f) { f.idx = f.dict = ""; }, "holds 0 words"},
        {"item of no type", [](Files& f) { f.dict[0] = '\0'; }, "damaged"},
        // clang-format on
    };
    for (const auto& c : kCases) {
        Files files{ifo, writer.Idx(), writer.Dict(), good};
        c.damage(files);
        if (files.idx.size() != writer.Idx().size())
            files.info.idxfilesize = files.idx.size();  // the .idx itself damaged
        StarDictInfo info;
        std::string error;
        std::vector<ImportEntry> entries;
        bool bRead = ParseStarDictInfo(files.ifo, info, error);
        if (bRead)
            bRead = ReadStarDict(files.info, files.idx, files.dict, entries, error);
        EXPECT_FALSE(bRead) << c.what;
        EXPECT_NE(std::string::npos, error.find(c.message)) << c.what << ": " << error;
        EXPECT_TRUE(entries.empty()) << c.what;
    }
}

TEST(ImportReaders, GunzipRefusesWhatIsNotWholeGzip) {
    const std::string compressed = Gzip("some text to compress, some text to compress");
    std::string badCheck = compressed;
    badCheck[badCheck.size() - 6] ^= 1;  // in the CRC
    const struct {
        std::string bytes;
        const char* message;
    } kCases[] = {
        {"", "not gzip"},
        {"plain text", "not gzip"},
        {compressed.substr(0, compressed.size() - 5), "cut short"},
        {compressed + "garbage", "not gzip"},
        {badCheck, "damaged"},
    };
    for (const auto& c : kCases) {
        std::string out, error;
        EXPECT_FALSE(Gunzip(c.bytes, out, error)) << c.bytes.size();
        EXPECT_NE(std::string::npos, error.find(c.message)) << error;
        EXPECT_TRUE(out.empty());
    }
}

TEST(ImportReaders, TabTextInEitherEncoding) {
    struct {
        const char* bytes;
        const char* expected;
        size_t nSkipped;
    } const kCases[] = {
        {"\xEF\xBB\xBFhouse\tcas\xC4\x83;c\xC4\x83min\r\nmouse\t\xC8\x99oarece",
         "house: cas\xC4\x83 | c\xC4\x83min\nmouse: \xC8\x99oarece\n", 0},
        {"# a comment\n  big   house \t\xC3\xAEn cas\xC4\x83 | a: b\n\nno tab\n\tno word\nempty\t ; |\n",
         "big house: \xC3\xAEn cas\xC4\x83 | a - b\n", 3},
        {"mouse\t\xBAoarece|\xFEip\xE3t\r\nw:x\ty\r\n",
         "mouse: \xC5\x9Foarece | \xC5\xA3ip\xC4\x83t\nw:x: y\n", 0},
        {"", "", 0},
    };
    for (const auto& c : kCases) {
        std::vector<ImportEntry> entries;
        size_t nSkipped = 99;
        ReadTabText(c.bytes, entries, &nSkipped);
        EXPECT_EQ(c.expected, Show(entries)) << c.bytes;
        EXPECT_EQ(c.nSkipped, nSkipped) << c.bytes;
    }
}

}  // namespace
