// Line layout: breaking a Lesson into the LineRecords of a TextView for the
// width of its area. The layout only measures; it draws nothing.
#pragma once

#include <cstdint>

#include "view/text_view.h"

// Results of LayoutText. The two failures are −4 and −2 as 16-bit values,
// returned as positive numbers.
constexpr int32_t kLayoutDone = 0;
constexpr int32_t kLayoutNoText = 2;
constexpr int32_t kLayoutRefused = 0xFFFC;
constexpr int32_t kLayoutNoLines = 0xFFFE;

constexpr bool kReplaceText = true;  // the view takes the text and releases the old one
constexpr bool kKeepText = false;    // the view stores the text and releases nothing

constexpr int kInitialLineCapacity = 128;
constexpr int kLineGrowth = 128;
constexpr int32_t kGrowFailed = -2;

// Lays `text` (a Lesson) out in the view's area and stores it in `text`.
// Clears the highlight, replaces the lines, totalRows, lineCount and
// maxTopRow, forgets startLine and stopLine, and leaves topRow alone.
//   kViewMissing   no view.
//   kLayoutNoText  no text; with `replace` the old text was released.
//   kLayoutRefused the first StyleByte is 0, or the first paragraph is not a
//                  rule and has an empty text; the old text and lines stay.
//   kLayoutNoLines the line records cannot be allocated or grown (or a line
//                  would start past offset 0xFFFF): the lines made so far stay,
//                  ended by a terminator, and `text` is null with `replace`,
//                  the old text without.
// With `replace` the view owns the text from the call on: it releases the
// previous text (unless it is the same), and when it refuses the text or
// cannot finish it releases the given text too. Without `replace` the view
// releases nothing; a text it did not store stays the caller's.
int32_t LayoutText(TextView* view, char* text, bool replace);

// Grows the line records by kLineGrowth, keeping the first lineCapacity.
// When the larger array cannot be allocated, or would pass kMaxLineCapacity,
// zeroes record `index` (at most lineCapacity) so that the array still ends
// with a terminator and returns kGrowFailed. kViewMissing without a view or
// lines.
int32_t GrowLines(TextView* view, int index);

// Sets and returns maxTopRow: totalRows less the rows, counted back from the
// last, that fit whole into the area's height. −1, leaving maxTopRow, when
// the view has no lines or totalRows or lineCount is 0.
int32_t ComputeMaxTopRow(TextView* view);
