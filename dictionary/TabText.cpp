#include "dictionary/TabText.h"

#include "dictionary/ByteScan.h"
#include "framework/CodePage.h"

#include <string>

namespace dictionary {

namespace {

bool IsBlankLine(std::string_view line) {
    return line.find_first_not_of(" \t\r") == std::string_view::npos;
}

// The entry a line holds; false when it holds none.
bool ReadLine(std::string_view line, ImportEntry& entry) {
    const size_t tab = line.find('\t');
    if (tab == std::string_view::npos)
        return false;
    entry.word = CleanHeadWord(line.substr(0, tab));
    if (entry.word.empty())
        return false;
    const std::string_view translations = line.substr(tab + 1);
    size_t start = 0;
    for (size_t i = 0; i <= translations.size(); ++i) {
        if (i == translations.size() || translations[i] == ';' || translations[i] == '|') {
            AddTranslation(entry, translations.substr(start, i - start));
            start = i + 1;
        }
    }
    return !entry.translations.empty();
}

}  // namespace

void ReadTabText(std::string_view bytes, std::vector<ImportEntry>& entries, size_t* pSkipped) {
    std::string converted;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        bytes.remove_prefix(3);
    } else if (!codepage::IsValidUtf8(bytes)) {
        converted = codepage::ToUtf8(bytes);
        bytes = converted;
    }
    size_t nSkipped = 0;
    size_t start = 0;
    while (start < bytes.size()) {
        const size_t end = FindByte(bytes.data() + start, bytes.size() - start, '\n') + start;
        std::string_view line = bytes.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (IsBlankLine(line) || line.front() == '#')
            continue;
        ImportEntry entry;
        if (ReadLine(line, entry))
            entries.push_back(std::move(entry));
        else
            ++nSkipped;
    }
    if (pSkipped)
        *pSkipped = nSkipped;
}

}  // namespace dictionary
