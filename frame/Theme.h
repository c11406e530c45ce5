// CTheme: the program's look, light or dark, as the user chose it on the
// View menu: "Light", "Dark" or "As Windows" (the default), which follows
// the user's app mode in Windows' personalisation settings. High contrast
// always wins: then the system's colours are used. The choice is kept in
// the settings; the palette of the windows follows the look.
#pragma once

#include <windows.h>

#include <functional>

enum class LookChoice : int { kLight = 0, kDark = 1, kAsWindows = 2 };

class CTheme {
public:
    // A stored number out of range counts as missing: As Windows.
    void Load(int nStored);
    LookChoice Choice() const { return m_choice; }

    bool IsDark() const { return m_bDark; }
    // Looks at the choice and at Windows' settings again; the palette and
    // m_onChange follow when the look changes.
    void Refresh();

    // A dark title bar where Windows draws one (the attribute came with
    // Windows 10; nothing happens elsewhere).
    static void SetDarkTitleBar(HWND hWnd, bool bDark);

    std::function<void()> m_onChange;

    // The View menu's commands.
    void OnLight();
    void OnDark();
    void OnAsWindows();

private:
    void Choose(LookChoice choice);

    LookChoice m_choice = LookChoice::kAsWindows;
    bool m_bDark = false;
};
