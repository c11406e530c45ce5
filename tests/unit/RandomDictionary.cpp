#include "RandomDictionary.h"

#include "framework/CodePage.h"
#include "framework/WideText.h"

#include <windows.h>

namespace {

// Letters in pairs of small and capital, the Romanian ones in Windows-1250.
const char kSmall[] = "abcdeimnorstz\xE3\xE2\xEE\xBA\xFE\x9A\xB9\xE8";
const char kCapital[] = "ABCDEIMNORSTZ\xC3\xC2\xCE\xAA\xDE\x8A\xA5\xC8";
// What stands between letters now and then.
const char kOthers[] = " -'.0123456789_";

}  // namespace

std::string RandomDictionary::Word(size_t nStems, bool bAnyByte) {
    // The same stem always has the same letters; only their case varies.
    std::mt19937 stem(static_cast<uint32_t>(1 + Below(nStems)));
    std::string word;
    for (size_t n = 1 + stem() % 7; n > 0; --n) {
        const size_t letter = stem() % (sizeof(kSmall) - 1);
        word += Below(3) == 0 ? kCapital[letter] : kSmall[letter];
        if (stem() % 9 == 0)
            word += kOthers[stem() % (sizeof(kOthers) - 1)];
    }
    if (Below(6) == 0)
        word += kSmall[Below(sizeof(kSmall) - 1)];
    if (bAnyByte && Below(8) == 0) {
        char c;
        do {
            c = static_cast<char>(Below(256));
        } while (c == ':' || c == '\n' || c == '\r');
        word.insert(Below(word.size() + 1), 1, c);
    }
    return word;
}

std::string RandomDictionary::File(size_t nLines, bool bAnyByte) {
    const size_t nStems = 1 + Below(nLines + 1);
    std::string bytes;
    std::vector<std::string> lines;
    for (size_t i = 0; i < nLines; ++i) {
        std::string line;
        switch (Below(20)) {
            case 0:
                line = "";  // carries no entry
                break;
            case 1:
                line = "no colon " + Word(nStems);
                break;
            case 2:
                line = ":" + Word(nStems);
                break;
            case 3:
                if (!lines.empty()) {
                    line = lines[Below(lines.size())];  // the same line again
                    break;
                }
                [[fallthrough]];
            default:
                line = Word(nStems, bAnyByte) + ":" + Word(nStems);
                for (size_t n = Below(4); n > 0; --n)
                    line += (Below(10) == 0 ? "||" : "|") + Word(nStems);
                break;
        }
        if (bAnyByte && Below(10) == 0)
            line.insert(Below(line.size() + 1), 1, "\r\x1A\0\x01\x81\xFF"[Below(6)]);
        lines.push_back(line);
        bytes += line;
        bytes += Below(4) == 0 ? "\n" : "\r\n";
    }
    if (!bytes.empty() && Below(3) == 0)
        bytes.pop_back();  // the last line without its line end, or a lone CR
    return bytes;
}

std::string RandomDictionary::Typed(const std::vector<std::string>& rows) {
    std::string text;
    if (rows.empty() || Below(8) == 0) {
        text = Word(1000);
    } else {
        text = rows[Below(rows.size())];
        text.resize(std::min(text.size(), 1 + Below(6)));
        if (Below(5) == 0)
            text += kSmall[Below(sizeof(kSmall) - 1)];
    }
    const bool bPlain = Below(4) == 0;  // typed without diacritics
    for (char& c : text) {
        if (bPlain)
            c = static_cast<char>(codepage::PlainLetter(static_cast<unsigned char>(c)));
        if (Below(3) == 0)
            c = static_cast<char>(UpperByte(static_cast<unsigned char>(c)));
        else if (Below(3) == 0)
            c = static_cast<char>(LowerByte(static_cast<unsigned char>(c)));
    }
    if (text.empty())
        text = "a";
    return text;
}
