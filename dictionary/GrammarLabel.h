// Grammatical labels in imported dictionaries: a part of speech ("noun",
// "adj") or a register ("colloquial") that a StarDict entry's markup puts
// alone before the definitions it belongs to. The import writes it after
// each of those translations in a short form, "walking (adj.)", instead of
// keeping it as a translation of its own.
#pragma once

#include <string_view>

namespace dictionary {

// The short form of the label text is ("adj." for "adj", "Adjective" or
// "adj."), letter case and a final full stop aside; empty when text is no
// label.
std::string_view ShortLabel(std::string_view text);

}  // namespace dictionary
