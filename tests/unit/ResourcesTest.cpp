// The program's compiled resources, as the system reads them from this test
// program, which links the same resource object as Tav itself.
#include "res/resource.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <iterator>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

HINSTANCE Module() {
    return GetModuleHandleA(nullptr);
}

std::string LoadText(UINT nID) {
    char buffer[512];
    int n = LoadStringA(Module(), nID, buffer, sizeof buffer);
    return std::string(buffer, n > 0 ? static_cast<size_t>(n) : 0);
}

// The raw bytes of a resource; empty when it is missing.
std::string RawResource(UINT nID, LPCSTR type) {
    HRSRC hRes = FindResourceA(Module(), MAKEINTRESOURCEA(nID), type);
    if (!hRes)
        return std::string();
    const char* data = static_cast<const char*>(LockResource(LoadResource(Module(), hRes)));
    return std::string(data, SizeofResource(Module(), hRes));
}

std::string WindowText(HWND hWnd) {
    char buffer[512] = "";
    GetWindowTextA(hWnd, buffer, sizeof buffer);
    return buffer;
}

std::string ClassOf(HWND hWnd) {
    char buffer[64] = "";
    GetClassNameA(hWnd, buffer, sizeof buffer);
    return buffer;
}

bool HasStyle(HWND hWnd, LONG style) {
    return (GetWindowLongA(hWnd, GWL_STYLE) & style) == style;
}

