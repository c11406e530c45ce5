#include "TestApp.h"
#include "WindowTestSupport.h"

#include "framework/WinApp.h"

#include <gtest/gtest.h>

namespace {

// The application object of the test program: a private registry root, so
// tests never touch the program's own settings.
class CTestApp : public CWinApp {
public:
    CTestApp() : CWinApp("TavFrameworkTests") {}

    DECLARE_MESSAGE_MAP()

private:
    void OnTestAppCommand() { CommandLog().push_back("app"); }
};

BEGIN_MESSAGE_MAP(CTestApp, CWinApp)
ON_COMMAND_RANGE(ID_TEST_APP_FIRST, ID_TEST_APP_LAST, OnTestAppCommand)
END_MESSAGE_MAP()

CTestApp g_app;

}  // namespace

int main(int argc, char** argv) {
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    g_app.m_hInstance = GetModuleHandleA(nullptr);
    g_app.InitApplication();
    g_app.SetRegistryKey("TavTests");
    ::testing::InitGoogleTest(&argc, argv);
    int nResult = RUN_ALL_TESTS();
    DeleteTestRegistryKey();
    return nResult;
}
