// Random dictionaries that provoke the rules of the word list and the word
// box: a few stems in many letter cases (rows the list's comparison holds
// equal), Romanian letters of Windows-1250 in both cases, blanks, hyphens
// and apostrophes (which the collation weighs apart from letters), digits,
// repeated lines, lines without ":" or beginning with it, empty lines, CR
// LF and LF ends, and on request any byte at all.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

class RandomDictionary {
public:
    explicit RandomDictionary(uint32_t seed) : m_random(seed) {}

    // A number below n.
    size_t Below(size_t n) { return static_cast<size_t>(m_random() % n); }

    // A head word from nStems stems, letter case and endings at random;
    // bAnyByte: now and then any byte but ":" and line ends.
    std::string Word(size_t nStems, bool bAnyByte = false);
    // A dictionary file of about nLines lines. bAnyByte: any byte may turn
    // up anywhere, NUL, CR and 0x1A included.
    std::string File(size_t nLines, bool bAnyByte = false);
    // What a user might type to find one of rows: its beginning in another
    // letter case, a little more or less, or something else.
    std::string Typed(const std::vector<std::string>& rows);

private:
    std::mt19937 m_random;
};
