#include "MergeTiming.h"

#include "DictionaryGenerator.h"

CStringArray MakeUpdate(const std::vector<std::string>& dictionaryLines, size_t count, uint32_t seed) {
    DictionaryGenerator generator(seed);
    std::vector<std::string> fresh = generator.Lines(count);
    CStringArray arrLines;
    for (size_t i = 0; i < count; ++i) {
        if (i % 2 == 0) {
            std::string line = dictionaryLines[(i * 7919) % dictionaryLines.size()];
            if (i % 4 == 0 && !line.empty() && line[0] >= 'a' && line[0] <= 'z')
                line[0] = static_cast<char>(line[0] - 'a' + 'A');
            arrLines.Add(CString(line + "|nou"));
        } else {
            arrLines.Add(CString(fresh[i]));
        }
    }
    return arrLines;
}
