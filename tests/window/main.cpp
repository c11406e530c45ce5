#include "ProgramFixture.h"

#include <gtest/gtest.h>

#include <cstdio>

int main(int argc, char** argv) {
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    PrepareTestApplication();
    ::testing::InitGoogleTest(&argc, argv);
    int nResult = RUN_ALL_TESTS();
    DeleteProgramTestSettings();
    // As in the unit tests: an ordinary exit may hang in Wine's shutdown.
    std::fflush(nullptr);
    TerminateProcess(GetCurrentProcess(), static_cast<UINT>(nResult));
    return nResult;
}
