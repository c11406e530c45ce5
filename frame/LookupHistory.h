// The words the user looked up, each with its direction, and where Back and
// Forward stand among them; kept as text between runs. No windows: the
// frame decides what counts as a lookup and shows the entry it is given.
#pragma once

#include "dictionary/Direction.h"

#include <string>
#include <vector>

struct LookedUpWord {
    std::string word;  // Windows-1250
    Direction direction = Direction::kEnglishRomanian;
};

class CLookupHistory {
public:
    // The oldest go first once there are more.
    static const size_t kMaxEntries = 100;

    // A lookup: the entry after the current one, whatever lay forward of
    // it dropped, as a browser does. The current entry again (the word the
    // user just went back to, shown for long enough) changes nothing.
    void Record(const std::string& word, Direction direction);
    bool CanGoBack() const { return m_nCurrent > 0; }
    bool CanGoForward() const { return m_nCurrent + 1 < m_entries.size(); }
    // The entry gone to; call only when the matching Can... holds.
    const LookedUpWord& GoBack();
    const LookedUpWord& GoForward();
    void Clear();
    bool IsEmpty() const { return m_entries.empty(); }

    // One line per entry, oldest first: the direction's number, a tab, the
    // word. Load takes what such text holds and skips any other line; the
    // newest entry is then the current one.
    std::string Save() const;
    void Load(const std::string& text);

private:
    std::vector<LookedUpWord> m_entries;
    size_t m_nCurrent = 0;  // meaningful while there are entries
};
