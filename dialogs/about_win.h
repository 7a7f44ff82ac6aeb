// The About dialog (resource 103).
#pragma once

#include "platform/win.h"

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
