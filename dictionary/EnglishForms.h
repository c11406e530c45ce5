// English inflection without data: the head words a text such as "went",
// "children", "studies", "stopped" or "happier" may be a form of. The
// rules undo the regular endings (-s, -es, -ies, -ves; -ed and -ing with a
// doubled last consonant or a dropped silent e; -er, -est, -ier, -iest)
// and a table gives the irregular forms of common verbs and nouns. The
// rules guess freely ("hoping" may be "hop" or "hope"), so a candidate
// counts only when the dictionary has it as a head word. Plain C++.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace dictionary {

class EnglishForms {
public:
    // Tells whether a candidate (small letters, Windows-1250) is a head word
    // of the dictionary, letter case aside.
    using IsHeadWord = std::function<bool(std::string_view)>;

    // The head words text (Windows-1250, any letter case) may be a form of,
    // the likeliest first, each once, in small letters; never text itself.
    // Costs a few dozen calls of isHeadWord at most.
    static std::vector<std::string> Candidates(std::string_view text, const IsHeadWord& isHeadWord);
};

}  // namespace dictionary
