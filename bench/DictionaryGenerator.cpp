#include "DictionaryGenerator.h"

namespace {

// Plain letters weighted like running text, then Romanian letters
// (ă â î ş ţ in Windows-1250).
const char kLetters[] = "eeeaaaiiinnrrttoouullsscdmpbgfvhzjkxyw\xE3\xE2\xEE\xBA\xFE";
const char kUpper[] = {'\xC3', '\xC2', '\xCE', '\xAA', '\xDE'};

}  // namespace

uint32_t DictionaryGenerator::Next() {
    // xorshift32: fast and the same on every platform.
    m_state ^= m_state << 13;
    m_state ^= m_state >> 17;
    m_state ^= m_state << 5;
    return m_state;
}

std::string DictionaryGenerator::Word() {
    size_t length = 2 + Next() % 19;
    std::string word;
    for (size_t i = 0; i < length; ++i)
        word += kLetters[Next() % (sizeof(kLetters) - 1)];
    if (Next() % 10 == 0) {
        // A capital first letter now and then, Romanian ones included.
        char& first = word[0];
        if (first >= 'a' && first <= 'z')
            first = static_cast<char>(first - 'a' + 'A');
        else
            first = kUpper[Next() % sizeof(kUpper)];
    }
    return word;
}

std::vector<std::string> DictionaryGenerator::Lines(size_t count) {
    std::vector<std::string> lines;
    lines.reserve(count);
    std::vector<std::string> heads;
    for (size_t i = 0; i < count; ++i) {
        std::string head = (!heads.empty() && Next() % 20 == 0) ? heads[Next() % heads.size()] : Word();
        heads.push_back(head);
        std::string line = head + ":" + Word();
        for (uint32_t extra = Next() % 4; extra > 0; --extra)
            line += "|" + Word();
        lines.push_back(std::move(line));
    }
    return lines;
}

std::string DictionaryGenerator::FileBytes(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

CStringArray DictionaryGenerator::MakeUpdate(const std::vector<std::string>& dictionaryLines, size_t count,
                                             uint32_t seed) {
    DictionaryGenerator generator(seed);
    std::vector<std::string> fresh = generator.Lines(count);
    CStringArray arrLines;
    for (size_t i = 0; i < count; ++i) {
        if (i % 2 == 0) {
            std::string line = dictionaryLines[(i * 7919) % dictionaryLines.size()];
            if (i % 4 == 0 && !line.empty() && line[0] >= 'a' && line[0] <= 'z')
                line[0] = static_cast<char>(line[0] - 'a' + 'A');
            arrLines.Add(CString(line + "|nou"));
        } else {
            arrLines.Add(CString(fresh[i]));
        }
    }
    return arrLines;
}
