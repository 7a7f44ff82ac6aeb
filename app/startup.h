// Start-up decisions that need no window: the platform refusal, the gutter
// read and the main window's styles. The process entry itself (AppMain,
// InitInstance) is Win32 code in startup_win.cpp.
#pragma once

#include <cstdint>

#include "app/app_state.h"
#include "platform/win.h"

// Class name and window name of the main window; a second instance finds the
// first by both.
extern const WCHAR kMainWindowName[];

// The text and caption of the refusal shown on the Windows 9x family.
extern const char kRefusalText[];
extern const char kDeveloperAddress[];

// True when the platform id is below VER_PLATFORM_WIN32_NT.
bool IsRefusedPlatform(DWORD platformId);

// Asks the system for its version; on a refused platform shows the refusal
// (no owner, MB_ICONERROR) and returns true. Reads and writes no setting.
bool RefuseOldPlatform();

// SurroundingGutter from the developer key, default 10. Values outside
// 0..kMaxGutter are taken as the nearest bound, so gutter arithmetic (2g)
// never overflows and a negative gutter never pushes text off the window.
constexpr int32_t kDefaultGutter = 10;
constexpr int32_t kMaxGutter = 16383;
int32_t ReadSurroundingGutter();

struct WindowStyles {
    DWORD style;
    DWORD exStyle;
};
// Styles of the main window from the low byte of the option word: a vertical
// scroll bar when bit 6 or 7 is set, on the left when bit 7 is set.
WindowStyles MainWindowStyles(AppFlags flags);
