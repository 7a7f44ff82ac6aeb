// The lesson banner after a search, and the frame drawing it uses.
#include "view/banner.h"

#include "content/paragraph.h"
#include "view/render.h"
#include "view/wide_text.h"

namespace {

constexpr unsigned kBannerFontRequest = kStyleRequestColour | kStyleSmall;  // small, black
constexpr int kBannerBottomGap = 2;   // between the box and the area's bottom
constexpr int kBannerFrameUnits = 5;  // frame rectangles on each side: 2 red, 1 white, 2 blue
constexpr int kBannerPadding = 8;     // besides one text height, across the box

struct FittedLine {
    TextRun run;
    int count;
    int width;
};

FittedLine Fit(HDC dc, TextRun run, int width) {
    FittedLine line{run, run.length, width};
    if (run.bytes)
        MeasureFit(dc, run.bytes, &line.width, &line.count);
    else
        line.count = line.width = 0;
    return line;
}

// Draws a line centred across the box at its top and moves the top down.
void DrawBannerLine(HDC dc, RECT* box, const FittedLine& line, int h) {
    if (!line.run.bytes) return;
    int inner = box->right - box->left;
    DrawColouredTextBox(dc, line.run.bytes, line.count, box->left + (inner - line.width) / 2, box->top,
                        line.width, h, kBannerRed, kBannerYellow);
    box->top += h;
}

}  // namespace

void FindBannerLines(const char* text, TextRun* heading, TextRun* centred) {
    if (heading) *heading = TextRun{nullptr, 0};
    if (centred) *centred = TextRun{nullptr, 0};
    if (!text) return;
    size_t cursor = 0;
    Paragraph p;
    if (!NextParagraph(text, &cursor, &p)) return;
    if (p.style == kStyleHeading) {
        if (heading) *heading = TextRun{p.text, static_cast<int>(p.textLength)};
        if (!NextParagraph(text, &cursor, &p)) return;
    }
    if (p.style == kStyleDateLine && centred) *centred = TextRun{p.text, static_cast<int>(p.textLength)};
}

void DrawLessonBanner(TextView* view) {
    if (!view) return;
    TextRun heading, centred;
    FindBannerLines(view->text, &heading, &centred);
    if (!heading.bytes && !centred.bytes) return;

    HDC dc = view->dc;
    HFONT kept = SelectStyleFont(view, kBannerFontRequest);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    int h = metrics.tmHeight;
    int rows = heading.bytes && centred.bytes ? 2 : 1;
    FittedLine first = Fit(dc, heading, view->width);
    FittedLine second = Fit(dc, centred, view->width);

    int boxWidth = (first.width > second.width ? first.width : second.width) + 2 * h + kBannerPadding;
    if (boxWidth > view->width) boxWidth = view->width;
    RECT box;
    box.left = view->left + (view->width - boxWidth) / 2;
    box.right = box.left + boxWidth;
    box.bottom = view->top + view->height - kBannerBottomGap;
    box.top = box.bottom - 2 * kBannerFrameUnits - rows * h;

    DrawFrame(dc, &box, kBannerRed, 2);
    DrawFrame(dc, &box, kBannerWhite, 1);
    DrawFrame(dc, &box, kBannerBlue, 2);
    HBRUSH yellow = CreateSolidBrush(kBannerYellow);
    FillRect(dc, &box, yellow);
    DeleteObject(yellow);

    DrawBannerLine(dc, &box, first, h);
    DrawBannerLine(dc, &box, second, h);
    if (kept) SelectObject(dc, kept);
}

void DrawFrame(HDC dc, RECT* rect, COLORREF colour, int count) {
    HPEN pen = CreatePen(PS_SOLID, 0, colour);
    HGDIOBJ previous = SelectObject(dc, pen);
    for (int i = 0; i < count; ++i) {
        Rectangle(dc, rect->left, rect->top, rect->right, rect->bottom);
        rect->left += 1;
        rect->top += 1;
        rect->right -= 1;
        rect->bottom -= 1;
    }
    SelectObject(dc, previous);
    DeleteObject(pen);
}
