#include "framework/HttpBody.h"

#include <algorithm>
#include <cstdlib>

namespace http {

namespace {

std::string_view Trim(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return std::string_view();
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

}  // namespace

BodyDecoder::BodyDecoder(const AnswerHead& head) : m_framing(head.framing) {
    m_nLeft = m_framing == Framing::kLength ? head.length : 0;
    if (head.bNoBody)
        m_result = Result::kEnded;
}

BodyDecoder::Result BodyDecoder::Feed(std::string_view bytes, std::string& body) {
    while (m_result == Result::kMore && !bytes.empty()) {
        if (m_framing == Framing::kClose) {
            body.append(bytes.data(), bytes.size());
            return m_result;
        }
        if (m_framing == Framing::kLength || m_step == Step::kData) {
            const size_t n = static_cast<size_t>(std::min<unsigned long long>(m_nLeft, bytes.size()));
            body.append(bytes.data(), n);
            bytes.remove_prefix(n);
            m_nLeft -= n;
            if (m_nLeft > 0)
                return m_result;
            if (m_framing == Framing::kLength)
                m_result = Result::kEnded;
            else
                m_step = Step::kDataEnd;
            continue;
        }
        const size_t nLf = bytes.find('\n');
        const std::string_view piece = bytes.substr(0, nLf);
        if (m_line.size() + piece.size() > kMaxLine)
            return m_result = Result::kInvalid;
        if (nLf == std::string_view::npos) {
            m_line.append(piece.data(), piece.size());
            return m_result;
        }
        bytes.remove_prefix(nLf + 1);
        if (m_line.empty()) {
            m_result = OnLine(piece);
        } else {
            m_line.append(piece.data(), piece.size());
            m_result = OnLine(m_line);
            m_line.clear();
        }
    }
    return m_result;
}

BodyDecoder::Result BodyDecoder::OnLine(std::string_view whole) {
    const std::string_view line = Trim(whole);
    switch (m_step) {
        case Step::kDataEnd:
            if (!line.empty())
                return Result::kInvalid;
            m_step = Step::kSize;
            return Result::kMore;
        case Step::kTrailers:
            if (line.empty())
                return Result::kEnded;  // the whole body has come
            m_nTrailerBytes += whole.size() + 1;
            if (++m_nTrailers > kMaxTrailers || m_nTrailerBytes > kMaxTrailerBytes)
                return Result::kInvalid;
            return Result::kMore;
        case Step::kSize:
        case Step::kData:
            break;
    }
    const std::string_view size = line.substr(0, line.find(';'));
    if (size.empty() || size.find_first_not_of("0123456789abcdefABCDEF") != std::string_view::npos ||
        size.size() > 15)
        return Result::kInvalid;
    m_nLeft = std::strtoull(std::string(size).c_str(), nullptr, 16);
    m_step = m_nLeft == 0 ? Step::kTrailers : Step::kData;
    return Result::kMore;
}

BodyDecoder::Result BodyDecoder::Close() {
    if (m_result == Result::kMore)
        m_result = m_framing == Framing::kClose ? Result::kEnded : Result::kInvalid;
    return m_result;
}

}  // namespace http
