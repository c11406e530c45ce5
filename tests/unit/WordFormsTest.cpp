// Word forms: the forms file read for the lookup and merged by the import
// (the file's bytes), and an import with forms from a StarDict .syn to the
// dictionary and its forms file, or, from a damaged .syn, to neither.
#include "TempDir.h"
#include "bench/StarDictWriter.h"
#include "dictionary/DictionaryImport.h"
#include "dictionary/FormsFile.h"
#include "dictionary/StarDict.h"
#include "dictionary/TextFold.h"

#include <gtest/gtest.h>

using namespace dictionary;

namespace {

using Strings = std::vector<std::string>;

TEST(WordForms, HeadWordsOfAFormInFileOrderLetterCaseAside) {
    WordForms forms;
    forms.Assign(
        "casele:cas\xE3\r\nCASELE:cas\xE3\nmerg:merge\r\nmerg:merg\xE3\nbad line\n:x\ny:\n"
        "\xBAtiu:a \xBAti\nfoo:bar:baz",
        TextCaseFold());
    const struct {
        const char* text;
        Strings expected;
    } kCases[] = {
        {"casele", {"cas\xE3"}},
        {"Casele", {"cas\xE3"}},
        {"MERG", {"merge", "merg\xE3"}},
        {"\xAATIU", {"a \xBAti"}},
        {"foo", {"bar:baz"}},
        {"bad line", {}},
        {"cas", {}},
        {"y", {}},
        {"", {}},
    };
    for (const auto& c : kCases) {
        const std::vector<std::string_view> found = forms.HeadWordsOf(c.text);
        EXPECT_EQ(c.expected, Strings(found.begin(), found.end())) << c.text;
    }
}

TEST(WordForms, MergeKeepsTheFileAndAddsWhatItLacks) {
    const struct {
        const char* before;  // nullptr: no file
        std::vector<WordForm> forms;
        const char* after;  // nullptr: no file
        size_t nAdded, nSkipped;
    } kCases[] = {
        // clang-format off
        {nullptr, {{"casele", "cas\xE3"}, {"case", "cas\xE3"}}, "casele:cas\xE3\r\ncase:cas\xE3\r\n", 2, 0},
        {"casele:cas\xE3\n",
         {{"CASELE", "Cas\xE3"}, {"cas\xE3", "cas\xE3"}, {"Cas\xC3", "cas\xE3"},
          {"merg", "merge"}, {"merg", "merg\xE3"}, {"MERG", "merge"}},
         "casele:cas\xE3\nmerg:merge\r\nmerg:merg\xE3\r\n", 2, 0},
        {"a:b", {{"c", "d"}}, "a:b\r\nc:d\r\n", 1, 0},
        {"a:b\r\n", {{"x:y", "z"}, {"x", ""}, {"", "y"}, {"x", "a|b"}, {"x", "a:b"}, {"x\n", "y"}, {"x", "y\x1A"}},
         "a:b\r\n", 0, 7},
        {nullptr, {{"x", ""}}, nullptr, 0, 1},
        // clang-format on
    };
    for (const auto& c : kCases) {
        TempDir dir;
        const std::string path = dir.File("ro.forms");
        if (c.before)
            WriteBytes(path, c.before);
        FormsTally tally;
        const COutcome merged = MergeForms(CFilePath(path), c.forms, tally);
        EXPECT_TRUE(merged.Succeeded()) << static_cast<LPCSTR>(merged.GetText());
        EXPECT_EQ(c.after != nullptr, FileExists(path)) << c.after;
        if (c.after) {
            EXPECT_EQ(c.after, ReadBytes(path));
        }
        EXPECT_EQ(c.nAdded, tally.nAdded) << c.after;
        EXPECT_EQ(c.nSkipped, tally.nSkipped) << c.after;
        EXPECT_FALSE(FileExists(dir.File("temp.tmp")));
    }
}

TEST(WordForms, ImportAddsTheFormsOfTheEntriesItCanHoldOrNothing) {
    StarDictWriter writer;
    writer.Add("cas\xC4\x83", {{'m', "house"}});
    writer.Add("c\xC3\xA2ine", {{'m', "dog"}});
    writer.Add("\xD0\x96", {{'m', "zhe"}});  // Cyrillic: cannot be held
    writer.Add("gol", {});                   // no translation: not imported
    writer.AddSynonym("casele", 0);
    writer.AddSynonym("case", 0);  // in the forms file already
    writer.AddSynonym("c\xC3\xA2inii", 1);
    writer.AddSynonym("c\xC3\xA2ini\xC8\x99or", 1);  // comma-below s becomes the cedilla one
    writer.AddSynonym("c\xC3\xA2ine", 1);            // the head word itself
    writer.AddSynonym("\xD0\xB6", 1);
    writer.AddSynonym("x", 2);
    writer.AddSynonym("y", 3);
    writer.AddSynonym(" ", 0);  // blank: left out uncounted
    const std::string syn = writer.Syn();
    const std::string dictionaryBytes = "cas\xE3:house\r\n", formsBytes = "case:cas\xE3\r\n";
    const struct {
        std::string syn;
        std::string text;                  // after "dict.ifo: " when the import fails
        const char* dictionary = nullptr;  // nullptr: as it was
        const char* forms = nullptr;
    } kCases[] = {
        {syn, "Imported 1 word; 1 was already there; 1 skipped; 3 new forms; 3 forms skipped",
         "cas\xE3:house\r\nc\xE2ine:dog\r\n",
         "case:cas\xE3\r\ncasele:cas\xE3\r\nc\xE2inii:c\xE2ine\r\nc\xE2ini\xBAor:c\xE2ine\r\n"},
        {syn + std::string("z\0\0\0\0\4", 6),
         "The .syn file's form \"z\" belongs to entry 5 of the .idx file, which holds 4."},
        {syn + "z", "The .syn file's form 10 has no NUL at its end."},
        {syn.substr(0, syn.size() - 1), "The .syn file ends inside the entry of its form 9."},
        {syn.substr(0, syn.size() - 6), "The .syn file holds 8 forms, not the 9 its .ifo names."},
        {std::string("\xC3\0\0\0\0\0", 6), "The .syn file's form 1 is not valid UTF-8."},
    };
    for (const auto& c : kCases) {
        TempDir dir;
        WriteBytes(dir.File("dict.ifo"), WriteIfo(writer.Info()));
        WriteBytes(dir.File("dict.idx"), writer.Idx());
        WriteBytes(dir.File("dict.dict"), writer.Dict());
        WriteBytes(dir.File("dict.syn"), c.syn);
        WriteBytes(dir.File("ro.tmp"), dictionaryBytes);
        WriteBytes(dir.File("ro.forms"), formsBytes);
        const std::atomic<bool> cancel{false};
        const ImportResult result =
            ImportDictionary(CFilePath(dir.File("dict.ifo")), CFilePath(dir.File("ro.tmp")), {}, cancel);
        EXPECT_EQ(c.dictionary ? c.text : "dict.ifo: " + c.text, static_cast<LPCSTR>(result.end.GetText()));
        EXPECT_TRUE((c.dictionary ? ImportEnd::kMerged : ImportEnd::kFailed) == result.end.GetKind());
        EXPECT_EQ(c.dictionary ? c.dictionary : dictionaryBytes, ReadBytes(dir.File("ro.tmp")));
        EXPECT_EQ(c.forms ? c.forms : formsBytes, ReadBytes(dir.File("ro.forms")));
    }
}

}  // namespace
