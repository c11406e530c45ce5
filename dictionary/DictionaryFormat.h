// The dictionary line format, as plain C++ with no system calls, so that it
// can be checked on its own (and fuzzed natively).
//
// A line is: head word ":" translations, the translations cut into items at
// each "|". The head word is everything before the first ":" (empty when the
// line has none, in which case the whole line is the translations). Nothing
// is trimmed; blanks belong to the text.
#pragma once

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

// The line an edit writes for word and translations. A line break inside
// either text would cut the entry in two, so it is written as a blank.
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

    // Appends what replaces line (followed by a single LF) to out.
    void Rewrite(std::string_view line, std::string& out);

private:
    EntryRewriter(std::string word, std::string replacementLine, bool bReplace);

    std::string m_word;
    std::string m_replacementLine;
    bool m_bReplace;
    bool m_bReplaced = false;
};

template <class OnLine>
void LineSplitter::Feed(const char* data, size_t size, OnLine&& onLine) {
    std::string_view rest(data, size);
    for (size_t pos; (pos = rest.find('\n')) != std::string_view::npos; rest.remove_prefix(pos + 1)) {
        std::string_view piece = rest.substr(0, pos);
        if (!m_pending.empty()) {
            m_pending.append(piece.data(), piece.size());
            piece = m_pending;
        }
        if (!piece.empty() && piece.back() == '\r')
            piece.remove_suffix(1);
        onLine(piece);
        m_pending.clear();
    }
    m_pending.append(rest.data(), rest.size());
}

template <class OnLine>
void LineSplitter::Finish(OnLine&& onLine) {
    if (!m_pending.empty())
        onLine(std::string_view(m_pending));
    m_pending.clear();
}

}  // namespace dictionary
