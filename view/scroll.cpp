// Line scrolling of a TextView.
#include "view/scroll.h"

#include "content/paragraph.h"
#include "view/render.h"

int32_t ScrollView(TextView* view, int delta, bool redraw, bool stopAtEnd) {
    if (!view) return kViewMissing;
    int topRow = view->topRow;
    int row = topRow + delta;
    if (row < 0) {
        row = 0;
    } else if (stopAtEnd || row > view->totalRows) {
        // Already showing the end: going further down changes nothing.
        if (row >= topRow && topRow >= view->maxTopRow) return kScrollUnchanged;
        if (row > view->totalRows) row = view->maxTopRow;
    }
    if (row == topRow) return kScrollUnchanged;
    view->topRow = static_cast<uint16_t>(row);
    return redraw ? RenderView(view, true) : kScrollNotDrawn;
}

int32_t ScrollToOffset(TextView* view, int offset) {
    if (!view || !view->lines) return 0;
    int row = 0;
    for (const LineRecord* line = view->lines; !IsTerminator(*line); ++line) {
        if (line->textOffset <= offset && offset <= LineTextEnd(view, *line)) {
            view->topRow = static_cast<uint16_t>(row < view->maxTopRow ? row : view->maxTopRow);
            return 1;
        }
        row += HasSpacing(line->style) ? 2 : 1;
    }
    return 0;
}
