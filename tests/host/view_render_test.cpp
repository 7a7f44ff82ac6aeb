// Drawing a laid-out view: rows that fit, fonts and colours, rules, hanging
// words, SpacingRows, paging by lines, and the search highlight.
#include "tests/host/view_fixture.h"
#include "view/render.h"

namespace {

class RenderTest : public ViewTest {
protected:
    std::vector<HostDrawCall> Texts() const {
        std::vector<HostDrawCall> texts;
        for (const HostDrawCall& call : HostDrawCalls(dc))
            if (call.kind == HostDrawKind::Text) texts.push_back(call);
        return texts;
    }
    std::vector<std::string> TextsDrawn() const {
        std::vector<std::string> texts;
        for (const HostDrawCall& call : Texts()) texts.push_back(std::string(call.text.begin(), call.text.end()));
        return texts;
    }
    // Five one-line paragraphs with SpacingRows: rows a, -, b, -, c, -, d, -, e.
    void LayFive(int height) {
        Make(200, height);
        ASSERT_EQ(Lay({{0x81, 0, "a"}, {0x81, 0, "b"}, {0x81, 0, "c"}, {0x81, 0, "d"}, {0x81, 0, "e"}}),
                  kLayoutDone);
        HostClearDrawCalls(dc);
    }
};

void ExpectBox(const RECT& box, int left, int top, int right, int bottom) {
    EXPECT_EQ(box.left, left);
    EXPECT_EQ(box.top, top);
    EXPECT_EQ(box.right, right);
    EXPECT_EQ(box.bottom, bottom);
}

TEST_F(RenderTest, DrawsLinesInTheirFontsAndColoursAndRestoresTheDevice) {
    Make(200, 300);
    ASSERT_EQ(Lay({{0xCC, 0, "Head"}, {0x81, 0, "aaaa"}, {0x29, 0, "Sig"}}), kLayoutDone);
    HostClearDrawCalls(dc);
    SetTextColor(dc, RGB(1, 2, 3));
    HGDIOBJ original = HostSelectedFont(dc);
    ASSERT_EQ(RenderView(view, true), 0);

    const std::vector<HostDrawCall>& calls = HostDrawCalls(dc);
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[0].kind, HostDrawKind::Fill);  // the area, white, first
    EXPECT_EQ(calls[0].brushColour, RGB(255, 255, 255));
    ExpectBox(calls[0].box, 10, 20, 210, 320);

    std::vector<HostDrawCall> texts = Texts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].text, u"Head");
    EXPECT_EQ(texts[0].textColour, HeadingBlue);
    EXPECT_EQ(HostFontOf(texts[0].font)->lfWeight, 700);
    ExpectBox(texts[0].box, view->lines[0].x, 20, view->lines[0].x + view->lines[0].width, 20 + kLargeHeight);
    // A SpacingRow as high as the heading, then the body line.
    EXPECT_EQ(texts[1].text, u"aaaa");
    EXPECT_EQ(texts[1].textColour, kTextBlack);
    ExpectBox(texts[1].box, 10, 20 + 2 * kLargeHeight, 42, 20 + 2 * kLargeHeight + kPlainHeight);
    EXPECT_EQ(texts[2].text, u"Sig");
    EXPECT_EQ(texts[2].textColour, kTextBlack);  // bold alone is black
    EXPECT_EQ(HostFontOf(texts[2].font)->lfWeight, 700);
    EXPECT_EQ(texts[2].box.top, 20 + 2 * kLargeHeight + 2 * kPlainHeight);

    EXPECT_EQ(view->rowsDrawn, 5);
    EXPECT_EQ(view->stopLine, view->lines + 3);  // the terminator
    EXPECT_EQ(GetTextColor(dc), RGB(1, 2, 3));
    EXPECT_EQ(HostSelectedFont(dc), original);
}

