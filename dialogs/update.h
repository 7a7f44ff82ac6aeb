// The update check: hands the update page's address to the system shell.
#pragma once

#include "platform/win.h"

// (First cut: not in yet; does nothing.)
void CheckForUpdates(HWND window);
