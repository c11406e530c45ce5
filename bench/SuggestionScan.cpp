#include "SuggestionScan.h"

#include <algorithm>
#include <string>
#include <unordered_set>
#include <utility>

int AlignmentDistance(std::string_view a, std::string_view b) {
    std::vector<std::vector<int>> d(a.size() + 1, std::vector<int>(b.size() + 1));
    for (size_t i = 0; i <= a.size(); ++i) {
        for (size_t j = 0; j <= b.size(); ++j) {
            if (i == 0 || j == 0) {
                d[i][j] = static_cast<int>(i + j);
                continue;
            }
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + (a[i - 1] != b[j - 1])});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    }
    return d[a.size()][b.size()];
}

std::vector<size_t> ScanSuggestions(const std::vector<std::string_view>& headWords, std::string_view text,
                                    const dictionary::CaseFold& fold, int maxEdits, size_t nMax) {
    const std::string folded = fold.Folded(text);
    std::vector<std::pair<int, size_t>> close;
    std::unordered_set<std::string_view> seen;
    for (size_t i = 0; i < headWords.size(); ++i) {
        if (!seen.insert(headWords[i]).second)
            continue;
        const int edits = AlignmentDistance(folded, fold.Folded(headWords[i]));
        if (edits <= maxEdits)
            close.emplace_back(edits, i);
    }
    std::stable_sort(close.begin(), close.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<size_t> found;
    for (size_t i = 0; i < close.size() && i < nMax; ++i)
        found.push_back(close[i].second);
    return found;
}