TEST_F(RenderTest, FontIsSwitchedOnlyWhenTheStyleKeyChanges) {
    Make(200, 300);
    ASSERT_EQ(Lay({{0xC1, 0, "date"}, {0x81, 0, "a"}, {0x41, 0, "b"}, {0xC7, 172, ""}, {0x81, 0, "c"},
                   {0xCC, 0, "H"}}),
              kLayoutDone);
    HostClearCounters(dc);
    RenderView(view, false);
    EXPECT_EQ(HostCounters(dc).fontSelections, 3);  // plain, heading, and back
}

TEST_F(RenderTest, WithoutEraseNothingIsFilled) {
    LayFive(200);
    RenderView(view, false);
    for (const HostDrawCall& call : HostDrawCalls(dc)) EXPECT_NE(call.kind, HostDrawKind::Fill);
    EXPECT_EQ(TextsDrawn().size(), 5u);
}

TEST_F(RenderTest, OnlyRowsThatFitWholeAreDrawn) {
    struct Case {
        int height;
        int topRow;
        std::vector<std::string> drawn;
        int rowsDrawn;
        int stop;  // index of stopLine
    } cases[] = {
        {100, 0, {"a", "b", "c"}, 6, 3},  // the SpacingRow after c lies past the area but counts
        {90, 0, {"a", "b"}, 4, 2},        // c would end at 100
        {70, 0, {"a", "b"}, 4, 2},        // the blank row after b reaches past 70
        {19, 0, {}, 0, 0},                // not even the first line
        {100, 2, {"b", "c", "d"}, 6, 4},
        // topRow on the SpacingRow after b: one blank row, then c.
        {100, 3, {"c", "d"}, 4, 4},
        {60, 3, {"c"}, 2, 3},
        // Beyond totalRows (9): maxTopRow.
        {100, 10, {"c", "d", "e"}, 5, 5},
        // At totalRows exactly: nothing left to draw.
        {100, 9, {}, 0, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "height " << c.height << " topRow " << c.topRow);
        LayFive(c.height);
        view->topRow = static_cast<uint16_t>(c.topRow);
        ASSERT_EQ(RenderView(view, false), 0);
        EXPECT_EQ(TextsDrawn(), c.drawn);
        EXPECT_EQ(view->rowsDrawn, c.rowsDrawn);
        EXPECT_EQ(view->stopLine, view->lines + c.stop);
    }
}

TEST_F(RenderTest, TopRowBeyondTheTextIsLoweredToMaxTopRow) {
    LayFive(100);
    EXPECT_EQ(view->maxTopRow, 4);
    view->topRow = 10;
    RenderView(view, false);
    EXPECT_EQ(view->topRow, 4);
    EXPECT_EQ(Texts()[0].box.top, 20);
}

TEST_F(RenderTest, TopRowOnASpacingRowLeavesOneBlankRowAtTheTop) {
    LayFive(100);
    view->topRow = 1;
    RenderView(view, false);
    std::vector<HostDrawCall> texts = Texts();
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts[0].text, u"b");
    EXPECT_EQ(texts[0].box.top, 20 + kPlainHeight);
}

TEST_F(RenderTest, StartLinePagesThroughTheTextWhateverTopRowHolds) {
    LayFive(60);  // a page holds a line, its blank row and the next line
    std::vector<std::vector<std::string>> pages;
    RenderView(view, false);
    while (view->rowsDrawn != 0) {
        pages.push_back(TextsDrawn());
        HostClearDrawCalls(dc);
        view->startLine = view->stopLine;
        view->topRow = 6;  // plays no part
        RenderView(view, false);
        if (pages.size() > 10) break;
    }
    EXPECT_EQ(pages, (std::vector<std::vector<std::string>>{{"a", "b"}, {"c", "d"}, {"e"}}));
    EXPECT_TRUE(IsTerminator(*view->stopLine));
    EXPECT_TRUE(TextsDrawn().empty());
}

