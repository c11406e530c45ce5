#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>

int main(int argc, char** argv) {
    // A failing test must never stop the run with a dialog box.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    ::testing::InitGoogleTest(&argc, argv);
    const int nResult = RUN_ALL_TESTS();
    // The result is printed: end here. Under Wine an ordinary exit now and
    // then hangs in the system libraries' shutdown, after the tests passed,
    // until the run's time-out fails them.
    std::fflush(nullptr);
    TerminateProcess(GetCurrentProcess(), static_cast<UINT>(nResult));
    return nResult;
}
