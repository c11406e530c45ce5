// The program's own window messages, numbered in one place. Another program
// can post any of them: a handler acts only on what it was waiting for.
#pragma once

#include <windows.h>

// The main window's.
const UINT WM_LOAD_DICTIONARY = WM_APP + 1;   // wParam: the direction to load; sent, never posted
const UINT WM_TRAY_NOTIFY = WM_APP + 3;       // the notification-area icon's callback
const UINT WM_LOOKUP_KEY_TAKEN = WM_APP + 4;  // posted at start when another program holds the lookup key

// The report of an update run: wParam = result (UPDATE_...), lParam = 0. The
// owner takes the report itself with CUpdateThread::TakeReport: a message
// nobody's run posted finds none and changes nothing.
const UINT WM_UPDATE_REPORT = WM_APP + 2;

// An import's.
const UINT WM_IMPORT_PROGRESS = WM_APP + 5;  // wParam: how far, 0 to 100
const UINT WM_IMPORT_DONE = WM_APP + 6;      // the import has ended; see CImportThread::Finish
