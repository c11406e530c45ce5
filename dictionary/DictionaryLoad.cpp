#include "dictionary/DictionaryLoad.h"

#include "dictionary/ByteScan.h"
#include "dictionary/TextFold.h"
#include "framework/File.h"

#include <algorithm>
#include <new>
#include <string>
#include <vector>

const char kCannotOpenDatabase[] = "Can not open database";

namespace {

// Files are read in pieces of this size.
const UINT kReadChunk = 16 * 1024 * 1024;

// Adds the lines a text-mode reader would deliver from the file to nCount:
// one for each line end before the first 0x1A, and one for text after the
// last line end. Throws CFileException*; nCount then holds the lines
// completed so far, as a reader stopped by the failure would have counted.
void CountTextLines(CFile& file, int& nCount) {
    std::vector<char> chunk(1024 * 1024);
    bool bOpenLine = false;
    for (;;) {
        const UINT nRead = file.Read(chunk.data(), static_cast<UINT>(chunk.size()));
        if (nRead == 0)
            break;
        const size_t nText = dictionary::FindByte(chunk.data(), nRead, '\x1A');
        nCount += static_cast<int>(dictionary::CountByte(chunk.data(), nText, '\n'));
        if (nText > 0)
            bOpenLine = chunk[nText - 1] != '\n';
        if (nText < nRead)
            break;
    }
    if (bOpenLine)
        ++nCount;
}

}  // namespace

COutcome ReadWholeFile(CFile& file, std::string& bytes) {
    size_t nRead = 0;
    const COutcome outcome = AfxTryOutcome([&] {
        const ULONGLONG nLength = file.GetLength();
        if (nLength >= static_cast<ULONGLONG>(SIZE_MAX / 2))
            throw std::bad_alloc();
        bytes.resize(static_cast<size_t>(nLength));
        while (nRead < bytes.size()) {
            const UINT nPiece = static_cast<UINT>(std::min<size_t>(bytes.size() - nRead, kReadChunk));
            const UINT n = file.Read(&bytes[nRead], nPiece);
            if (n == 0)
                break;
            nRead += n;
        }
        bytes.resize(nRead);
        // Whatever has come after the length was taken.
        char more[4096];
        for (UINT n; (n = file.Read(more, sizeof(more))) > 0; nRead += n)
            bytes.append(more, n);
        file.Close();
    });
    if (outcome.Failed()) {
        file.Abort();
        bytes.resize(std::min(nRead, bytes.size()));
    }
    return outcome;
}

int CountDictionaryLines(const CFilePath& path) {
    CFile file;
    int nCount = 0;
    if (file.Open(path, CFile::modeRead)) {
        try {
            CountTextLines(file, nCount);
        } catch (CException* e) {
            e->Delete();  // the count so far stands
        }
        file.Abort();
    }
    return nCount;
}

COutcome LoadDictionaryFile(const CFilePath& path, const RowFill& fillRows, dictionary::LoadedLines& lines,
                            dictionary::WordListIndex& index, const OrderWork& besideRows) {
    index.Clear();
    lines.RemoveAll();
    CFile file;
    if (!file.Open(path, CFile::modeRead))
        return COutcome::Failure(kCannotOpenDatabase);
    std::string bytes;
    const COutcome read = ReadWholeFile(file, bytes);
    try {
        lines.Assign(std::move(bytes), read.Succeeded());
        std::vector<uint32_t> lineOfRow;
        // The word box's index is built while the list takes the rows.
        bool bIndexed = false;
        auto buildIndex = [&](const std::vector<uint32_t>& order) {
            index.Build(lines, order, TextCaseFold(), TextPlainFold());
            if (besideRows)
                besideRows(order);
            bIndexed = true;
        };
        const BOOL bRowsKnown = fillRows && fillRows(lines, lineOfRow, buildIndex);
        lines.IndexHeadWords();
        if (!bRowsKnown) {
            index.Clear();
            if (besideRows) {
                std::vector<uint32_t> fileOrder(lines.Size());
                for (size_t i = 0; i < fileOrder.size(); ++i)
                    fileOrder[i] = static_cast<uint32_t>(i);
                besideRows(fileOrder);
            }
        } else if (!bIndexed) {
            if (besideRows)
                besideRows(lineOfRow);
            index.Build(lines, std::move(lineOfRow), TextCaseFold(), TextPlainFold());
        }
    } catch (const std::bad_alloc&) {
        index.Clear();
        return COutcome::Failure(AfxOutOfMemoryText());
    }
    return read;
}
