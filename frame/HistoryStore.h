// Where the lookup history lives between runs: the value "History" of the
// program's settings, text in UTF-16, so that the words read the same
// whatever code page the system runs with.
#pragma once

#include "frame/LookupHistory.h"

// A missing value, or one of another type, is an empty history.
void LoadHistory(CLookupHistory& history);
// FALSE when the registry refused it.
bool SaveHistory(const CLookupHistory& history);