// Edit controls trade WS_BORDER for a client edge when they are created.
bool HasBorder(HWND hWnd) {
    return HasStyle(hWnd, WS_BORDER) || (GetWindowLongA(hWnd, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
}

std::string RectText(const RECT& rc) {
    return std::to_string(rc.left) + "," + std::to_string(rc.top) + " " + std::to_string(rc.right - rc.left) +
           "x" + std::to_string(rc.bottom - rc.top);
}

// A rectangle in the dialog's units, in pixels of its client area. Like the
// dialog manager, this converts the position and the size each on its own.
std::string DluRect(HWND hDlg, int x, int y, int cx, int cy) {
    RECT rc = {x, y, cx, cy};
    MapDialogRect(hDlg, &rc);
    return RectText({rc.left, rc.top, rc.left + rc.right, rc.top + rc.bottom});
}

RECT ChildRect(HWND hDlg, HWND hChild) {
    RECT rc;
    GetWindowRect(hChild, &rc);
    MapWindowPoints(HWND_DESKTOP, hDlg, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

std::string ChildRectText(HWND hDlg, int nID) {
    return RectText(ChildRect(hDlg, GetDlgItem(hDlg, nID)));
}

std::string ClientSize(HWND hDlg) {
    RECT rc;
    GetClientRect(hDlg, &rc);
    return RectText(rc);
}

// The controls in template (tab) order as "id Class text".
std::vector<std::string> Controls(HWND hDlg) {
    std::vector<std::string> controls;
    for (HWND hChild = GetWindow(hDlg, GW_CHILD); hChild; hChild = GetWindow(hChild, GW_HWNDNEXT))
        controls.push_back(std::to_string(static_cast<short>(GetDlgCtrlID(hChild))) + " " + ClassOf(hChild) +
                           " " + WindowText(hChild));
    return controls;
}

// Every control lies inside the client area and no two overlap.
void ExpectTidyLayout(HWND hDlg) {
    RECT client;
    GetClientRect(hDlg, &client);
    std::vector<std::pair<std::string, RECT>> rects;
    for (HWND hChild = GetWindow(hDlg, GW_CHILD); hChild; hChild = GetWindow(hChild, GW_HWNDNEXT))
        rects.emplace_back(WindowText(hChild), ChildRect(hDlg, hChild));
    for (size_t i = 0; i < rects.size(); ++i) {
        RECT inside;
        IntersectRect(&inside, &rects[i].second, &client);
        EXPECT_TRUE(EqualRect(&inside, &rects[i].second)) << "outside: " << rects[i].first;
        for (size_t j = i + 1; j < rects.size(); ++j) {
            // Controls that touch in dialog units may share a rounded pixel.
            RECT a = rects[i].second, overlap;
            InflateRect(&a, -1, -1);
            EXPECT_FALSE(IntersectRect(&overlap, &a, &rects[j].second))
                << rects[i].first << " overlaps " << rects[j].first;
        }
    }
}

// The dialog font's face and size in points.
std::string FontOf(HWND hDlg) {
    LOGFONTA lf = {};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(hDlg, WM_GETFONT, 0, 0)), sizeof lf, &lf);
    HDC hDC = GetDC(nullptr);
    int dpi = GetDeviceCaps(hDC, LOGPIXELSY);
    ReleaseDC(nullptr, hDC);
    return std::string(lf.lfFaceName) + " " + std::to_string(MulDiv(-lf.lfHeight, 72, dpi));
}

INT_PTR CALLBACK QuietDialogProc(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

// A dialog template created as a hidden modeless dialog; child templates get
// a hidden top-level parent of their own.
class Dialog {
public:
    explicit Dialog(UINT nID, bool bChild = false) {
        if (bChild)
            m_hParent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 800, 600, nullptr, nullptr, Module(),
                                        nullptr);
        m_hDlg = CreateDialogParamA(Module(), MAKEINTRESOURCEA(nID), m_hParent, QuietDialogProc, 0);
    }
    ~Dialog() {
        if (m_hDlg)
            DestroyWindow(m_hDlg);
        if (m_hParent)
            DestroyWindow(m_hParent);
    }
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    HWND operator*() const { return m_hDlg; }
    HWND Item(int nID) const { return GetDlgItem(m_hDlg, nID); }

private:
    HWND m_hParent = nullptr;
    HWND m_hDlg = nullptr;
};

}  // namespace

TEST(ResourceStrings, HoldEveryPromptAndMessageExactly) {
    const std::pair<UINT, const char*> kStrings[] = {
        {32772, "Translate words from english to romanian\nEn-Ro (Ctrl+E)"},
        {32773, "Translate words from romanian to english\nRo-En (Ctrl+R)"},
        {32774, "Add new word into dictionary\nAdd new word"},
        {32775, "Modify current definition of this word\nModify this word"},
        {32776, "Delete this word from dictionary\nDelete this word"},
        {32777, "Show or hide the box word\nToggle box word (Ctrl+W)"},
        {32778, "Keep this window on top of others\nAlways on top"},
        {32779, "The window will be minimized in system tray\nHide when minimized"},
        {32780, "The window will be closed in system tray\nClose in system tray"},
        {32781, "When hit Escape key will be reset the searched word\nReset searched word"},
        {32782, "When hit Escape key the window will be minimized\nMinimize window"},
        {32783, "When hit Escape key the window will be closed\nClose window"},
        {32784, "Start dictionary on system startup\nStart dictionary on system startup"},
        {32785, "Display the table of contents for the online documentation\nContents"},
        {32786, "Display program information and version number \nAbout application"},
        {32787, "Display information about the system\nAbout system"},
        {32788, "Update dictionary database\nUpdate dictionary database"},
        {57344, "Tav"},
        {57345, "Ready"},
        {57600, "Create a new document\nNew"},
        {57601, "Open an existing document\nOpen"},
        {57603, "Save the active document\nSave"},
        {57607, "Print the active document\nPrint"},
        {57634, "Copy the selection and put it on the Clipboard\nCopy"},
        {57635, "Cut the selection and put it on the Clipboard\nCut"},
        {57637, "Insert Clipboard contents\nPaste"},
        {57642, "Select the entire word\nSelect All"},
        {57643, "Undo the last action\nUndo"},
        {57665, "Quit the application\nExit"},
        {57680, "Switch to the next window pane\nNext Pane"},
        {57681, "Switch back to the previous window pane\nPrevious Pane"},
        {59137, "CAP"},
        {59138, "NUM"},
        {59139, "SCRL"},
        {59392, "Show or hide the toolbar\nToggle ToolBar"},
        {59393, "Show or hide the status bar\nToggle StatusBar"},
        {61202, "Restore the window to normal size"},
        {61446, "English database has been successfully updated"},
        {61447, "Romanian database has been successfully updated"},
    };
    for (const auto& [nID, text] : kStrings)
        EXPECT_EQ(text, LoadText(nID)) << "string " << nID;
}

TEST(ResourceStrings, LeaveOutTheTemplateStringsAndTheKeyOnlyCommands) {
    // Without a string 130 the document template carries no document strings.
    EXPECT_EQ("", LoadText(IDR_MAINFRAME));
    EXPECT_EQ("", LoadText(ID_UNLOCK_DELETE));
    EXPECT_EQ("", LoadText(ID_ESCAPE));
}

namespace {

// A menu as indented lines: "text = id", "-" for a separator, "text >" for a
// submenu followed by its items.
std::string DumpMenu(HMENU hMenu, int depth = 0) {
    std::string out;
    for (int i = 0; i < GetMenuItemCount(hMenu); ++i) {
        char text[256] = "";
        MENUITEMINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING | MIIM_SUBMENU;
        info.dwTypeData = text;
        info.cch = sizeof text;
        EXPECT_TRUE(GetMenuItemInfoA(hMenu, i, TRUE, &info));
        std::string item = text;
        for (size_t tab; (tab = item.find('\t')) != std::string::npos;)
            item.replace(tab, 1, "\\t");
        out += std::string(2 * depth, ' ');
        if (info.fType & MFT_SEPARATOR)
            out += "-\n";
        else if (info.hSubMenu)
            out += item + " >\n" + DumpMenu(info.hSubMenu, depth + 1);
        else
            out += item + " = " + std::to_string(info.wID) + "\n";
    }
    return out;
}

std::string DumpMenuResource(UINT nID) {
    HMENU hMenu = LoadMenuA(Module(), MAKEINTRESOURCEA(nID));
    if (!hMenu)
        return "(missing)";
    std::string out = DumpMenu(hMenu);
    DestroyMenu(hMenu);
    return out;
}

}  // namespace

TEST(ResourceMenus, MainMenuHoldsEveryCommandInOrder) {
    EXPECT_EQ(R"(&File >
  &English - Romanian = 32772
  &Romanian - English = 32773
  -
  &Add ... = 32774
  &Modify ... = 32775
  &Delete ... = 32776
  -
  E&xit = 57665
&Edit >
  &Undo\tCtrl+Z = 57643
  -
  Cu&t\tCtrl+X = 57635
  &Copy\tCtrl+C = 57634
  &Paste\tCtrl+V = 57637
  -
  Select &All\t Ctrl+A = 57642
&View >
  &Box word = 32777
  -
  &Toolbar = 59392
  &Status Bar = 59393
  -
  &Always on top = 32778
&Options >
  Hide when &minimized = 32779
  Hide when &close = 32780
  -
  When hit &Escape >
    &Reset searched word = 32781
    &Minimize window = 32782
    &Close window = 32783
  -
  &Start with Windows = 32784
  &Look up from any program\tCtrl+Shift+F11 = 32800
&Help >
  &Contents = 32785
  About &application = 32786
  About &system = 32787
  -
  &Update = 32788
)",
              DumpMenuResource(IDR_MAINFRAME));
}

