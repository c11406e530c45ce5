#include "ProgramFixture.h"

#include "dictionary/DictionaryPaths.h"
#include "frame/HelpLoader.h"
#include "res/resource.h"

namespace {

// Under the classes root itself: Wine does not show the user's classes there.
const char kTestKey[] = "TavTests\\HelpControl";

// A class registration of our own that names the given file.
void RegisterControl(const char* file) {
    HKEY hKey = nullptr;
    RegCreateKeyExA(HKEY_CLASSES_ROOT, kTestKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hKey, nullptr);
    RegSetValueExA(hKey, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(file),
                   static_cast<DWORD>(strlen(file) + 1));
    RegCloseKey(hKey);
}

HWND HelpViewer() {
    return FindWindowA("HH Parent", nullptr);
}

void CloseViewers() {
    while (HWND hViewer = HelpViewer()) {
        SendMessageA(hViewer, WM_CLOSE, 0, 0);
        PumpMessages(20);
        if (IsWindow(hViewer))
            DestroyWindow(hViewer);
    }
}

}  // namespace

class HelpTest : public ProgramTest {
protected:
    void TearDown() override {
        CloseViewers();
        ResetHtmlHelpLoader();
        RegDeleteTreeA(HKEY_CLASSES_ROOT, "TavTests");
        ProgramTest::TearDown();
    }
};

// The control is the one the class registration names; a registration naming
// a missing file falls back to the search path.
TEST_F(HelpTest, TheRegisteredControlOpensTheHelpAndAMissingOneFallsBack) {
    WriteDictionary(kEn, "a:b\r\n");
    const CFilePath strChm = GetProgramFilePath("..\\..\\help\\tav.chm");
    // A module without the help's entry point (this program): help does nothing.
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    RegisterControl(self);
    ResetHtmlHelpLoader(kTestKey);
    EXPECT_EQ(nullptr, HtmlHelpW(nullptr, strChm.c_str(), 0, 0));
    EXPECT_EQ(nullptr, HelpViewer());

    RegisterControl("C:\\nowhere\\missing.ocx");
    ResetHtmlHelpLoader(kTestKey);
    EXPECT_NE(nullptr, HtmlHelpW(nullptr, strChm.c_str(), 0, 0));
    EXPECT_TRUE(PumpUntil([] { return HelpViewer() != nullptr; }));
}
