#include "WindowTestSupport.h"

#include "framework/WinApp.h"

#include <gtest/gtest.h>

namespace {

// The application object of the test program: a private registry root, so
// tests never touch the program's own settings.
class CTestApp : public CWinApp {
public:
    CTestApp() : CWinApp("TavFrameworkTests") {}
};

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