TEST(ResourceMenus, TrayMenuIsOnePopupWithRestoreAsThirdItem) {
    const std::string dump = DumpMenuResource(IDR_TRAYMENU);
    // Only the first popup is shown; its name never is.
    ASSERT_EQ(1u, std::count(dump.begin(), dump.end(), '>')) << dump;
    EXPECT_EQ(R"(  &About = 32786
  -
  &Restore = 61202
  -
  E&xit = 57665
)",
              dump.substr(dump.find('\n') + 1));
}

namespace {

std::string KeyName(WORD key) {
    switch (key) {
        case VK_BACK:
            return "Backspace";
        case VK_DELETE:
            return "Delete";
        case VK_ESCAPE:
            return "Escape";
        case VK_F6:
            return "F6";
        case VK_INSERT:
            return "Insert";
        default:
            return key >= 'A' && key <= 'Z' ? std::string(1, static_cast<char>(key)) : std::to_string(key);
    }
}

// "Ctrl+Shift+K 32771"; entries that are not quiet virtual-key entries say so.
std::string AccelText(const ACCEL& accel) {
    std::string text;
    if ((accel.fVirt & (FVIRTKEY | FNOINVERT)) != (FVIRTKEY | FNOINVERT))
        text += "(not a quiet virtual key) ";
    if (accel.fVirt & FCONTROL)
        text += "Ctrl+";
    if (accel.fVirt & FSHIFT)
        text += "Shift+";
    if (accel.fVirt & FALT)
        text += "Alt+";
    return text + KeyName(accel.key) + " " + std::to_string(accel.cmd);
}

LRESULT CALLBACK CommandCatcher(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_COMMAND)
        SetWindowLongPtrA(hWnd, GWLP_USERDATA, static_cast<LONG_PTR>(wParam));
    return DefWindowProcA(hWnd, msg, wParam, lParam);
}

}  // namespace

