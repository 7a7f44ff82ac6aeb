// Lesson text is 8-bit, the platform's text calls take UTF-16: widening byte
// runs, and the only two text calls of the view engines, which widen through
// one shared buffer so that measuring and drawing allocate only when a run is
// longer than every run before.
//
// Byte value b (1 to 255) becomes the UTF-16 unit of the same value (the ISO
// 8859-1 repertoire, whatever the font); a zero byte ends a run early.
// Not reentrant: a string widened into the shared buffer is valid until the
// next conversion.
#pragma once

#include <cstdint>

#include "platform/win.h"

// UTF-16 storage of `capacity` characters plus the terminating 0. It grows,
// never shrinks, and is never freed.
struct WideBuffer {
    WCHAR* storage;
    int capacity;
};

// The program's one WideBuffer, shared by the lesson view and the index view.
extern WideBuffer SharedWideBuffer;

// Widens at most n bytes of `bytes` (fewer when a zero byte comes first) and
// terminates the result. With a buffer the result is its storage, grown when n
// exceeds its capacity, which the caller neither keeps nor frees; without
// one, a new heap block that the caller frees (HeapBlockFree). Null when
// storage cannot be allocated (a buffer then keeps its old storage). n below
// 0 counts as 0.
WCHAR* WidenText(const char* bytes, WideBuffer* buffer, int n);

// In: *width is the largest extent allowed, *count the characters offered.
// Out: *count is how many leading characters fit within that extent and
// *width their extent. A zero byte among the offered characters ends them
// there. When the shared buffer cannot grow, nothing fits: 0 and 0.
void MeasureFit(HDC dc, const char* bytes, int* width, int* count);

// Draws n characters (fewer when a zero byte comes first) into the rectangle
// (x, y, x + w, y + h), single line, centred both ways, no prefix processing,
// in whatever font and colours the device holds. Returns what DrawTextW
// returns; 0, drawing nothing, when the shared buffer cannot grow.
int DrawTextBox(HDC dc, const char* bytes, int n, int x, int y, int w, int h);

// DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX.
constexpr UINT kTextBoxFormat = 0x825;
