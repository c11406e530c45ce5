// The text of a StarDict data item, in whichever of its text forms it comes,
// made into translations of an entry.
#pragma once

#include "dictionary/ImportEntry.h"

#include <string_view>

namespace dictionary {

// The translations in one StarDict data item of the given type
// ('m' plain text, 'h' HTML, 'x' XDXF, 'g' marked-up text, 't' phonetics;
// 'l', 'y' like 'm'; any other type (binary: 'W','P','r', ...) gives none):
// markup tags removed, entities decoded (&amp; &lt; &gt; &quot; &apos; &nbsp;
// and numeric &#NNN; &#xHH;), the text split into translations at line
// breaks, <br>, list items (<li>, <p>, <div>, XDXF <def>), and ';'.
// Added to entry through AddTranslation. Phonetics ('t', or XDXF <tr>)
// becomes one translation "[...]". In marked-up text, a grammatical label
// standing alone before definitions ("<i>adj</i><br><ol><li>walking</li>")
// is written after each translation that follows it, "walking (adj.)"
// (GrammarLabel.h), instead of being one.
//
// What the markup holds besides: the head word XDXF repeats in <k> and the
// content of HTML <script> and <style> are left out; a '<' that starts no
// tag, and an '&' that starts no entity known here, are plain text.
void AddTranslationsFromMarkup(std::string_view data, char type, ImportEntry& entry);

}  // namespace dictionary