TEST(ResourceAccelerators, MapExactlyTheListedKeys) {
    HACCEL hAccel = LoadAcceleratorsA(Module(), MAKEINTRESOURCEA(IDR_MAINFRAME));
    ASSERT_NE(nullptr, hAccel);
    std::vector<ACCEL> entries(static_cast<size_t>(CopyAcceleratorTableA(hAccel, nullptr, 0)));
    CopyAcceleratorTableA(hAccel, entries.data(), static_cast<int>(entries.size()));
    std::vector<std::string> actual;
    for (const ACCEL& accel : entries)
        actual.push_back(AccelText(accel));
    std::sort(actual.begin(), actual.end());
    std::vector<std::string> expected = {
        "Ctrl+A 57642",        "Ctrl+C 57634",       "Ctrl+Shift+K 32771", "Ctrl+E 32772", "Ctrl+N 57600",
        "Ctrl+O 57601",        "Ctrl+P 57607",       "Ctrl+R 32773",       "Ctrl+S 57603", "Ctrl+V 57637",
        "Alt+Backspace 57643", "Shift+Delete 57635", "Escape 32789",       "F6 57680",     "Shift+F6 57681",
        "Ctrl+Insert 57634",   "Shift+Insert 57637", "Ctrl+W 32777",       "Ctrl+X 57635", "Ctrl+Z 57643",
    };
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(expected, actual);
}

TEST(ResourceAccelerators, KeysWithoutMenuItemsReachTheirCommands) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = CommandCatcher;
    wc.hInstance = Module();
    wc.lpszClassName = "TavAccelTarget";
    RegisterClassA(&wc);
    HWND hWnd =
        CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, Module(), nullptr);
    ASSERT_NE(nullptr, hWnd);
    HACCEL hAccel = LoadAcceleratorsA(Module(), MAKEINTRESOURCEA(IDR_MAINFRAME));

    BYTE saved[256];
    GetKeyboardState(saved);
    // Which command a key brings, with the given modifiers held down.
    auto commandFor = [&](WORD key, std::initializer_list<BYTE> held) {
        BYTE state[256] = {};
        for (BYTE vk : held)
            state[vk] = 0x80;
        SetKeyboardState(state);
        SetWindowLongPtrA(hWnd, GWLP_USERDATA, 0);
        MSG msg = {hWnd, WM_KEYDOWN, key, 1, 0, {0, 0}};
        TranslateAcceleratorA(hWnd, hAccel, &msg);
        return static_cast<WPARAM>(GetWindowLongPtrA(hWnd, GWLP_USERDATA));
    };
    // High word 1: the command came from an accelerator.
    EXPECT_EQ(MAKEWPARAM(ID_ESCAPE, 1), commandFor(VK_ESCAPE, {}));
    EXPECT_EQ(MAKEWPARAM(ID_UNLOCK_DELETE, 1), commandFor('K', {VK_CONTROL, VK_SHIFT}));
    EXPECT_EQ(0u, commandFor('K', {VK_CONTROL}));
    EXPECT_EQ(MAKEWPARAM(ID_PREV_PANE, 1), commandFor(VK_F6, {VK_SHIFT}));
    SetKeyboardState(saved);
    DestroyWindow(hWnd);
}

TEST(ResourceToolbar, LayoutIsClassicSixteenBitBlock) {
    const std::string raw = RawResource(IDR_MAINFRAME, MAKEINTRESOURCEA(TOOLBAR_RESOURCE_TYPE));
    ASSERT_EQ(0u, raw.size() % 2);
    std::vector<WORD> words(raw.size() / 2);
    std::memcpy(words.data(), raw.data(), raw.size());
    // Version 1, 16 x 15 images, 12 items; 0 is a separator.
    const std::vector<WORD> expected = {1, 16,    15,    12,    32772, 32773, 0, 32777,
                                        0, 32774, 32775, 32776, 0,     32778, 0, 32786};
    EXPECT_EQ(expected, words);
}

TEST(ResourceToolbar, BitmapsHoldOneImagePerButtonWithTheKeyColour) {
    const std::string raw = RawResource(IDR_MAINFRAME, MAKEINTRESOURCEA(TOOLBAR_RESOURCE_TYPE));
    ASSERT_GE(raw.size(), 8u);
    std::vector<WORD> items((raw.size() - 8) / 2);
    std::memcpy(items.data(), raw.data() + 8, items.size() * 2);
    const long buttonCount = std::count_if(items.begin(), items.end(), [](WORD id) { return id != 0; });

    std::set<std::string> images;
    for (UINT nID : {IDB_TOOLBAR, IDB_TOOLBAR_DISABLED}) {
        SCOPED_TRACE(nID);
        const std::string bits = RawResource(nID, MAKEINTRESOURCEA(2));  // RT_BITMAP
        ASSERT_GE(bits.size(), sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD));
        BITMAPINFOHEADER header;
        std::memcpy(&header, bits.data(), sizeof header);
        EXPECT_EQ(146, header.biWidth);
        EXPECT_EQ(18, std::abs(header.biHeight));
        EXPECT_EQ(8, header.biBitCount);
        // Square images as high as the strip, one for each button.
        EXPECT_EQ(buttonCount, header.biWidth / std::abs(header.biHeight));
        // The toolbar treats RGB(254, 255, 1) as transparent.
        const RGBQUAD* palette = reinterpret_cast<const RGBQUAD*>(bits.data() + header.biSize);
        const int colours = header.biClrUsed ? static_cast<int>(header.biClrUsed) : 256;
        EXPECT_TRUE(std::any_of(palette, palette + colours, [](const RGBQUAD& q) {
            return q.rgbRed == 254 && q.rgbGreen == 255 && q.rgbBlue == 1;
        }));
        images.insert(bits);
    }
    EXPECT_EQ(2u, images.size()) << "normal and disabled images are the same bitmap";
}

