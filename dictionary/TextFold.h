// How the program compares head words without regard to letter case: each
// Windows-1250 byte as CString::MakeUpper turns it, whatever the system's
// ANSI code page (the word box's search and the update's merge agree on
// it); and, for the search that finds "tânăr" when "tanar" is typed, with
// the Romanian diacritics set aside as well.
#pragma once

#include "dictionary/UpdateMerge.h"

dictionary::CaseFold TextCaseFold();
dictionary::CaseFold TextPlainFold();
