// The lesson banner: after a search, a framed box at the bottom of the view's
// area with the lesson's heading and its first centred line (its date), so
// that the user sees in which lesson the match was found. The box is not part
// of the view's drawing: the next RenderView paints over it.
#pragma once

#include "platform/win.h"
#include "view/text_view.h"

// A run of lesson text; bytes null when there is none.
struct TextRun {
    const char* bytes;
    int length;
};

// Banner colours: red and blue frames around a white one, red text on yellow.
constexpr COLORREF kBannerRed = RGB(255, 0, 0);
constexpr COLORREF kBannerWhite = RGB(255, 255, 255);
constexpr COLORREF kBannerBlue = RGB(0, 0, 255);
constexpr COLORREF kBannerYellow = RGB(255, 255, 0);

// The heading is the text of a first paragraph of StyleByte 0xCC; the
// centred line that of the paragraph after it, or of the first paragraph when
// there is no heading, when its StyleByte is 0xC1. Either may be empty
// (bytes null). A null text gives both empty.
void FindBannerLines(const char* text, TextRun* heading, TextRun* centred);

// Draws the banner for the view's text; nothing when there is no view or the
// lesson has neither line.
void DrawLessonBanner(TextView* view);

// Draws `count` rectangles over `rect` with a solid one-unit pen of `colour`,
// shrinking the rectangle by 1 on each side after each; they are filled with
// the device's brush. `rect` ends shrunk.
void DrawFrame(HDC dc, RECT* rect, COLORREF colour, int count);
