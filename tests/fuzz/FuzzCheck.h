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
