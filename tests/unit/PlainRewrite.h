#pragma once

#include "dictionary/DictionaryFormat.h"

#include <string>

// A modify (bModify) or delete the plain way, in memory: the file cut at
// every LF, a CR before it belonging to the line end; the first line of the
// word replaced (modify) and its other lines dropped; every line written
// with an LF, after a doubled CR when it ends in one. A modify of a word the
// file does not have changes nothing.
inline std::string RewriteInMemory(const std::string& bytes, const std::string& word,
                                   const std::string& translations, bool bModify, bool* pWritten = nullptr) {
    std::string out;
    bool bReplaced = false;
    auto write = [&out](const std::string& line) {
        out += line;
        if (!line.empty() && line.back() == '\r')
            out += '\r';
        out += '\n';
    };
    for (size_t start = 0; start < bytes.size();) {
        size_t end = bytes.find('\n', start);
        std::string line = bytes.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (end != std::string::npos && !line.empty() && line.back() == '\r')
            line.pop_back();
        start = end == std::string::npos ? bytes.size() : end + 1;
        const size_t colon = line.find(':');
        const bool bWord =
            !line.empty() && (colon == std::string::npos ? std::string() : line.substr(0, colon)) == word;
        if (!bWord)
            write(line);
        else if (bModify && !bReplaced) {
            write(dictionary::MakeLine(word, translations));
            bReplaced = true;
        }
    }
    const bool bWritten = !bModify || bReplaced;
    if (pWritten)
        *pWritten = bWritten;
    return bWritten ? out : bytes;
}
