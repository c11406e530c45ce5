// Guards a thread's windows against messages from other programs. Any
// program on the desktop can post to a top-level window, or send to it from
// another thread; messages whose parameters point into the receiver's memory
// are only ever sent by the system or by the window's own thread, so such a
// message that arrives posted is dropped before any message loop of the
// thread (the program's, a dialog's, a menu's) dispatches it, and one sent
// from another thread is not to be read (IsSentFromAnotherThread).
#pragma once

#include <windows.h>

namespace messageguard {

// Installs the guard for the calling thread's windows; once per thread.
void InstallForThisThread();

// Whether a message with these numbers must never arrive posted: its
// parameters hold addresses, or it is a control's own message.
bool IsSendOnly(UINT message);

// Whether the message being handled now was sent from another thread (or
// another program).
bool IsSentFromAnotherThread();

}  // namespace messageguard
