#include "dictionary/DictionaryFormat.h"

namespace dictionary {

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
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    return line;
}

EntryRewriter::EntryRewriter(std::string word, std::string replacementLine, bool bReplace)
    : m_word(std::move(word)), m_replacementLine(std::move(replacementLine)), m_bReplace(bReplace) {}

EntryRewriter EntryRewriter::Modify(std::string word, std::string replacementLine) {
    return EntryRewriter(std::move(word), std::move(replacementLine), true);
}

EntryRewriter EntryRewriter::Delete(std::string word) {
    return EntryRewriter(std::move(word), std::string(), false);
}

void EntryRewriter::Rewrite(std::string_view line, std::string& out) {
    // Empty lines carry no entry and are copied through.
    if (line.empty() || HeadWord(line) != m_word) {
        out.append(line.data(), line.size());
        out += '\n';
        return;
    }
    if (m_bReplace && !m_bReplaced) {
        out += m_replacementLine;
        out += '\n';
        m_bReplaced = true;
    }
}

}  // namespace dictionary
