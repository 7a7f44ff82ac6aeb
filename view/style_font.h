// Fonts and text colours of paragraph styles: a TextView's font cache, one
// font per style key, made on first use and kept.
//
// A style key is the font style bits of a StyleByte (0x1F) plus bit 0x1000,
// which asks for the fixed 8-point font of printed headers and footers. Two
// requests share a font exactly when they are equal masked with 0x101F. A
// request may also carry 0x100, which is not part of the key and asks for the
// text colour to be set as well.
#pragma once

#include <cstdint>

#include "content/paragraph.h"
#include "platform/win.h"

struct TextView;

constexpr unsigned kStyleKeyMask = 0x101F;
constexpr unsigned kStyleKeyHeaderFont = 0x1000;  // 8 points, for print bands
constexpr unsigned kStyleRequestColour = 0x100;   // also set the text colour

// Point sizes when the view's point size is 0, and the print bands' size.
constexpr int kLargeDefaultPoints = 20;
constexpr int kSmallDefaultPoints = 14;
constexpr int kHeaderFontPoints = 8;
constexpr int kPointsPerInch = 72;

// Text colour of large bold styles; every other style is black.
constexpr COLORREF HeadingBlue = RGB(0, 0, 255);
constexpr COLORREF kTextBlack = RGB(0, 0, 0);

// One cached font. The cache is a list, newest first, with at most one entry
// per key.
struct FontCacheEntry {
    FontCacheEntry* next;  // the entry made before this one, or null
    uint16_t key;          // request & kStyleKeyMask
    HFONT font;            // null after the fonts were released
};

// The text colour that a request with kStyleRequestColour sets.
constexpr COLORREF StyleTextColour(unsigned key) {
    return (key & (kStyleLarge | kStyleBold)) == (kStyleLarge | kStyleBold) ? HeadingBlue : kTextBlack;
}

// Selects the font of `request`'s key into the view's device context, making
// and caching it on first use, and with kStyleRequestColour also sets the text
// colour. Returns the font that was selected before, which callers keep and
// select back when they finish; null for a null view. When the cache entry or
// the font cannot be made, nothing is selected and the result is null; the
// device keeps its font.
HFONT SelectStyleFont(TextView* view, unsigned request);

// Makes the font of `key` for the view's device context and point size into
// entry->font (null when it cannot be made):
//   large (0x04): size × 5 / 4, 20 when size is 0; else small (0x02): size × 6 / 8,
//   14 when size is 0; else 0x1000: 8; otherwise size (0: the mapper's height).
//   Bold (0x08): weight 700, else 400. Face from the view's FontSettings.
void CreateStyleFont(TextView* view, FontCacheEntry* entry, unsigned key);
