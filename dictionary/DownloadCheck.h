// Whether a download is a dictionary file at all. A network that answers
// every request with its own page (the log-in page of a hotel's or an
// airport's network, served with status 200) must never reach the merge:
// its lines would become head words for good. Plain C++, no system calls.
//
// A download is a dictionary when its content type is not that of a page
// (no "html" or "xml" in it), its first text is not markup (it does not begin
// with "<" once blanks and a byte-order mark are set aside), and every line
// that is not blank holds a ":" after a head word that is not blank, and no
// markup tag ("<" and a letter, "/", "!" or "?", later a ">").
#pragma once

#include <string_view>

namespace dictionary {

bool IsPageContentType(std::string_view contentType);
// The first bytes of the body, as many as have arrived (a few hundred are
// plenty).
bool StartsLikeMarkup(std::string_view body);
// One line, its line end taken off.
bool IsDictionaryLine(std::string_view line);

}  // namespace dictionary
