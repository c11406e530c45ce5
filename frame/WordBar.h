// CWordBar: the dialog bar that holds the word box. It gives the box its
// font and grows with the text, so that a larger text is never cut off.
#pragma once

#include "framework/DialogBar.h"
#include "framework/Gdi.h"

class CWordBar : public CDialogBar {
public:
    // The box's font: nPointSize tenths of a point at nDpi, the bar laid out
    // for nDpi from the nFromDpi it was laid out for before.
    void SetTextFont(UINT nFromDpi, UINT nDpi, int nPointSize);

    // The bar and its box in the palette's colours.
    CWordBar() { m_bPaletteColours = TRUE; }

    // The word box, when the bar exists; and when the bar also shows.
    CWnd* GetWordBox() const;
    CWnd* GetShownWordBox() const;

private:
    CFont m_font;
    // How much higher than its designed height the box is: the height its
    // text has beyond the normal size's.
    int m_cyExtra = 0;
};
