#include "dictionary/FormsFile.h"

#include "dictionary/DictionaryLoad.h"
#include "dictionary/ScratchFile.h"
#include "dictionary/TextFold.h"
#include "framework/Exception.h"
#include "framework/File.h"

#include <algorithm>
#include <string>

namespace {

const UINT kReadChunk = 16 * 1024 * 1024;

bool Exists(const CFilePath& path) {
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

CFilePath FormsPathBeside(const CFilePath& dictionaryPath) {
    std::wstring path = dictionaryPath.Wide();
    const size_t dot = path.find_last_of(L".\\/");
    if (dot != std::wstring::npos && path[dot] == L'.')
        path.resize(dot);
    return CFilePath(path + L".forms");
}

COutcome LoadWordForms(const CFilePath& formsPath, dictionary::WordForms& forms) {
    forms.Clear();
    if (!Exists(formsPath))
        return COutcome();
    CFile file;
    if (!file.Open(formsPath, CFile::modeRead | CFile::shareDenyWrite | CFile::typeBinary))
        return COutcome::Failure("Can not open " + formsPath.ForDisplay());
    std::string bytes;
    const COutcome read = ReadWholeFile(file, bytes);
    if (read.Failed())
        return read;
    return AfxTryOutcome([&] { forms.Assign(std::move(bytes), TextCaseFold()); });
}

COutcome MergeForms(const CFilePath& formsPath, const std::vector<dictionary::WordForm>& forms,
                    dictionary::FormsTally& tally) {
    CFile file;
    // Held open, exclusively, until the new content has taken its place.
    if (Exists(formsPath) &&
        !file.Open(formsPath, CFile::modeReadWrite | CFile::shareExclusive | CFile::typeBinary))
        return COutcome::Failure("Can not open " + formsPath.ForDisplay());
    return AfxTryOutcome([&] {
        std::string existing;
        if (file.IsOpen()) {
            existing.resize(static_cast<size_t>(file.GetLength()));
            size_t nRead = 0;
            while (nRead < existing.size()) {
                const UINT n =
                    file.Read(&existing[nRead],
                              static_cast<UINT>(std::min<size_t>(existing.size() - nRead, kReadChunk)));
                if (n == 0)
                    break;
                nRead += n;
            }
            existing.resize(nRead);
        }
        dictionary::FormsTally added;
        const std::string text = dictionary::NewFormLines(existing, forms, TextCaseFold(), added);
        if (!text.empty()) {
            CScratchFile scratch(ScratchPathBeside(formsPath));
            scratch.Write(existing.data(), existing.size());
            scratch.Write(text.data(), text.size());
            scratch.Replace(file, formsPath);
        }
        tally.nAdded += added.nAdded;
        tally.nSkipped += added.nSkipped;
    });
}
