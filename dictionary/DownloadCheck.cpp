#include "dictionary/DownloadCheck.h"

namespace dictionary {

namespace {

// Blanks, and the end-of-text mark old editors leave at a file's end.
bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v' || c == '\x1A';
}

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool ContainsNoCase(std::string_view text, std::string_view word) {
    for (size_t i = 0; i + word.size() <= text.size(); ++i) {
        size_t j = 0;
        while (j < word.size() && Lower(text[i + j]) == word[j])
            ++j;
        if (j == word.size())
            return true;
    }
    return false;
}

}  // namespace

bool IsPageContentType(std::string_view contentType) {
    return ContainsNoCase(contentType, "html") || ContainsNoCase(contentType, "xml");
}

bool StartsLikeMarkup(std::string_view body) {
    if (body.substr(0, 3) == "\xEF\xBB\xBF")
        body.remove_prefix(3);
    size_t i = 0;
    while (i < body.size() && IsBlank(body[i]))
        ++i;
    return i < body.size() && body[i] == '<';
}

bool IsDictionaryLine(std::string_view line) {
    // A tag ("<a href=...>", "</p>") is a page's, never a dictionary's. Only
    // a '<' before the last '>' can start one; looking for a '>' after each
    // '<' afresh made a long line of "<a" cost its length squared.
    const size_t lastClose = line.rfind('>');
    for (size_t i = 0; lastClose != std::string_view::npos && i + 2 <= lastClose; ++i) {
        const char next = Lower(line[i + 1]);
        if (line[i] == '<' && ((next >= 'a' && next <= 'z') || next == '/' || next == '!' || next == '?'))
            return false;
    }
    bool bBlank = true;
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] == ':')
            return !bBlank;
        if (!IsBlank(line[i]))
            bBlank = false;
    }
    return bBlank;  // a blank line carries no entry and is no page either
}

}  // namespace dictionary