TEST(ResourceDialogs, WordBarIsAChildHoldingOnlyTheWordBox) {
    Dialog dlg(IDD_WORDBAR, true);
    ASSERT_NE(nullptr, *dlg);
    EXPECT_TRUE(HasStyle(*dlg, WS_CHILD));
    EXPECT_FALSE(HasStyle(*dlg, WS_CAPTION));
    EXPECT_EQ(DluRect(*dlg, 0, 0, 137, 17), ClientSize(*dlg));
    EXPECT_EQ("MS Sans Serif 8", FontOf(*dlg));
    EXPECT_EQ((std::vector<std::string>{"1000 Edit "}), Controls(*dlg));

    HWND hBox = dlg.Item(IDC_WORDBOX);
    EXPECT_EQ(DluRect(*dlg, 7, 2, 125, 13), ChildRectText(*dlg, IDC_WORDBOX));
    EXPECT_TRUE(HasStyle(hBox, WS_TABSTOP | ES_AUTOHSCROLL));
    EXPECT_TRUE(HasBorder(hBox));
    EXPECT_FALSE(HasStyle(hBox, ES_MULTILINE));
}

TEST(ResourceDialogs, AddModifyDialogHasItsControlsInTabOrder) {
    Dialog dlg(IDD_ADDMOD);
    ASSERT_NE(nullptr, *dlg);
    EXPECT_EQ("AddMod", WindowText(*dlg));
    EXPECT_TRUE(HasStyle(*dlg, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME));
    EXPECT_FALSE(HasStyle(*dlg, WS_VISIBLE));
    EXPECT_EQ(DluRect(*dlg, 0, 0, 266, 78), ClientSize(*dlg));
    EXPECT_EQ("Arial 9", FontOf(*dlg));
    EXPECT_EQ((std::vector<std::string>{"1001 Edit ", "1004 Edit ", "1 Button OK", "2 Button Cancel",
                                        "1002 Static Add word in english",
                                        "1003 Static Enter translation ( translations ) , splitt by comma"}),
              Controls(*dlg));

    EXPECT_EQ(DluRect(*dlg, 100, 8, 159, 12), ChildRectText(*dlg, IDC_WORD));
    EXPECT_EQ(DluRect(*dlg, 7, 35, 252, 17), ChildRectText(*dlg, IDC_TRANSLATIONS));
    EXPECT_EQ(DluRect(*dlg, 7, 57, 50, 14), ChildRectText(*dlg, IDOK));
    EXPECT_EQ(DluRect(*dlg, 209, 57, 50, 14), ChildRectText(*dlg, IDCANCEL));
    EXPECT_EQ(DluRect(*dlg, 15, 11, 85, 9), ChildRectText(*dlg, IDC_WORD_LABEL));
    EXPECT_EQ(DluRect(*dlg, 15, 26, 244, 9), ChildRectText(*dlg, IDC_TRANSLATIONS_LABEL));

    HWND hWord = dlg.Item(IDC_WORD);
    EXPECT_TRUE(HasStyle(hWord, WS_TABSTOP | ES_AUTOHSCROLL));
    EXPECT_TRUE(HasBorder(hWord));
    EXPECT_FALSE(HasStyle(hWord, ES_MULTILINE));
    // Enter in the translations box must press OK, so it does not want Enter.
    HWND hTranslations = dlg.Item(IDC_TRANSLATIONS);
    EXPECT_TRUE(HasStyle(hTranslations, WS_TABSTOP | ES_MULTILINE | ES_AUTOHSCROLL));
    EXPECT_TRUE(HasBorder(hTranslations));
    EXPECT_FALSE(HasStyle(hTranslations, ES_WANTRETURN));

    HWND hOK = dlg.Item(IDOK);
    EXPECT_EQ(BS_DEFPUSHBUTTON, GetWindowLongA(hOK, GWL_STYLE) & BS_TYPEMASK);
    EXPECT_TRUE(HasStyle(hOK, WS_TABSTOP));
    EXPECT_FALSE(IsWindowEnabled(hOK));
    HWND hCancel = dlg.Item(IDCANCEL);
    EXPECT_EQ(BS_PUSHBUTTON, GetWindowLongA(hCancel, GWL_STYLE) & BS_TYPEMASK);
    EXPECT_TRUE(HasStyle(hCancel, WS_TABSTOP));
    EXPECT_TRUE(IsWindowEnabled(hCancel));
    for (int nID : {IDC_WORD_LABEL, IDC_TRANSLATIONS_LABEL}) {
        EXPECT_TRUE(HasStyle(dlg.Item(nID), WS_GROUP)) << nID;
        EXPECT_FALSE(HasStyle(dlg.Item(nID), WS_TABSTOP)) << nID;
    }
    ExpectTidyLayout(*dlg);
}

