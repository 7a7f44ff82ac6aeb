// Process start (Win32): the entry's work, the main window class, and the
// single-instance handover.
#pragma once

#include "platform/win.h"

// Returns -1 on a refused platform, 0 when another instance took over or the
// main window was not created, else the quit message's code.
int AppMain(HINSTANCE instance, int showCommand);

// The main window, or null when the process is to end (another instance was
// found, or the window could not be created).
HWND InitInstance(int showCommand);

void RegisterMainWindowClass(HINSTANCE instance, const WCHAR* className);
