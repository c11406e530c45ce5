#include "framework/Palette.h"

#include <initializer_list>

namespace palette {

namespace {

struct State {
    bool bSystem = true;
    PaletteColors colors = {};
    HBRUSH hWindow = nullptr;
    HBRUSH hFace = nullptr;

    void FreeBrushes() {
        for (HBRUSH* p : {&hWindow, &hFace}) {
            if (*p)
                ::DeleteObject(*p);
            *p = nullptr;
        }
    }
    ~State() { FreeBrushes(); }
};

thread_local State t_state;

}  // namespace

bool IsSystem() {
    return t_state.bSystem;
}

const PaletteColors& Colors() {
    if (t_state.bSystem) {
        // Read afresh: the user may change them while the program runs.
        t_state.colors = {::GetSysColor(COLOR_WINDOW),    ::GetSysColor(COLOR_WINDOWTEXT),
                          ::GetSysColor(COLOR_HIGHLIGHT), ::GetSysColor(COLOR_HIGHLIGHTTEXT),
                          ::GetSysColor(COLOR_BTNFACE),   ::GetSysColor(COLOR_BTNTEXT)};
    }
    return t_state.colors;
}

HBRUSH WindowBrush() {
    return t_state.bSystem ? ::GetSysColorBrush(COLOR_WINDOW) : t_state.hWindow;
}

HBRUSH FaceBrush() {
    return t_state.bSystem ? ::GetSysColorBrush(COLOR_BTNFACE) : t_state.hFace;
}

void Use(const PaletteColors& colors) {
    t_state.FreeBrushes();
    t_state.colors = colors;
    t_state.hWindow = ::CreateSolidBrush(colors.window);
    t_state.hFace = ::CreateSolidBrush(colors.face);
    t_state.bSystem = false;
}

void UseSystem() {
    t_state.FreeBrushes();
    t_state.bSystem = true;
}

HBRUSH ColorControl(HDC hDC, UINT nCtlColor) {
    if (t_state.bSystem)
        return nullptr;
    const bool bBox = nCtlColor == CTLCOLOR_EDIT || nCtlColor == CTLCOLOR_LISTBOX;
    ::SetTextColor(hDC, bBox ? t_state.colors.text : t_state.colors.faceText);
    ::SetBkColor(hDC, bBox ? t_state.colors.window : t_state.colors.face);
    return bBox ? t_state.hWindow : t_state.hFace;
}

}  // namespace palette
