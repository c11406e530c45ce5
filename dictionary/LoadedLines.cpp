#include "dictionary/LoadedLines.h"

#include "dictionary/ByteScan.h"
#include "dictionary/TableHash.h"

#include <new>

namespace dictionary {

void LoadedLines::Assign(std::string bytes, bool bWhole) {
    RemoveAll();
    const size_t nText = FindByte(bytes.data(), bytes.size(), '\x1A');
    m_bTextAfterEndMark = nText + 1 < bytes.size();
    size_t nEnd = nText;
    if (!bWhole && nText == bytes.size()) {
        // Nothing after the last LF of a file read only in part is a line.
        while (nEnd > 0 && bytes[nEnd - 1] != '\n')
            --nEnd;
    }
    bytes.resize(nEnd);
    m_bytes = std::move(bytes);

    const char* p = m_bytes.data();
    m_lines.reserve(CountByte(p, nEnd, '\n') + 1);
    for (size_t pos = 0; pos < nEnd;) {
        const size_t lf = pos + FindByte(p + pos, nEnd - pos, '\n');
        size_t lineEnd = lf;
        if (lf < nEnd && lineEnd > pos && p[lineEnd - 1] == '\r')
            --lineEnd;  // CR LF is one line end
        const size_t length = lineEnd - pos;
        if (length >= kNoColon)
            throw std::bad_alloc();  // a line of four gigabytes
        if (length > 0) {
            const size_t colon = FindByte(p + pos, length, ':');
            m_lines.push_back(Span{pos, static_cast<uint32_t>(length),
                                   colon < length ? static_cast<uint32_t>(colon) : kNoColon});
        }
        pos = lf + 1;
    }
}

void LoadedLines::RemoveAll() {
    std::string().swap(m_bytes);
    std::vector<Span>().swap(m_lines);
    std::vector<uint32_t>().swap(m_slots);
    std::vector<uint32_t>().swap(m_next);
    m_nSlotBits = 0;
}

std::string_view LoadedLines::GetAt(size_t nLine) const {
    const Span& span = m_lines[nLine];
    return std::string_view(m_bytes.data() + span.offset, span.length);
}

std::string_view LoadedLines::HeadWordAt(size_t nLine) const {
    const Span& span = m_lines[nLine];
    return span.colon == kNoColon ? std::string_view()
                                  : std::string_view(m_bytes.data() + span.offset, span.colon);
}

std::string_view LoadedLines::TranslationsAt(size_t nLine) const {
    const Span& span = m_lines[nLine];
    if (span.colon == kNoColon)
        return GetAt(nLine);
    return std::string_view(m_bytes.data() + span.offset + span.colon + 1, span.length - span.colon - 1);
}

size_t LoadedLines::SlotOf(std::string_view word) const {
    const size_t mask = m_slots.size() - 1;
    size_t i = FirstSlot(word, m_nSlotBits);
    while (m_slots[i] != 0 && HeadWordAt(m_slots[i] - 1) != word)
        i = (i + 1) & mask;
    return i;
}

void LoadedLines::IndexHeadWords() {
    const size_t nLines = m_lines.size();
    if (nLines >= kEnd)
        throw std::bad_alloc();
    int nBits = 4;
    while ((size_t(1) << nBits) < 2 * nLines)
        ++nBits;
    m_nSlotBits = nBits;
    m_slots.assign(size_t(1) << nBits, 0);
    m_next.assign(nLines, kEnd);
    // From the last line back, each line goes before the ones already
    // chained, so every chain runs in file order.
    for (size_t n = nLines; n-- > 0;) {
        uint32_t& slot = m_slots[SlotOf(HeadWordAt(n))];
        if (slot != 0)
            m_next[n] = slot - 1;
        slot = static_cast<uint32_t>(n + 1);
    }
}

size_t LoadedLines::FirstWithHeadWord(std::string_view word) const {
    if (m_slots.empty())
        return npos;
    const uint32_t slot = m_slots[SlotOf(word)];
    return slot == 0 ? npos : slot - 1;
}

size_t LoadedLines::NextWithSameHeadWord(size_t nLine) const {
    const uint32_t next = m_next[nLine];
    return next == kEnd ? npos : next;
}

}  // namespace dictionary
