// Rewrites a dictionary file read in pieces of any size, for a modify or a
// delete: the same bytes as cutting the file into lines with LineSplitter
// and passing every line through EntryRewriter, but made a block of whole
// lines at a time, which a file of a million lines needs. Plain C++, so that
// it can be checked against the line by line rewrite on its own.
#pragma once

#include "dictionary/DictionaryFormat.h"

#include <string>
#include <string_view>
#include <vector>

namespace dictionary {

class FileRewriter {
public:
    explicit FileRewriter(EntryRewriter rewriter) : m_rewriter(std::move(rewriter)) {}

    // What the next size bytes of the file turn into; valid until the next
    // call. A line not finished yet waits for the bytes that end it.
    std::string_view Feed(const char* data, size_t size);
    // What the last line turns into when the file does not end with a line
    // end; nothing otherwise.
    std::string_view Finish();
    const EntryRewriter& Rewriter() const { return m_rewriter; }

private:
    char* Room(size_t size);

    EntryRewriter m_rewriter;
    std::string m_pending;  // the start of a line whose end has not arrived yet
    std::vector<char> m_out;
};

}  // namespace dictionary
