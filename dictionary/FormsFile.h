// The forms file of a dictionary on the disk (see WordForms.h): where it
// lies, reading it for the lookup, and merging an import's forms into it
// through the scratch file, so that it is the old file or the new one,
// never half.
#pragma once

#include "dictionary/FormsMerge.h"
#include "dictionary/WordForms.h"
#include "framework/FilePath.h"
#include "framework/Outcome.h"
#include "framework/String.h"

#include <vector>

// The forms file beside a dictionary file: "en.forms" for "en.tmp".
CFilePath FormsPathBeside(const CFilePath& dictionaryPath);

// Reads the forms file into forms (letter case aside as the word box has
// it). A missing file is no failure: forms is then empty. A failure, with
// the status text, when the file is there but cannot be read, or memory
// runs out; forms is then empty.
COutcome LoadWordForms(const CFilePath& formsPath, dictionary::WordForms& forms);

// Adds the pairs the forms file lacks (NewFormLines), creating the file
// when there is none. Adds to tally. A failure, with the status text, when
// the file cannot be opened, read or replaced; it is then as it was.
COutcome MergeForms(const CFilePath& formsPath, const std::vector<dictionary::WordForm>& forms,
                    dictionary::FormsTally& tally);
