// Where a text starts looking for its place in a hash table of 2^nBits
// slots (nBits from 1 to 63): FNV-1a over its bytes, spread over the
// table's bits by a Fibonacci multiply (the top bits of the product).
// Header only, so that the natively built fuzzers need nothing else.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace dictionary {

inline size_t FirstSlot(std::string_view text, int nBits) {
    uint64_t h = 14695981039346656037ull;
    for (char c : text) {
        h ^= static_cast<unsigned char>(c);
        h *= 1099511628211ull;
    }
    return static_cast<size_t>((h * 11400714819323198485ull) >> (64 - nBits));
}

}  // namespace dictionary
