#include "dictionary/DictionaryFormat.h"

#include <cstring>

namespace dictionary {

bool IsReadableInLine(char c) {
    return c != '\r' && c != '\n' && c != '\x1A' && c != '\0';
}

std::string_view HeadWord(std::string_view line) {
    size_t colon = line.find(':');
    return colon == std::string_view::npos ? std::string_view() : line.substr(0, colon);
}

std::string_view Translations(std::string_view line) {
    size_t colon = line.find(':');
    return colon == std::string_view::npos ? line : line.substr(colon + 1);
}

int Split(std::string_view text, std::string_view separator, std::vector<std::string>& parts) {
    if (separator.empty()) {
        if (!text.empty())
            parts.emplace_back(text);
        return static_cast<int>(parts.size());
    }
    while (!text.empty()) {
        size_t pos = text.find(separator);
        if (pos == std::string_view::npos) {
            parts.emplace_back(text);
            break;
        }
        parts.emplace_back(text.substr(0, pos));
        text.remove_prefix(pos + separator.size());
    }
    return static_cast<int>(parts.size());
}

std::string MakeLine(std::string_view word, std::string_view translations) {
    std::string line;
    line.reserve(word.size() + 1 + translations.size());
    line.append(word.data(), word.size());
    line += ':';
    line.append(translations.data(), translations.size());
    for (char& c : line) {
        if (!IsReadableInLine(c))
            c = ' ';
    }
    return line;
}

EntryRewriter::EntryRewriter(std::string word, std::string replacementLine, bool bReplace)
    : m_word(std::move(word)),
      m_replacementLine(std::move(replacementLine)),
      m_bReplace(bReplace),
      m_bPlainWord(!m_word.empty() && m_word.find_first_of(":\n") == std::string::npos) {}

EntryRewriter EntryRewriter::Modify(std::string word, std::string replacementLine) {
    return EntryRewriter(std::move(word), std::move(replacementLine), true);
}

EntryRewriter EntryRewriter::Delete(std::string word) {
    return EntryRewriter(std::move(word), std::string(), false);
}

namespace {

char* WriteLine(std::string_view line, char* out) {
    CopyBytes(out, line.data(), line.size());
    out += line.size();
    // A CR that ends the line would be read back as part of its line end.
    if (!line.empty() && line.back() == '\r')
        *out++ = '\r';
    *out++ = '\n';
    return out;
}

}  // namespace

bool EntryRewriter::HasHeadWord(std::string_view line) const {
    // Most lines are told apart by their first bytes: a word without ":"
    // is the head word exactly when the line starts with it and a ":".
    if (!m_bPlainWord)
        return HeadWord(line) == m_word;
    const size_t n = m_word.size();
    return line.size() > n && line[n] == ':' && line[0] == m_word[0] && line.compare(0, n, m_word) == 0;
}

char* EntryRewriter::Rewrite(std::string_view line, char* out) {
    // Empty lines carry no entry and are copied through.
    if (line.empty() || !HasHeadWord(line))
        return WriteLine(line, out);
    ++m_nMatched;
    if (m_bReplace && !m_bReplaced) {
        m_bReplaced = true;
        return WriteLine(m_replacementLine, out);
    }
    return out;
}

char* EntryRewriter::RewriteLines(const char* data, size_t size, char* out) {
    if (!m_bPlainWord) {
        size_t start = 0;
        ForEachByte(data, size, '\n', [&](size_t lf) {
            std::string_view line(data + start, lf - start);
            if (!line.empty() && line.back() == '\r')
                line.remove_suffix(1);
            out = Rewrite(line, out);
            start = lf + 1;
        });
        return out;
    }
    // Only the lines that begin with the word's first byte can hold the
    // entry; the runs of lines between the entries are copied whole.
    const size_t n = m_word.size();
    size_t copied = 0;
    for (size_t start = 0; start < size;) {
        start += FindLineStart(data + start, size - start, m_word[0]);
        if (start == size)
            break;
        const size_t lf = start + FindByte(data + start, size - start, '\n');
        if (start + n < lf && data[start + n] == ':' && std::memcmp(data + start, m_word.data(), n) == 0) {
            out = CopyLinesWithLfEnds(data + copied, start - copied, out);
            ++m_nMatched;
            if (m_bReplace && !m_bReplaced) {
                m_bReplaced = true;
                out = WriteLine(m_replacementLine, out);
            }
            copied = lf + 1;
        }
        start = lf + 1;
    }
    return CopyLinesWithLfEnds(data + copied, size - copied, out);
}

void EntryRewriter::Rewrite(std::string_view line, std::string& out) {
    const size_t nOld = out.size();
    out.resize(nOld + MaxWritten(line));
    out.resize(static_cast<size_t>(Rewrite(line, &out[nOld]) - out.data()));
}

}  // namespace dictionary
