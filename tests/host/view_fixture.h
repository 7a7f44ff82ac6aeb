// Shared by the view engine's host tests: lessons built from paragraphs, and
// a view on a recording device at 12 points and 96 dots per inch, where a
// lower-case letter is 8 units wide (i, l, j: 4; m, w: 12), a space 4, a
// hyphen 5, a capital 10 (M, W: 14), and a plain line 20 units high.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/heap.h"
#include "tests/common/lesson_builder.h"
#include "view/layout.h"
#include "view/text_view.h"
#include "view/wide_text.h"

// Offset of paragraph n's text in a lesson made by MakeLesson.
inline int TextOffsetOf(const std::vector<Para>& paragraphs, size_t n) {
    int offset = 0;
    for (size_t i = 0; i < n; ++i) offset += 3 + static_cast<int>(paragraphs[i].text.size());
    return offset + 2;
}

constexpr int kPlainHeight = 20;   // tmHeight of 12 points at 96 dpi
constexpr int kLargeHeight = 25;   // 15 points
constexpr int kMaxCharWidth = 14;  // of the plain font

class ViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        HostResetAll();
        HostGdiClear();
        dc = HostCreateDevice();
        // The shared buffer is one block for good; made large now, it does not
        // change the count of live blocks that tests compare.
        WidenText("", &SharedWideBuffer, 1 << 16);
        baseBlocks = HostHeapLiveBlocks();
    }
    void TearDown() override {
        ReleaseTextView(view, true);
        HostHeapFailAfter(-1);
    }
    // A view whose area starts at (10, 20).
    TextView* Make(int width, int height, int lines = 0, int points = 12) {
        ReleaseTextView(view, true);
        FontSettings settings{};
        settings.pointSize = points;
        RECT area{10, 20, 10 + width, 20 + height};
        view = CreateTextView(dc, &area, &settings, lines);
        return view;
    }
    int32_t Lay(const std::vector<Para>& paragraphs) {
        return LayoutText(view, MakeLesson(paragraphs), kReplaceText);
    }
    std::vector<LineRecord> Lines() const {
        std::vector<LineRecord> lines;
        for (const LineRecord* line = view->lines; !IsTerminator(*line); ++line) lines.push_back(*line);
        return lines;
    }
    std::string LineText(const LineRecord& line) const {
        return std::string(view->text + line.textOffset, line.length);
    }
    HDC dc{};
    TextView* view = nullptr;
    long baseBlocks = 0;
};