namespace {

// The value control sits on its label's line, right of it.
void ExpectBeside(HWND hDlg, const char* label, int nValueID) {
    HWND hLabel = nullptr;
    for (HWND hChild = GetWindow(hDlg, GW_CHILD); hChild && !hLabel; hChild = GetWindow(hChild, GW_HWNDNEXT))
        if (WindowText(hChild) == label)
            hLabel = hChild;
    ASSERT_NE(nullptr, hLabel) << label;
    ASSERT_NE(nullptr, GetDlgItem(hDlg, nValueID)) << nValueID;
    // The value follows its label in tab order.
    EXPECT_EQ(GetDlgItem(hDlg, nValueID), GetWindow(hLabel, GW_HWNDNEXT)) << label;
    RECT rcLabel = ChildRect(hDlg, hLabel);
    RECT rcValue = ChildRect(hDlg, GetDlgItem(hDlg, nValueID));
    EXPECT_EQ(rcLabel.top, rcValue.top) << label;
    EXPECT_LE(rcLabel.right, rcValue.left) << label;
    EXPECT_TRUE(HasStyle(GetDlgItem(hDlg, nValueID), SS_NOPREFIX)) << label;
}

}  // namespace

TEST(ResourceDialogs, AboutApplicationPageShowsVersionLinksAndFeatures) {
    Dialog dlg(IDD_ABOUT_APPLICATION, true);
    ASSERT_NE(nullptr, *dlg);
    EXPECT_EQ("Application", WindowText(*dlg));
    EXPECT_TRUE(HasStyle(*dlg, WS_CHILD | WS_CAPTION));
    EXPECT_EQ(DluRect(*dlg, 0, 0, 201, 126), ClientSize(*dlg));
    EXPECT_EQ("MS Sans Serif 8", FontOf(*dlg));

    // The links show the maker's addresses on the configured server.
    const std::string web = WindowText(dlg.Item(IDC_WEBSITE_LINK));
    const std::string contact = WindowText(dlg.Item(IDC_CONTACT_LINK));
    EXPECT_EQ(0u, web.find("http://")) << web;
    EXPECT_EQ(std::string::npos, web.find(' ')) << web;
    const size_t at = contact.find('@');
    ASSERT_NE(std::string::npos, at) << contact;
    EXPECT_EQ(std::string::npos, contact.find(':')) << "an e-mail address has no port: " << contact;
    EXPECT_NE(std::string::npos, web.find(contact.substr(at + 1)))
        << "the same host: " << web << " " << contact;

    EXPECT_EQ((std::vector<std::string>{
                  "-1 Static Version", "1003 Static ", "-1 Static Web site", "1006 Static " + web,
                  "-1 Static Contact", "1005 Static " + contact, "-1 Static Key features",
                  "-1 Static - translate words from english to romanian or inverse\n"
                  "- automatically learn new words\n- can adds new words\n- can modify existent words\n"
                  "- in special conditions can delete existent words"}),
              Controls(*dlg));
    ExpectBeside(*dlg, "Version", IDC_VERSION);
    ExpectBeside(*dlg, "Web site", IDC_WEBSITE_LINK);
    ExpectBeside(*dlg, "Contact", IDC_CONTACT_LINK);
    ExpectTidyLayout(*dlg);
}