TEST_F(RenderTest, PagesStartAtTheTopOfTheArea) {
    LayFive(60);
    view->startLine = view->lines + 2;
    RenderView(view, false);
    std::vector<HostDrawCall> texts = Texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, u"c");
    EXPECT_EQ(texts[0].box.top, 20);
    EXPECT_EQ(view->stopLine, view->lines + 4);
}

TEST_F(RenderTest, RuleIsAOneUnitBlackBarAcrossTheMiddleOfItsLine) {
    Make(500, 300);
    ASSERT_EQ(Lay({{0x81, 0, "a"}, {0xC7, 172, ""}, {0x81, 0, "b"}}), kLayoutDone);
    HostClearDrawCalls(dc);
    HGDIOBJ brush = HostSelectedBrush(dc);
    RenderView(view, false);
    std::vector<HostDrawCall> bars;
    for (const HostDrawCall& call : HostDrawCalls(dc))
        if (call.kind == HostDrawKind::Rectangle) bars.push_back(call);
    ASSERT_EQ(bars.size(), 1u);
    int y = 20 + 2 * kPlainHeight + kPlainHeight / 2;
    ExpectBox(bars[0].box, 10 + 190, y, 10 + 190 + 120, y + 1);
    EXPECT_EQ(bars[0].brushColour, RGB(0, 0, 0));
    EXPECT_EQ(HostSelectedBrush(dc), brush);
    EXPECT_EQ(TextsDrawn(), (std::vector<std::string>{"a", "b"}));
}

TEST_F(RenderTest, HangingWordIsDrawnInItsAreaAndTheRestAfterIt) {
    Make(100, 300);
    ASSERT_EQ(Lay({{0x81, 0x40, "1. aaaa bbbb cccc"}, {0x81, 0x40, "abcdefgh ij"}}), kLayoutDone);
    HostClearDrawCalls(dc);
    RenderView(view, false);
    std::vector<HostDrawCall> texts = Texts();
    ASSERT_EQ(texts.size(), 5u);
    EXPECT_EQ(texts[0].text, u"1.");
    ExpectBox(texts[0].box, 10, 20, 10 + 12, 20 + kPlainHeight);
    EXPECT_EQ(texts[1].text, u"aaaa bbbb");
    ExpectBox(texts[1].box, 24, 20, 24 + 68, 20 + kPlainHeight);
    EXPECT_EQ(texts[2].text, u"cccc");
    EXPECT_EQ(texts[2].box.left, 24);
    // A first word wider than the hanging area shows what fits of it.
    EXPECT_EQ(texts[3].text, u"a");
    ExpectBox(texts[3].box, 10, 20 + 3 * kPlainHeight, 18, 20 + 4 * kPlainHeight);
    EXPECT_EQ(texts[4].text, u"ij");
}

TEST_F(RenderTest, MatchAcrossTwoLinesIsHighlightedInBoth) {
    Make(100, 300);
    ASSERT_EQ(Lay({{0x81, 0, "aaaa bbbb cccc dddd"}}), kLayoutDone);  // "aaaa bbbb" / "cccc dddd"
    view->matchStart = 2 + 5;  // "bbbb cc"
    view->matchEnd = 2 + 12;
    HostClearDrawCalls(dc);
    SetBkColor(dc, RGB(9, 9, 9));
    SetTextColor(dc, RGB(1, 2, 3));
    ASSERT_EQ(RenderView(view, false), 0);
    std::vector<HostDrawCall> texts = Texts();
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[2].text, u"bbbb");
    ExpectBox(texts[2].box, 10 + 36, 20, 10 + 36 + 32, 20 + kPlainHeight);
    EXPECT_EQ(texts[2].textColour, kMatchText);
    EXPECT_EQ(texts[2].backColour, kMatchBackground);
    EXPECT_EQ(texts[3].text, u"cc");
    ExpectBox(texts[3].box, 10, 20 + kPlainHeight, 26, 20 + 2 * kPlainHeight);
    EXPECT_EQ(texts[3].backColour, kMatchBackground);
    EXPECT_EQ(GetBkColor(dc), RGB(9, 9, 9));
    EXPECT_EQ(GetTextColor(dc), RGB(1, 2, 3));
}

