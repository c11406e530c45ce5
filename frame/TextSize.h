// CTextSize: how large the word box and the lists show their text, as a
// share of the size the monitor's resolution gives it, in steps from 75 %
// to 300 %. It carries out the View menu's commands and Ctrl with the mouse
// wheel, and tells its owner when the size has changed; it is kept in the
// settings.
#pragma once

#include <functional>

class CTextSize {
public:
    static const int kNormal = 100;

    int Percent() const { return m_nPercent; }
    // The text's size in tenths of a point: 10 points at 100 %.
    int PointSize() const { return 100 * m_nPercent / kNormal; }

    // A stored number that is not one of the steps counts as missing.
    void Load(int nStored);

    // A turn of the wheel with Ctrl held: a step per notch, a smooth wheel's
    // small turns added up until they make one.
    void OnWheel(int nDelta);

    // Called after every change of the size.
    std::function<void()> m_onChange;

    // The View menu's commands, and whether the first two have a step to go.
    void OnLarger();
    void OnSmaller();
    void OnNormal();
    bool CanGrow() const;
    bool CanShrink() const;

private:
    void MoveBy(int nSteps);
    void SetPercent(int nPercent);

    int m_nPercent = kNormal;
    int m_nWheel = 0;  // the part of a notch turned so far
};
