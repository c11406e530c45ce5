#include "framework/HttpHead.h"

#include <cstdlib>

namespace http {

namespace {

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (Lower(a[i]) != Lower(b[i]))
            return false;
    }
    return true;
}

bool ContainsNoCase(std::string_view text, std::string_view word) {
    for (size_t i = 0; i + word.size() <= text.size(); ++i) {
        if (EqualNoCase(text.substr(i, word.size()), word))
            return true;
    }
    return false;
}

bool IsControl(char c) {
    return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
}

std::string_view Trim(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return std::string_view();
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

bool IsDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

}  // namespace

size_t HeadEnd(std::string_view bytes) {
    for (size_t lf = bytes.find('\n'); lf != std::string_view::npos; lf = bytes.find('\n', lf + 1)) {
        if (lf + 1 < bytes.size() && bytes[lf + 1] == '\n')
            return lf + 2;
        if (lf + 2 < bytes.size() && bytes[lf + 1] == '\r' && bytes[lf + 2] == '\n')
            return lf + 3;
    }
    return std::string_view::npos;
}

bool ParseHead(std::string_view head, AnswerHead& out) {
    out = AnswerHead();
    // "HTTP/1.1 200 OK", then "Name: value" lines.
    size_t nLine = head.find('\n');
    const std::string_view status = Trim(head.substr(0, nLine));
    if (status.substr(0, 5) != "HTTP/" || status.size() < 12 || status[8] != ' ' ||
        !IsDigits(status.substr(9, 3)))
        return false;
    out.status = static_cast<unsigned>(std::strtoul(std::string(status.substr(9, 3)).c_str(), nullptr, 10));
    out.statusText = std::string(Trim(status.substr(12)));
    bool bLength = false;
    bool bChunked = false;
    std::string_view location;
    while (nLine != std::string_view::npos) {
        const size_t nNext = head.find('\n', nLine + 1);
        const std::string_view line = head.substr(
            nLine + 1, nNext == std::string_view::npos ? std::string_view::npos : nNext - nLine - 1);
        nLine = nNext;
        const size_t nColon = line.find(':');
        if (nColon == std::string_view::npos)
            continue;
        const std::string_view name = Trim(line.substr(0, nColon));
        const std::string_view value = Trim(line.substr(nColon + 1));
        if (EqualNoCase(name, "Content-Type")) {
            out.contentType = std::string(value);
        } else if (EqualNoCase(name, "Location")) {
            location = value;
        } else if (EqualNoCase(name, "Transfer-Encoding")) {
            if (ContainsNoCase(value, "chunked"))
                bChunked = true;
        } else if (EqualNoCase(name, "Content-Length")) {
            if (!IsDigits(value))
                return false;
            out.length = std::strtoull(std::string(value).c_str(), nullptr, 10);
            bLength = true;
        }
    }
    const unsigned s = out.status;
    if (s == 301 || s == 302 || s == 303 || s == 307 || s == 308) {
        for (char c : location) {
            if (IsControl(c))
                return false;
        }
        out.location = std::string(location);
    }
    out.framing = bChunked ? Framing::kChunked : bLength ? Framing::kLength : Framing::kClose;
    out.bNoBody =
        (s >= 100 && s < 200) || s == 204 || s == 304 || (out.framing == Framing::kLength && out.length == 0);
    return true;
}

std::string PrintableStatusText(std::string_view text) {
    std::string shown;
    for (char c : text) {
        if (c >= 0x20 && c < 0x7F && !(c == ' ' && (shown.empty() || shown.back() == ' ')))
            shown += c;
    }
    if (shown.size() > kMaxShownStatusText)
        shown.resize(kMaxShownStatusText);
    while (!shown.empty() && shown.back() == ' ')
        shown.pop_back();
    return shown;
}

}  // namespace http
