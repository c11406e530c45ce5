// The merge decision: which downloaded lines a dictionary still lacks.
// Input: one byte n (0-3) and n bytes to count as lead bytes of a
// double-byte code page, then the local file's bytes and the downloaded
// body, parted by the first "\n==\n" (no parting: all of it is the body).
#include "FuzzCheck.h"

#include "dictionary/DictionaryFormat.h"
#include "dictionary/UpdateMerge.h"

using namespace dictionary;
using Lines = std::vector<std::string>;

namespace {

// ASCII letters in upper case, except a lead byte and the byte after it.
std::string Fold(std::string_view text, const bool (&lead)[256]) {
    std::string out(text);
    for (size_t i = 0; i < out.size(); ++i) {
        const auto b = static_cast<unsigned char>(out[i]);
        if (lead[b] && i + 1 < out.size())
            ++i;
        else if (b >= 'a' && b <= 'z')
            out[i] = static_cast<char>(b - 'a' + 'A');
    }
    return out;
}

// A line the loader would not see whole: NUL cuts it where shown, 0x1A ends
// the text for good.
bool Unreadable(const std::string& line) {
    return line.find('\0') != std::string::npos || line.find('\x1A') != std::string::npos;
}

// The rule the slow way: each downloaded line looks through the local lines
// and the lines chosen before it.
std::vector<size_t> Rescan(const Lines& local, const Lines& downloaded, const bool (&lead)[256]) {
    std::vector<std::string> present;
    for (const std::string& line : local) {
        if (!line.empty() && !HeadOf(line).empty())
            present.push_back(Fold(HeadOf(line), lead));
    }
    std::vector<size_t> chosen;
    for (size_t i = 0; i < downloaded.size(); ++i) {
        const std::string_view head = HeadOf(downloaded[i]);
        if (head.empty() || Unreadable(downloaded[i]))
            continue;
        const std::string key = Fold(head, lead);
        if (std::find(present.begin(), present.end(), key) == present.end()) {
            present.push_back(key);
            chosen.push_back(i);
        }
    }
    return chosen;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view input = AsText(data, size);
    if (input.empty())
        return 0;
    CaseFold fold = CaseFold::Ascii();
    bool lead[256] = {};
    const size_t nLead = std::min<size_t>(static_cast<uint8_t>(input[0]) % 4, input.size() - 1);
    for (size_t i = 1; i <= nLead; ++i)
        fold.lead[static_cast<uint8_t>(input[i])] = lead[static_cast<uint8_t>(input[i])] = true;
    input.remove_prefix(1 + nLead);

    const size_t parting = input.find("\n==\n");
    const std::string_view localBytes =
        parting == std::string_view::npos ? std::string_view() : input.substr(0, parting);
    const std::string_view body = parting == std::string_view::npos ? input : input.substr(parting + 4);
    const Lines local = SplitLines<LineSplitter>(localBytes);
    const Lines downloaded = SplitLines<UpdateLineSplitter>(body);

    UpdateMerge merge(fold);
    for (const std::string& line : downloaded)
        merge.AddDownloadedLine(line);
    for (const std::string& line : local)
        merge.AddLocalLine(line);
    const std::vector<size_t> chosen = merge.Chosen();

    FUZZ_CHECK(chosen == Rescan(local, downloaded, lead));
    FUZZ_CHECK(merge.Outstanding() == chosen.size());
    for (size_t i : chosen) {
        // Only whole lines that the loader reads as they are, each with a head word.
        FUZZ_CHECK(i < downloaded.size());
        FUZZ_CHECK(!HeadOf(downloaded[i]).empty());
        FUZZ_CHECK(downloaded[i].find_first_of(std::string_view("\r\n\x1A\0", 4)) == std::string::npos);
    }
    // The convenience form decides the same.
    std::vector<std::string_view> localViews(local.begin(), local.end());
    std::vector<std::string_view> downloadedViews(downloaded.begin(), downloaded.end());
    FUZZ_CHECK(ChooseNewLines(localViews, downloadedViews, fold) == chosen);
    return 0;
}
