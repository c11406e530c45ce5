// Gunzip (declared with the StarDict reader, whose .dict.dz it reads):
// gzip members one after another, each inflated by zlib.
#include "dictionary/StarDict.h"

#include <zlib.h>

#include <algorithm>

namespace dictionary {

namespace {

constexpr size_t kFirstOutput = size_t{1} << 16;
constexpr size_t kInputStep = size_t{1} << 30;  // zlib counts in 32 bits

bool IsGzipStart(std::string_view bytes) {
    return bytes.size() >= 2 && bytes[0] == '\x1F' && bytes[1] == '\x8B';
}

// An inflate stream that ends itself.
class Inflater {
public:
    Inflater() { m_bReady = inflateInit2(&m_stream, 16 + MAX_WBITS) == Z_OK; }
    ~Inflater() {
        if (m_bReady)
            inflateEnd(&m_stream);
    }
    Inflater(const Inflater&) = delete;
    Inflater& operator=(const Inflater&) = delete;

    bool Ready() const { return m_bReady; }
    z_stream& Stream() { return m_stream; }

private:
    z_stream m_stream{};
    bool m_bReady;
};

}  // namespace

bool Gunzip(std::string_view compressed, std::string& out, std::string& error) {
    out.clear();
    if (!IsGzipStart(compressed)) {
        error = "The file is not gzip-compressed.";
        return false;
    }
    Inflater inflater;
    if (!inflater.Ready()) {
        error = "The decompressor could not start.";
        return false;
    }
    z_stream& stream = inflater.Stream();
    size_t consumed = 0;  // input handed to zlib so far
    size_t produced = 0;  // output bytes in out
    stream.avail_in = 0;
    for (;;) {
        if (stream.avail_in == 0 && consumed < compressed.size()) {
            const size_t n = std::min(kInputStep, compressed.size() - consumed);
            stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.data() + consumed));
            stream.avail_in = static_cast<uInt>(n);
            consumed += n;
        }
        if (produced == out.size()) {
            // Text mostly inflates to three or four times its size.
            const uint64_t grown =
                std::max<uint64_t>({kFirstOutput, uint64_t{compressed.size()} * 3, out.size() * 2});
            out.resize(static_cast<size_t>(std::min(kMaxGunzipBytes + 1, grown)));
        }
        stream.next_out = reinterpret_cast<Bytef*>(&out[produced]);
        stream.avail_out = static_cast<uInt>(std::min(out.size() - produced, kInputStep));
        const uInt roomBefore = stream.avail_out;
        const int result = inflate(&stream, Z_NO_FLUSH);
        produced += roomBefore - stream.avail_out;
        if (produced > kMaxGunzipBytes) {
            error = "The data would be over 2 GiB once decompressed.";
            out.clear();
            return false;
        }
        if (result == Z_STREAM_END) {
            // Another member may follow; zeros after the last are padding.
            const std::string_view rest = compressed.substr(consumed - stream.avail_in);
            if (rest.find_first_not_of('\0') == std::string_view::npos)
                break;
            if (!IsGzipStart(rest)) {
                error = "The compressed data is followed by bytes that are not gzip.";
                out.clear();
                return false;
            }
            inflateReset(&stream);
            continue;
        }
        if (result == Z_BUF_ERROR && stream.avail_in == 0 && consumed == compressed.size()) {
            error = "The compressed data is cut short.";
            out.clear();
            return false;
        }
        if (result != Z_OK && result != Z_BUF_ERROR) {
            error = std::string("The compressed data is damaged (") +
                    (stream.msg ? stream.msg : "zlib error") + ").";
            out.clear();
            return false;
        }
    }
    out.resize(produced);
    return true;
}

}  // namespace dictionary
