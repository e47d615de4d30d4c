// Messages of the framework's own that hosts may handle.
#pragma once

#include "afxwin.h"

// Sent to every window of the framework below the main window while the thread is idle, so that
// bars and dialog bars update their controls (wParam: disable controls without a handler).
#define WM_IDLEUPDATECMDUI 0x0363
// Sent by RunModalLoop (and so by a modal dialog) to its window while the queue is empty;
// lParam counts the calls since the last message. An answer of TRUE asks for another.
#define WM_KICKIDLE 0x036A
