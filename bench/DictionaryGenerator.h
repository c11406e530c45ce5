// Generated dictionaries for the benchmarks: head words of 2 to 20 letters,
// Romanian letters in Windows-1250, some capitals, about 5 % head words
// repeated, one to four translations per line.
#pragma once

#include "framework/Array.h"

#include <cstdint>
#include <string>
#include <vector>

class DictionaryGenerator {
public:
    explicit DictionaryGenerator(uint32_t seed = 12345) : m_state(seed) {}

    std::string Word();
    std::vector<std::string> Lines(size_t count);
    // The lines joined with CR LF, as a dictionary file holds them.
    static std::string FileBytes(const std::vector<std::string>& lines);
    // An update as the maker would publish one for a dictionary of these
    // lines: count downloaded lines, every other one a line of the
    // dictionary (some with a capital first letter) given one more
    // translation, the rest new.
    static CStringArray MakeUpdate(const std::vector<std::string>& dictionaryLines, size_t count,
                                   uint32_t seed);

private:
    uint32_t Next();

    uint32_t m_state;
};