TEST(ResourceDialogs, AboutSystemPageShowsFactsAndAdvancedButton) {
    Dialog dlg(IDD_ABOUT_SYSTEM, true);
    ASSERT_NE(nullptr, *dlg);
    EXPECT_EQ("System", WindowText(*dlg));
    EXPECT_TRUE(HasStyle(*dlg, WS_CHILD | WS_CAPTION));
    EXPECT_EQ(DluRect(*dlg, 0, 0, 201, 126), ClientSize(*dlg));
    EXPECT_EQ("MS Sans Serif 8", FontOf(*dlg));
    EXPECT_EQ((std::vector<std::string>{"-1 Static CPU", "1011 Static ", "-1 Static CPU indentifier",
                                        "1010 Static ", "-1 Static CPU speed", "1008 Static ",
                                        "-1 Static Physical memory", "1009 Static ", "-1 Static User",
                                        "1007 Static ", "1004 Button &Advanced"}),
              Controls(*dlg));
    ExpectBeside(*dlg, "CPU", IDC_CPU_NAME);
    ExpectBeside(*dlg, "CPU indentifier", IDC_CPU_IDENTIFIER);
    ExpectBeside(*dlg, "CPU speed", IDC_CPU_SPEED);
    ExpectBeside(*dlg, "Physical memory", IDC_PHYSICAL_MEMORY);
    ExpectBeside(*dlg, "User", IDC_USER_NAME);

    // The button sits at the bottom right, below every fact.
    HWND hAdvanced = dlg.Item(IDC_ADVANCED);
    EXPECT_EQ(BS_PUSHBUTTON, GetWindowLongA(hAdvanced, GWL_STYLE) & BS_TYPEMASK);
    EXPECT_TRUE(HasStyle(hAdvanced, WS_TABSTOP));
    RECT client;
    GetClientRect(*dlg, &client);
    RECT rcButton = ChildRect(*dlg, hAdvanced);
    EXPECT_GT(rcButton.left, client.right / 2);
    EXPECT_GT(rcButton.top, ChildRect(*dlg, dlg.Item(IDC_USER_NAME)).bottom);
    EXPECT_EQ(DluRect(*dlg, 0, 0, 194, 119), RectText({0, 0, rcButton.right, rcButton.bottom}))
        << "the dialog's margin from the bottom right corner";
    ExpectTidyLayout(*dlg);
}

namespace {

SIZE IconSize(HICON hIcon, POINT* pHotSpot = nullptr, BOOL* pIsIcon = nullptr) {
    ICONINFO info = {};
    SIZE size = {0, 0};
    if (!hIcon || !GetIconInfo(hIcon, &info))
        return size;
    BITMAP bm = {};
    GetObjectA(info.hbmMask, sizeof bm, &bm);
    size.cx = bm.bmWidth;
    size.cy = info.hbmColor ? bm.bmHeight : bm.bmHeight / 2;  // a monochrome mask holds both halves
    if (pHotSpot)
        *pHotSpot = {static_cast<LONG>(info.xHotspot), static_cast<LONG>(info.yHotspot)};
    if (pIsIcon)
        *pIsIcon = info.fIcon;
    DeleteObject(info.hbmMask);
    if (info.hbmColor)
        DeleteObject(info.hbmColor);
    return size;
}

}  // namespace

TEST(ResourceImages, IconsLoadInBothSizesAndAreDistinct) {
    const UINT kIcons[] = {IDR_MAINFRAME, IDI_ABOUT, IDI_WORD, 190, 191, 192, 193, 194, 195, 196, 197};
    std::set<std::string> images;
    for (UINT nID : kIcons) {
        SCOPED_TRACE(nID);
        for (int size : {16, 32}) {
            HICON hIcon =
                static_cast<HICON>(LoadImageA(Module(), MAKEINTRESOURCEA(nID), IMAGE_ICON, size, size, 0));
            ASSERT_NE(nullptr, hIcon);
            SIZE actual = IconSize(hIcon);
            EXPECT_EQ(size, actual.cx);
            EXPECT_EQ(size, actual.cy);
            DestroyIcon(hIcon);
        }
        // The 32 x 32 image's own bytes: each id must carry its own picture.
        const std::string group = RawResource(nID, MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
        ASSERT_FALSE(group.empty());
        int nImage = LookupIconIdFromDirectoryEx(reinterpret_cast<PBYTE>(const_cast<char*>(group.data())),
                                                 TRUE, 32, 32, 0);
        images.insert(RawResource(static_cast<UINT>(nImage), MAKEINTRESOURCEA(3)));  // RT_ICON
    }
    EXPECT_EQ(std::size(kIcons), images.size()) << "some icon ids share one picture";
}

TEST(ResourceImages, HandCursorPointsWithItsFingertip) {
    HCURSOR hCursor = LoadCursorA(Module(), MAKEINTRESOURCEA(IDC_LINK_HAND));
    ASSERT_NE(nullptr, hCursor);
    POINT hotSpot = {-1, -1};
    BOOL bIcon = TRUE;
    SIZE size = IconSize(hCursor, &hotSpot, &bIcon);
    EXPECT_FALSE(bIcon);
    EXPECT_EQ(6, hotSpot.x);
    EXPECT_EQ(0, hotSpot.y);
    EXPECT_EQ(32, size.cx);
    EXPECT_EQ(32, size.cy);
}

namespace {

std::string VersionValue(const std::vector<char>& info, const std::string& path) {
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(info.data(), path.c_str(), &value, &length) || !value)
        return "(missing)";
    return static_cast<const char*>(value);
}

}  // namespace