TEST_F(RenderTest, MatchInAHangingWordAndOutsideTheRowsDrawn) {
    Make(100, 30);  // one row
    ASSERT_EQ(Lay({{0x81, 0x40, "1. aaaa"}, {0x81, 0, "zz"}}), kLayoutDone);
    view->matchStart = 2;  // "1. a"
    view->matchEnd = 6;
    HostClearDrawCalls(dc);
    RenderView(view, false);
    std::vector<std::string> drawn = TextsDrawn();
    EXPECT_EQ(drawn, (std::vector<std::string>{"1.", "aaaa", "1.", "a"}));
    std::vector<HostDrawCall> texts = Texts();
    EXPECT_EQ(texts[2].box.left, 10);  // x - hang
    EXPECT_EQ(texts[3].box.left, 24);

    // A match in a row that was not drawn is not highlighted.
    view->matchStart = TextOffsetOf({{0x81, 0x40, "1. aaaa"}, {0x81, 0, "zz"}}, 1);
    view->matchEnd = view->matchStart + 2;
    HostClearDrawCalls(dc);
    RenderView(view, false);
    EXPECT_EQ(TextsDrawn().size(), 2u);
}

TEST_F(RenderTest, MatchAtTheEndOfAHangingFirstLineIsHighlighted) {
    // The line's length counts only "aaaa bbbb"; the match lies past
    // textOffset + length but inside what the line shows.
    Make(100, 300);
    ASSERT_EQ(Lay({{0x81, 0x40, "1. aaaa bbbb cccc"}}), kLayoutDone);
    view->matchStart = 12;  // the last "bb" of "bbbb"
    view->matchEnd = 14;
    HostClearDrawCalls(dc);
    RenderView(view, false);
    std::vector<HostDrawCall> texts = Texts();
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[3].text, u"bb");
    ExpectBox(texts[3].box, 24 + 52, 20, 24 + 52 + 16, 20 + kPlainHeight);
    EXPECT_EQ(texts[3].backColour, kMatchBackground);
}

TEST_F(RenderTest, MissingPartsDrawNothing) {
    EXPECT_EQ(RenderView(nullptr, true), kViewMissing);
    EXPECT_EQ(DrawMatch(nullptr), kViewMissing);
    Make(100, 100);
    EXPECT_EQ(RenderView(view, true), kViewMissing);  // no text
    EXPECT_EQ(DrawMatch(view), kViewMissing);
    EXPECT_TRUE(HostDrawCalls(dc).empty());
}

TEST_F(RenderTest, ColouredBoxAndFillRestoreAndFill) {
    SetTextColor(dc, RGB(1, 1, 1));
    SetBkColor(dc, RGB(2, 2, 2));
    DrawColouredTextBox(dc, "ab", 2, 3, 4, 16, 10, RGB(255, 0, 0), RGB(0, 255, 0));
    FillArea(dc, 5, 6, 70, 80, BLACK_BRUSH);
    const std::vector<HostDrawCall>& calls = HostDrawCalls(dc);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].textColour, RGB(255, 0, 0));
    EXPECT_EQ(calls[0].backColour, RGB(0, 255, 0));
    ExpectBox(calls[0].box, 3, 4, 19, 14);
    EXPECT_EQ(GetTextColor(dc), RGB(1, 1, 1));
    EXPECT_EQ(GetBkColor(dc), RGB(2, 2, 2));
    EXPECT_EQ(calls[1].kind, HostDrawKind::Fill);
    EXPECT_EQ(calls[1].brushColour, RGB(0, 0, 0));
    ExpectBox(calls[1].box, 5, 6, 75, 86);
}

}  // namespace
