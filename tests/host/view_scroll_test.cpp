// Moving a view by rows, and bringing a text offset to the top.
#include "tests/host/view_fixture.h"
#include "view/scroll.h"

namespace {

class ScrollTest : public ViewTest {
protected:
    // Rows a, -, b, -, c, -, d, -, e: totalRows 9; 60 units hold d, its blank
    // row and e, so maxTopRow is 6.
    void SetUp() override {
        ViewTest::SetUp();
        Make(200, 60);
        ASSERT_EQ(Lay(kLesson), kLayoutDone);
        ASSERT_EQ(view->totalRows, 9);
        ASSERT_EQ(view->maxTopRow, 6);
    }
    const std::vector<Para> kLesson = {
        {0x81, 0, "aaaa"}, {0x81, 0, "bbbb"}, {0xC7, 172, ""}, {0x81, 0, "dddd"}, {0x81, 0, "eeee"}};
};

TEST_F(ScrollTest, ScrollViewClampsAndRedraws) {
    struct Case {
        int topRow;
        int delta;
        bool stopAtEnd;
        int result;
        int newTopRow;
    } cases[] = {
        {3, -5, true, 0, 0},    // below 0: 0, drawn
        {0, -1, true, 1, 0},    // no change: nothing drawn
        {2, 1, true, 0, 3},
        {6, 1, true, 1, 6},     // at maxTopRow: the end is shown
        {7, 1, true, 1, 7},     // past it too
        {7, 0, true, 1, 7},
        {7, -1, true, 0, 6},    // going up is always allowed
        {4, 3, true, 0, 7},     // a page down by less than the rows left may pass maxTopRow
        {2, 20, true, 0, 6},    // past totalRows: maxTopRow
        {6, 2, false, 0, 8},    // without the stop, up to totalRows
        {6, 3, false, 0, 9},
        {6, 5, false, 1, 6},    // past totalRows from the end: nothing
        {2, 10, false, 0, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "topRow " << c.topRow << " delta " << c.delta << " stop " << c.stopAtEnd);
        view->topRow = static_cast<uint16_t>(c.topRow);
        HostClearDrawCalls(dc);
        EXPECT_EQ(ScrollView(view, c.delta, true, c.stopAtEnd), c.result);
        EXPECT_EQ(view->topRow, c.newTopRow);
        bool drawn = !HostDrawCalls(dc).empty();
        EXPECT_EQ(drawn, c.newTopRow != c.topRow);
        if (drawn) {
            EXPECT_EQ(HostDrawCalls(dc)[0].kind, HostDrawKind::Fill);  // erased first
        }
    }
}

TEST_F(ScrollTest, PagingDownPastMaxTopRowThenStops) {
    view->topRow = 4;
    EXPECT_EQ(ScrollView(view, 3, true, true), 0);
    EXPECT_EQ(view->topRow, 7);  // blank rows at the bottom
    EXPECT_EQ(ScrollView(view, 3, true, true), 1);
    EXPECT_EQ(view->topRow, 7);
}

TEST_F(ScrollTest, WithoutRedrawTheMoveIsOnlyRecorded) {
    EXPECT_EQ(ScrollView(view, 2, false, true), kScrollNotDrawn);
    EXPECT_EQ(view->topRow, 2);
    EXPECT_TRUE(HostDrawCalls(dc).empty());
    EXPECT_EQ(ScrollView(nullptr, 1, true, true), kViewMissing);
}

TEST_F(ScrollTest, ScrollToOffsetBringsTheLineHoldingItToTheTop) {
    struct Case {
        int offset;
        int result;
        int topRow;
    } cases[] = {
        {2, 1, 0},                          // a line's first byte
        {6, 1, 0},                          // just past its last: still that line
        {TextOffsetOf(kLesson, 1) + 1, 1, 2},
        {TextOffsetOf(kLesson, 2), 1, 4},   // a rule
        {TextOffsetOf(kLesson, 3), 1, 6},   // in the last screenful: maxTopRow
        {TextOffsetOf(kLesson, 4) + 2, 1, 6},
        {TextOffsetOf(kLesson, 4) + 5, 0, 3},  // past the last line: topRow stays
        {7, 0, 3},                          // the next paragraph's StyleByte
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.offset);
        view->topRow = 3;
        EXPECT_EQ(ScrollToOffset(view, c.offset), c.result);
        EXPECT_EQ(view->topRow, c.topRow);
    }
    EXPECT_EQ(ScrollToOffset(nullptr, 2), 0);
}

TEST_F(ScrollTest, OffsetLateInAHangingFirstLineFindsThatLine) {
    // "1. aaaa bbbb" is one line whose length counts only "aaaa bbbb".
    Make(200, 20);
    ASSERT_EQ(Lay({{0x81, 0, "zz"}, {0x81, 0x40, "1. aaaa bbbb"}, {0x81, 0, "yy"}}), kLayoutDone);
    ASSERT_EQ(view->maxTopRow, 4);
    view->topRow = 0;
    EXPECT_EQ(ScrollToOffset(view, 5 + 10), 1);  // the third "b"
    EXPECT_EQ(view->topRow, 2);
}

}  // namespace
