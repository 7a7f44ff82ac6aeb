// TextView: one lesson laid out on one device context, and its lifecycle.
//
// The main window keeps one view for the whole run; each print job builds a
// short-lived one on the printer's device context. All positions and sizes
// are device units of the view's device context. A row is a laid-out line or
// the SpacingRow after a paragraph's last line; topRow, totalRows, maxTopRow
// and rowsDrawn count rows.
//
// A zeroed record with dc, fontSettings and the area filled in is a valid
// view without text or lines; its first layout allocates the lines.
#pragma once

#include <cstdint>

#include "app/font_settings.h"
#include "platform/win.h"
#include "view/line_record.h"
#include "view/style_font.h"

struct TextView {
    LineRecord* lines;          // lineCapacity + 1 records (room for the terminator); owned
    HDC dc;                     // where the view measures and draws; borrowed
    char* text;                 // the Lesson the lines point into; owned, a heap block
    int32_t rowsDrawn;          // rows drawn by the last RenderView, SpacingRows counted
    FontSettings fontSettings;  // the view's own copy: face name and point size
    FontCacheEntry* fontCache;  // one font per style key, newest first; owned
    int32_t left;               // the drawing area
    int32_t top;
    int32_t width;
    int32_t height;
    uint16_t topRow;            // the first visible row
    uint16_t totalRows;         // rows of the laid-out text
    uint16_t lineCount;         // line records before the terminator
    uint16_t lineCapacity;      // line records usable for lines
    uint16_t maxTopRow;         // smallest topRow from which all remaining rows fit
    uint16_t matchStart;        // text offset of the highlighted match; with matchEnd 0: none
    uint16_t matchEnd;          // text offset just past the highlighted match
    LineRecord* startLine;      // when set, RenderView starts with this line at top
    LineRecord* stopLine;       // set by RenderView: the first line it did not draw
};
static_assert(sizeof(TextView::topRow) == 2 && sizeof(TextView::totalRows) == 2 &&
                  sizeof(TextView::lineCount) == 2 && sizeof(TextView::lineCapacity) == 2 &&
                  sizeof(TextView::maxTopRow) == 2 && sizeof(TextView::matchStart) == 2 &&
                  sizeof(TextView::matchEnd) == 2,
              "row counts and text offsets of a view are unsigned 16-bit");

// Result codes of the view operations (layout codes are in view/layout.h).
constexpr int32_t kViewMissing = -1;
constexpr int32_t kViewBadSize = -5;
// Line records are counted in 16 bits and rows (lines plus SpacingRows) too,
// so a view never holds more lines than this.
constexpr int kMaxLineCapacity = 0x7FFF;

// A new view on `dc` with its area from `area` (left, top, right, bottom; none
// leaves it zero), a copy of `fontSettings` (none leaves it zero) and room for
// `initialLines` lines (0: the first layout allocates them). Null without a
// device context or when the record cannot be allocated; a view without line
// records when they cannot be allocated or initialLines exceeds
// kMaxLineCapacity. No font is made yet.
TextView* CreateTextView(HDC dc, const RECT* area, const FontSettings* fontSettings, int initialLines);

// Frees the text, the lines and the font cache (deleting its fonts) and
// clears those fields; frees the record itself when `freeRecord` is set.
// Nothing for a null view. A view that borrows its text clears `text` first.
void ReleaseTextView(TextView* view, bool freeRecord);

// Takes a new area size (left and top stay) and lays the view's own text out
// again, keeping it: the result of LayoutText. kViewMissing for a null view;
// kViewBadSize, changing nothing, for a width or height below 1.
int32_t ResizeTextView(TextView* view, int32_t width, int32_t height);

// With settings: copies them, re-creates every cached font, lays the view's
// own text out again (keeping it) and draws it with erasing; 1 when the
// layout fails, else the result of RenderView. topRow stays. Without
// settings: deletes every cached font, keeping the entries, and returns 0.
// kViewMissing for a null view.
int32_t SetViewFont(TextView* view, const FontSettings* fontSettings);
