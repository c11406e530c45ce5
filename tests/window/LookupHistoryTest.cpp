// The lookup history's rules on their own: each row gives what the user did
// and the history it must leave, the current entry in brackets.
#include "frame/LookupHistory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>

namespace {

// "word" looks it up in English - Romanian, "ro:word" in Romanian - English,
// "<" and ">" go back and forward.
void Apply(CLookupHistory& history, const std::string& steps) {
    std::istringstream in(steps);
    for (std::string step; in >> step;) {
        if (step == "<")
            history.GoBack();
        else if (step == ">")
            history.GoForward();
        else if (step.rfind("ro:", 0) == 0)
            history.Record(step.substr(3), Direction::kRomanianEnglish);
        else
            history.Record(step, Direction::kEnglishRomanian);
    }
}

// The entries oldest first, as the user would walk them.
std::string Describe(CLookupHistory history) {
    int nBack = 0;
    while (history.CanGoBack()) {
        history.GoBack();
        ++nBack;
    }
    std::string text;
    std::istringstream saved(history.Save());
    int i = 0;
    for (std::string line; std::getline(saved, line); ++i) {
        const std::string word = (line[0] == '1' ? "ro:" : "") + line.substr(2);
        text += (text.empty() ? "" : " ") + (i == nBack ? "[" + word + "]" : word);
    }
    return text;
}

}  // namespace

TEST(LookupHistory, WhatTheUserDidLeavesItsHistory) {
    const struct {
        const char* steps;
        const char* history;
    } kRows[] = {
        {"house bank", "house [bank]"},
        {"house house bank bank house", "house bank [house]"},  // only one after the other counts once
        {"mal ro:mal", "mal [ro:mal]"},                         // a word in each direction
        {"a b c < <", "[a] b c"},
        {"a b c < < >", "a [b] c"},
        {"a b c < < d", "a [d]"},  // a new lookup drops what lay forward
        {"a b c < b", "a [b] c"},  // the entry gone back to, shown long enough
    };
    for (const auto& row : kRows) {
        CLookupHistory history;
        Apply(history, row.steps);
        EXPECT_EQ(row.history, Describe(history)) << row.steps;
    }

    // The last hundred are kept.
    CLookupHistory history;
    for (int i = 0; i <= 100; ++i)
        history.Record("w" + std::to_string(i), Direction::kEnglishRomanian);
    const std::string saved = history.Save();
    EXPECT_EQ(100, std::count(saved.begin(), saved.end(), '\n'));
    EXPECT_EQ(0u, saved.rfind("0\tw1\n", 0)) << saved;

    // Of text someone else wrote, only lines as the history writes them count.
    history.Load("0\ta\n2\tb\nx\n1\tc\r\n0\t\n0\td\x01\n\n1\tc\n1\tc");
    EXPECT_EQ("a [ro:c]", Describe(history));
}
