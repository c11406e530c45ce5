#include "dictionary/StarDict.h"

#include "dictionary/ByteScan.h"
#include "dictionary/MarkupText.h"
#include "framework/CodePage.h"

#include <limits>

namespace dictionary {

namespace {

constexpr std::string_view kIfoMagic = "StarDict's dict ifo file";
constexpr size_t kProgressStep = 4096;

std::string_view Trim(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

bool ParseNumber(std::string_view text, uint64_t& value) {
    if (text.empty() || text.size() > 19)
        return false;
    value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + static_cast<uint64_t>(c - '0');
    }
    return true;
}

uint64_t ReadBigEndian(const char* bytes, size_t size) {
    uint64_t value = 0;
    for (size_t i = 0; i < size; ++i)
        value = (value << 8) | static_cast<unsigned char>(bytes[i]);
    return value;
}

bool IsLowerType(char type) {
    return type >= 'a' && type <= 'z';
}

bool IsUpperType(char type) {
    return type >= 'A' && type <= 'Z';
}

// Where one head word's data lies in the .dict.
struct IdxEntry {
    std::string_view word;
    uint64_t offset;
    uint64_t size;
};

// Reads the .idx into entries; false with the message when it does not
// hold what the .ifo names.
bool ReadIdx(const StarDictInfo& info, std::string_view idx, size_t dictSize, std::vector<IdxEntry>& entries,
             std::string& error) {
    if (idx.size() != info.idxfilesize) {
        error = "The .idx file is " + std::to_string(idx.size()) + " bytes long, not the " +
                std::to_string(info.idxfilesize) + " its .ifo names.";
        return false;
    }
    const size_t nOffset = info.idxoffsetbits == 64 ? 8 : 4;
    // Every entry takes at least a NUL, an offset and a size.
    if (info.wordcount <= idx.size() / (1 + nOffset + 4))
        entries.reserve(static_cast<size_t>(info.wordcount));
    size_t pos = 0;
    while (pos < idx.size()) {
        const std::string number = std::to_string(entries.size() + 1);
        const size_t nul = FindByte(idx.data() + pos, idx.size() - pos, '\0') + pos;
        if (nul == idx.size()) {
            error = "The .idx file's word " + number + " has no NUL at its end.";
            return false;
        }
        if (idx.size() - nul - 1 < nOffset + 4) {
            error = "The .idx file ends inside the entry of its word " + number + ".";
            return false;
        }
        const std::string_view word = idx.substr(pos, nul - pos);
        if (!codepage::IsValidUtf8(word)) {
            error = "The .idx file's word " + number + " is not valid UTF-8.";
            return false;
        }
        const uint64_t offset = ReadBigEndian(idx.data() + nul + 1, nOffset);
        const uint64_t size = ReadBigEndian(idx.data() + nul + 1 + nOffset, 4);
        if (offset > dictSize || size > dictSize - offset) {
            error = "The .idx file places the data of \"" + std::string(word) + "\" at bytes " +
                    std::to_string(offset) + " to " + std::to_string(offset + size) +
                    ", beyond the end of the .dict file (" + std::to_string(dictSize) + " bytes).";
            return false;
        }
        entries.push_back({word, offset, size});
        pos = nul + 1 + nOffset + 4;
    }
    if (entries.size() != info.wordcount) {
        error = "The .idx file holds " + std::to_string(entries.size()) + " words, not the " +
                std::to_string(info.wordcount) + " its .ifo names.";
        return false;
    }
    return true;
}

// Adds the translations of one entry's data (its items as the
// sametypesequence has them, or each with its own type when there is none);
// false when an item does not fit in the data.
bool ReadItems(std::string_view data, std::string_view sametypesequence, ImportEntry& entry) {
    size_t pos = 0;
    // Reads the item of the given type at pos, running to the end of data
    // when bLast; false when it does not fit.
    auto readItem = [&](char type, bool bLast) {
        std::string_view item;
        if (bLast) {
            item = data.substr(pos);
            pos = data.size();
        } else if (IsLowerType(type)) {
            size_t nul = data.find('\0', pos);
            if (nul == std::string_view::npos)
                nul = data.size();  // the last NUL left out: tolerated
            item = data.substr(pos, nul - pos);
            pos = nul == data.size() ? nul : nul + 1;
        } else if (IsUpperType(type)) {
            if (data.size() - pos < 4)
                return false;
            const uint64_t size = ReadBigEndian(data.data() + pos, 4);
            pos += 4;
            if (size > data.size() - pos)
                return false;
            item = data.substr(pos, static_cast<size_t>(size));
            pos += static_cast<size_t>(size);
        } else {
            return false;
        }
        AddTranslationsFromMarkup(item, type, entry);
        return true;
    };
    if (!sametypesequence.empty()) {
        for (size_t i = 0; i < sametypesequence.size(); ++i) {
            if (pos == data.size())
                return true;  // the data ends before the item: nothing of it to read
            if (!readItem(sametypesequence[i], i + 1 == sametypesequence.size()))
                return false;
        }
        return true;
    }
    while (pos < data.size()) {
        const char type = data[pos++];
        if (!readItem(type, false))
            return false;
    }
    return true;
}

}  // namespace

bool ParseStarDictInfo(std::string_view ifoText, StarDictInfo& info, std::string& error) {
    info = StarDictInfo();
    if (ifoText.substr(0, 3) == "\xEF\xBB\xBF")
        ifoText.remove_prefix(3);
    bool bFirst = true, bWordcount = false, bIdxfilesize = false;
    std::string_view offsetBits;
    size_t start = 0;
    while (start < ifoText.size()) {
        size_t end = ifoText.find('\n', start);
        if (end == std::string_view::npos)
            end = ifoText.size();
        const std::string_view line = Trim(ifoText.substr(start, end - start));
        start = end + 1;
        if (bFirst) {
            if (line != kIfoMagic)
                break;
            bFirst = false;
            continue;
        }
        const size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            continue;
        const std::string_view key = Trim(line.substr(0, equals));
        const std::string_view value = Trim(line.substr(equals + 1));
        if (key == "version")
            info.version = std::string(value);
        else if (key == "bookname")
            info.bookname = std::string(value);
        else if (key == "wordcount")
            bWordcount = ParseNumber(value, info.wordcount);
        else if (key == "idxfilesize")
            bIdxfilesize = ParseNumber(value, info.idxfilesize);
        else if (key == "idxoffsetbits")
            offsetBits = value;
        else if (key == "sametypesequence")
            info.sametypesequence = std::string(value);
        else if (key == "synwordcount" && !ParseNumber(value, info.synwordcount))
            info.synwordcount = 0;
    }
    if (bFirst) {
        error = "The file does not begin with the line \"StarDict's dict ifo file\".";
    } else if (info.version != "2.4.2" && info.version != "3.0.0") {
        error = info.version.empty() ? "The .ifo file names no version."
                                     : "The .ifo file's version is not 2.4.2 or 3.0.0.";
    } else if (!bWordcount) {
        error = "The .ifo file gives no valid wordcount.";
    } else if (!bIdxfilesize) {
        error = "The .ifo file gives no valid idxfilesize.";
    } else if (!offsetBits.empty() && offsetBits != "32" &&
               !(offsetBits == "64" && info.version == "3.0.0")) {
        error = "The .ifo file's idxoffsetbits is not 32, or 64 with version 3.0.0.";
    } else {
        for (char type : info.sametypesequence) {
            if (!IsLowerType(type) && !IsUpperType(type)) {
                error = "The .ifo file's sametypesequence holds something that is not a data type.";
                return false;
            }
        }
        info.idxoffsetbits = offsetBits == "64" ? 64 : 32;
        return true;
    }
    return false;
}

bool ReadStarDict(const StarDictInfo& info, std::string_view idx, std::string_view dict,
                  std::vector<ImportEntry>& entries, std::string& error,
                  const std::function<void(size_t, size_t)>& onProgress) {
    std::vector<IdxEntry> places;
    if (!ReadIdx(info, idx, dict.size(), places, error))
        return false;
    std::vector<ImportEntry> read;
    read.reserve(places.size());
    for (size_t i = 0; i < places.size(); ++i) {
        if (onProgress && i % kProgressStep == 0)
            onProgress(i, places.size());
        const IdxEntry& place = places[i];
        ImportEntry entry;
        entry.word = CleanHeadWord(place.word);
        const std::string_view data =
            dict.substr(static_cast<size_t>(place.offset), static_cast<size_t>(place.size));
        if (!ReadItems(data, info.sametypesequence, entry)) {
            error = "The .dict file's data of \"" + std::string(place.word) +
                    "\" is damaged: an item is cut short or of no type.";
            return false;
        }
        if (!entry.word.empty() && !entry.translations.empty())
            read.push_back(std::move(entry));
    }
    if (onProgress)
        onProgress(places.size(), places.size());
    entries.insert(entries.end(), std::make_move_iterator(read.begin()), std::make_move_iterator(read.end()));
    return true;
}

bool ReadStarDictSyn(const StarDictInfo& info, std::string_view idx, std::string_view syn,
                     std::vector<StarDictForm>& forms, std::string& error) {
    std::vector<IdxEntry> places;
    // Where the data lies does not matter here.
    if (!ReadIdx(info, idx, std::numeric_limits<size_t>::max(), places, error))
        return false;
    std::vector<std::string> headWords(places.size());
    std::vector<StarDictForm> read;
    size_t pos = 0, count = 0;
    while (pos < syn.size()) {
        const std::string number = std::to_string(++count);
        const size_t nul = FindByte(syn.data() + pos, syn.size() - pos, '\0') + pos;
        if (nul == syn.size()) {
            error = "The .syn file's form " + number + " has no NUL at its end.";
            return false;
        }
        if (syn.size() - nul - 1 < 4) {
            error = "The .syn file ends inside the entry of its form " + number + ".";
            return false;
        }
        const std::string_view form = syn.substr(pos, nul - pos);
        if (!codepage::IsValidUtf8(form)) {
            error = "The .syn file's form " + number + " is not valid UTF-8.";
            return false;
        }
        const uint64_t entry = ReadBigEndian(syn.data() + nul + 1, 4);
        if (entry >= places.size()) {
            error = "The .syn file's form \"" + std::string(form) + "\" belongs to entry " +
                    std::to_string(entry + 1) + " of the .idx file, which holds " +
                    std::to_string(places.size()) + ".";
            return false;
        }
        std::string& headWord = headWords[static_cast<size_t>(entry)];
        if (headWord.empty())
            headWord = CleanHeadWord(places[static_cast<size_t>(entry)].word);
        StarDictForm item{CleanHeadWord(form), headWord};
        if (!item.form.empty() && !item.headWord.empty())
            read.push_back(std::move(item));
        pos = nul + 5;
    }
    if (info.synwordcount != 0 && count != info.synwordcount) {
        error = "The .syn file holds " + std::to_string(count) + " forms, not the " +
                std::to_string(info.synwordcount) + " its .ifo names.";
        return false;
    }
    forms.insert(forms.end(), std::make_move_iterator(read.begin()), std::make_move_iterator(read.end()));
    return true;
}

}  // namespace dictionary
