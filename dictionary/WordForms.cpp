#include "dictionary/WordForms.h"

#include "dictionary/ByteScan.h"
#include "dictionary/TableHash.h"

#include <algorithm>
#include <limits>

namespace dictionary {

namespace {

constexpr uint32_t kEnd = std::numeric_limits<uint32_t>::max();

}  // namespace

bool SplitFormLine(std::string_view line, std::string_view& form, std::string_view& headWord) {
    const size_t colon = FindByte(line.data(), line.size(), ':');
    if (colon == 0 || colon + 1 >= line.size())
        return false;
    form = line.substr(0, colon);
    headWord = line.substr(colon + 1);
    return true;
}

void WordForms::Clear() {
    std::string().swap(m_bytes);
    std::vector<Pair>().swap(m_pairs);
    std::vector<uint32_t>().swap(m_slots);
    std::vector<uint32_t>().swap(m_next);
    m_nSlotBits = 0;
}

std::string_view WordForms::FormAt(size_t nPair) const {
    return std::string_view(m_bytes.data() + m_pairs[nPair].offset, m_pairs[nPair].colon);
}

std::string_view WordForms::HeadWordAt(size_t nPair) const {
    const Pair& pair = m_pairs[nPair];
    const size_t start = pair.offset + pair.colon + 1;
    return std::string_view(m_bytes.data() + start, pair.end - start);
}

size_t WordForms::SlotOf(std::string_view folded) const {
    const size_t mask = m_slots.size() - 1;
    for (size_t slot = FirstSlot(folded, m_nSlotBits);; slot = (slot + 1) & mask) {
        if (m_slots[slot] == 0)
            return slot;
        const std::string_view form = FormAt(m_slots[slot] - 1);
        if (form.size() != folded.size())
            continue;
        size_t i = 0;
        while (i < form.size() &&
               m_fold[static_cast<unsigned char>(form[i])] == static_cast<unsigned char>(folded[i]))
            ++i;
        if (i == form.size())
            return slot;
    }
}

void WordForms::Assign(std::string bytes, const CaseFold& fold) {
    Clear();
    std::copy(fold.upper, fold.upper + 256, m_fold);
    if (bytes.size() >= kEnd)
        bytes.resize(kEnd - 1);
    m_bytes = std::move(bytes);
    const char* p = m_bytes.data();
    const size_t size = m_bytes.size();
    m_pairs.reserve(CountByte(p, size, '\n') + 1);
    for (size_t pos = 0; pos < size;) {
        const size_t lf = pos + FindByte(p + pos, size - pos, '\n');
        size_t lineEnd = lf;
        if (lf < size && lineEnd > pos && p[lineEnd - 1] == '\r')
            --lineEnd;
        std::string_view form, headWord;
        if (SplitFormLine(std::string_view(p + pos, lineEnd - pos), form, headWord))
            m_pairs.push_back(Pair{static_cast<uint32_t>(pos), static_cast<uint32_t>(form.size()),
                                   static_cast<uint32_t>(lineEnd)});
        pos = lf + 1;
    }

    m_nSlotBits = 1;
    while ((size_t{1} << m_nSlotBits) < 2 * m_pairs.size())
        ++m_nSlotBits;
    m_slots.assign(size_t{1} << m_nSlotBits, 0);
    m_next.assign(m_pairs.size(), kEnd);
    std::string folded;
    // From the last pair back, each put before the ones of its form, so that
    // a form's chain runs in file order.
    for (size_t nPair = m_pairs.size(); nPair-- > 0;) {
        folded = FormAt(nPair);
        for (char& c : folded)
            c = static_cast<char>(m_fold[static_cast<unsigned char>(c)]);
        const size_t slot = SlotOf(folded);
        m_next[nPair] = m_slots[slot] == 0 ? kEnd : m_slots[slot] - 1;
        m_slots[slot] = static_cast<uint32_t>(nPair + 1);
    }
}

std::vector<std::string_view> WordForms::HeadWordsOf(std::string_view text) const {
    std::vector<std::string_view> headWords;
    if (m_pairs.empty() || text.empty())
        return headWords;
    std::string folded(text);
    for (char& c : folded)
        c = static_cast<char>(m_fold[static_cast<unsigned char>(c)]);
    const size_t slot = SlotOf(folded);
    for (uint32_t nPair = m_slots[slot] == 0 ? kEnd : m_slots[slot] - 1; nPair != kEnd;
         nPair = m_next[nPair]) {
        const std::string_view headWord = HeadWordAt(nPair);
        bool bSeen = false;
        for (std::string_view seen : headWords)
            bSeen = bSeen || seen == headWord;
        if (!bSeen)
            headWords.push_back(headWord);
    }
    return headWords;
}

}  // namespace dictionary
