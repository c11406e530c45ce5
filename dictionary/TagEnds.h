// Where the '>' that ends a markup tag lies, for tags read from the start
// of a text to its end. A '>' inside a quoted attribute value does not end
// the tag.
//
// Looking from each '<' afresh costs the rest of the text for every '<'
// that has no end: a line of a few megabytes of "<a" took half a minute.
// A look that finds no end walks to the end of the text, so it is kept and
// carried along: a later look that stands where a kept one stands, outside
// quotes, ends the same way without looking. Every byte permutes the three
// states (outside quotes, inside '...', inside "..."), so looks that differ
// at one place differ at every later one: at most three ever fail, and the
// text is walked a bounded number of times. Header only, so that the
// natively built fuzzers need nothing else.
#pragma once

#include <cstddef>
#include <string_view>

namespace dictionary {

class TagEnds {
public:
    explicit TagEnds(std::string_view text) : m_text(text) {}

    // The position of the '>' ending a tag whose name starts at text[j];
    // npos when there is none. Cheap only while j does not go back.
    size_t Find(size_t j) {
        if (j < m_at)
            return Walk(j);
        Follow(j);
        for (int k = 0; k < m_nFailed; ++k) {
            if (m_failedQuote[k] == 0)
                return std::string_view::npos;
        }
        const size_t close = Walk(j);
        if (close == std::string_view::npos && m_nFailed < 3)
            m_failedQuote[m_nFailed++] = 0;
        return close;
    }

private:
    size_t Walk(size_t j) const {
        char quote = 0;
        for (; j < m_text.size(); ++j) {
            const char c = m_text[j];
            if (quote != 0) {
                if (c == quote)
                    quote = 0;
            } else if (c == '"' || c == '\'') {
                quote = c;
            } else if (c == '>') {
                return j;
            }
        }
        return std::string_view::npos;
    }

    // Brings the failed looks up to text[j], not yet read.
    void Follow(size_t j) {
        if (m_nFailed == 0) {
            m_at = j;
            return;
        }
        for (; m_at < j; ++m_at) {
            const char c = m_text[m_at];
            if (c != '"' && c != '\'')
                continue;
            for (int k = 0; k < m_nFailed; ++k)
                m_failedQuote[k] = m_failedQuote[k] == 0 ? c : m_failedQuote[k] == c ? 0 : m_failedQuote[k];
        }
    }

    std::string_view m_text;
    size_t m_at = 0;
    char m_failedQuote[3] = {};  // 0: outside quotes
    int m_nFailed = 0;
};

}  // namespace dictionary
