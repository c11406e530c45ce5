// Looking for one byte value in a block of bytes, and copying short runs of
// bytes, sixteen bytes at a time. A dictionary of a million lines is some
// forty megabytes of short lines, and the C runtime's memchr is a plain byte
// loop on some systems, its memcpy slow to call for a few dozen bytes;
// every pass over a whole file (loading, counting, rewriting) goes through
// here. Header only, so that the natively built fuzzers need nothing else.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define TAV_BYTESCAN_SSE2 1
#endif
#if defined(_MSC_VER)
#include <intrin.h>
#endif

namespace dictionary {

namespace bytescan_detail {

inline unsigned LowestBit(unsigned mask) {
#if defined(_MSC_VER)
    unsigned long index;
    _BitScanForward(&index, mask);
    return static_cast<unsigned>(index);
#else
    return static_cast<unsigned>(__builtin_ctz(mask));
#endif
}

inline unsigned BitCount(unsigned mask) {
#if defined(_MSC_VER)
    return __popcnt(mask);
#else
    return static_cast<unsigned>(__builtin_popcount(mask));
#endif
}

}  // namespace bytescan_detail

// The position of the first byte equal to c, or size when there is none.
inline size_t FindByte(const char* data, size_t size, char c) {
    size_t i = 0;
#ifdef TAV_BYTESCAN_SSE2
    const __m128i needle = _mm_set1_epi8(c);
    for (; i + 16 <= size; i += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
        const unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, needle)));
        if (mask != 0)
            return i + bytescan_detail::LowestBit(mask);
    }
#endif
    for (; i < size; ++i) {
        if (data[i] == c)
            return i;
    }
    return size;
}

// Calls onByte(position) for every byte equal to c, in order.
template <class OnByte>
void ForEachByte(const char* data, size_t size, char c, OnByte&& onByte) {
    size_t i = 0;
#ifdef TAV_BYTESCAN_SSE2
    const __m128i needle = _mm_set1_epi8(c);
    for (; i + 16 <= size; i += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
        for (unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, needle)));
             mask != 0; mask &= mask - 1)
            onByte(i + bytescan_detail::LowestBit(mask));
    }
#endif
    for (; i < size; ++i) {
        if (data[i] == c)
            onByte(i);
    }
}

// How many bytes equal c.
inline size_t CountByte(const char* data, size_t size, char c) {
    size_t count = 0, i = 0;
#ifdef TAV_BYTESCAN_SSE2
    const __m128i needle = _mm_set1_epi8(c);
    for (; i + 16 <= size; i += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
        count += bytescan_detail::BitCount(
            static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, needle))));
    }
#endif
    for (; i < size; ++i)
        count += data[i] == c;
    return count;
}

// Copies size bytes; the two ranges must not overlap. Short runs are moved
// as two pieces of a fixed size that may overlap each other.
inline void CopyBytes(char* out, const char* data, size_t size) {
#ifdef TAV_BYTESCAN_SSE2
    if (size >= 16) {
        for (size_t i = 0; i + 16 < size; i += 16)
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i),
                             _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i)));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + size - 16),
                         _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + size - 16)));
        return;
    }
#endif
    if (size >= 8) {
        uint64_t head, tail;
        std::memcpy(&head, data, 8);
        std::memcpy(&tail, data + size - 8, 8);
        std::memcpy(out, &head, 8);
        std::memcpy(out + size - 8, &tail, 8);
    } else if (size >= 4) {
        uint32_t head, tail;
        std::memcpy(&head, data, 4);
        std::memcpy(&tail, data + size - 4, 4);
        std::memcpy(out, &head, 4);
        std::memcpy(out + size - 4, &tail, 4);
    } else {
        for (size_t i = 0; i < size; ++i)
            out[i] = data[i];
    }
}

}  // namespace dictionary
