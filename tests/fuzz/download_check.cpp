// The download check against its rules restated plainly. Input: see
// Expanded (a long run of "<a" is what once made a line cost its length
// squared); every line of the text, cut at LF, is checked, and the text as
// content type and as the body's start.
#include "FuzzCheck.h"

#include "dictionary/DownloadCheck.h"

using namespace dictionary;

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v' || c == '\x1A';
}

bool AllBlank(std::string_view text) {
    return std::all_of(text.begin(), text.end(), IsBlank);
}

// A tag starts at the first '<' followed by a letter, '/', '!' or '?' that
// has a '>' somewhere after that character.
bool HasTag(std::string_view line) {
    for (size_t i = 0; i + 1 < line.size(); ++i) {
        const char c = line[i + 1];
        const bool bStart =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '/' || c == '!' || c == '?';
        if (line[i] == '<' && bStart)
            return line.find('>', i + 2) != std::string_view::npos;
    }
    return false;
}

bool ReferenceIsDictionaryLine(std::string_view line) {
    if (HasTag(line))
        return false;
    const size_t colon = line.find(':');
    return colon == std::string_view::npos ? AllBlank(line) : !AllBlank(line.substr(0, colon));
}

bool ContainsNoCase(std::string_view text, std::string_view word) {
    std::string lower(text);
    for (char& c : lower)
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    return lower.find(word) != std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text = Expanded(AsText(data, size));
    std::string_view rest = text;
    while (!rest.empty()) {
        const std::string_view line = TakeUntil(rest, '\n');
        FUZZ_CHECK(IsDictionaryLine(line) == ReferenceIsDictionaryLine(line));
    }
    FUZZ_CHECK(IsPageContentType(text) == (ContainsNoCase(text, "html") || ContainsNoCase(text, "xml")));
    std::string_view body = text;
    if (body.substr(0, 3) == "\xEF\xBB\xBF")
        body.remove_prefix(3);
    while (!body.empty() && IsBlank(body.front()))
        body.remove_prefix(1);
    FUZZ_CHECK(StartsLikeMarkup(text) == (!body.empty() && body.front() == '<'));
    return 0;
}
