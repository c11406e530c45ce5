#include "thread/UpdateThread.h"

DWORD CUpdateThread::Run() {
    UINT nCommand = 0;
    do {
        WaitCommand(&nCommand, 250);
    } while (nCommand != CMD_STOP);
    return 0;
}
