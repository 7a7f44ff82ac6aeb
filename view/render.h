// Drawing a laid-out TextView: text lines in their style's font and colour,
// rules as thin black bars, SpacingRows as blank rows, then the search
// highlight over the text.
#pragma once

#include <cstdint>

#include "platform/win.h"
#include "view/text_view.h"

// The highlight: blue text on yellow.
constexpr COLORREF kMatchText = RGB(0, 0, 255);
constexpr COLORREF kMatchBackground = RGB(255, 255, 0);

// Draws every row that fits whole into the area, from the line at startLine
// when it is set (at `top`, topRow ignored), else from topRow (lowered to
// maxTopRow when it lies beyond totalRows). With `erase` the area is filled
// white first. Sets rowsDrawn (a SpacingRow after the last drawn line counts
// even where it reaches past the area); when no match is set, also stopLine
// (the first line not drawn, the terminator when all were drawn). Restores
// the device's font and text colour. 0, kViewMissing when the view, its text
// or its lines are missing, or the result of DrawMatch when a match is set.
int32_t RenderView(TextView* view, bool erase);

// Highlights the match (matchStart to matchEnd) in the rows RenderView drew
// from topRow. 0, or kViewMissing as RenderView.
int32_t DrawMatch(TextView* view);

// Highlights the part of the `count` characters at `s`, one line's span drawn
// at (x, y), that lies in the view's match.
void DrawMatchSpan(TextView* view, const char* s, int count, int x, int y);

// Offset just past the last character the line shows. On the first line of a
// hanging paragraph, length counts only the characters after the first word
// and its spaces, which come on top.
int LineTextEnd(const TextView* view, const LineRecord& line);

// DrawTextBox with the given text and background colours, restoring the
// device's colours afterwards.
void DrawColouredTextBox(HDC dc, const char* bytes, int n, int x, int y, int w, int h,
                         COLORREF textColour, COLORREF backColour);

// Fills the rectangle (x, y, x + w, y + h) with stock brush `stockBrush`
// (WHITE_BRUSH, BLACK_BRUSH).
void FillArea(HDC dc, int x, int y, int w, int h, int stockBrush);
