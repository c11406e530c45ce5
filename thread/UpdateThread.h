// CUpdateThread: the worker that brings the dictionaries up to date. For
// now it only waits to be stopped.
#pragma once

#include "thread/Thread.h"

class CUpdateThread : public CThread {
public:
    CUpdateThread() = default;

    HWND m_hWndOwner = nullptr;  // the window its reports go to

protected:
    DWORD Run() override;
};
