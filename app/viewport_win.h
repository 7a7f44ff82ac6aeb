// The lesson view's place in the main window, its painting and its input.
#pragma once

#include "platform/win.h"

// Creates the view on the window's device context and opens App.Lesson at
// App.LastPosition: 0 when the lesson was opened, non-zero otherwise.
int CreateMainView(HWND window);
