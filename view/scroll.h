// Moving a TextView by rows, with the reader's clamping rules.
#pragma once

#include <cstdint>

#include "view/text_view.h"

// Results of ScrollView besides kViewMissing and RenderView's.
constexpr int32_t kScrollUnchanged = 1;    // nothing changed or was drawn
constexpr int32_t kScrollNotDrawn = 3;     // topRow moved; no redraw asked

// Moves topRow by `delta` rows: never below 0; past totalRows it becomes
// maxTopRow. With `stopAtEnd` (or past totalRows), a move that does not go up
// from a topRow already at or past maxTopRow changes nothing. Returns
// kScrollUnchanged when topRow stays, else with `redraw` the result of
// RenderView with erasing, without it kScrollNotDrawn. kViewMissing without a
// view.
int32_t ScrollView(TextView* view, int delta, bool redraw, bool stopAtEnd);

// Brings the first line (rules included) whose text span holds `offset`
// (textOffset <= offset <= LineTextEnd) to the top, or maxTopRow when
// that is smaller: 1. 0, topRow unchanged, when no line holds it.
int32_t ScrollToOffset(TextView* view, int offset);
