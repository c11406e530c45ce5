// The colours the program's windows paint themselves in: the system's, or
// a set the program chooses (a dark look). One set for all the windows of
// the thread that shows them; with the system's, every window draws as it
// always has.
#pragma once

#include <windows.h>

struct PaletteColors {
    COLORREF window;         // lists' and boxes' background
    COLORREF text;           // their text
    COLORREF selection;      // a selected row
    COLORREF selectionText;  // its text
    COLORREF face;           // bars, dialogs, the frame around the lists
    COLORREF faceText;       // text on them
};

namespace palette {

bool IsSystem();
const PaletteColors& Colors();  // the system's colours when IsSystem()
HBRUSH WindowBrush();
HBRUSH FaceBrush();
void Use(const PaletteColors& colors);
void UseSystem();

// Colours a control of kind nCtlColor (CTLCOLOR_EDIT, ...) in hDC when the
// program's own set is used; null otherwise, for the control's default.
HBRUSH ColorControl(HDC hDC, UINT nCtlColor);

}  // namespace palette
