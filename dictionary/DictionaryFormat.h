// The dictionary line format, as plain C++ with no system calls, so that it
// can be checked on its own (and fuzzed natively).
//
// A line is: head word ":" translations, the translations cut into items at
// each "|". The head word is everything before the first ":" (empty when the
// line has none, in which case the whole line is the translations). Nothing
// is trimmed; blanks belong to the text.
#pragma once

#include "dictionary/ByteScan.h"

#include <string>
#include <string_view>
#include <vector>

namespace dictionary {

std::string_view HeadWord(std::string_view line);
std::string_view Translations(std::string_view line);

// Appends the pieces of text cut at each separator to parts and returns the
// new size of parts: "a|b" gives a, b; "a||b" gives a, "", b; "|a" gives "", a;
// "a|" gives a; "" gives nothing. An empty separator yields the whole text.
int Split(std::string_view text, std::string_view separator, std::vector<std::string>& parts);

// Whether a byte can stand inside a line that the loader reads back whole:
// not a line break (it would cut the entry in two), not 0x1A (a text-mode
// reader stops there for good) and not NUL (it cuts the text wherever it is
// shown).
bool IsReadableInLine(char c);

// The line an edit writes for word and translations; every byte that could
// not stand inside a line is written as a blank.
std::string MakeLine(std::string_view word, std::string_view translations);

// Cuts a stream of bytes into lines the way a rewrite reads a dictionary
// file: a line ends at LF, a CR right before the LF belongs to the line end,
// and every other byte (lone CR, NUL, 0x1A) is part of the line.
class LineSplitter {
public:
    // Calls onLine(std::string_view) for every line completed by the bytes.
    template <class OnLine>
    void Feed(const char* data, size_t size, OnLine&& onLine);
    // Delivers the last line when the bytes did not end with a line end.
    template <class OnLine>
    void Finish(OnLine&& onLine);

private:
    std::string m_pending;  // start of a line whose end has not arrived yet
};

// Decides, line by line, what a rewrite writes in place of each line:
// modifying replaces the first line whose head word is the word and drops
// the later ones; deleting drops them all. Every other line stays as it is.
class EntryRewriter {
public:
    static EntryRewriter Modify(std::string word, std::string replacementLine);
    static EntryRewriter Delete(std::string word);

    // Appends what replaces line (followed by a single LF) to out. A line
    // that ends in CR gets CR LF instead, so that it reads back whole.
    void Rewrite(std::string_view line, std::string& out);
    // The same, written at out, which has room for MaxWritten(line) bytes;
    // returns the end of what was written.
    char* Rewrite(std::string_view line, char* out);
    size_t MaxWritten(std::string_view line) const {
        return (line.size() > m_replacementLine.size() ? line.size() : m_replacementLine.size()) + 2;
    }
    // The same for the block of whole lines [data, data + size), each ending
    // in LF, a block at a time: out has room for MaxWrittenLines(size)
    // bytes, of which it may overwrite more than it writes.
    char* RewriteLines(const char* data, size_t size, char* out);
    size_t MaxWrittenLines(size_t size) const { return size + m_replacementLine.size() + 2 + 32; }
    // How many lines had the word as their head word so far: none means the
    // rewrite changed nothing.
    size_t Matched() const { return m_nMatched; }

private:
    EntryRewriter(std::string word, std::string replacementLine, bool bReplace);

    bool HasHeadWord(std::string_view line) const;

    std::string m_word;
    std::string m_replacementLine;
    bool m_bReplace;
    bool m_bReplaced = false;
    size_t m_nMatched = 0;
    bool m_bPlainWord;  // not empty, and without ":" or a line break
};

template <class OnLine>
void LineSplitter::Feed(const char* data, size_t size, OnLine&& onLine) {
    size_t start = 0;
    ForEachByte(data, size, '\n', [&](size_t lf) {
        std::string_view piece(data + start, lf - start);
        if (!m_pending.empty()) {
            m_pending.append(piece.data(), piece.size());
            piece = m_pending;
        }
        if (!piece.empty() && piece.back() == '\r')
            piece.remove_suffix(1);
        onLine(piece);
        m_pending.clear();
        start = lf + 1;
    });
    m_pending.append(data + start, size - start);
}

template <class OnLine>
void LineSplitter::Finish(OnLine&& onLine) {
    if (!m_pending.empty())
        onLine(std::string_view(m_pending));
    m_pending.clear();
}

}  // namespace dictionary
