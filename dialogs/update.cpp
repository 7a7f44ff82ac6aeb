// The update check (first cut: not in yet).
#include "dialogs/update.h"

void CheckForUpdates(HWND) {}
