// Where a text starts looking for its place in a hash table of 2^nBits
// slots (nBits from 1 to 63).
//
// The hash is keyed with a number drawn once per process. With a hash
// anyone can compute, whoever writes a dictionary or an update can choose
// head words that all start in one run of slots, and each new word then
// walks the whole run: 50,000 such words made a load take seconds instead
// of milliseconds, two million took over an hour. A keyed hash of
// SipHash's design (one round per eight bytes, three to finish) cannot be
// steered without the key, and costs a few dozen nanoseconds a word.
// Nothing may depend on which slot a word takes: the slots differ from run
// to run. Header only, so that the natively built fuzzers need nothing else.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <random>
#include <string_view>

namespace dictionary {

namespace tablehash_detail {

struct Key {
    uint64_t k0, k1;
};

inline uint64_t Rotate(uint64_t x, int n) {
    return (x << n) | (x >> (64 - n));
}

struct State {
    uint64_t v0, v1, v2, v3;

    void Round() {
        v0 += v1;
        v1 = Rotate(v1, 13);
        v1 ^= v0;
        v0 = Rotate(v0, 32);
        v2 += v3;
        v3 = Rotate(v3, 16);
        v3 ^= v2;
        v0 += v3;
        v3 = Rotate(v3, 21);
        v3 ^= v0;
        v2 += v1;
        v1 = Rotate(v1, 17);
        v1 ^= v2;
        v2 = Rotate(v2, 32);
    }

    void Take(uint64_t m) {
        v3 ^= m;
        Round();
        v0 ^= m;
    }
};

// Spreads the bits of a number that may hold few unknown ones (a time, an
// address) over all 64.
inline uint64_t Mix(uint64_t x) {
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

// The system's random source where it has one (the C runtime's rand_s on
// Windows, /dev/urandom elsewhere); the clock and where this process's
// stack lies besides, so that a source that fails or repeats itself still
// gives every process a key of its own.
inline Key DrawKey() {
    uint64_t drawn[4] = {};
    try {
        std::random_device device;
        for (uint64_t& word : drawn)
            word = (uint64_t(device()) << 32) ^ device();
    } catch (...) {
        // The clock and the address below are all there is.
    }
    const uint64_t clock =
        static_cast<uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
    const uint64_t address = static_cast<uint64_t>(reinterpret_cast<uintptr_t>(&drawn));
    return Key{drawn[0] ^ Mix(drawn[2] ^ clock), drawn[1] ^ Mix(drawn[3] ^ Mix(address))};
}

inline const Key& ProcessKey() {
    static const Key key = DrawKey();
    return key;
}

inline uint64_t KeyedHash(std::string_view text, const Key& key) {
    State s{key.k0 ^ 0x736F6D6570736575ull, key.k1 ^ 0x646F72616E646F6Dull, key.k0 ^ 0x6C7967656E657261ull,
            key.k1 ^ 0x7465646279746573ull};
    const char* p = text.data();
    size_t n = text.size();
    for (; n >= 8; n -= 8, p += 8) {
        uint64_t m;
        std::memcpy(&m, p, 8);
        s.Take(m);
    }
    uint64_t last = uint64_t(text.size()) << 56;
    for (size_t i = 0; i < n; ++i)
        last |= uint64_t(static_cast<unsigned char>(p[i])) << (8 * i);
    s.Take(last);
    s.v2 ^= 0xFF;
    s.Round();
    s.Round();
    s.Round();
    return s.v0 ^ s.v1 ^ s.v2 ^ s.v3;
}

}  // namespace tablehash_detail

inline size_t FirstSlot(std::string_view text, int nBits) {
    return static_cast<size_t>(tablehash_detail::KeyedHash(text, tablehash_detail::ProcessKey()) >>
                               (64 - nBits));
}

}  // namespace dictionary
