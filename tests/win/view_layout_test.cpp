// The text view engine on real GDI: every lesson of the book (and a few
// lessons made here) laid out at three widths on a memory device, checking
// what every layout must hold, then drawn.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "content/lesson_number.h"
#include "content/lesson_resource.h"
#include "platform/heap.h"
#include "platform/win.h"
#include "tests/common/lesson_builder.h"
#include "view/layout.h"
#include "view/render.h"
#include "view/text_view.h"

namespace {

constexpr int kWidths[] = {180, 480, 900};
constexpr int kAreaHeight = 600;
constexpr int kBitmapWidth = 1024;
constexpr int kBitmapHeight = 768;

// A memory device with a screen-sized 32-bit bitmap, so drawing really draws.
class RealDevice : public ::testing::Test {
protected:
    void SetUp() override {
        dc = CreateCompatibleDC(nullptr);
        ASSERT_NE(dc, nullptr);
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = kBitmapWidth;
        info.bmiHeader.biHeight = -kBitmapHeight;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        ASSERT_NE(bitmap, nullptr);
        oldBitmap = SelectObject(dc, bitmap);
    }
    void TearDown() override {
        SelectObject(dc, oldBitmap);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    TextView* MakeView(int width, int points) {
        FontSettings settings{};
        std::memcpy(settings.faceName, L"Times New Roman", sizeof(L"Times New Roman"));
        settings.pointSize = points;
        settings.fontAsciiBase = kDefaultFontAsciiBase;
        RECT area{8, 30, 8 + width, 30 + kAreaHeight};
        return CreateTextView(dc, &area, &settings, 100);
    }
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ oldBitmap = nullptr;
};

// What every layout holds: lines inside the area (when a character fits at
// all), offsets inside the text, rows = lines + SpacingRows, maxTopRow within
// the rows.
void ExpectLayoutHolds(const TextView* view, const char* what) {
    SCOPED_TRACE(what);
    size_t size = LessonSize(view->text);
    int lines = 0;
    int spacing = 0;
    for (const LineRecord* line = view->lines; !IsTerminator(*line); ++line, ++lines) {
        SCOPED_TRACE(testing::Message() << "line " << lines);
        EXPECT_GE(line->x - line->hang, view->left);
        EXPECT_LE(line->x + line->width, view->left + view->width);
        EXPECT_LT(line->textOffset + line->length, size);
        EXPECT_NE(view->text[line->textOffset], ' ');
        EXPECT_GT(line->height, 0);
        if (HasSpacing(line->style)) ++spacing;
        if (::testing::Test::HasFailure()) return;
    }
    EXPECT_EQ(lines, view->lineCount);
    EXPECT_GT(lines, 0);
    EXPECT_EQ(view->totalRows, lines + spacing);
    EXPECT_LE(view->maxTopRow, view->totalRows);
    if (lines > 0) {
        EXPECT_FALSE(HasSpacing(view->lines[lines - 1].style));
    }
}

// Draws the whole text screen by screen from topRow 0: every row is drawn
// once, and no screen is empty before the end.
void ExpectScreensCoverTheText(TextView* view) {
    int rows = 0;
    for (view->topRow = 0;; view->topRow = static_cast<uint16_t>(view->topRow + view->rowsDrawn)) {
        ASSERT_EQ(RenderView(view, true), 0);
        rows += view->rowsDrawn;
        if (view->topRow >= view->maxTopRow) break;
        ASSERT_GT(view->rowsDrawn, 0);
    }
    EXPECT_GE(rows, view->totalRows - view->maxTopRow);
}

TEST_F(RealDevice, MadeLessonsHoldTheLayoutRules) {
    const std::vector<std::vector<Para>> lessons = {
        {{0xC1, 0, "Shabbat, Tishrei 1, 5770 \xB7 September 19, 2009"},
         {0x81, 0, "A first paragraph of ordinary words, long enough to need a few lines at the "
                   "narrow width, with a hyphenated well-known compound-word or two."},
         {0xC7, 172, ""},
         {0x81, 0x40, "1. A hanging paragraph whose first word sits in the hanging area and whose "
                      "further lines start after it."},
         {0x81, 0x40, " and its continuation, which keeps the running indent of the paragraph "
                      "before it."},
         {0x41, 0, "Centred without spacing"},
         {0x29, 0, "A bold right-aligned signature"},
         {0xCC, 0, "A Heading In Large Bold"},
         {0x81, 0, std::string(300, 'x') + " a word wider than any line"},
         {0xA9, 0, "The end \xA9 \x91quoted\x91 \xBC"}},
        {{0xCC, 0, "Preface"}, {0xC1, 0, "Tishrei 1"}, {0x87, 40, ""}, {0xE7, 250, ""}, {0x81, 0, "x"}},
    };
    for (size_t n = 0; n < lessons.size(); ++n) {
        for (int width : kWidths) {
            for (int points : {0, 12, 20}) {
                TextView* view = MakeView(width, points);
                ASSERT_NE(view, nullptr);
                ASSERT_EQ(LayoutText(view, MakeLesson(lessons[n]), kReplaceText), kLayoutDone);
                std::string what = "made lesson " + std::to_string(n) + " at " + std::to_string(width) +
                                   " units, " + std::to_string(points) + " points";
                ExpectLayoutHolds(view, what.c_str());
                ExpectScreensCoverTheText(view);
                ReleaseTextView(view, true);
            }
        }
    }
}

TEST_F(RealDevice, VeryNarrowAreaStillEnds) {
    TextView* view = MakeView(2, 12);
    ASSERT_EQ(LayoutText(view, MakeLesson({{0x81, 0x40, "1. ab cd"}, {0x81, 0, "efg"}}), kReplaceText),
              kLayoutDone);
    // "1." in its hanging area with no room after it, then a character a line.
    EXPECT_EQ(view->lineCount, 1 + 4 + 3);
    ReleaseTextView(view, true);
}

TEST_F(RealDevice, EveryLessonOfTheBookHoldsTheLayoutRules) {
    App.Instance = LoadLibraryExW(WTXT(MORAVEL_EXE_NAME), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!App.Instance) GTEST_SKIP() << MORAVEL_EXE_NAME << " cannot be opened for its resources";
    int error = 0;
    char* first = LoadLesson(kFirstLesson, &error);
    if (!first && error == kLoadNoResource) {
        FreeLibrary(App.Instance);
        App.Instance = nullptr;
        GTEST_SKIP() << MORAVEL_EXE_NAME << " holds no lesson resources yet (the book is not built); "
                     << "only the lessons made in this test were laid out";
    }
    HeapBlockFree(first);
    for (int n = kFirstLesson; n <= kLastLesson; ++n) {
        SCOPED_TRACE(testing::Message() << "lesson " << n);
        for (int width : kWidths) {
            TextView* view = MakeView(width, 12);
            ASSERT_NE(view, nullptr);
            char* text = LoadLesson(n, &error);
            ASSERT_NE(text, nullptr) << "error " << error;
            ASSERT_EQ(LayoutText(view, text, kReplaceText), kLayoutDone);
            std::string what = "at " + std::to_string(width) + " units";
            ExpectLayoutHolds(view, what.c_str());
            ExpectScreensCoverTheText(view);
            ReleaseTextView(view, true);
        }
    }
    FreeLibrary(App.Instance);
    App.Instance = nullptr;
}

}  // namespace
