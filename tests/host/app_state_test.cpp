// The option word's defaults, the page-step rule and allocate-or-quit.
#include <gtest/gtest.h>

#include "app/app_state.h"
#include "app/settings.h"
#include "platform/heap.h"

TEST(AppFlags, DefaultWordHasTheNamedBits) {
    EXPECT_EQ(kDefaultAppFlags & AF_FIXED_LESSON, 0u);
    EXPECT_EQ(kDefaultAppFlags & AF_MATCH_CASE, 0u);
    EXPECT_NE(kDefaultAppFlags & AF_SCROLLBAR, 0u);
    EXPECT_EQ(kDefaultAppFlags & AF_SCROLLBAR_LEFT, 0u);
    EXPECT_EQ(PageMode(kDefaultAppFlags, AF_KEY_PAGE_MODE), 1);
    EXPECT_EQ(PageMode(kDefaultAppFlags, AF_CLICK_PAGE_MODE), 1);
    EXPECT_NE(kDefaultAppFlags & AF_CLICK_VERTICAL, 0u);
    EXPECT_NE(kDefaultAppFlags & AF_CLICK_SCROLL, 0u);
    // Bits 18 and 30 are read by nothing but belong to the default word.
    EXPECT_EQ(kDefaultAppFlags & ~(AF_SCROLLBAR | AF_KEY_PAGE_MODE | AF_CLICK_PAGE_MODE |
                                   AF_CLICK_VERTICAL | AF_CLICK_SCROLL),
              0x40040000u);
}

TEST(AppFlags, PageModesAreThreeBitFields) {
    EXPECT_EQ(PageMode(0xFFFFFFFF, AF_KEY_PAGE_MODE), 7);
    EXPECT_EQ(PageMode(0xFFFFFFFF, AF_CLICK_PAGE_MODE), 7);
    EXPECT_EQ(PageMode(0x00200000, AF_KEY_PAGE_MODE), 2);
    EXPECT_EQ(PageMode(0x00200000, AF_CLICK_PAGE_MODE), 0);
    EXPECT_EQ(PageMode(0x04000000, AF_CLICK_PAGE_MODE), 4);
}

TEST(PageStep, HalfForModesTwoAndFourElseOneLessThanAScreen) {
    struct Case {
        int mode, rowsDrawn, step;
    } cases[] = {
        {0, 20, 19}, {1, 20, 19}, {2, 20, 10}, {3, 20, 19}, {4, 20, 10}, {5, 20, 19},
        {6, 20, 19}, {7, 20, 19}, {2, 21, 10}, {4, 1, 0},   {1, 1, 0},   {1, 0, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PageStep(c.mode, c.rowsDrawn), c.step) << "mode " << c.mode << " rows " << c.rowsDrawn;
}

class AllocOrQuitTest : public ::testing::Test {
protected:
    void SetUp() override {
        HostResetAll();
        App = AppState{};
    }
    void TearDown() override { HostHeapFailAfter(-1); }
};

TEST_F(AllocOrQuitTest, ReturnsABlockWhileMemoryLasts) {
    void* block = AllocOrQuit(64);
    ASSERT_NE(block, nullptr);
    HeapBlockFree(block);
    EXPECT_TRUE(HostMessageBoxes().empty());
    EXPECT_TRUE(HostQuitMessages().empty());
}

TEST_F(AllocOrQuitTest, OutOfMemoryTellsTheUserSavesAndQuits) {
    LoadSettings();  // only loaded settings are saved
    App.Flags = kDefaultAppFlags | AF_FIXED_LESSON;
    App.Lesson = 42;
    HostHeapFailAfter(0);
    EXPECT_EQ(AllocOrQuit(64), nullptr);
    ASSERT_EQ(HostMessageBoxes().size(), 1u);
    EXPECT_EQ(HostMessageBoxes()[0].owner, nullptr);
    EXPECT_EQ(HostMessageBoxes()[0].text, u"There is not enough memory, aborting");
    EXPECT_EQ(HostMessageBoxes()[0].caption, u"Error");
    EXPECT_EQ(HostMessageBoxes()[0].type, static_cast<UINT>(MB_ICONERROR));
    ASSERT_EQ(HostQuitMessages().size(), 1u);
    EXPECT_EQ(HostQuitMessages()[0], 0);
    auto lesson = HostRegistryGet("Software\\Tessaline\\Moravel 5770 (English)", "Lesson");
    ASSERT_TRUE(lesson.has_value());
    EXPECT_EQ(lesson->type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(lesson->bytes[0], 42);
}
