// The edits the crash-safety test has its worker make on a large
// dictionary, one after another: additions, changes, deletions and merges
// of update lines. A script is known by its seed, so the test can replay
// what the worker did.
#pragma once

#include <random>
#include <string>
#include <vector>

// The dictionary the test starts with holds the entries w0 ... w199999.
const int kBaseEntries = 200000;

struct Edit {
    enum Kind { kAdd, kModify, kDelete, kMerge };
    Kind kind = kAdd;
    std::string word;
    std::string translations;
    std::vector<std::string> lines;  // kMerge: the downloaded lines
};

class EditScript {
public:
    explicit EditScript(unsigned seed) : m_random(seed), m_strSeed(std::to_string(seed)) {}

    Edit Next() {
        Edit edit;
        const std::string strNumber = m_strSeed + "_" + std::to_string(m_nEdits++);
        edit.kind = static_cast<Edit::Kind>(m_random() % 4);
        switch (edit.kind) {
            case Edit::kAdd:
                edit.word = "a" + strNumber;
                edit.translations = "new|nou";
                break;
            case Edit::kModify:
                edit.word = "w" + std::to_string(m_random() % kBaseEntries);
                edit.translations = "changed " + strNumber;
                break;
            case Edit::kDelete:
                edit.word = "w" + std::to_string(m_random() % kBaseEntries);
                break;
            case Edit::kMerge:
                // Enough new lines to take many writes, and head words
                // present in other letter case.
                for (int j = 0; j < 3000; ++j) {
                    if (j % 3 == 0)
                        edit.lines.push_back("W" + std::to_string(m_random() % kBaseEntries) + ":upper");
                    else
                        edit.lines.push_back("m" + strNumber + "_" + std::to_string(j) + ":merged");
                }
                break;
        }
        return edit;
    }

private:
    std::mt19937 m_random;
    std::string m_strSeed;
    int m_nEdits = 0;
};
