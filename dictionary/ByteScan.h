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

// The position of the first byte equal to c that starts the block or
// follows an LF, or size when there is none: where a line of a block of
// whole lines begins with c. Sixteen starts are ruled out at a time.
inline size_t FindLineStart(const char* data, size_t size, char c) {
    if (size > 0 && data[0] == c)
        return 0;
    size_t i = 1;
#ifdef TAV_BYTESCAN_SSE2
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i needle = _mm_set1_epi8(c);
    for (; i + 16 <= size; i += 16) {
        const __m128i before = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i - 1));
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
        const unsigned mask = static_cast<unsigned>(
            _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(before, lf), _mm_cmpeq_epi8(block, needle))));
        if (mask != 0)
            return i + bytescan_detail::LowestBit(mask);
    }
#endif
    for (; i < size; ++i) {
        if (data[i] == c && data[i - 1] == '\n')
            return i;
    }
    return size;
}

// Copies the whole lines [data, data + size) to out and returns the end of
// the copy, leaving out the CR of every CR LF line end (a CR that follows
// another CR belongs to its line's text and stays). out needs room for size
// bytes and 32 more, which it may overwrite.
inline char* CopyLinesWithLfEnds(const char* data, size_t size, char* out) {
    // Whether the CR at data[i], right before an LF, belongs to the line end.
    auto isLineEndCr = [data](size_t i) { return i == 0 || data[i - 1] != '\r'; };
    size_t i = 0;
#ifdef TAV_BYTESCAN_SSE2
    if (size > 0) {
        if (!(data[0] == '\r' && size > 1 && data[1] == '\n'))
            *out++ = data[0];
        i = 1;
    }
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    auto load = [data](size_t at) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + at)); };
    auto store = [](char* at, __m128i bytes) { _mm_storeu_si128(reinterpret_cast<__m128i*>(at), bytes); };
    // Sixteen bytes at a time while the loads (up to 32 bytes ahead) stay
    // inside the block. Lines are mostly longer than sixteen bytes, so a
    // block mostly holds one CR to leave out or none: two stores, the second
    // moving the rest of the block over it, without a branch.
    for (; i + 33 <= size; i += 16) {
        const __m128i block = load(i);
        const unsigned drop = static_cast<unsigned>(_mm_movemask_epi8(
            _mm_andnot_si128(_mm_cmpeq_epi8(load(i - 1), cr),
                             _mm_and_si128(_mm_cmpeq_epi8(block, cr), _mm_cmpeq_epi8(load(i + 1), lf)))));
        if ((drop & (drop - 1)) == 0) {
            const size_t k = drop != 0 ? bytescan_detail::LowestBit(drop) : 16;
            store(out, block);
            store(out + k, load(i + k + 1));
            out += drop != 0 ? 15 : 16;
            continue;
        }
        size_t start = 0;
        for (unsigned mask = drop; mask != 0; mask &= mask - 1) {
            const size_t k = bytescan_detail::LowestBit(mask);
            store(out, load(i + start));
            out += k - start;
            start = k + 1;
        }
        store(out, load(i + start));
        out += 16 - start;
    }
#endif
    for (; i < size; ++i) {
        if (data[i] == '\r' && i + 1 < size && data[i + 1] == '\n' && isLineEndCr(i))
            continue;
        *out++ = data[i];
    }
    return out;
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
