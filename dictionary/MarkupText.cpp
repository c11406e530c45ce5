#include "dictionary/MarkupText.h"

#include "dictionary/GrammarLabel.h"
#include "dictionary/TagEnds.h"
#include "framework/CodePage.h"

#include <cstring>
#include <initializer_list>
#include <string>

namespace dictionary {

namespace {

bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Decodes the entity at text[i] ('&') onto out and returns its length, or
// returns 0 when no entity known here starts there.
size_t DecodeEntity(std::string_view text, size_t i, std::string& out) {
    const size_t end = text.substr(0, i + 13).find(';', i + 1);
    if (end == std::string_view::npos)
        return 0;
    const std::string_view name = text.substr(i + 1, end - i - 1);
    static const struct {
        const char* name;
        char ch;
    } kNamed[] = {{"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}, {"nbsp", ' '}};
    for (const auto& named : kNamed) {
        if (name == named.name) {
            out += named.ch;
            return end - i + 1;
        }
    }
    if (name.size() < 2 || name[0] != '#')
        return 0;
    const bool bHex = name[1] == 'x' || name[1] == 'X';
    const std::string_view digits = name.substr(bHex ? 2 : 1);
    if (digits.empty())
        return 0;
    unsigned long ch = 0;
    for (char c : digits) {
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (bHex && Lower(c) >= 'a' && Lower(c) <= 'f')
            digit = Lower(c) - 'a' + 10;
        else
            return 0;
        ch = ch * (bHex ? 16 : 10) + static_cast<unsigned long>(digit);
        if (ch > 0x10FFFF)
            return 0;
    }
    // A character that cannot stand in text is dropped with its entity.
    if (ch != 0 && !(ch >= 0xD800 && ch <= 0xDFFF))
        codepage::AppendUtf8(static_cast<char32_t>(ch), out);
    return end - i + 1;
}

// A tag as far as the split needs it: its name in small letters (at most a
// few letters), whether it closes, and where it ends.
struct Tag {
    char name[12] = {};
    bool bClosing = false;
    size_t end = 0;  // just past the '>'
};

// Reads the tag at text[i] ('<'); false when none starts there.
bool ReadTag(std::string_view text, size_t i, TagEnds& tagEnds, Tag& tag) {
    size_t j = i + 1;
    if (j < text.size() && text[j] == '!' && text.compare(j, 3, "!--") == 0) {
        const size_t close = text.find("-->", j + 3);
        tag.end = close == std::string_view::npos ? text.size() : close + 3;
        return true;
    }
    if (j < text.size() && (text[j] == '/' || text[j] == '!' || text[j] == '?')) {
        tag.bClosing = text[j] == '/';
        ++j;
    }
    if (j >= text.size() || !IsAsciiLetter(text[j]))
        return false;
    const size_t close = tagEnds.Find(j);
    if (close == std::string_view::npos)
        return false;
    size_t n = 0;
    for (; j < close && n + 1 < sizeof tag.name &&
           (IsAsciiLetter(text[j]) || (text[j] >= '0' && text[j] <= '9'));
         ++j)
        tag.name[n++] = Lower(text[j]);
    tag.end = close + 1;
    return true;
}

bool IsOneOf(const char* name, std::initializer_list<const char*> names) {
    for (const char* candidate : names)
        if (std::strcmp(name, candidate) == 0)
            return true;
    return false;
}

// Adds a pronunciation as one translation in square brackets (which it
// may bring along already).
void AddPhonetics(ImportEntry& entry, std::string_view text) {
    std::string cleaned = CleanTranslation(text);
    if (!cleaned.empty() && cleaned.front() == '[')
        cleaned.erase(0, 1);
    if (!cleaned.empty() && cleaned.back() == ']')
        cleaned.pop_back();
    if (cleaned.find_first_not_of(' ') != std::string::npos)
        AddTranslation(entry, "[" + cleaned + "]");
}

// Splits marked-up text (HTML, XDXF, Pango markup) into translations.
class MarkupSplitter {
public:
    MarkupSplitter(char type, ImportEntry& entry) : m_bXdxf(type == 'x'), m_entry(entry) {}

    void Run(std::string_view text) {
        TagEnds tagEnds(text);
        size_t i = 0;
        while (i < text.size()) {
            const char c = text[i];
            Tag tag;
            if (c == '<' && ReadTag(text, i, tagEnds, tag)) {
                OnTag(tag);
                i = tag.end;
                if (m_pSkipUntil)
                    i = SkipTo(text, i);
                continue;
            }
            if (c == '&') {
                if (const size_t length = DecodeEntity(text, i, Current())) {
                    i += length;
                    continue;
                }
            }
            if ((c == ';' || c == '\n') && !m_bPhonetics)
                Flush();
            else
                Current() += c;
            ++i;
        }
        EndPhonetics();
        Flush();
    }

private:
    std::string& Current() { return m_bPhonetics ? m_phonetics : m_piece; }

    // A label alone before definitions (not inside a list item, before any
    // translation or after a list has ended) goes with the translations
    // that follow it.
    void Flush() {
        const std::string cleaned = CleanTranslation(m_piece);
        m_piece.clear();
        if (cleaned.empty())
            return;
        const std::string_view label = m_bInItem || !m_bLabelPlace ? std::string_view() : ShortLabel(cleaned);
        if (!label.empty()) {
            m_label = label;
            return;
        }
        AddTranslation(m_entry, m_label.empty() ? cleaned : cleaned + " (" + m_label + ")");
        m_bLabelPlace = false;
    }

    void NoteStructure(const Tag& tag) {
        if (IsOneOf(tag.name, {"li", "dd", "def"}))
            m_bInItem = !tag.bClosing;
        else if (tag.bClosing && IsOneOf(tag.name, {"ol", "ul"}))
            m_bLabelPlace = true;
    }

    void EndPhonetics() {
        if (m_bPhonetics)
            AddPhonetics(m_entry, m_phonetics);
        m_bPhonetics = false;
        m_phonetics.clear();
    }

    void OnTag(const Tag& tag) {
        if (m_bXdxf && std::strcmp(tag.name, "tr") == 0) {
            if (tag.bClosing) {
                EndPhonetics();
            } else {
                Flush();
                m_bPhonetics = true;
            }
        } else if (!tag.bClosing && m_bXdxf && std::strcmp(tag.name, "k") == 0) {
            m_pSkipUntil = "</k";
        } else if (!tag.bClosing && !m_bXdxf && IsOneOf(tag.name, {"script", "style"})) {
            m_pSkipUntil = tag.name[1] == 'c' ? "</script" : "</style";
        } else if (IsOneOf(tag.name, {"br", "li", "p", "div", "def", "ul", "ol", "dd", "dt", "table", "tr",
                                      "hr", "h1", "h2", "h3", "h4", "h5", "h6", "blockquote"})) {
            Flush();
            NoteStructure(tag);
        }
    }

    // Where the text left out after a tag ends: past its closing tag,
    // letter case aside; the end of the text when it has none.
    size_t SkipTo(std::string_view text, size_t i) {
        const std::string_view closing = m_pSkipUntil;
        m_pSkipUntil = nullptr;
        for (; i + closing.size() <= text.size(); ++i) {
            size_t k = 0;
            while (k < closing.size() && Lower(text[i + k]) == closing[k])
                ++k;
            if (k == closing.size() && (i + k == text.size() || !IsAsciiLetter(text[i + k]))) {
                const size_t close = text.find('>', i + k);
                return close == std::string_view::npos ? text.size() : close + 1;
            }
        }
        return text.size();
    }

    bool m_bXdxf;
    ImportEntry& m_entry;
    std::string m_piece;
    std::string m_phonetics;
    bool m_bPhonetics = false;
    const char* m_pSkipUntil = nullptr;
    std::string m_label;        // the short form of the label in force
    bool m_bInItem = false;     // inside a list item
    bool m_bLabelPlace = true;  // where a label may stand
};

}  // namespace

void AddTranslationsFromMarkup(std::string_view data, char type, ImportEntry& entry) {
    switch (type) {
        case 'm':
        case 'l':
        case 'y': {
            size_t start = 0;
            for (size_t i = 0; i <= data.size(); ++i) {
                if (i == data.size() || data[i] == '\n' || data[i] == ';') {
                    AddTranslation(entry, data.substr(start, i - start));
                    start = i + 1;
                }
            }
            break;
        }
        case 't':
            AddPhonetics(entry, data);
            break;
        case 'h':
        case 'x':
        case 'g':
            MarkupSplitter(type, entry).Run(data);
            break;
        default:
            break;
    }
}

}  // namespace dictionary
