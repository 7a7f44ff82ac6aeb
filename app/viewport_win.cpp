// The lesson view in the main window (first cut: no view yet).
#include "app/viewport_win.h"

int CreateMainView(HWND) { return 1; }
