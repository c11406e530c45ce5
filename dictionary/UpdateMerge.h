// The decisions of the dictionary update, as plain C++ with no system calls:
// cutting a downloaded update file into lines, and choosing which of its
// lines a local dictionary file still lacks.
//
// A downloaded line is appended when its head word (the text before its first
// ":") is not empty and no local line and no line appended before it has the
// same head word, ignoring letter case. Blank lines and lines without a head
// word are never appended, nor lines holding a NUL or a 0x1A byte (the
// loader would not see them whole, and a 0x1A would hide every entry after
// it); of several downloaded lines with one new head word only the first
// is. Local lines are never changed.
//
// Head words are indexed once, so a merge costs one pass over the local file
// and one over the update, whatever their sizes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace dictionary {

// How head words lose their letter case before they are compared: each byte
// maps through a table, except that a lead byte of a double-byte code page
// and the byte after it are kept as they are (the second byte of such a
// pair may look like an ASCII letter, and is not one).
struct CaseFold {
    unsigned char upper[256];
    bool lead[256];

    // ASCII letters only: a-z become A-Z, every other byte stays.
    static CaseFold Ascii();
    // Writes the folded text, as many bytes as text has, to out.
    void Apply(std::string_view text, char* out) const;
    std::string Folded(std::string_view text) const;
};

// Cuts a downloaded file into lines: a line ends at LF, which is not part of
// it; every CR is dropped wherever it stands; a last line without LF still
// counts; an empty body gives no lines.
class UpdateLineSplitter {
public:
    // Calls onLine(std::string_view) for every line completed by the bytes.
    template <class OnLine>
    void Feed(const char* data, size_t size, OnLine&& onLine);
    // Delivers the last line when bytes came after the last LF.
    template <class OnLine>
    void Finish(OnLine&& onLine);

private:
    std::string m_pending;
    bool m_bOpen = false;  // bytes (perhaps only CRs) came after the last LF
};

// A set of non-empty byte strings kept in one block of text and indexed by
// open addressing. Each key has a number: the order in which it was added.
class FoldedKeySet {
public:
    static constexpr size_t npos = static_cast<size_t>(-1);

    FoldedKeySet();

    // The key's number, and whether it was added now (false when it was
    // there already). An empty key is never added: (npos, false).
    std::pair<size_t, bool> Insert(std::string_view key);
    // The key's number; npos when it is not in the set.
    size_t Find(std::string_view key) const;
    size_t Size() const { return m_nCount; }

private:
    struct Slot {
        size_t offset;
        size_t length;  // 0: free
        size_t number;
    };

    size_t Index(std::string_view key) const;
    void Grow();

    std::string m_block;
    std::vector<Slot> m_slots;
    size_t m_nCount = 0;
    int m_nBits;
};

// One merge. The update is small beside a dictionary, so its head words are
// the ones indexed: first every downloaded line goes in, in order, then the
// local lines, read once, strike off the head words they hold.
class UpdateMerge {
public:
    explicit UpdateMerge(const CaseFold& fold);

    // The next line of the update file.
    void AddDownloadedLine(std::string_view line);
    // A line of the local dictionary file, after all downloaded lines.
    void AddLocalLine(std::string_view line);
    // How many of the update's head words no local line has held so far;
    // once none is left, the rest of the local file cannot change the choice.
    size_t Outstanding() const { return m_nOutstanding; }
    // The indices, in order, of the downloaded lines to append: for each new
    // head word, the first line that has it.
    std::vector<size_t> Chosen() const;

private:
    // Folds the head word of line into m_folded; false when there is none.
    bool FoldHeadWord(std::string_view line);

    CaseFold m_fold;
    FoldedKeySet m_keys;
    std::vector<size_t> m_firstLines;  // by key number: the first downloaded line with the key
    std::vector<bool> m_present;       // by key number: a local line has it
    std::string m_folded;
    size_t m_nLines = 0;
    size_t m_nOutstanding = 0;
};

// The indices, in order, of the downloaded lines to append to a dictionary
// file that holds localLines.
std::vector<size_t> ChooseNewLines(const std::vector<std::string_view>& localLines,
                                   const std::vector<std::string_view>& downloadedLines,
                                   const CaseFold& fold);

template <class OnLine>
void UpdateLineSplitter::Feed(const char* data, size_t size, OnLine&& onLine) {
    std::string_view rest(data, size);
    while (!rest.empty()) {
        const size_t lf = rest.find('\n');
        std::string_view piece = rest.substr(0, lf);
        if (!piece.empty())
            m_bOpen = true;
        for (size_t cr; (cr = piece.find('\r')) != std::string_view::npos; piece.remove_prefix(cr + 1))
            m_pending.append(piece.data(), cr);
        m_pending.append(piece.data(), piece.size());
        if (lf == std::string_view::npos)
            break;
        onLine(std::string_view(m_pending));
        m_pending.clear();
        m_bOpen = false;
        rest.remove_prefix(lf + 1);
    }
}

template <class OnLine>
void UpdateLineSplitter::Finish(OnLine&& onLine) {
    if (m_bOpen)
        onLine(std::string_view(m_pending));
    m_pending.clear();
    m_bOpen = false;
}

}  // namespace dictionary
