#include "dictionary/EnglishForms.h"

#include <algorithm>

namespace dictionary {

namespace {

// Longer texts are no single English word.
constexpr size_t kMaxLength = 40;

struct Irregular {
    const char* form;
    const char* headWord;
};

// The irregular forms of common verbs (past and past participle) and nouns
// (plurals); a form of two head words has two rows, the likelier first.
// clang-format off
const Irregular kIrregular[] = {
    {"am", "be"}, {"is", "be"}, {"are", "be"}, {"was", "be"}, {"were", "be"}, {"been", "be"},
    {"has", "have"}, {"had", "have"}, {"does", "do"}, {"did", "do"}, {"done", "do"}, {"went", "go"},
    {"gone", "go"}, {"ate", "eat"}, {"eaten", "eat"}, {"began", "begin"}, {"begun", "begin"},
    {"became", "become"}, {"bent", "bend"}, {"bit", "bite"}, {"bitten", "bite"}, {"blew", "blow"},
    {"blown", "blow"}, {"broke", "break"}, {"broken", "break"}, {"brought", "bring"}, {"built", "build"},
    {"burnt", "burn"}, {"bought", "buy"}, {"caught", "catch"}, {"chose", "choose"}, {"chosen", "choose"},
    {"came", "come"}, {"crept", "creep"}, {"dealt", "deal"}, {"dug", "dig"}, {"drew", "draw"},
    {"drawn", "draw"}, {"dreamt", "dream"}, {"drank", "drink"}, {"drunk", "drink"}, {"drove", "drive"},
    {"driven", "drive"}, {"fell", "fall"}, {"fallen", "fall"}, {"fed", "feed"}, {"felt", "feel"},
    {"fought", "fight"}, {"found", "find"}, {"fled", "flee"}, {"flew", "fly"}, {"flown", "fly"},
    {"forbade", "forbid"}, {"forbidden", "forbid"}, {"forgot", "forget"}, {"forgotten", "forget"},
    {"forgave", "forgive"}, {"forgiven", "forgive"}, {"froze", "freeze"}, {"frozen", "freeze"},
    {"got", "get"}, {"gotten", "get"}, {"gave", "give"}, {"given", "give"}, {"ground", "grind"},
    {"grew", "grow"}, {"grown", "grow"}, {"hung", "hang"}, {"heard", "hear"}, {"hid", "hide"},
    {"hidden", "hide"}, {"held", "hold"}, {"kept", "keep"}, {"knelt", "kneel"}, {"knew", "know"},
    {"known", "know"}, {"laid", "lay"}, {"led", "lead"}, {"leapt", "leap"}, {"learnt", "learn"},
    {"left", "leave"}, {"lent", "lend"}, {"lay", "lie"}, {"lain", "lie"}, {"lit", "light"},
    {"lost", "lose"}, {"made", "make"}, {"meant", "mean"}, {"met", "meet"}, {"paid", "pay"},
    {"rode", "ride"}, {"ridden", "ride"}, {"rang", "ring"}, {"rung", "ring"}, {"rose", "rise"},
    {"risen", "rise"}, {"ran", "run"}, {"said", "say"}, {"saw", "see"}, {"seen", "see"}, {"sought", "seek"},
    {"sold", "sell"}, {"sent", "send"}, {"shook", "shake"}, {"shaken", "shake"}, {"shone", "shine"},
    {"shot", "shoot"}, {"showed", "show"}, {"shown", "show"}, {"shrank", "shrink"}, {"shrunk", "shrink"},
    {"sang", "sing"}, {"sung", "sing"}, {"sank", "sink"}, {"sunk", "sink"}, {"sat", "sit"},
    {"slept", "sleep"}, {"slid", "slide"}, {"spoke", "speak"}, {"spoken", "speak"}, {"spent", "spend"},
    {"spun", "spin"}, {"sprang", "spring"}, {"sprung", "spring"}, {"stood", "stand"}, {"stole", "steal"},
    {"stolen", "steal"}, {"stuck", "stick"}, {"stung", "sting"}, {"strove", "strive"}, {"struck", "strike"},
    {"swore", "swear"}, {"sworn", "swear"}, {"swept", "sweep"}, {"swam", "swim"}, {"swum", "swim"},
    {"swung", "swing"}, {"took", "take"}, {"taken", "take"}, {"taught", "teach"}, {"tore", "tear"},
    {"torn", "tear"}, {"told", "tell"}, {"thought", "think"}, {"threw", "throw"}, {"thrown", "throw"},
    {"understood", "understand"}, {"woke", "wake"}, {"woken", "wake"}, {"wore", "wear"}, {"worn", "wear"},
    {"wove", "weave"}, {"woven", "weave"}, {"wept", "weep"}, {"won", "win"}, {"wound", "wind"},
    {"wrote", "write"}, {"written", "write"}, {"could", "can"}, {"would", "will"}, {"should", "shall"},
    {"might", "may"}, {"better", "good"}, {"best", "good"}, {"worse", "bad"}, {"worst", "bad"},
    {"more", "many"}, {"most", "many"}, {"less", "little"}, {"least", "little"}, {"further", "far"},
    {"farther", "far"}, {"children", "child"}, {"men", "man"}, {"women", "woman"}, {"people", "person"},
    {"feet", "foot"}, {"teeth", "tooth"}, {"geese", "goose"}, {"mice", "mouse"}, {"lice", "louse"},
    {"oxen", "ox"}, {"dice", "die"}, {"pence", "penny"}, {"brethren", "brother"}, {"criteria", "criterion"},
    {"phenomena", "phenomenon"}, {"data", "datum"}, {"media", "medium"}, {"bacteria", "bacterium"},
    {"analyses", "analysis"}, {"crises", "crisis"}, {"theses", "thesis"}, {"bases", "basis"},
    {"cacti", "cactus"}, {"fungi", "fungus"}, {"nuclei", "nucleus"}, {"radii", "radius"},
    {"stimuli", "stimulus"}, {"syllabi", "syllabus"}, {"alumni", "alumnus"}, {"indices", "index"},
    {"appendices", "appendix"}, {"matrices", "matrix"}, {"vertices", "vertex"}, {"larvae", "larva"},
    {"formulae", "formula"}, {"antennae", "antenna"}, {"selves", "self"}, {"them", "they"}, {"him", "he"},
    {"her", "she"}, {"us", "we"}, {"me", "i"},
};
// clang-format on

bool IsVowel(char c) {
    return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u';
}

bool IsConsonant(char c) {
    return c >= 'a' && c <= 'z' && !IsVowel(c);
}

bool EndsWith(std::string_view text, std::string_view end) {
    return text.size() > end.size() && text.substr(text.size() - end.size()) == end;
}

// Consonant, vowel, consonant at the end ("hop", "stop"; not w, x or y
// last): where "-ing" and "-ed" double the consonant ("hopping") and where
// the e they drop stood after it ("hoping").
bool EndsShort(std::string_view stem) {
    const size_t n = stem.size();
    return n >= 2 && IsConsonant(stem[n - 1]) && stem[n - 1] != 'w' && stem[n - 1] != 'x' &&
           stem[n - 1] != 'y' && IsVowel(stem[n - 2]) && (n == 2 || IsConsonant(stem[n - 3]));
}

// The stems under a vowel ending (-ed, -ing, -er, -est), likeliest first.
void AddStems(std::string_view stem, bool bIng, std::vector<std::string>& out) {
    if (stem.size() < 2)
        return;
    const std::string plain(stem);
    const size_t n = stem.size();
    if (bIng && stem.back() == 'y')
        out.push_back(plain.substr(0, n - 1) + "ie");  // lying
    if (!bIng && stem.back() == 'i')
        out.push_back(plain.substr(0, n - 1) + "y");  // studied, happier
    if (n >= 3 && stem[n - 1] == stem[n - 2] && IsConsonant(stem[n - 1]) && IsVowel(stem[n - 3])) {
        out.push_back(plain);                   // falling, added
        out.push_back(plain.substr(0, n - 1));  // stopped, bigger
        return;
    }
    if (EndsShort(stem)) {
        out.push_back(plain + "e");  // hoping, later
        out.push_back(plain);
    } else {
        out.push_back(plain);  // walked
        out.push_back(plain + "e");
    }
}

// The candidates of the rules, likeliest first; repeats and non-words
// included.
std::vector<std::string> RuleCandidates(const std::string& word) {
    std::vector<std::string> out;
    for (const Irregular& irregular : kIrregular)
        if (word == irregular.form)
            out.emplace_back(irregular.headWord);
    const std::string_view w(word);
    const size_t n = w.size();
    if (EndsWith(w, "s") && !EndsWith(w, "ss")) {
        out.push_back(word.substr(0, n - 1));  // houses, ties
        if (EndsWith(w, "es"))
            out.push_back(word.substr(0, n - 2));  // boxes, goes
        if (EndsWith(w, "ies"))
            out.push_back(word.substr(0, n - 3) + "y");  // studies
        if (EndsWith(w, "ves")) {
            out.push_back(word.substr(0, n - 3) + "f");   // wolves
            out.push_back(word.substr(0, n - 3) + "fe");  // knives
        }
    }
    if (EndsWith(w, "ed"))
        AddStems(w.substr(0, n - 2), false, out);
    if (EndsWith(w, "ing"))
        AddStems(w.substr(0, n - 3), true, out);
    if (EndsWith(w, "est"))
        AddStems(w.substr(0, n - 3), false, out);
    if (EndsWith(w, "er"))
        AddStems(w.substr(0, n - 2), false, out);
    return out;
}

}  // namespace

std::vector<std::string> EnglishForms::Candidates(std::string_view text, const IsHeadWord& isHeadWord) {
    std::vector<std::string> found;
    if (text.empty() || text.size() > kMaxLength)
        return found;
    std::string word(text);
    for (char& c : word)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    for (std::string& candidate : RuleCandidates(word)) {
        if (candidate.empty() || candidate == word ||
            std::find(found.begin(), found.end(), candidate) != found.end())
            continue;
        if (isHeadWord(candidate))
            found.push_back(std::move(candidate));
    }
    return found;
}

}  // namespace dictionary
