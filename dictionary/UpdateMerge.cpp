#include "dictionary/UpdateMerge.h"

#include "dictionary/DictionaryFormat.h"
#include "dictionary/TableHash.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace dictionary {

CaseFold CaseFold::Ascii() {
    CaseFold fold;
    for (int b = 0; b < 256; ++b) {
        fold.upper[b] = static_cast<unsigned char>(b >= 'a' && b <= 'z' ? b - 'a' + 'A' : b);
        fold.lead[b] = false;
    }
    return fold;
}

void CaseFold::Apply(std::string_view text, char* out) const {
    const size_t n = text.size();
    for (size_t i = 0; i < n; ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (lead[b] && i + 1 < n) {
            out[i] = text[i];
            ++i;
            out[i] = text[i];
        } else {
            out[i] = static_cast<char>(upper[b]);
        }
    }
}

std::string CaseFold::Folded(std::string_view text) const {
    std::string out(text.size(), '\0');
    Apply(text, &out[0]);
    return out;
}

namespace {
const int kInitialBits = 6;
}

FoldedKeySet::FoldedKeySet() : m_slots(size_t(1) << kInitialBits, Slot{0, 0, 0}), m_nBits(kInitialBits) {}

size_t FoldedKeySet::Index(std::string_view key) const {
    return FirstSlot(key, m_nBits);
}

std::pair<size_t, bool> FoldedKeySet::Insert(std::string_view key) {
    if (key.empty())
        return {npos, false};
    const size_t mask = m_slots.size() - 1;
    size_t i = Index(key);
    for (; m_slots[i].length != 0; i = (i + 1) & mask) {
        const Slot& slot = m_slots[i];
        if (slot.length == key.size() &&
            std::memcmp(m_block.data() + slot.offset, key.data(), key.size()) == 0)
            return {slot.number, false};
    }
    m_slots[i] = Slot{m_block.size(), key.size(), m_nCount};
    m_block.append(key.data(), key.size());
    const size_t number = m_nCount++;
    if (m_nCount * 2 > m_slots.size())
        Grow();
    return {number, true};
}

size_t FoldedKeySet::Find(std::string_view key) const {
    if (key.empty())
        return npos;
    const size_t mask = m_slots.size() - 1;
    for (size_t i = Index(key); m_slots[i].length != 0; i = (i + 1) & mask) {
        const Slot& slot = m_slots[i];
        if (slot.length == key.size() &&
            std::memcmp(m_block.data() + slot.offset, key.data(), key.size()) == 0)
            return slot.number;
    }
    return npos;
}

void FoldedKeySet::Grow() {
    std::vector<Slot> old(size_t(1) << (m_nBits + 1), Slot{0, 0, 0});
    old.swap(m_slots);
    ++m_nBits;
    const size_t mask = m_slots.size() - 1;
    for (const Slot& slot : old) {
        if (slot.length == 0)
            continue;
        size_t i = Index(std::string_view(m_block).substr(slot.offset, slot.length));
        while (m_slots[i].length != 0)
            i = (i + 1) & mask;
        m_slots[i] = slot;
    }
}

UpdateMerge::UpdateMerge(const CaseFold& fold) : m_fold(fold) {}

bool UpdateMerge::FoldHeadWord(std::string_view line) {
    const std::string_view head = HeadWord(line);
    if (head.empty())
        return false;
    m_folded.resize(head.size());
    m_fold.Apply(head, &m_folded[0]);
    return true;
}

void UpdateMerge::AddDownloadedLine(std::string_view line) {
    const size_t nLine = m_nLines++;
    if (!std::all_of(line.begin(), line.end(), IsReadableInLine))
        return;
    if (!FoldHeadWord(line) || !m_keys.Insert(m_folded).second)
        return;
    m_firstLines.push_back(nLine);
    m_present.push_back(false);
    ++m_nOutstanding;
}

void UpdateMerge::AddLocalLine(std::string_view line) {
    if (m_nOutstanding == 0 || !FoldHeadWord(line))
        return;
    const size_t number = m_keys.Find(m_folded);
    if (number != FoldedKeySet::npos && !m_present[number]) {
        m_present[number] = true;
        --m_nOutstanding;
    }
}

std::vector<size_t> UpdateMerge::Chosen() const {
    // Keys are numbered in the order of their first lines.
    std::vector<size_t> chosen;
    for (size_t number = 0; number < m_firstLines.size(); ++number) {
        if (!m_present[number])
            chosen.push_back(m_firstLines[number]);
    }
    return chosen;
}

std::vector<size_t> ChooseNewLines(const std::vector<std::string_view>& localLines,
                                   const std::vector<std::string_view>& downloadedLines,
                                   const CaseFold& fold) {
    UpdateMerge merge(fold);
    for (std::string_view line : downloadedLines)
        merge.AddDownloadedLine(line);
    for (std::string_view line : localLines)
        merge.AddLocalLine(line);
    return merge.Chosen();
}

}  // namespace dictionary
