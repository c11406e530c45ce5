// The HTTP answer's head and body as a server may send them. Input: one
// byte giving the size of the pieces the body's bytes arrive in (1 to
// 256), then the answer, see Expanded. The body is decoded in those pieces
// and at once, and compared with its framing's rules restated plainly.
#include "FuzzCheck.h"

#include "framework/HttpBody.h"
#include "framework/HttpHead.h"

using namespace http;
using Result = BodyDecoder::Result;

namespace {

std::string_view Trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t' || text.front() == '\r'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

// Takes a line of a chunked body; false while it is not whole. Too long a
// line, whole or not, is invalid.
bool TakeLine(std::string_view& rest, std::string_view& line, Result& result) {
    const size_t lf = rest.find('\n');
    if (std::min(lf, rest.size()) > BodyDecoder::kMaxLine) {
        result = Result::kInvalid;
        return false;
    }
    if (lf == std::string_view::npos)
        return false;
    line = Trim(rest.substr(0, lf));
    rest.remove_prefix(lf + 1);
    return true;
}

// A chunked body with all its bytes at hand: size line, data, empty line,
// ..., a size of 0, trailer lines, an empty line.
Result ReferenceChunked(std::string_view rest, std::string& body) {
    Result result = Result::kMore;
    std::string_view line;
    for (;;) {
        if (!TakeLine(rest, line, result))
            return result;
        const std::string_view digits = line.substr(0, line.find(';'));
        if (digits.empty() || digits.size() > 15 ||
            digits.find_first_not_of("0123456789abcdefABCDEF") != std::string_view::npos)
            return Result::kInvalid;
        const unsigned long long size = std::strtoull(std::string(digits).c_str(), nullptr, 16);
        if (size == 0)
            break;
        if (rest.size() < size) {
            body.append(rest.data(), rest.size());
            return result;
        }
        body.append(rest.data(), size);
        rest.remove_prefix(size);
        if (!TakeLine(rest, line, result))
            return result;
        if (!line.empty())
            return Result::kInvalid;
    }
    size_t count = 0, bytes = 0;
    for (;;) {
        const size_t before = rest.size();
        if (!TakeLine(rest, line, result))
            return result;
        if (line.empty())
            return Result::kEnded;
        bytes += before - rest.size();
        if (++count > BodyDecoder::kMaxTrailers || bytes > BodyDecoder::kMaxTrailerBytes)
            return Result::kInvalid;
    }
}

Result ReferenceBody(const AnswerHead& head, std::string_view rest, std::string& body) {
    if (head.bNoBody)
        return Result::kEnded;
    switch (head.framing) {
        case Framing::kClose:
            body.assign(rest.data(), rest.size());
            return Result::kMore;
        case Framing::kLength:
            body.assign(rest.substr(0, std::min<unsigned long long>(head.length, rest.size())));
            return rest.size() >= head.length ? Result::kEnded : Result::kMore;
        case Framing::kChunked:
            break;
    }
    return ReferenceChunked(rest, body);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const size_t pieceSize = size_t(data[0]) + 1;
    const std::string answer = Expanded(AsText(data + 1, size - 1));

    const std::string shown = PrintableStatusText(answer);
    FUZZ_CHECK(shown.size() <= kMaxShownStatusText);
    FUZZ_CHECK(shown.empty() || (shown.front() != ' ' && shown.back() != ' '));
    for (char c : shown)
        FUZZ_CHECK(c >= 0x20 && c < 0x7F);
    FUZZ_CHECK(PrintableStatusText(shown) == shown);

    const size_t end = HeadEnd(answer);
    if (end == std::string::npos)
        return 0;
    AnswerHead head;
    if (!ParseHead(std::string_view(answer).substr(0, end), head))
        return 0;
    const bool bRedirect = head.status == 301 || head.status == 302 || head.status == 303 ||
                           head.status == 307 || head.status == 308;
    FUZZ_CHECK(bRedirect || head.location.empty());
    for (char c : head.location)
        FUZZ_CHECK(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F);

    const std::string_view rest = std::string_view(answer).substr(end);
    std::string expected;
    const Result expectedResult = ReferenceBody(head, rest, expected);
    std::string whole;
    FUZZ_CHECK(BodyDecoder(head).Feed(rest, whole) == expectedResult);
    BodyDecoder decoder(head);
    std::string body;
    Result result = decoder.State();
    for (size_t i = 0; i < rest.size(); i += pieceSize)
        result = decoder.Feed(rest.substr(i, pieceSize), body);
    FUZZ_CHECK(result == expectedResult);
    if (result != Result::kInvalid) {
        FUZZ_CHECK(whole == expected);
        FUZZ_CHECK(body == expected);
    }
    // A close ends only a body framed by it, and never revives one.
    const Result closed = decoder.Close();
    FUZZ_CHECK(closed == (result == Result::kMore
                              ? (head.framing == Framing::kClose ? Result::kEnded : Result::kInvalid)
                              : result));
    return 0;
}
