#include "frame/LookupHistory.h"

void CLookupHistory::Record(const std::string& word, Direction direction) {
    if (word.empty())
        return;
    // A direction out of range counts as Romanian - English, as everywhere.
    direction = IsRomanianEnglish(direction) ? Direction::kRomanianEnglish : Direction::kEnglishRomanian;
    if (!m_entries.empty()) {
        const LookedUpWord& current = m_entries[m_nCurrent];
        if (current.word == word && current.direction == direction)
            return;
        m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(m_nCurrent) + 1, m_entries.end());
    }
    m_entries.push_back({word, direction});
    if (m_entries.size() > kMaxEntries)
        m_entries.erase(m_entries.begin());
    m_nCurrent = m_entries.size() - 1;
}

const LookedUpWord& CLookupHistory::GoBack() {
    return m_entries[--m_nCurrent];
}

const LookedUpWord& CLookupHistory::GoForward() {
    return m_entries[++m_nCurrent];
}

void CLookupHistory::Clear() {
    m_entries.clear();
    m_nCurrent = 0;
}

std::string CLookupHistory::Save() const {
    std::string text;
    for (const LookedUpWord& entry : m_entries) {
        text += IsRomanianEnglish(entry.direction) ? "1\t" : "0\t";
        text += entry.word;
        text += '\n';
    }
    return text;
}

void CLookupHistory::Load(const std::string& text) {
    Clear();
    size_t nStart = 0;
    while (nStart < text.size()) {
        size_t nEnd = text.find('\n', nStart);
        if (nEnd == std::string::npos)
            nEnd = text.size();
        const std::string line = text.substr(nStart, nEnd - nStart);
        nStart = nEnd + 1;
        // Lines of any other shape, and words with a control character,
        // were not written here.
        if (line.size() < 3 || (line[0] != '0' && line[0] != '1') || line[1] != '\t')
            continue;
        const std::string word = line.substr(2);
        bool bPrintable = true;
        for (unsigned char ch : word)
            bPrintable = bPrintable && ch >= 0x20 && ch != 0x7F;
        if (bPrintable)
            Record(word, line[0] == '1' ? Direction::kRomanianEnglish : Direction::kEnglishRomanian);
    }
}
