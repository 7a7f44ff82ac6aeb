// The font dialog (resource 105); its creation parameter is the FontSettings
// to edit. It ends with 1 (OK) or 2 (Cancel).
#pragma once

#include "platform/win.h"

INT_PTR CALLBACK FontDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
