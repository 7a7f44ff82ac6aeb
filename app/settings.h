// The settings store: named values under the product key in the current
// user's registry, the load of every setting at start and their save at exit,
// and the main window's placement.
//
// Readers never report an error: a missing key or value, or one that cannot
// be read, gives the default, null or fallback. A value larger than
// kMaxValueBytes counts as unreadable: the program never writes one, and
// reading it would only risk the out-of-memory quit at every start. Blocks the
// readers return come from AllocOrQuit and are released by the caller with
// HeapBlockFree; when memory runs out the reader returns its failure result
// after AllocOrQuit has told the user.
//
// Writers create the product key when needed (non-volatile, KEY_ALL_ACCESS)
// and return 1 on success, 0 on failure; callers ignore the result.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/win.h"

// "Software\Tessaline\Moravel 5770 (English)" and "software\Quillmark".
extern const WCHAR kProductKey[];
extern const WCHAR kDeveloperKey[];

constexpr DWORD kMaxValueBytes = 1u << 20;

// Point sizes above this (or below 0) read as 0, the view's default: the font
// engines scale sizes by 5/4 and by the device resolution in 32 bits.
constexpr int32_t kMaxPointSize = 1638;

// A REG_DWORD value of 4 bytes is returned as it is stored; a value of any
// other type is read as UTF-16 text and converted as decimal digits: from 0,
// value = value * 10 + (unit - 48) for every unit before the first 0 unit,
// with no sign and no check that a unit is a digit ("abc" gives 5451), in
// 32-bit arithmetic that wraps. A REG_DWORD of another size, a missing key or
// value, or an unreadable one gives `fallback`.
int32_t ReadNumberAt(const WCHAR* keyPath, const WCHAR* name, int32_t fallback);
// ReadNumberAt on the product key.
int32_t ReadNumber(const WCHAR* name, int32_t fallback);

// The value's bytes, whatever its type, as UTF-16 text in a block of twice the
// stored size (at least 4 bytes). The block is zero beyond the stored bytes,
// so the text always ends with a 0 unit inside it, even when the stored bytes
// lack a terminator or are odd in number. Null when unreadable.
WCHAR* ReadText(const WCHAR* name);

// A block holding the value's bytes, whatever its type, or null. The stored
// size is the usable part; after it the block carries zero bytes up to an
// even length plus two more, so the bytes read as an 8-bit text end with a
// NUL and read as 16-bit numbers end with a 0 word inside the block.
void* ReadBytes(const WCHAR* name);
// As ReadBytes, with the stored size written through `size` when it is given.
// On any failure it returns `fallback` and leaves `*size` as it was.
void* ReadBytesSized(const WCHAR* name, void* fallback, DWORD* size);

// REG_DWORD, 4 bytes.
int WriteNumber(const WCHAR* name, int32_t value);
// REG_SZ, 2 x (length + 1) bytes, terminator included. A null text fails.
int WriteText(const WCHAR* name, const WCHAR* text);
// REG_BINARY, length + 1 bytes, NUL included. A null text fails.
int WriteNarrowText(const WCHAR* name, const char* text);
// REG_BINARY, the given bytes. Null data with a size above 0 fails.
int WriteBytes(const WCHAR* name, const void* data, DWORD size);

// Runs once at start, in this order: FontName, SearchString, FontSize,
// FontAsciiBase, LastPosition, Flags, Lesson, the index marker bitmaps, the
// bookmarks. A face name is cut to 31 characters and a search text to 33. A
// point size outside 0..kMaxPointSize reads as 0. A stored lesson outside the
// book reads as none and clears AF_FIXED_LESSON, so that today's lesson opens
// instead. Every other value is taken as stored.
void LoadSettings();

// Runs at exit and when memory runs out: deletes the index bitmaps; stores
// SearchString, FontName, FontSize and FontAsciiBase when not empty or 0,
// LastPosition (the view's topRow) when there is a view, Flags always, Lesson
// when not 0; releases the view with its text, lines and fonts; stores and
// frees the bookmarks; posts the quit message with code 0.
// Settings are stored only once LoadSettings has completed and only once per
// load: before that the registry still holds the user's settings and the
// record does not, and after the first save the view and the bookmarks are
// gone. A second call therefore releases nothing twice and overwrites nothing;
// it only posts the quit message again.
void SaveSettingsAndQuit();

// Stores Top, Left, Width, Height and showCmd from the window's placement.
// A maximised window stores its restored position (its rectangle corrected by
// the frame and the normal position) and showCmd SW_SHOWMAXIMIZED. A
// minimised window stores its normal position and, instead of a minimised
// show command, SW_SHOWMAXIMIZED when it will restore to maximised, else
// SW_SHOWNORMAL. Nothing is stored when the placement cannot be read.
void SaveWindowPlacement(HWND window);
// Applies the stored placement: when Width and Height are both above 0, moves
// the window there, cut to the size of the virtual screen and shifted inside
// it; then shows it with the stored showCmd when that is SW_SHOWNORMAL or
// SW_SHOWMAXIMIZED, else (absent, minimised, hidden or unknown) with
// `showCommand`, the process's own.
void RestoreWindowPlacement(HWND window, int showCommand);
