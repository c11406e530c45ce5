#include "ProgramFixture.h"

#include "dictionary/DictionaryPaths.h"
#include "frame/HelpLoader.h"
#include "res/resource.h"

namespace {

const char kTestKey[] = "Software\\Classes\\TavTests\\HelpControl";
const char kTestKeyUnderRoot[] = "TavTests\\HelpControl";

// A class registration of our own that names the given file.
void RegisterControl(const char* file) {
    HKEY hKey = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, kTestKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hKey, nullptr);
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
        RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Classes\\TavTests");
        ProgramTest::TearDown();
    }
};

TEST_F(HelpTest, ARegistrationNamingAMissingFileFallsBackToTheSearchPath) {
    WriteDictionary(kEn, "a:b\r\n");
    RegisterControl("C:\\nowhere\\missing.ocx");
    ResetHtmlHelpLoader(kTestKeyUnderRoot);
    const CFilePath strChm = GetProgramFilePath("..\\..\\help\\tav.chm");
    HWND hViewer = HtmlHelpW(nullptr, strChm.c_str(), 0, 0);
    EXPECT_NE(nullptr, hViewer);
    EXPECT_TRUE(PumpUntil([] { return HelpViewer() != nullptr; }));
}
