// tav_edit_worker DICTIONARY SEED LOG: makes the edits of the script with
// that seed on the dictionary file, one after another, with the program's
// own edit and merge code, until it is killed. After each finished edit it
// writes one line to LOG. Exit code 2: an edit failed.
#include "EditScript.h"

#include "dictionary/DictionaryEdits.h"
#include "dictionary/DictionaryMerge.h"
#include "thread/UpdateThread.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    if (argc != 4)
        return 1;
    const std::string dictionary = argv[1];
    const std::string temp = dictionary.substr(0, dictionary.rfind('\\') + 1) + "temp.tmp";
    EditScript script(static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10)));
    HANDLE hLog = CreateFileA(argv[3], GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (hLog == INVALID_HANDLE_VALUE)
        return 1;
    for (;;) {
        const Edit edit = script.Next();
        COutcome outcome;
        switch (edit.kind) {
            case Edit::kAdd:
                outcome = AppendEntry(dictionary.c_str(), edit.word.c_str(), edit.translations.c_str());
                break;
            case Edit::kModify:
                outcome = ReplaceEntry(dictionary.c_str(), temp.c_str(), edit.word.c_str(),
                                       edit.translations.c_str());
                // A word deleted earlier in the script: the file stays as it is.
                if (outcome.GetText().Find("nothing was changed") >= 0)
                    outcome = COutcome();
                break;
            case Edit::kDelete:
                outcome = RemoveEntry(dictionary.c_str(), temp.c_str(), edit.word.c_str());
                break;
            case Edit::kMerge: {
                CStringArray arrLines;
                for (const std::string& line : edit.lines)
                    arrLines.Add(CString(line));
                const MergeResult merged = MergeIntoDictionary(dictionary.c_str(), arrLines);
                if (merged.GetKind() != MergeOutcome::kAppended)
                    outcome = COutcome::Failure("merge: " + merged.GetText());
                break;
            }
        }
        if (outcome.Failed()) {
            std::fprintf(stderr, "edit failed: %s\n", static_cast<LPCSTR>(outcome.GetText()));
            return 2;
        }
        DWORD dwWritten = 0;
        WriteFile(hLog, "1\n", 2, &dwWritten, nullptr);
    }
}
