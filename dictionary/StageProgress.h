// Progress of a long piece of work in stages, told as a share of the whole.
#pragma once

#include <cstddef>
#include <functional>

namespace dictionary {

// Told now and then how far a long piece of work has come, from 0 to 1.
using Progress = std::function<void(double)>;

// Reports the progress within one stage, the share from begin to end, of
// nTotal steps. A report may repaint windows, which short work never needs:
// it comes every kEvery steps, and at the end only of a long stage.
class StageProgress {
public:
    static const size_t kEvery = 32768;

    StageProgress(const Progress& onProgress, double begin, double end, size_t nTotal)
        : m_onProgress(onProgress), m_begin(begin), m_end(end), m_nTotal(nTotal) {}
    void Step(size_t nDone) const {
        if (m_onProgress && nDone % kEvery == kEvery - 1)
            m_onProgress(m_begin +
                         (m_end - m_begin) * static_cast<double>(nDone) / static_cast<double>(m_nTotal));
    }
    void Done() const {
        if (m_onProgress && m_nTotal >= kEvery)
            m_onProgress(m_end);
    }

private:
    const Progress& m_onProgress;
    double m_begin, m_end;
    size_t m_nTotal;
};

}  // namespace dictionary
