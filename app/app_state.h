// AppState, the one process-wide record of the reader, and AppFlags, the
// option word stored as the registry value Flags.
//
// AppState is zero-filled at start (AppMain); every field starts at zero or
// null unless a step of start-up sets it. Other subsystems keep private state
// of their own.
#pragma once

#include <cstddef>
#include <cstdint>

#include "app/font_settings.h"
#include "content/lesson_number.h"
#include "platform/win.h"

struct TextView;

using AppFlags = uint32_t;

// Bits of AppFlags. Only AF_FIXED_LESSON and AF_MATCH_CASE are ever written by
// the program; every other bit is loaded and stored unchanged.
constexpr AppFlags AF_FIXED_LESSON = 0x4;            // the user chose the lesson; reopen it
constexpr AppFlags AF_MATCH_CASE = 0x20;             // search compares case
constexpr AppFlags AF_SCROLLBAR = 0x40;              // a vertical scroll bar
constexpr AppFlags AF_SCROLLBAR_LEFT = 0x80;         // ...on the left; implies a scroll bar
constexpr AppFlags AF_KEY_PAGE_MODE = 0x700000;      // page mode of Page Up / Page Down
constexpr AppFlags AF_CLICK_PAGE_MODE = 0x7000000;   // page mode of click-to-scroll
constexpr AppFlags AF_CLICK_VERTICAL = 0x10000000;   // clicks split upper/lower, else left/right
constexpr AppFlags AF_CLICK_SCROLL = 0x80000000;     // a left click pages the view
constexpr int kKeyPageModeShift = 20;
constexpr int kClickPageModeShift = 24;
constexpr AppFlags kDefaultAppFlags = 0xD1140040;

constexpr int kSearchStringBytes = 34;  // at most 33 characters and the NUL
constexpr uint8_t RF_NO_REMOVE_QUESTION = 0x1;  // RunFlags bit 0
constexpr int kIndexBitmapCount = 3;

struct AppState {
    HINSTANCE Instance;               // the program's module; source of every resource
    FontSettings Font;                // display font; passed to views and dialogs by address
    uint16_t LastPosition;            // first visible row to restore when the view is created
    AppFlags Flags;                   // option word
    LessonNumber Lesson;              // current lesson; 0 = none chosen yet
    char SearchString[kSearchStringBytes];  // last search text, NUL-terminated
    TextView* View;                   // the main window's lesson view, or null
    int32_t ViewHeight;               // outer window size less the gutters (index dialog)
    int32_t ViewWidth;
    int32_t SurroundingGutter;        // pixels kept free around the text area
    HWND Toolbar;                     // null when its creation failed
    HWND MainWindow;
    HBITMAP IndexBitmaps[kIndexBitmapCount];  // bitmaps 201 to 203
    uint16_t BookmarkCount;           // entries of BookmarkList before its 0
    uint16_t* BookmarkList;           // bookmarked lessons ended by a 0, or null
    uint8_t RunFlags;                 // RF_ bits; lasts one run, never stored
};

extern AppState App;

// The page mode (0 to 7) held in the bits of `mask` (AF_KEY_PAGE_MODE or
// AF_CLICK_PAGE_MODE) of `flags`.
int PageMode(AppFlags flags, AppFlags mask);

// Rows of one page step: rowsDrawn / 2 (toward zero) for modes 2 and 4,
// rowsDrawn - 1 for every other mode.
int PageStep(int mode, int rowsDrawn);

// A heap block of `size` bytes (release with HeapBlockFree), or null after
// telling the user "There is not enough memory, aborting" and running
// SaveSettingsAndQuit; the caller then abandons its operation.
void* AllocOrQuit(size_t size);
