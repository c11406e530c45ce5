// English forms: each rule and the irregular table against a dictionary
// that holds the head word and, where a rule guesses, its look-alikes.
#include "dictionary/EnglishForms.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

using dictionary::EnglishForms;

TEST(EnglishForms, CandidatesAreHeadWordsLikeliestFirst) {
    const std::set<std::string> kHeadWords = {
        "go",   "buy",  "write", "child", "mouse", "tooth", "study", "knife", "wolf", "box",  "house",
        "stop", "make", "hope",  "hop",   "big",   "happy", "late",  "tie",   "lie",  "walk", "leave",
        "leaf", "fall", "agree", "bus",   "good",  "bet",   "fly",   "run",   "use",  "us"};
    // "text>candidates, likeliest first"
    // clang-format off
    const char* const kCases[] = {
        "went>go", "Bought>buy", "written>write", "CHILDREN>child", "mice>mouse", "teeth>tooth",
        "studies>study", "studied>study", "knives>knife", "wolves>wolf", "boxes>box", "houses>house",
        "buses>bus", "goes>go", "flies>fly", "ties>tie", "stopped>stop", "stopping>stop", "making>make",
        "hoping>hope,hop", "hopped>hop", "running>run", "walked>walk", "lying>lie", "agreed>agree",
        "falling>fall", "used>use,us", "bigger>big", "biggest>big", "happier>happy", "happiest>happy",
        "later>late", "better>good,bet", "leaves>leave,leaf", "walk>", "walking>walk", "xyzzies>", ">"};
    // clang-format on
    for (const std::string row : kCases) {
        const std::string text = row.substr(0, row.find('>'));
        std::vector<std::string> expected;
        std::stringstream rest(row.substr(row.find('>') + 1));
        for (std::string word; std::getline(rest, word, ',');)
            expected.push_back(word);
        int nCalls = 0;
        const auto found = EnglishForms::Candidates(text, [&](std::string_view word) {
            ++nCalls;
            return kHeadWords.count(std::string(word)) > 0;
        });
        EXPECT_EQ(expected, found) << text;
        EXPECT_LE(nCalls, 12) << text;
    }
}
