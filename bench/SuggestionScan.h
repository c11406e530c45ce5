// The straightforward way to the head words closest to a text: the whole
// optimal string alignment table against every head word, then a stable
// sort. The benchmark's baseline and the tests' reference for Suggestions.
#pragma once

#include "dictionary/UpdateMerge.h"

#include <cstddef>
#include <string_view>
#include <vector>

// The optimal string alignment distance, uncapped.
int AlignmentDistance(std::string_view a, std::string_view b);

// The positions of up to nMax head words at most maxEdits from text, both
// folded through fold, closest first, ties in list order; a head word equal
// byte for byte to one before it is left out.
std::vector<size_t> ScanSuggestions(const std::vector<std::string_view>& headWords, std::string_view text,
                                    const dictionary::CaseFold& fold, int maxEdits, size_t nMax);
