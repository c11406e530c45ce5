// The lines of the loaded dictionary file: every non-empty line in file
// order, exactly as a text-mode reader delivers it, held as the file's own
// bytes and the place of each line in them (a list of a million separately
// allocated strings would cost several times the file), with an index of the
// lines by head word for the lookup of translations.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dictionary {

class LoadedLines {
public:
    static constexpr size_t npos = static_cast<size_t>(-1);

    // Takes the bytes of a dictionary file. The text ends at the first 0x1A;
    // a line ends at LF, and a CR right before the LF belongs to the line
    // end; a last line without LF counts as it is. Empty lines carry no
    // entry and are left out. bWhole false: the bytes are only the beginning
    // of the file (reading it failed), so a line after the last LF was cut
    // short and is left out as well. Throws std::bad_alloc.
    void Assign(std::string bytes, bool bWhole = true);
    void RemoveAll();

    // Whether the file holds bytes after an end-of-text mark (0x1A) that is
    // not its last byte: text appended at the end would not be read.
    bool HasTextAfterEndMark() const { return m_bTextAfterEndMark; }

    ptrdiff_t GetCount() const { return static_cast<ptrdiff_t>(m_lines.size()); }
    size_t Size() const { return m_lines.size(); }
    std::string_view GetAt(size_t nLine) const;
    // The text before the first ":", empty when the line has none.
    std::string_view HeadWordAt(size_t nLine) const;
    // The text after the first ":", the whole line when it has none.
    std::string_view TranslationsAt(size_t nLine) const;

    // Builds the index of the lines by head word; until then, and after
    // Assign, FirstWithHeadWord finds nothing. Throws std::bad_alloc.
    void IndexHeadWords();
    // The first line, in file order, whose head word is word byte for byte;
    // npos when there is none.
    size_t FirstWithHeadWord(std::string_view word) const;
    // The next line after nLine with the same head word; npos after the last.
    size_t NextWithSameHeadWord(size_t nLine) const;

private:
    bool m_bTextAfterEndMark = false;
    static constexpr uint32_t kNoColon = UINT32_MAX;
    static constexpr uint32_t kEnd = UINT32_MAX;

    struct Span {
        size_t offset;
        uint32_t length;
        uint32_t colon;  // position of the first ":", or kNoColon
    };

    size_t SlotOf(std::string_view word) const;

    std::string m_bytes;
    std::vector<Span> m_lines;
    // Open addressing by head word: each used slot holds 1 + the first line
    // of its head word; m_next chains the lines of one head word in order.
    std::vector<uint32_t> m_slots;
    std::vector<uint32_t> m_next;
    int m_nSlotBits = 0;
};

}  // namespace dictionary
