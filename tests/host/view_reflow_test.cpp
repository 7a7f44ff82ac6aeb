// Laying a view out again after a new area size or a new font.
#include "tests/host/view_fixture.h"

namespace {

using ReflowTest = ViewTest;

TEST_F(ReflowTest, ResizeLaysTheOwnTextOutForTheNewWidth) {
    Make(100, 400);
    ASSERT_EQ(Lay({{0x81, 0, "aaaa bbbb cccc dddd"}}), kLayoutDone);
    ASSERT_EQ(view->lineCount, 2);
    char* text = view->text;
    view->topRow = 1;
    EXPECT_EQ(ResizeTextView(view, 200, 30), kLayoutDone);
    EXPECT_EQ(view->width, 200);
    EXPECT_EQ(view->height, 30);
    EXPECT_EQ(view->left, 10);
    EXPECT_EQ(view->top, 20);
    EXPECT_EQ(view->text, text);
    EXPECT_EQ(view->lineCount, 1);
    EXPECT_EQ(view->topRow, 1);
}

TEST_F(ReflowTest, ResizeRefusesEmptySizesAndChangesNothing) {
    Make(100, 400);
    ASSERT_EQ(Lay({{0x81, 0, "aaaa bbbb cccc dddd"}}), kLayoutDone);
    for (auto [width, height] : {std::pair{0, 100}, std::pair{100, 0}, std::pair{-3, 100}, std::pair{100, -1}}) {
        EXPECT_EQ(ResizeTextView(view, width, height), kViewBadSize);
        EXPECT_EQ(view->width, 100);
        EXPECT_EQ(view->height, 400);
        EXPECT_EQ(view->lineCount, 2);
    }
    EXPECT_EQ(ResizeTextView(nullptr, 100, 100), kViewMissing);
    // Without a text there is nothing to lay out.
    Make(100, 400);
    EXPECT_EQ(ResizeTextView(view, 50, 50), kLayoutNoText);
    EXPECT_EQ(view->width, 50);
}

TEST_F(ReflowTest, NewFontRemakesEveryCachedFontAndLaysOutAgain) {
    Make(100, 400);
    ASSERT_EQ(Lay({{0xCC, 0, "Head"}, {0x81, 0, "aaaa bbbb cccc"}}), kLayoutDone);
    std::vector<HFONT> before;
    for (FontCacheEntry* entry = view->fontCache; entry; entry = entry->next) before.push_back(entry->font);
    ASSERT_EQ(before.size(), 2u);
    view->topRow = 2;
    HostClearDrawCalls(dc);

    FontSettings larger = view->fontSettings;
    larger.pointSize = 24;  // 32 units: lines of 40
    EXPECT_EQ(SetViewFont(view, &larger), 0);
    EXPECT_EQ(view->fontSettings.pointSize, 24);
    int entries = 0;
    for (FontCacheEntry* entry = view->fontCache; entry; entry = entry->next, ++entries) {
        EXPECT_NE(entry->font, nullptr);
        EXPECT_TRUE(HostObjectDeleted(before[entries]));
        EXPECT_NE(entry->font, before[entries]);
    }
    EXPECT_EQ(entries, 2);
    EXPECT_EQ(view->lines[1].height, 40);
    EXPECT_GT(view->lineCount, 3);  // "aaaa bbbb cccc" no longer fits on one line
    EXPECT_EQ(view->topRow, 2);
    // Drawn with erasing.
    ASSERT_FALSE(HostDrawCalls(dc).empty());
    EXPECT_EQ(HostDrawCalls(dc)[0].kind, HostDrawKind::Fill);
}

TEST_F(ReflowTest, NoFontSettingsReleasesTheFontsAndKeepsTheEntries) {
    Make(100, 400);
    SelectStyleFont(view, kStylePlain);
    HFONT plain = view->fontCache->font;
    EXPECT_EQ(SetViewFont(view, nullptr), 0);
    EXPECT_TRUE(HostObjectDeleted(plain));
    ASSERT_NE(view->fontCache, nullptr);
    EXPECT_EQ(view->fontCache->font, nullptr);
    int created = HostFontsCreated();
    SelectStyleFont(view, kStylePlain);
    EXPECT_EQ(HostFontsCreated(), created + 1);  // the next selection makes a new font
    EXPECT_EQ(view->fontCache->next, nullptr);
}

TEST_F(ReflowTest, NewFontWithoutTextOrViewFails) {
    Make(100, 400);
    FontSettings settings{};
    EXPECT_EQ(SetViewFont(view, &settings), 1);  // nothing to lay out
    EXPECT_EQ(SetViewFont(nullptr, &settings), kViewMissing);
}

}  // namespace
