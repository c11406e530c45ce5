// The body of an HTTP answer taken out of the bytes that follow its head,
// as they arrive, by the framing the head announced: a length, chunks, or
// the end of the connection. Plain C++ with no system calls, so that the
// natively built fuzzers can feed it any bytes in any pieces.
//
// Each byte is looked at once, however the bytes are cut into pieces: a
// body of one-byte chunks costs what any other body of its size costs.
// What a server sends after the last chunk (trailer fields) is read and
// left aside, but only so much of it: a server that sends trailers without
// end makes the body invalid rather than keeping the download waiting.
#pragma once

#include "framework/HttpHead.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace http {

class BodyDecoder {
public:
    enum class Result { kMore, kEnded, kInvalid };

    // A chunk's size line, a trailer, may not be longer than this...
    static constexpr size_t kMaxLine = 4096;
    // ...and the trailers together no more than this many lines and bytes.
    static constexpr size_t kMaxTrailers = 32;
    static constexpr size_t kMaxTrailerBytes = 8192;

    // Begins a body framed as head says.
    explicit BodyDecoder(const AnswerHead& head);

    // Appends to body what the next bytes from the connection hold of it.
    // Bytes after the body's end are left out. Once kInvalid, always.
    Result Feed(std::string_view bytes, std::string& body);
    // The server closed the connection: whether that ended the body whole
    // (only a body framed by the close ends there).
    Result Close();

    Result State() const { return m_result; }

private:
    // Where a chunked body is: at a chunk's size line, in its data, at the
    // line end after the data, or in the trailers after the last chunk.
    enum class Step { kSize, kData, kDataEnd, kTrailers };

    // Takes one whole line (its LF gone) of a chunked body.
    Result OnLine(std::string_view line);

    Framing m_framing;
    Step m_step = Step::kSize;
    unsigned long long m_nLeft = 0;  // body bytes (kLength) or chunk bytes (kChunked) still to come
    std::string m_line;              // a line not yet whole
    size_t m_nTrailers = 0;
    size_t m_nTrailerBytes = 0;
    Result m_result = Result::kMore;
};

}  // namespace http
