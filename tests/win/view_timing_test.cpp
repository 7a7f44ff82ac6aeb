// Figures, not checks: milliseconds to lay the book's longest lesson out
// again after a resize and to draw one screenful, on real GDI. The figures
// are printed and recorded as test properties; nothing here fails on time.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

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

constexpr int kRounds = 40;
constexpr int kTypicalWidth = 760;   // a maximised window's text area at 1024 × 768
constexpr int kTypicalHeight = 620;

// The longest lesson of the book, or the synthetic one; `source` says which.
char* LongestLesson(std::string* source) {
    App.Instance = LoadLibraryExW(WTXT(MORAVEL_EXE_NAME), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    char* longest = nullptr;
    size_t longestSize = 0;
    int number = 0;
    for (int n = kFirstLesson; App.Instance && n <= kLastLesson; ++n) {
        int error = 0;
        char* text = LoadLesson(n, &error);
        if (!text) break;
        size_t size = LessonSize(text);
        if (size > longestSize) {
            HeapBlockFree(longest);
            longest = text;
            longestSize = size;
            number = n;
        } else {
            HeapBlockFree(text);
        }
    }
    if (App.Instance) FreeLibrary(App.Instance);
    App.Instance = nullptr;
    if (!longest) {
        longest = SyntheticLesson(14);  // the size of the book's longest lesson
        *source = "a synthetic lesson of " + std::to_string(LessonSize(longest)) + " bytes (no book built)";
    } else {
        *source = "lesson " + std::to_string(number) + ", " + std::to_string(longestSize) + " bytes";
    }
    return longest;
}

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

TEST(ViewTiming, LayoutOfTheLongestLessonAndOneScreenful) {
    HDC dc = CreateCompatibleDC(nullptr);
    ASSERT_NE(dc, nullptr);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = 1024;
    info.bmiHeader.biHeight = -768;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);

    std::string source;
    char* text = LongestLesson(&source);
    FontSettings settings{};
    std::memcpy(settings.faceName, L"Times New Roman", sizeof(L"Times New Roman"));
    settings.pointSize = 12;
    RECT area{8, 30, 8 + kTypicalWidth, 30 + kTypicalHeight};
    TextView* view = CreateTextView(dc, &area, &settings, 100);
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(LayoutText(view, text, kReplaceText), kLayoutDone);  // fonts made here

    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    for (int i = 0; i < kRounds; ++i) ASSERT_EQ(ResizeTextView(view, kTypicalWidth - (i & 1), kTypicalHeight), 0);
    QueryPerformanceCounter(&end);
    double layout = Milliseconds(start, end) / kRounds;

    view->topRow = 0;
    QueryPerformanceCounter(&start);
    for (int i = 0; i < kRounds; ++i) ASSERT_EQ(RenderView(view, true), 0);
    QueryPerformanceCounter(&end);
    double render = Milliseconds(start, end) / kRounds;

    std::printf("Text view on GDI, %s at %d x %d units, 12 points: %d lines, %d rows\n", source.c_str(),
                kTypicalWidth, kTypicalHeight, view->lineCount, view->totalRows);
    std::printf("  layout after a resize: %.3f ms\n  one screenful (%d rows): %.3f ms\n", layout,
                view->rowsDrawn, render);
    RecordProperty("layout_ms", std::to_string(layout));
    RecordProperty("render_ms", std::to_string(render));

    ReleaseTextView(view, true);
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

}  // namespace