TEST(ResourceVersion, CarriesVersionTwoEightZeroOne) {
    char path[MAX_PATH];
    ASSERT_GT(GetModuleFileNameA(nullptr, path, MAX_PATH), 0u);
    DWORD dummy = 0;
    DWORD size = GetFileVersionInfoSizeA(path, &dummy);
    ASSERT_GT(size, 0u);
    std::vector<char> info(size);
    ASSERT_TRUE(GetFileVersionInfoA(path, 0, size, info.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    ASSERT_GE(length, sizeof(VS_FIXEDFILEINFO));
    EXPECT_EQ(0xFEEF04BDu, fixed->dwSignature);
    EXPECT_EQ(MAKELONG(8, 2), static_cast<LONG>(fixed->dwFileVersionMS));
    EXPECT_EQ(MAKELONG(1, 0), static_cast<LONG>(fixed->dwFileVersionLS));
    EXPECT_EQ(fixed->dwFileVersionMS, fixed->dwProductVersionMS);
    EXPECT_EQ(fixed->dwFileVersionLS, fixed->dwProductVersionLS);
    EXPECT_EQ(static_cast<DWORD>(VFT_APP), fixed->dwFileType);

    // US English, Unicode: the block the About page reads.
    WORD* translation = nullptr;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translation), &length));
    ASSERT_GE(length, 4u);
    EXPECT_EQ(0x0409, translation[0]);
    EXPECT_EQ(1200, translation[1]);
    const std::string block = "\\StringFileInfo\\040904b0\\";
    EXPECT_EQ("2, 8, 0, 1", VersionValue(info, block + "ProductVersion"));
    EXPECT_EQ("2, 8, 0, 1", VersionValue(info, block + "FileVersion"));
    EXPECT_EQ("Tav", VersionValue(info, block + "ProductName"));
    EXPECT_EQ("Ordal", VersionValue(info, block + "CompanyName"));
    EXPECT_NE("(missing)", VersionValue(info, block + "FileDescription"));
    EXPECT_NE("(missing)", VersionValue(info, block + "LegalCopyright"));
}

TEST(ResourceManifest, AsksForCommonControlsSixAsInvoker) {
    const std::string manifest = RawResource(1, MAKEINTRESOURCEA(24));  // RT_MANIFEST
    const size_t name = manifest.find("name=\"Microsoft.Windows.Common-Controls\"");
    ASSERT_NE(std::string::npos, name) << manifest;
    const size_t begin = manifest.rfind("<assemblyIdentity", name);
    ASSERT_NE(std::string::npos, begin);
    const std::string identity = manifest.substr(begin, manifest.find("/>", name) - begin);
    for (const char* part : {"type=\"win32\"", "version=\"6.0.0.0\"", "processorArchitecture=\"*\"",
                             "publicKeyToken=\"6595b64144ccf1df\"", "language=\"*\""})
        EXPECT_NE(std::string::npos, identity.find(part)) << part;
    EXPECT_NE(std::string::npos, manifest.find("<requestedExecutionLevel level=\"asInvoker\""));
}

TEST(ResourceManifest, ActivatesCommonControlsSix) {
    // The loader redirects comctl32 to the side-by-side version 6 assembly.
    HMODULE hComCtl = LoadLibraryA("comctl32.dll");
    ASSERT_NE(nullptr, hComCtl);
    char path[MAX_PATH] = "";
    GetModuleFileNameA(hComCtl, path, MAX_PATH);
    std::string lower = path;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); });
    EXPECT_NE(std::string::npos, lower.find("microsoft.windows.common-controls_6595b64144ccf1df_6.")) << path;
    FreeLibrary(hComCtl);
}
