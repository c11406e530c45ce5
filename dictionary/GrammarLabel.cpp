#include "dictionary/GrammarLabel.h"

#include <string>

namespace dictionary {

namespace {

struct Label {
    const char* text;
    const char* shortForm;
};

// clang-format off
const Label kLabels[] = {
    {"noun", "n."}, {"n", "n."}, {"substantive", "n."}, {"verb", "v."}, {"v", "v."},
    {"adjective", "adj."}, {"adj", "adj."}, {"adverb", "adv."}, {"adv", "adv."}, {"name", "name"},
    {"proper noun", "name"}, {"proper name", "name"}, {"pronoun", "pron."}, {"pron", "pron."},
    {"preposition", "prep."}, {"prep", "prep."}, {"conjunction", "conj."}, {"conj", "conj."},
    {"interjection", "interj."}, {"interj", "interj."}, {"intj", "interj."}, {"numeral", "num."},
    {"num", "num."}, {"article", "art."}, {"art", "art."}, {"determiner", "det."}, {"det", "det."},
    {"particle", "part."}, {"abbreviation", "abbr."}, {"abbr", "abbr."}, {"phrase", "phrase"},
    {"prefix", "prefix"}, {"suffix", "suffix"}, {"proverb", "proverb"}, {"idiom", "idiom"},
    {"colloquial", "colloq."}, {"colloq", "colloq."}, {"informal", "informal"}, {"slang", "slang"},
    {"vulgar", "vulg."}, {"archaic", "archaic"}, {"regional", "regional"}, {"figurative", "fig."},
};
// clang-format on

// Labels are short; longer text is looked at no further.
constexpr size_t kMaxLabel = 16;

}  // namespace

std::string_view ShortLabel(std::string_view text) {
    if (!text.empty() && text.back() == '.')
        text.remove_suffix(1);
    if (text.empty() || text.size() > kMaxLabel)
        return {};
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    for (const Label& label : kLabels)
        if (lower == label.text)
            return label.shortForm;
    return {};
}

}  // namespace dictionary
