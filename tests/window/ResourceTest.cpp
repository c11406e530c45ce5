// What the resources promise the running program: every command a menu, an
// accelerator or a toolbar button sends has a handler and a prompt, every
// string the sources name loads, and every dialog's controls lie inside it
// without covering each other.
#include "ProgramFixture.h"

#include "res/resource.h"

#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

namespace {

std::string SourcePath(const std::string& relative) {
    std::string root = TAV_SOURCE_DIR;
    if (!root.empty() && root[0] == '/')
        root = "Z:" + root;  // the build tree's own paths, as Wine maps them
    return root + "/" + relative;
}

std::string ReadSource(const std::string& relative) {
    std::ifstream in(SourcePath(relative), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The names resource.h defines with a plain number.
std::map<std::string, UINT> ResourceIds() {
    std::map<std::string, UINT> ids;
    const std::string header = ReadSource("res/resource.h");
    const std::regex define(R"(#define\s+(\w+)\s+(0x[0-9A-Fa-f]+|\d+))");
    for (std::sregex_iterator it(header.begin(), header.end(), define), end; it != end; ++it)
        ids[(*it)[1]] = static_cast<UINT>(std::stoul((*it)[2], nullptr, 0));
    return ids;
}

void CollectMenu(HMENU hMenu, std::set<UINT>& commands) {
    for (int i = 0; i < GetMenuItemCount(hMenu); ++i) {
        if (HMENU hSub = GetSubMenu(hMenu, i))
            CollectMenu(hSub, commands);
        else if (UINT nID = GetMenuItemID(hMenu, i); nID != 0 && nID != static_cast<UINT>(-1))
            commands.insert(nID);
    }
}

// Commands of the main menu, the icon's menu and the toolbar (bShown), or of
// the accelerators.
std::set<UINT> ResourceCommands(bool bShown) {
    const HINSTANCE hInst = GetModuleHandleA(nullptr);
    std::set<UINT> commands;
    if (!bShown) {
        HACCEL hAccel = LoadAcceleratorsA(hInst, MAKEINTRESOURCEA(IDR_MAINFRAME));
        std::vector<ACCEL> keys(CopyAcceleratorTableA(hAccel, nullptr, 0));
        CopyAcceleratorTableA(hAccel, keys.data(), static_cast<int>(keys.size()));
        for (const ACCEL& key : keys)
            commands.insert(key.cmd);
        return commands;
    }
    for (UINT nMenu : {IDR_MAINFRAME, IDR_TRAYMENU}) {
        HMENU hMenu = LoadMenuA(hInst, MAKEINTRESOURCEA(nMenu));
        EXPECT_TRUE(hMenu) << nMenu;
        CollectMenu(hMenu, commands);
        DestroyMenu(hMenu);
    }
    HRSRC hRes =
        FindResourceA(hInst, MAKEINTRESOURCEA(IDR_MAINFRAME), MAKEINTRESOURCEA(TOOLBAR_RESOURCE_TYPE));
    const WORD* pLayout = static_cast<const WORD*>(LockResource(LoadResource(hInst, hRes)));
    EXPECT_TRUE(pLayout);
    for (WORD i = 0; pLayout && i < pLayout[3]; ++i) {
        if (pLayout[4 + i])
            commands.insert(pLayout[4 + i]);
    }
    return commands;
}

bool HasString(UINT nID) {
    CString strText;
    return strText.LoadString(nID) && !strText.IsEmpty();
}

}  // namespace

class ResourceTest : public ProgramTest {};

TEST_F(ResourceTest, EveryCommandHasAHandlerAndAPrompt) {
    StartProgram("a:b\r\n");
    int nAnyHandler = 0;
    for (bool bShown : {true, false}) {
        // Keys without a menu item or button show no prompt.
        const std::set<UINT> commands = ResourceCommands(bShown);
        EXPECT_GE(commands.size(), 10u);
        for (UINT nID : commands) {
            EXPECT_TRUE(m_pFrame->OnCmdMsg(nID, CN_COMMAND, nullptr, &nAnyHandler))
                << "no handler for " << nID;
            EXPECT_TRUE(!bShown || HasString(nID)) << "no prompt for " << nID;
        }
    }
}

TEST_F(ResourceTest, EveryStringTheSourcesNameLoads) {
    const std::map<std::string, UINT> ids = ResourceIds();
    const std::regex name(R"(\b(?:AFX_IDS|IDS|IDP)_\w+)");
    std::set<std::string> used;
    for (const char* folder : {"app", "dictionary", "frame", "framework", "thread", "widgets"}) {
        WIN32_FIND_DATAA found;
        HANDLE hFind = FindFirstFileA(SourcePath(std::string(folder) + "/*.*").c_str(), &found);
        ASSERT_NE(INVALID_HANDLE_VALUE, hFind) << folder;
        do {
            const std::string text = ReadSource(std::string(folder) + "/" + found.cFileName);
            for (std::sregex_iterator it(text.begin(), text.end(), name), end; it != end; ++it)
                used.insert(it->str());
        } while (FindNextFileA(hFind, &found));
        FindClose(hFind);
    }
    EXPECT_GT(used.size(), 3u);
    for (const std::string& id : used) {
        if (ids.count(id)) {
            EXPECT_TRUE(HasString(ids.at(id))) << id;
        }
    }
}

TEST_F(ResourceTest, ControlsLieInsideTheirDialogsApart) {
    HWND hParent =
        CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 800, 600, nullptr, nullptr, nullptr, nullptr);
    int nDialogs = 0;
    for (const auto& [strName, nID] : ResourceIds()) {
        if (strName.rfind("IDD_", 0) != 0)
            continue;
        ++nDialogs;
        HWND hDlg = CreateDialogParamA(
            GetModuleHandleA(nullptr), MAKEINTRESOURCEA(nID), hParent,
            [](HWND, UINT message, WPARAM, LPARAM) -> INT_PTR { return message == WM_INITDIALOG; }, 0);
        ASSERT_TRUE(hDlg) << strName;
        RECT rcClient;
        GetClientRect(hDlg, &rcClient);
        std::vector<RECT> placed;
        for (HWND hChild = GetWindow(hDlg, GW_CHILD); hChild; hChild = GetWindow(hChild, GW_HWNDNEXT)) {
            RECT rc, inside;
            GetWindowRect(hChild, &rc);
            MapWindowPoints(HWND_DESKTOP, hDlg, reinterpret_cast<POINT*>(&rc), 2);
            IntersectRect(&inside, &rc, &rcClient);
            EXPECT_TRUE(EqualRect(&inside, &rc))
                << strName << ": control " << GetDlgCtrlID(hChild) << " outside";
            // Controls that touch in dialog units may share a rounded pixel.
            InflateRect(&rc, -1, -1);
            for (const RECT& other : placed)
                EXPECT_FALSE(IntersectRect(&inside, &rc, &other))
                    << strName << ": control " << GetDlgCtrlID(hChild) << " covers another";
            placed.push_back(rc);
        }
        EXPECT_FALSE(placed.empty()) << strName;
        DestroyWindow(hDlg);
    }
    EXPECT_EQ(4, nDialogs);
    DestroyWindow(hParent);
}
