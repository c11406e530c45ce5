// The head of an HTTP answer as the server sent it: where it ends, what its
// status line and the few fields a download looks at say. Plain C++ with no
// system calls, so that the natively built fuzzers can feed it any bytes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace http {

// How the body's end is told.
enum class Framing { kLength, kChunked, kClose };

struct AnswerHead {
    unsigned status = 0;
    std::string statusText;   // as sent: show it only through PrintableStatusText
    std::string contentType;  // empty when none was given
    std::string location;     // a redirect's target; empty for any other answer
    Framing framing = Framing::kClose;
    unsigned long long length = 0;  // kLength: the announced length
    bool bNoBody = false;           // informational, 204, 304, or a length of 0
};

// Where the body starts: just past the first empty line (CR LF or LF); npos
// while the head is not complete.
size_t HeadEnd(std::string_view bytes);

// Reads the head (up to and without its empty line). False when it is no
// answer this reader takes: no "HTTP/x.y NNN" status line, a length that is
// not a number, or a redirect to a target holding a control character (it
// would go into the next request's lines).
bool ParseHead(std::string_view head, AnswerHead& out);

// A server's status text as the user may see it: printable ASCII only (the
// rest, control characters among it, left out), blanks single and not at
// its ends, at most kMaxShownStatusText characters.
constexpr size_t kMaxShownStatusText = 64;
std::string PrintableStatusText(std::string_view text);

}  // namespace http
