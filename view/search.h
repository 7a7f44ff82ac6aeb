// Searching the whole book for the search text.
#pragma once

#include "platform/win.h"

// Finds the search text after the current match, in this lesson or the next
// ones, and shows it: 1 when a match is shown, 0 otherwise. (First cut: the
// search is not in yet; finds nothing and says nothing.)
int SearchAgain(HWND window);
