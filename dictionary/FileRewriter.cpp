#include "dictionary/FileRewriter.h"

namespace dictionary {

char* FileRewriter::Room(size_t size) {
    if (m_out.size() < size)
        m_out.resize(size);
    return m_out.data();
}

std::string_view FileRewriter::Feed(const char* data, size_t size) {
    // The pending line and the block of whole lines after it.
    char* const begin =
        Room(m_rewriter.MaxWrittenLines(m_pending.size() + size) + m_rewriter.MaxWrittenLines(0));
    char* out = begin;
    size_t start = 0;
    if (!m_pending.empty()) {
        start = FindByte(data, size, '\n');
        m_pending.append(data, start);
        if (start == size)
            return {};
        std::string_view line(m_pending);
        if (line.back() == '\r')
            line.remove_suffix(1);
        out = m_rewriter.Rewrite(line, out);
        m_pending.clear();
        ++start;
    }
    size_t end = size;
    while (end > start && data[end - 1] != '\n')
        --end;
    out = m_rewriter.RewriteLines(data + start, end - start, out);
    m_pending.assign(data + end, size - end);
    return std::string_view(begin, static_cast<size_t>(out - begin));
}

std::string_view FileRewriter::Finish() {
    if (m_pending.empty())
        return {};
    char* const begin = Room(m_rewriter.MaxWritten(m_pending));
    char* const end = m_rewriter.Rewrite(m_pending, begin);
    m_pending.clear();
    return std::string_view(begin, static_cast<size_t>(end - begin));
}

}  // namespace dictionary
