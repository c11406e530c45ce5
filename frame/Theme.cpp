#include "frame/Theme.h"

#include "framework/Palette.h"
#include "res/resource.h"

namespace {

// Every text on its background at a contrast of at least 7:1 (WCAG's
// enhanced level): 13.4 on the lists, 11.2 on the bars, 8.5 selected.
const PaletteColors kDark = {RGB(0x1E, 0x1E, 0x1E), RGB(0xE6, 0xE6, 0xE6), RGB(0x26, 0x4F, 0x78),
                             RGB(0xFF, 0xFF, 0xFF), RGB(0x2B, 0x2B, 0x2B), RGB(0xE6, 0xE6, 0xE6)};

// The user's app mode: dark only when Windows says so (0); a Windows
// without the setting is light.
bool WindowsAppsAreDark() {
    DWORD dwLight = 1;
    DWORD cb = sizeof(dwLight);
    return ::RegGetValueW(HKEY_CURRENT_USER,
                          L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize",
                          L"AppsUseLightTheme", RRF_RT_REG_DWORD, nullptr, &dwLight, &cb) == ERROR_SUCCESS &&
           dwLight == 0;
}

bool HighContrastIsOn() {
    HIGHCONTRASTW hc = {};
    hc.cbSize = sizeof(hc);
    return ::SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(hc), &hc, 0) &&
           (hc.dwFlags & HCF_HIGHCONTRASTON);
}

}  // namespace

void CTheme::Load(int nStored) {
    m_choice = nStored >= 0 && nStored <= 2 ? static_cast<LookChoice>(nStored) : LookChoice::kAsWindows;
}

void CTheme::Refresh() {
    const bool bDark = !HighContrastIsOn() && (m_choice == LookChoice::kDark ||
                                               (m_choice == LookChoice::kAsWindows && WindowsAppsAreDark()));
    if (bDark == m_bDark)
        return;
    m_bDark = bDark;
    if (bDark)
        palette::Use(kDark);
    else
        palette::UseSystem();
    if (m_onChange)
        m_onChange();
}

void CTheme::SetDarkTitleBar(HWND hWnd, bool bDark) {
    using SetAttributeFn = HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD);
    static const SetAttributeFn pfn = [] {
        HMODULE hDwm = ::LoadLibraryW(L"dwmapi.dll");
        return hDwm ? reinterpret_cast<SetAttributeFn>(
                          reinterpret_cast<void*>(::GetProcAddress(hDwm, "DwmSetWindowAttribute")))
                    : nullptr;
    }();
    if (!pfn || !hWnd)
        return;
    // The immersive dark mode attribute: 20, or 19 before Windows 10 20H1.
    const BOOL bValue = bDark ? TRUE : FALSE;
    if (FAILED(pfn(hWnd, 20, &bValue, sizeof(bValue))))
        pfn(hWnd, 19, &bValue, sizeof(bValue));
}

void CTheme::Choose(LookChoice choice) {
    m_choice = choice;
    Refresh();
}

void CTheme::OnLight() {
    Choose(LookChoice::kLight);
}

void CTheme::OnDark() {
    Choose(LookChoice::kDark);
}

void CTheme::OnAsWindows() {
    Choose(LookChoice::kAsWindows);
}
