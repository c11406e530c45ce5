#include "StarDictWriter.h"

#include <zlib.h>

#include <set>
#include <stdexcept>

namespace {

void AppendBigEndian(std::string& out, uint64_t value, int bytes) {
    for (int shift = (bytes - 1) * 8; shift >= 0; shift -= 8)
        out += static_cast<char>((value >> shift) & 0xFF);
}

bool IsUpper(char type) {
    return type >= 'A' && type <= 'Z';
}

// Appends an item, its end (a NUL or a size before it) written unless bLast.
void AppendItem(std::string& out, char type, std::string_view data, bool bLast) {
    if (IsUpper(type) && !bLast)
        AppendBigEndian(out, data.size(), 4);
    out.append(data.data(), data.size());
    if (!IsUpper(type) && !bLast)
        out += '\0';
}

std::string GzipMember(std::string_view data) {
    z_stream stream{};
    if (deflateInit2(&stream, Z_BEST_SPEED, Z_DEFLATED, 16 + MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        throw std::runtime_error("deflateInit2");
    // The header's extra field as dictzip has it ("RA", then version, chunk
    // length, chunk count and the chunks' sizes), the one chunk's size left
    // zero: readers inflate the members whole and must only step over it.
    unsigned char extra[] = {'R', 'A', 8, 0, 1, 0, 0, 0, 1, 0, 0, 0};
    const size_t chunk = data.size() < 0xFFFF ? data.size() : 0xFFFF;
    extra[6] = static_cast<unsigned char>(chunk & 0xFF);
    extra[7] = static_cast<unsigned char>(chunk >> 8);
    gz_header header{};
    header.extra = extra;
    header.extra_len = sizeof extra;
    deflateSetHeader(&stream, &header);
    std::string out(deflateBound(&stream, static_cast<uLong>(data.size())) + 32, '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    stream.avail_in = static_cast<uInt>(data.size());
    stream.next_out = reinterpret_cast<Bytef*>(&out[0]);
    stream.avail_out = static_cast<uInt>(out.size());
    const int result = deflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    if (result != Z_STREAM_END)
        throw std::runtime_error("deflate");
    return out;
}

// xorshift32: fast and the same on every platform.
uint32_t Next(uint32_t& state) {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
}

// A word of one to four syllables from the list.
template <size_t N>
std::string Syllables(const char* const (&syllables)[N], uint32_t& state) {
    std::string word;
    for (uint32_t n = 1 + Next(state) % 4; n > 0; --n)
        word += syllables[Next(state) % N];
    return word;
}

// English-like head words, plain letters.
const char* const kEnglish[] = {"an",   "ber",  "cor", "de",  "ex",  "fle", "gra", "hou",
                                "in",   "ment", "nor", "ous", "pre", "qua", "ro",  "ste",
                                "tion", "un",   "ver", "wa",  "ly",  "ing", "se",  "ta"};
// Romanian-like translations in UTF-8, with comma-below s and t and the
// cedilla forms older files have.
const char* const kRomanian[] = {"ca", "m\xC4\x83", "\xC3\xAEn", "\xC8\x99i",  "\xC8\x9Bi", "re",
                                 "lu", "c\xC3\xA2", "pe",        "\xC5\x9Fo",  "\xC5\xA3u", "to",
                                 "ri", "ne",        "bu",        "st\xC4\x83", "mi"};

}  // namespace

std::string WriteIfo(const dictionary::StarDictInfo& info) {
    std::string text = "StarDict's dict ifo file\nversion=" + info.version + "\nbookname=" + info.bookname +
                       "\nwordcount=" + std::to_string(info.wordcount) +
                       "\nidxfilesize=" + std::to_string(info.idxfilesize) + "\n";
    if (info.idxoffsetbits == 64)
        text += "idxoffsetbits=64\n";
    if (!info.sametypesequence.empty())
        text += "sametypesequence=" + info.sametypesequence + "\n";
    if (info.synwordcount != 0)
        text += "synwordcount=" + std::to_string(info.synwordcount) + "\n";
    return text;
}

StarDictWriter::StarDictWriter(int offsetBits, std::string sametypesequence)
    : m_offsetBits(offsetBits), m_sametypesequence(std::move(sametypesequence)) {}

void StarDictWriter::Add(std::string_view word, const std::vector<StarDictItem>& items) {
    std::string data;
    for (size_t i = 0; i < items.size(); ++i) {
        if (m_sametypesequence.empty()) {
            data += items[i].first;
            AppendItem(data, items[i].first, items[i].second, false);
        } else {
            AppendItem(data, items[i].first, items[i].second, i + 1 == items.size());
        }
    }
    AddRaw(word, data);
}

void StarDictWriter::AddRaw(std::string_view word, std::string_view data) {
    m_idx.append(word.data(), word.size());
    m_idx += '\0';
    AppendBigEndian(m_idx, m_dict.size(), m_offsetBits / 8);
    AppendBigEndian(m_idx, data.size(), 4);
    m_dict.append(data.data(), data.size());
    ++m_count;
}

void StarDictWriter::AddSynonym(std::string_view form, uint32_t entry) {
    m_syn.append(form.data(), form.size());
    m_syn += '\0';
    AppendBigEndian(m_syn, entry, 4);
    ++m_formCount;
}

dictionary::StarDictInfo StarDictWriter::Info() const {
    dictionary::StarDictInfo info;
    info.version = m_offsetBits == 64 ? "3.0.0" : "2.4.2";
    info.bookname = "Test";
    info.wordcount = m_count;
    info.idxfilesize = m_idx.size();
    info.idxoffsetbits = m_offsetBits;
    info.sametypesequence = m_sametypesequence;
    info.synwordcount = m_formCount;
    return info;
}

std::string Gzip(std::string_view data, size_t memberBytes) {
    if (memberBytes == 0)
        return GzipMember(data);
    std::string out;
    for (size_t start = 0; start < data.size(); start += memberBytes)
        out += GzipMember(data.substr(start, memberBytes));
    return out;
}

GeneratedStarDict MakeStarDict(size_t count, uint32_t seed, size_t formsPerEntry) {
    uint32_t state = seed | 1;
    // As in a real dictionary, each head word once, in order.
    std::set<std::string> words;
    while (words.size() < count)
        words.insert(Syllables(kEnglish, state));
    StarDictWriter writer(32, "h");
    // Endings as Romanian nouns take them, the comma-below letters too.
    const char* const kEndings[] = {"ul",       "ului", "uri", "urile",     "urilor",    "e",   "ele", "elor",
                                    "\xC4\x83", "a",    "ii",  "\xC8\x99i", "\xC8\x9Bi", "lor", "le"};
    uint32_t nEntry = 0;
    for (const std::string& word : words) {
        for (size_t k = 0; k < formsPerEntry; ++k)
            writer.AddSynonym(word + kEndings[k % (sizeof kEndings / sizeof kEndings[0])] +
                                  (k < sizeof kEndings / sizeof kEndings[0] ? "" : std::to_string(k)),
                              nEntry);
        ++nEntry;
        std::string html = "<b>" + word + "</b> <i>n.</i><br>";
        for (uint32_t n = 1 + Next(state) % 4; n > 0; --n)
            html += "<li>" + Syllables(kRomanian, state) + " &amp; " + Syllables(kRomanian, state) + "</li>";
        writer.Add(word, {{'h', html}});
    }
    return {writer.Info(), writer.Idx(), writer.Dict(), writer.Syn()};
}
