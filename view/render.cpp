// Drawing a TextView's rows and its search highlight.
#include "view/render.h"

#include <cstddef>

#include "content/paragraph.h"
#include "view/wide_text.h"

namespace {

constexpr char kSpace = ' ';

// Where drawing from topRow starts.
struct FirstRow {
    LineRecord* line;
    int y;
    int room;  // height left for rows
};

// Lowers a topRow beyond the text to maxTopRow, then walks the lines counting
// rows. When topRow falls on the SpacingRow after a line, drawing starts one
// blank row down, with the next line.
FirstRow FindFirstVisibleRow(TextView* view) {
    if (view->topRow > view->totalRows) view->topRow = view->maxTopRow;
    int row = 0;
    LineRecord* line = view->lines;
    const LineRecord* previous = nullptr;
    while (!IsTerminator(*line) && row < view->topRow) {
        row += HasSpacing(line->style) ? 2 : 1;
        previous = line;
        ++line;
    }
    FirstRow first{line, view->top, view->height};
    if (row > view->topRow && previous) {
        first.y += previous->height;
        first.room -= previous->height;
    }
    return first;
}

// The style that drawing starts with: a rule (or the end) has no font of its
// own, so plain text's.
unsigned StartStyle(const LineRecord& line) {
    return IsRule(line.style) || IsTerminator(line) ? kStylePlain : line.style;
}

bool KeyDiffers(unsigned current, uint8_t style) {
    return (current & kStyleKeyMask) != FontStyleBits(style);
}

// Bytes of the first word at `word`: up to a space or the NUL.
int WordLength(const char* word) {
    int n = 0;
    while (word[n] && word[n] != kSpace) ++n;
    return n;
}

const char* SkipSpaces(const char* s) {
    while (*s == kSpace) ++s;
    return s;
}

// Extent of up to n characters at `bytes` (fewer when a zero byte comes first).
SIZE TextExtent(HDC dc, const char* bytes, int n) {
    SIZE size{0, 0};
    WCHAR* wide = WidenText(bytes, &SharedWideBuffer, n);
    if (!wide) return size;
    int length = 0;
    while (length < n && wide[length]) ++length;
    GetTextExtentPoint32W(dc, wide, length, &size);
    return size;
}

void DrawRule(HDC dc, const LineRecord& line, int y) {
    HGDIOBJ previous = SelectObject(dc, GetStockObject(BLACK_BRUSH));
    int middle = y + line.height / 2;
    Rectangle(dc, line.x, middle, line.x + line.width, middle + 1);
    SelectObject(dc, previous);
}

void DrawLine(TextView* view, const LineRecord& line, int y) {
    const char* s = view->text + line.textOffset;
    if (line.hang) {
        // The first word in the hanging area, as much of it as fits there.
        int word = WordLength(s);
        int width = line.hang;
        int count = word;
        MeasureFit(view->dc, s, &width, &count);
        if (count) DrawTextBox(view->dc, s, count, line.x - line.hang, y, width, line.height);
        s = SkipSpaces(s + word);
    }
    if (line.length) DrawTextBox(view->dc, s, line.length, line.x, y, line.width, line.height);
}

}  // namespace

int32_t RenderView(TextView* view, bool erase) {
    if (!view || !view->text || !view->lines) return kViewMissing;
    view->rowsDrawn = 0;
    FirstRow first;
    if (view->startLine)
        first = FirstRow{view->startLine, view->top, view->height};
    else
        first = FindFirstVisibleRow(view);

    unsigned current = StartStyle(*first.line);
    COLORREF savedColour = GetTextColor(view->dc);
    HFONT kept = SelectStyleFont(view, kStyleRequestColour | current);
    if (erase) FillArea(view->dc, view->left, view->top, view->width, view->height, WHITE_BRUSH);

    int y = first.y;
    int room = first.room;
    LineRecord* line = first.line;
    for (; !IsTerminator(*line) && line->height <= room; ++line) {
        if (IsRule(line->style)) {
            DrawRule(view->dc, *line, y);
        } else {
            if (KeyDiffers(current, line->style)) SelectStyleFont(view, kStyleRequestColour | line->style);
            current = line->style;
            DrawLine(view, *line, y);
        }
        // A SpacingRow is left blank and not tested against the room left.
        int rows = HasSpacing(line->style) ? 2 : 1;
        y += rows * line->height;
        room -= rows * line->height;
        view->rowsDrawn += rows;
    }

    if (kept) SelectObject(view->dc, kept);
    SetTextColor(view->dc, savedColour);
    if (view->matchStart || view->matchEnd) return DrawMatch(view);
    view->stopLine = line;
    return 0;
}

int32_t DrawMatch(TextView* view) {
    if (!view || !view->text || !view->lines) return kViewMissing;
    FirstRow first = FindFirstVisibleRow(view);
    unsigned current = StartStyle(*first.line);
    HFONT kept = SelectStyleFont(view, current);

    int y = first.y;
    int room = first.room;
    for (const LineRecord* line = first.line; !IsTerminator(*line) && line->height <= room; ++line) {
        if (!IsRule(line->style) && view->matchEnd >= line->textOffset &&
            view->matchStart <= LineTextEnd(view, *line)) {
            if (KeyDiffers(current, line->style)) SelectStyleFont(view, line->style);
            current = line->style;
            const char* s = view->text + line->textOffset;
            if (line->hang) {
                int word = WordLength(s);
                DrawMatchSpan(view, s, word, line->x - line->hang, y);
                s = SkipSpaces(s + word);
            }
            DrawMatchSpan(view, s, line->length, line->x, y);
        }
        int rows = HasSpacing(line->style) ? 2 : 1;
        y += rows * line->height;
        room -= rows * line->height;
    }
    if (kept) SelectObject(view->dc, kept);
    return 0;
}

int LineTextEnd(const TextView* view, const LineRecord& line) {
    int end = line.textOffset + line.length;
    if (line.hang && view->text) {
        const char* word = view->text + line.textOffset;
        end += static_cast<int>(SkipSpaces(word + WordLength(word)) - word);
    }
    return end;
}

void DrawMatchSpan(TextView* view, const char* s, int count, int x, int y) {
    std::ptrdiff_t before = (view->text + view->matchStart) - s;
    int offset = 0;
    if (before >= 0) {
        if (before > count) return;  // the match starts after this span
        count -= static_cast<int>(before);
        offset = TextExtent(view->dc, s, static_cast<int>(before)).cx;
        s += before;
    }
    std::ptrdiff_t toEnd = (view->text + view->matchEnd) - s;
    if (toEnd < count) count = static_cast<int>(toEnd);
    if (count <= 0) return;
    SIZE size = TextExtent(view->dc, s, count);
    DrawColouredTextBox(view->dc, s, count, x + offset, y, size.cx, size.cy, kMatchText, kMatchBackground);
}

void DrawColouredTextBox(HDC dc, const char* bytes, int n, int x, int y, int w, int h,
                         COLORREF textColour, COLORREF backColour) {
    COLORREF previousText = SetTextColor(dc, textColour);
    COLORREF previousBack = SetBkColor(dc, backColour);
    DrawTextBox(dc, bytes, n, x, y, w, h);
    SetBkColor(dc, previousBack);
    SetTextColor(dc, previousText);
}

void FillArea(HDC dc, int x, int y, int w, int h, int stockBrush) {
    RECT area{x, y, x + w, y + h};
    FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(stockBrush)));
}
