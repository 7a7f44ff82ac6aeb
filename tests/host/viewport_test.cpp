// The lesson view in the main window: creation, geometry, the scroll bar,
// and the keys, scroll bar, wheel and clicks that scroll it.
#include "tests/host/app_reader_fixture.h"

namespace {

TEST(InitialTextArea, GuttersAndToolbar) {
    struct Case {
        RECT client;
        int toolbar, gutter;
        RECT area;
    } cases[] = {
        {{0, 0, 640, 480}, 0, 10, {10, 10, 620, 460}},
        {{0, 0, 640, 480}, 29, 10, {10, 38, 620, 460}},
        {{0, 0, 640, 480}, 29, 0, {0, 28, 640, 480}},
        {{0, 0, 20, 20}, 0, 10, {0, 0, 20, 20}},    // 2g or less: no reduction
        {{0, 0, 21, 15}, 0, 10, {10, 0, 1, 15}},    // only the wider side is reduced
    };
    for (const Case& c : cases) {
        RECT area = InitialTextArea(c.client, c.toolbar, c.gutter);
        EXPECT_EQ(area.left, c.area.left);
        EXPECT_EQ(area.top, c.area.top);
        EXPECT_EQ(area.right, c.area.right);
        EXPECT_EQ(area.bottom, c.area.bottom);
    }
}

using ViewportTest = ReaderTest;

TEST_F(ViewportTest, CreateOpensTheLessonAtTheStoredRow) {
    App.Lesson = 3;
    App.LastPosition = 40;
    ASSERT_EQ(CreateMainView(window), 0);
    ASSERT_NE(App.View, nullptr);
    EXPECT_NE(App.View->text, nullptr);
    EXPECT_EQ(App.View->topRow, 40);
    EXPECT_EQ(App.View->left, 10);
    EXPECT_EQ(App.View->top, 10);
    EXPECT_GT(App.View->totalRows, 100);
    HostScrollBar bar = HostScrollBarOf(window);
    EXPECT_EQ(bar.calls, 1);
    EXPECT_EQ(bar.max, App.View->maxTopRow);
    EXPECT_EQ(bar.pos, 40);
    EXPECT_TRUE(HostMessageBoxes().empty());
}

TEST_F(ViewportTest, AMissingLessonLeavesAnEmptyViewAndSaysSo) {
    for (LessonNumber lesson : {0, 140}) {
        ReleaseTextView(App.View, true);
        App.View = nullptr;
        HostUserClear();
        App.Lesson = lesson;
        EXPECT_NE(CreateMainView(window), 0);
        ASSERT_NE(App.View, nullptr) << lesson;
        EXPECT_EQ(App.View->text, nullptr);
        ASSERT_EQ(HostMessageBoxes().size(), 1u);
        EXPECT_EQ(HostMessageBoxes()[0].owner, window);
        EXPECT_EQ(HostMessageBoxes()[0].text, u"Resource not found");
        EXPECT_EQ(HostMessageBoxes()[0].caption, u"Error");
        EXPECT_EQ(HostMessageBoxes()[0].type, static_cast<UINT>(MB_ICONWARNING));
        // The inputs do nothing without a text, and nothing breaks.
        EXPECT_EQ(HandleKey(window, VK_NEXT), 0);
        EXPECT_EQ(HandleWheel(window, MAKELONG(0, -360)), 0);
    }
}

TEST_F(ViewportTest, NoViewNoMessage) {
    HostFailGetDC(true);
    App.Lesson = 4;
    EXPECT_EQ(CreateMainView(window), 1);
    EXPECT_EQ(App.View, nullptr);
    EXPECT_TRUE(HostMessageBoxes().empty());
    EXPECT_EQ(HandleKey(window, VK_DOWN), 0);
    EXPECT_EQ(HandleKey(window, VK_RIGHT), 0);
    EXPECT_EQ(App.Lesson, 4);
    EXPECT_EQ(HandleScrollBar(window, SB_LINEDOWN, 0), 1);
    EXPECT_EQ(ClickScroll(window, App.View, 100, 100), 0);
}

TEST_F(ViewportTest, ScrollBarOnlyWhenTheOptionWordAsksForIt) {
    App.Flags = kDefaultAppFlags & ~(AF_SCROLLBAR | AF_SCROLLBAR_LEFT);
    Open(3);
    HandleKey(window, VK_NEXT);
    EXPECT_EQ(HostScrollBarOf(window).calls, 0);
    App.Flags |= AF_SCROLLBAR_LEFT;
    HandleKey(window, VK_NEXT);
    EXPECT_EQ(HostScrollBarOf(window).calls, 1);
    EXPECT_EQ(HostScrollBarOf(window).pos, App.View->topRow);
}

// Rows drawn depend on where the view stands (headings are taller), so each
// step reads them after drawing from its starting row.
TEST_F(ViewportTest, KeysScrollByTheirRows) {
    TextView* view = Open(3);
    enum Expect { kFull, kHalf, kBackFull, kPlusOne, kMinusOne, kToTop, kToEnd };
    struct Step {
        WPARAM key;
        AppFlags keyMode;  // AF_KEY_PAGE_MODE value
        int from;
        Expect expect;
    } steps[] = {
        {VK_NEXT, 1, 0, kFull},     {VK_NEXT, 0, 0, kFull},     {VK_NEXT, 2, 0, kHalf},
        {VK_NEXT, 4, 40, kHalf},    {VK_NEXT, 7, 0, kFull},     {VK_NEXT, 3, 0, kFull},
        {VK_PRIOR, 1, 60, kBackFull}, {VK_PRIOR, 1, 3, kToTop}, {VK_DOWN, 1, 5, kPlusOne},
        {VK_UP, 1, 5, kMinusOne},   {VK_UP, 1, 0, kToTop},      {VK_HOME, 1, 57, kToTop},
        {VK_END, 1, 0, kToEnd},     {VK_END, 1, 12, kToEnd},
    };
    for (const Step& s : steps) {
        App.Flags = (kDefaultAppFlags & ~AF_KEY_PAGE_MODE) | (s.keyMode << kKeyPageModeShift);
        view->topRow = static_cast<uint16_t>(s.from);
        RefreshMainWindow(window, kPaintRefresh);
        int rows = view->rowsDrawn;
        ASSERT_GT(rows, 4);
        int to = 0;
        switch (s.expect) {
            case kFull: to = s.from + rows - 1; break;
            case kHalf: to = s.from + rows / 2; break;
            case kBackFull: to = s.from - (rows - 1); break;
            case kPlusOne: to = s.from + 1; break;
            case kMinusOne: to = s.from - 1; break;
            case kToTop: to = 0; break;
            case kToEnd: to = view->maxTopRow; break;
        }
        EXPECT_EQ(HandleKey(window, s.key), 0);
        EXPECT_EQ(view->topRow, to) << "key " << s.key << " mode " << s.keyMode << " from " << s.from;
        EXPECT_EQ(HostScrollBarOf(window).pos, to);
    }
}

TEST_F(ViewportTest, OtherKeysAreLeftAlone) {
    TextView* view = Open(3, 5);
    for (WPARAM key : {WPARAM{14}, WPARAM{20}, WPARAM{32}, WPARAM{41}, WPARAM{45}, WPARAM{0x70} /* F1 */, WPARAM{0x72} /* F3 */, WPARAM{'A'}}) {
        EXPECT_EQ(HandleKey(window, key), 1) << key;
        EXPECT_EQ(view->topRow, 5);
        EXPECT_EQ(App.Lesson, 3);
    }
    // Enter searches again only with a search text; with none it does nothing.
    EXPECT_EQ(HandleKey(window, VK_RETURN), 0);
    EXPECT_EQ(view->topRow, 5);
}

TEST_F(ViewportTest, ArrowsMoveBetweenLessons) {
    Open(10);
    EXPECT_EQ(HandleKey(window, VK_RIGHT), 0);
    EXPECT_EQ(App.Lesson, 11);
    EXPECT_EQ(HandleKey(window, VK_LEFT), 0);
    EXPECT_EQ(HandleKey(window, VK_LEFT), 0);
    EXPECT_EQ(App.Lesson, 9);
}

TEST_F(ViewportTest, WheelNotchesAndTheirParts) {
    TextView* view = Open(3, 20);
    struct Case {
        short delta;
        int rows;
    } cases[] = {{120, -1}, {-360, 3}, {60, 0}, {-119, 0}, {-240, 2}, {250, -2}};
    for (const Case& c : cases) {
        view->topRow = 20;
        EXPECT_EQ(HandleWheel(window, MAKELONG(0, c.delta)), 0);
        EXPECT_EQ(view->topRow, 20 + c.rows) << c.delta;
    }
}

TEST_F(ViewportTest, ScrollBarCodes) {
    TextView* view = Open(3);
    enum Expect { kRows, kPageUp, kPageDown };
    struct Case {
        int code;
        int position;
        int from;
        Expect expect;
        int to;  // for kRows
    } cases[] = {
        {SB_LINEUP, 0, 10, kRows, 9},         {SB_LINEDOWN, 0, 10, kRows, 11},
        {SB_PAGEUP, 0, 60, kPageUp, 0},        {SB_PAGEDOWN, 0, 10, kPageDown, 0},
        {SB_THUMBPOSITION, 33, 10, kRows, 33}, {SB_THUMBTRACK, 7, 10, kRows, 7},
        {SB_TOP, 0, 10, kRows, 0},             {SB_BOTTOM, 0, 10, kRows, 11},
        {SB_ENDSCROLL, 0, 10, kRows, 10},      {99, 0, 10, kRows, 10},
    };
    for (const Case& c : cases) {
        view->topRow = static_cast<uint16_t>(c.from);
        RefreshMainWindow(window, kPaintRefresh);
        int rows = view->rowsDrawn;
        int to = c.expect == kPageUp ? c.from - (rows - 1) : c.expect == kPageDown ? c.from + rows - 1 : c.to;
        size_t defCalls = HostDefWindowCalls().size();
        WPARAM wParam = MAKELONG(c.code, c.position);
        EXPECT_EQ(HandleScrollBar(window, wParam, 0), 1);
        EXPECT_EQ(view->topRow, to) << "code " << c.code;
        ASSERT_EQ(HostDefWindowCalls().size(), defCalls + 1) << "every code reaches DefWindowProcW";
        EXPECT_EQ(HostDefWindowCalls().back().wParam, wParam);
    }
    // The page requests ignore the page modes.
    App.Flags = (kDefaultAppFlags & ~AF_KEY_PAGE_MODE) | (2u << kKeyPageModeShift);
    view->topRow = 0;
    RefreshMainWindow(window, kPaintRefresh);
    int rows = view->rowsDrawn;
    HandleScrollBar(window, SB_PAGEDOWN, 0);
    EXPECT_EQ(view->topRow, rows - 1);
}

TEST_F(ViewportTest, ClicksPageByHalves) {
    TextView* view = Open(3);
    int middleY = view->top + view->height / 2;
    int middleX = view->left + view->width / 2;
    int g = App.SurroundingGutter;
    enum Expect { kNone, kForward, kBack, kHalfBack };
    struct Case {
        const char* what;
        AppFlags flags;
        int x, y;
        Expect expect;
    } cases[] = {
        {"lower half", kDefaultAppFlags, middleX, middleY + 5, kForward},
        {"upper half", kDefaultAppFlags, middleX, middleY - 5, kBack},
        {"exactly the middle", kDefaultAppFlags, middleX, middleY, kForward},
        {"in the gutter", kDefaultAppFlags, view->left - g, view->top + view->height + g, kForward},
        {"beyond the gutter", kDefaultAppFlags, view->left - g - 1, middleY, kNone},
        {"below the gutter", kDefaultAppFlags, middleX, view->top + view->height + g + 1, kNone},
        {"click scroll off", kDefaultAppFlags & ~AF_CLICK_SCROLL, middleX, middleY + 5, kNone},
        {"left half", kDefaultAppFlags & ~AF_CLICK_VERTICAL, middleX - 5, view->top + 2, kBack},
        {"right half", kDefaultAppFlags & ~AF_CLICK_VERTICAL, middleX + 5, view->top + view->height, kForward},
        {"mode 2 upper half", (kDefaultAppFlags & ~AF_CLICK_PAGE_MODE) | (2u << kClickPageModeShift),
         middleX, middleY - 1, kHalfBack},
    };
    for (const Case& c : cases) {
        App.Flags = c.flags;
        view->topRow = 100;
        RefreshMainWindow(window, kPaintRefresh);
        int rows = view->rowsDrawn;
        int delta = c.expect == kForward ? rows - 1 : c.expect == kBack ? -(rows - 1)
                  : c.expect == kHalfBack ? -(rows / 2) : 0;
        EXPECT_EQ(ClickScroll(window, view, c.x, c.y), c.expect == kNone ? 0 : 1) << c.what;
        EXPECT_EQ(view->topRow, 100 + delta) << c.what;
    }
}

TEST_F(ViewportTest, ResizeTakesTheNewSizeLessTheGutters) {
    TextView* view = Open(3);
    HostWindowSetRect(RECT{100, 50, 900, 650});
    ResizeMainView(window, MAKELONG(780, 560));
    EXPECT_EQ(view->width, 760);
    EXPECT_EQ(view->height, 540);
    EXPECT_EQ(view->left, 10);
    EXPECT_EQ(view->top, 10);
    EXPECT_EQ(App.ViewWidth, 770);  // the outer rectangle less g on the left and 2g on the right
    EXPECT_EQ(App.ViewHeight, 570);
    // A size of 2g or less is not reduced.
    ResizeMainView(window, MAKELONG(20, 15));
    EXPECT_EQ(view->width, 20);
    EXPECT_EQ(view->height, 15);
}

TEST_F(ViewportTest, SizeArrivesBeforeTheView) {
    HostWindowSetRect(RECT{0, 0, 300, 200});
    ResizeMainView(window, MAKELONG(280, 150));
    EXPECT_EQ(App.View, nullptr);
    EXPECT_EQ(App.ViewWidth, 270);
    EXPECT_EQ(App.ViewHeight, 170);
}

TEST_F(ViewportTest, RefreshFillsAndDrawsPaintOnlyDraws) {
    TextView* view = Open(4);
    HDC dc = view->dc;
    HostClearDrawCalls(dc);
    PaintMainWindow(nullptr, window, kPaintOnMessage);
    HostPaintCounts counts = HostPaintCountsOf(window);
    EXPECT_EQ(counts.beginPaint, 1);
    EXPECT_EQ(counts.endPaint, 1);
    for (const HostDrawCall& call : HostDrawCalls(dc)) EXPECT_NE(call.kind, HostDrawKind::Fill);
    EXPECT_FALSE(HostDrawCalls(dc).empty());

    HostClearDrawCalls(dc);
    RefreshMainWindow(nullptr, kPaintRefresh);  // null: the main window
    ASSERT_FALSE(HostDrawCalls(dc).empty());
    const HostDrawCall& fill = HostDrawCalls(dc).front();
    EXPECT_EQ(fill.kind, HostDrawKind::Fill);
    EXPECT_EQ(fill.box.top, 0);
    EXPECT_EQ(fill.box.right, 640);
    EXPECT_EQ(fill.box.bottom, 480);
    counts = HostPaintCountsOf(window);
    EXPECT_EQ(counts.getDC, counts.releaseDC + 1) << "only the view keeps its context";
}

}  // namespace
