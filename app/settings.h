// The settings store: named values under the product key in the current
// user's registry, and the load at start and save at exit of every setting.
//
// Readers never report an error: a missing key or value, or one that cannot
// be read, gives the default, null or fallback. Blocks they return come from
// AllocOrQuit and are released by the caller with HeapBlockFree. Writers
// create the product key when needed and return 1 on success, 0 on failure.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/win.h"

// "Software\Tessaline\Moravel 5770 (English)" and "software\Quillmark".
extern const WCHAR kProductKey[];
extern const WCHAR kDeveloperKey[];

// A REG_DWORD value as its 4 bytes; any other type read as UTF-16 decimal
// digits (value = value * 10 + (unit - 48) up to the first 0 unit, no check).
int32_t ReadNumberAt(const WCHAR* keyPath, const WCHAR* name, int32_t fallback);
int32_t ReadNumber(const WCHAR* name, int32_t fallback);
// The value's bytes as UTF-16 text in a block twice the stored size, or null.
WCHAR* ReadText(const WCHAR* name);
// A block of exactly the stored size holding the value's bytes, or null.
void* ReadBytes(const WCHAR* name);
// As ReadBytes, with the stored size written through `size` when given; the
// fallback pointer on any failure.
void* ReadBytesSized(const WCHAR* name, void* fallback, DWORD* size);

int WriteNumber(const WCHAR* name, int32_t value);
int WriteText(const WCHAR* name, const WCHAR* text);
int WriteNarrowText(const WCHAR* name, const char* text);
int WriteBytes(const WCHAR* name, const void* data, DWORD size);

// Runs once at start: font, search text, numbers, index bitmaps, bookmarks.
void LoadSettings();
// Runs at exit (and when memory runs out): stores the settings, releases the
// view and the bookmarks, posts the quit message with code 0.
void SaveSettingsAndQuit();

// Store and apply the main window's position, size and show state.
void SaveWindowPlacement(HWND window);
void RestoreWindowPlacement(HWND window, int showCommand);
