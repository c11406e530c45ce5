// What the fuzzers share: a check that stops the run (libFuzzer then keeps
// the input that broke it) and a plain reading of the input's bytes.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#define FUZZ_CHECK(condition)                                                                  \
    do {                                                                                       \
        if (!(condition)) {                                                                    \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                      \
        }                                                                                      \
    } while (false)

inline std::string_view AsText(const uint8_t* data, size_t size) {
    return std::string_view(reinterpret_cast<const char*>(data), size);
}

// Takes the text up to the first `mark` (which is dropped); all of it when
// there is none.
inline std::string_view TakeUntil(std::string_view& rest, char mark) {
    const size_t pos = rest.find(mark);
    std::string_view piece = rest.substr(0, pos);
    rest.remove_prefix(pos == std::string_view::npos ? rest.size() : pos + 1);
    return piece;
}

// The head word of a line: the text before its first colon (none without one).
inline std::string_view HeadOf(std::string_view line) {
    const size_t colon = line.find(':');
    return colon == std::string_view::npos ? std::string_view() : line.substr(0, colon);
}

// The lines a splitter gives for bytes fed in pieces of the given sizes in
// turn (all at once when there are none).
template <class Splitter>
std::vector<std::string> SplitLines(std::string_view bytes, const std::vector<size_t>& pieces = {}) {
    std::vector<std::string> lines;
    Splitter splitter;
    auto collect = [&lines](std::string_view line) { lines.emplace_back(line); };
    for (size_t pos = 0, next = 0; pos < bytes.size();) {
        const size_t n =
            pieces.empty() ? bytes.size() : std::min(pieces[next++ % pieces.size()], bytes.size() - pos);
        splitter.Feed(bytes.data() + pos, n, collect);
        pos += n;
    }
    splitter.Finish(collect);
    return lines;
}

// The lines of bytes cut at LF, the simple way: each piece between LFs,
// and the piece after the last LF when it is not empty.
inline std::vector<std::string> PiecesBetweenLineFeeds(std::string_view bytes, bool& bLastOpen) {
    std::vector<std::string> pieces;
    size_t start = 0;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            pieces.emplace_back(bytes.substr(start, i - start));
            start = i + 1;
        }
    }
    bLastOpen = start < bytes.size();
    if (bLastOpen)
        pieces.emplace_back(bytes.substr(start));
    return pieces;
}

// A cost that grows faster than the input shows only on large inputs,
// which mutation reaches slowly. The input's first byte n and the text
// after it: the piece between the first two 0xFE bytes of the text is
// repeated 2^(n % 20) times (the marks dropped), the whole kept under
// 4 MB; a text without two marks is taken as it is.
inline std::string Expanded(std::string_view input) {
    if (input.empty())
        return std::string();
    const unsigned exponent = static_cast<unsigned char>(input[0]) % 20;
    std::string_view text = input.substr(1);
    const size_t open = text.find('\xFE');
    const size_t close = open == std::string_view::npos ? open : text.find('\xFE', open + 1);
    if (close == std::string_view::npos)
        return std::string(text);
    const std::string_view unit = text.substr(open + 1, close - open - 1);
    std::string out(text.substr(0, open));
    const size_t room = (size_t(4) << 20) - std::min(text.size(), size_t(4) << 20);
    for (size_t n = size_t(1) << exponent; n > 0 && out.size() + unit.size() <= room; --n)
        out.append(unit.data(), unit.size());
    out.append(text.substr(close + 1));
    return out;
}
