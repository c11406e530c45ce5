#include "frame/TextSize.h"

#include <windows.h>

#include <algorithm>
#include <iterator>

namespace {

// Close together around the normal size, where a step is most noticed.
const int kSteps[] = {75, 90, 100, 110, 125, 150, 175, 200, 250, 300};

int StepIndex(int nPercent) {
    const auto* p = std::find(std::begin(kSteps), std::end(kSteps), nPercent);
    return p == std::end(kSteps) ? -1 : static_cast<int>(p - std::begin(kSteps));
}

}  // namespace

void CTextSize::Load(int nStored) {
    m_nPercent = StepIndex(nStored) >= 0 ? nStored : kNormal;
}

void CTextSize::OnWheel(int nDelta) {
    // A wheel turned the other way starts counting afresh.
    if ((m_nWheel > 0 && nDelta < 0) || (m_nWheel < 0 && nDelta > 0))
        m_nWheel = 0;
    m_nWheel += nDelta;
    const int nSteps = m_nWheel / WHEEL_DELTA;
    m_nWheel -= nSteps * WHEEL_DELTA;
    if (nSteps)
        MoveBy(nSteps);
}

void CTextSize::MoveBy(int nSteps) {
    const int nLast = static_cast<int>(std::size(kSteps)) - 1;
    const int nIndex = std::clamp(StepIndex(m_nPercent) + nSteps, 0, nLast);
    SetPercent(kSteps[nIndex]);
}

void CTextSize::SetPercent(int nPercent) {
    if (nPercent == m_nPercent)
        return;
    m_nPercent = nPercent;
    if (m_onChange)
        m_onChange();
}

void CTextSize::OnLarger() {
    MoveBy(1);
}

void CTextSize::OnSmaller() {
    MoveBy(-1);
}

void CTextSize::OnNormal() {
    SetPercent(kNormal);
}

bool CTextSize::CanGrow() const {
    return m_nPercent < kSteps[std::size(kSteps) - 1];
}

bool CTextSize::CanShrink() const {
    return m_nPercent > kSteps[0];
}
