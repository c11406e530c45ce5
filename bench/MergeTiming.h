// What the merge benchmarks share: an update as the maker would publish one
// for a given dictionary.
#pragma once

#include "framework/Array.h"

#include <cstdint>
#include <string>
#include <vector>

// count downloaded lines: every other one a line of the dictionary (some
// with a capital first letter) given one more translation, the rest new.
CStringArray MakeUpdate(const std::vector<std::string>& dictionaryLines, size_t count, uint32_t seed);
