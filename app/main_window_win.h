// The main window: its procedure and the command table that every menu item,
// accelerator and toolbar button ends in.
#pragma once

#include "platform/win.h"

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Runs the command whose id is the low word of wParam: 0 when handled, 1 when
// the id is not in the table.
int DoCommand(HWND window, WPARAM wParam);
