// The search dialog (resource 115).
#pragma once

#include "platform/win.h"

INT_PTR CALLBACK SearchDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
