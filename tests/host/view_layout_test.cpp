// Line layout: breaks, hanging paragraphs, alignment, rules, rows, growth,
// refusals and the maxTopRow of the last screenful.
#include "tests/host/view_fixture.h"

namespace {

struct Expected {
    std::string text;
    int x;
    int hang;
    int width;
    int height;
    uint8_t style;
};

class LayoutTest : public ViewTest {
protected:
    void ExpectLines(const std::vector<Expected>& expected) {
        std::vector<LineRecord> lines = Lines();
        ASSERT_EQ(lines.size(), expected.size());
        EXPECT_EQ(view->lineCount, expected.size());
        for (size_t i = 0; i < lines.size(); ++i) {
            SCOPED_TRACE("line " + std::to_string(i));
            EXPECT_EQ(LineText(lines[i]), expected[i].text);
            EXPECT_EQ(lines[i].x, expected[i].x);
            EXPECT_EQ(lines[i].hang, expected[i].hang);
            EXPECT_EQ(lines[i].width, expected[i].width);
            EXPECT_EQ(lines[i].height, expected[i].height);
            EXPECT_EQ(lines[i].style, expected[i].style);
        }
    }
};

TEST_F(LayoutTest, BreaksAtSpacesAndAfterHyphensAndInsideLongWords) {
    struct Case {
        const char* name;
        int width;
        std::string text;
        std::vector<std::string> lines;
    } cases[] = {
        // "aaaa bbbb ccc" fits in 100; the space before "cccc" belongs to neither line.
        {"space", 100, "aaaa bbbb cccc dddd", {"aaaa bbbb", "cccc dddd"}},
        // The hyphen ends its line.
        {"hyphen", 60, "aaaa-bbbb cccc", {"aaaa-", "bbbb", "cccc"}},
        // A word wider than the line breaks where the measurement stopped.
        {"hard", 50, std::string(15, 'a'), {"aaaaaa", "aaaaaa", "aaa"}},
        {"hard after a word", 50, "ab " + std::string(10, 'c'), {"ab", "cccccc", "cccc"}},
        // Position 0 is never a break: a leading hyphen gives the hard break.
        {"first character", 40, "-aaaaaaaa", {"-aaaa", "aaaa"}},
        // Several spaces in a row start no line.
        // A line that the measurement ends at a space keeps the spaces it holds.
        {"spaces", 40, "aaaa   bbbb", {"aaaa  ", "bbbb"}},
        // Text that fits ends its paragraph on one line.
        {"whole", 100, "aaaa bbbb", {"aaaa bbbb"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Make(c.width, 400);
        ASSERT_EQ(Lay({{0x81, 0, c.text}}), kLayoutDone);
        std::vector<std::string> got;
        for (const LineRecord& line : Lines()) {
            got.push_back(LineText(line));
            EXPECT_LE(line.width, c.width);
            EXPECT_NE(view->text[line.textOffset], ' ') << "a line starts with a space";
        }
        EXPECT_EQ(got, c.lines);
    }
}

TEST_F(LayoutTest, LinesRecordPlaceWidthHeightAndStyle) {
    Make(100, 400);
    ASSERT_EQ(Lay({{0x81, 0, "aaaa bbbb cccc dddd"}, {0x81, 0, "eeee"}}), kLayoutDone);
    // Bit 7 only on a paragraph's last line, and never on the text's last.
    ExpectLines({{"aaaa bbbb", 10, 0, 68, kPlainHeight, 0x01},
                 {"cccc dddd", 10, 0, 68, kPlainHeight, 0x81},
                 {"eeee", 10, 0, 32, kPlainHeight, 0x01}});
    EXPECT_EQ(view->lines[0].textOffset, 2);
    EXPECT_EQ(view->lines[2].textOffset, 24);
    EXPECT_EQ(view->totalRows, 4);  // three lines and one SpacingRow
}

TEST_F(LayoutTest, AlignmentPlacesLinesInTheirRoom) {
    struct Case {
        uint8_t style;
        uint8_t format;
        int width;
        int x;
    } cases[] = {
        {0x01, 0, 100, 10},   // left
        {0x21, 0, 100, 78},   // right: 10 + 100 - 32
        {0x41, 0, 100, 44},   // centred: 10 + 68 / 2
        {0x61, 0, 100, 10},   // 0x60 is left
        {0x41, 0, 101, 44},   // an odd leftover of 69 is halved toward zero
        {0x01, 5, 100, 15},   // the indent moves a left line
        {0x21, 5, 100, 73},   // and takes room from a right one
        {0x41, 5, 100, 46},   // 15 + (95 - 32) / 2
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << int(c.style) << " format " << int(c.format));
        Make(c.width, 400);
        ASSERT_EQ(Lay({{c.style, c.format, "aaaa"}}), kLayoutDone);
        ASSERT_EQ(view->lineCount, 1);
        EXPECT_EQ(view->lines[0].x, c.x);
        EXPECT_EQ(view->lines[0].width, 32);
    }
}

TEST_F(LayoutTest, HangingParagraphSetsItsFirstWordInTheHangingArea) {
    Make(100, 400);
    // Level 1: the area is (1 + 1) × 14 / 2 = 14 units; the rest of the first
    // line and the later lines start after it.
    ASSERT_EQ(Lay({{0x81, 0x40, "1. aaaa bbbb cccc dddd eeee"}}), kLayoutDone);
    std::vector<LineRecord> lines = Lines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].textOffset, 2);  // the first word's start
    EXPECT_EQ(std::string(view->text + lines[0].textOffset + 3, lines[0].length), "aaaa bbbb");
    EXPECT_EQ(lines[0].hang, 14);
    EXPECT_EQ(lines[0].x, 24);
    EXPECT_EQ(lines[0].width, 68);
    EXPECT_EQ(LineText(lines[1]), "cccc dddd");
    EXPECT_EQ(lines[1].hang, 0);
    EXPECT_EQ(lines[1].x, 24);
    EXPECT_EQ(LineText(lines[2]), "eeee");
    EXPECT_EQ(lines[2].x, 24);
}

TEST_F(LayoutTest, HangingAreaGrowsWithTheLevelAndFollowsTheFont) {
    struct Case {
        int points;
        uint8_t format;
        int hang;
        int x;
    } cases[] = {
        {12, 0x40, 14, 24}, {12, 0x80, 21, 31}, {12, 0xC0, 28, 38},
        {12, 0x86, 21, 37},  // an indent of 6 comes first
        {8, 0x40, 10, 20},   // a largest character width of 10
        {8, 0xC0, 20, 30},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.points << " pt, format " << std::hex << int(c.format));
        Make(200, 400, 0, c.points);
        ASSERT_EQ(Lay({{0x81, c.format, "1. aaaa"}}), kLayoutDone);
        EXPECT_EQ(view->lines[0].hang, c.hang);
        EXPECT_EQ(view->lines[0].x, c.x);
    }
}

TEST_F(LayoutTest, HangingParagraphAlignedRightOrCentred) {
    // The hanging area counts against the room as the indent does.
    Make(100, 400);
    ASSERT_EQ(Lay({{0x21, 0x40, "1. aaaa"}, {0x41, 0x40, "1. aaaa"}}), kLayoutDone);
    EXPECT_EQ(view->lines[0].x, 10 + 100 - 32 - 14);
    EXPECT_EQ(view->lines[1].x, 10 + (100 - 14 - 32) / 2);
}

TEST_F(LayoutTest, ASingleWordHangingParagraphIsOneLine) {
    Make(100, 400);
    ASSERT_EQ(Lay({{0x81, 0x40, "word"}, {0x81, 0, "next"}}), kLayoutDone);
    std::vector<LineRecord> lines = Lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].length, 0);
    EXPECT_EQ(lines[0].hang, 14);
    EXPECT_EQ(lines[0].style, 0x81);  // the paragraph's last line
    EXPECT_EQ(view->totalRows, 3);
}

TEST_F(LayoutTest, ContinuationKeepsThePreviousRunningIndent) {
    struct Case {
        const char* name;
        std::vector<Para> paragraphs;
        int x;  // of the second paragraph's line
    } cases[] = {
        {"same indent", {{0x81, 0x40, "1. aaaa"}, {0x81, 0x40, " bbbb"}}, 24},
        {"indent moved right", {{0x81, 0x40, "1. aaaa"}, {0x81, 0x45, " bbbb"}}, 29},
        {"indent moved left", {{0x81, 0x48, "1. aaaa"}, {0x81, 0x45, " bbbb"}}, 10 + 8 + 14 - 3},
        // Without a leading space a hanging paragraph starts afresh.
        {"new hanging paragraph", {{0x81, 0x40, "1. aaaa"}, {0x81, 0x40, "2. bbbb"}}, 24},
        // Without a hanging level, the paragraph's own indent.
        {"plain after hanging", {{0x81, 0x40, "1. aaaa"}, {0x81, 0, " bbbb"}}, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Make(100, 400);
        ASSERT_EQ(Lay(c.paragraphs), kLayoutDone);
        std::vector<LineRecord> lines = Lines();
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_EQ(lines[1].x, c.x);
        EXPECT_EQ(lines[1].hang, c.name == std::string("new hanging paragraph") ? 14 : 0);
        EXPECT_NE(view->text[lines[1].textOffset], ' ');  // the leading space is skipped
    }
}

TEST_F(LayoutTest, ContinuationNeedsALineBeforeIt) {
    // A leading space on the first paragraph is skipped; it hangs as usual.
    Make(100, 400);
    ASSERT_EQ(Lay({{0x81, 0x40, " 1. aaaa"}}), kLayoutDone);
    EXPECT_EQ(view->lines[0].hang, 14);
    EXPECT_EQ(view->lines[0].textOffset, 3);
}

TEST_F(LayoutTest, ContinuationMovedLeftOfTheAreaStartsAtItsEdge) {
    // An indent reset to 0 by a full-width indent, then a continuation that
    // moves 20 units left: the lines stay inside the area.
    Make(30, 400);
    ASSERT_EQ(Lay({{0x81, 0x40 | 40, "a"}, {0x81, 0x40 | 20, " bbb"}}), kLayoutDone);
    for (const LineRecord& line : Lines()) EXPECT_GE(line.x, 10);
}

TEST_F(LayoutTest, RulesByFormatByte) {
    struct Case {
        uint8_t style;
        uint8_t format;
        int width;
        int x;
    } cases[] = {
        {0xC7, 1, 1, 10 + 249},      // 1 unit, centred: (500 - 1) / 2
        {0xC7, 160, 160, 10 + 170},  // up to 160: units
        {0xC7, 172, 120, 10 + 190},  // 24 percent of 500
        {0xC7, 210, 500, 10},        // 100 percent
        {0xC7, 211, 500, 10},        // 102 percent, cut to the width
        {0xC7, 250, 500, 10},
        {0xA7, 172, 120, 10 + 380},  // right
        {0x87, 172, 120, 10},        // left
        {0xE7, 172, 120, 10},        // 0x60: left
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << int(c.style) << " " << std::dec << int(c.format));
        Make(500, 400);
        std::vector<Para> lesson = {{0x81, 0, "aaaa"}, {c.style, c.format, ""}, {0x81, 0, "bbbb"}};
        ASSERT_EQ(Lay(lesson), kLayoutDone);
        ASSERT_EQ(view->lineCount, 3);
        const LineRecord& rule = view->lines[1];
        EXPECT_EQ(rule.width, c.width);
        EXPECT_EQ(rule.x, c.x);
        EXPECT_EQ(rule.length, 0);
        EXPECT_EQ(rule.hang, 0);
        EXPECT_EQ(rule.textOffset, TextOffsetOf(lesson, 1));
        EXPECT_EQ(rule.style, c.style);
        EXPECT_EQ(view->totalRows, 3 + 1 + (c.style & 0x80 ? 1 : 0));
    }
}

TEST_F(LayoutTest, RuleTakesTheHeightOfTheFontBeforeIt) {
    Make(500, 400);
    ASSERT_EQ(Lay({{0xC7, 172, ""}, {0xCC, 0, "Title"}, {0xC7, 172, ""}, {0x81, 0, "aaaa"}}), kLayoutDone);
    ASSERT_EQ(view->lineCount, 4);
    EXPECT_EQ(view->lines[0].height, kPlainHeight);  // a rule may open a lesson
    EXPECT_EQ(view->lines[1].height, kLargeHeight);
    EXPECT_EQ(view->lines[2].height, kLargeHeight);
    EXPECT_EQ(view->lines[3].height, kPlainHeight);
}

TEST_F(LayoutTest, WhatMakesNoLineMakesNoSpacingRow) {
    struct Case {
        const char* name;
        std::vector<Para> paragraphs;
        int lines;
        int rows;
    } cases[] = {
        {"rule of length 0", {{0x81, 0, "a"}, {0xC7, 0, ""}, {0x81, 0, "b"}}, 2, 3},
        {"empty text", {{0x81, 0, "a"}, {0x81, 0, ""}, {0x81, 0, "b"}}, 2, 3},
        // Trailing spaces that do not fit leave the last line without bit 7.
        {"text ending in spaces", {{0x81, 0, "a"}, {0x81, 0, "b" + std::string(40, ' ')}, {0x81, 0, "c"}}, 3, 4},
        {"no spacing bit", {{0x01, 0, "a"}, {0x41, 0, "b"}}, 2, 2},
        // The last paragraph never adds a blank row, whatever its bit 7.
        {"last paragraph", {{0x81, 0, "a"}, {0x81, 0, "b"}}, 2, 3},
        {"last is a rule", {{0x81, 0, "a"}, {0xC7, 172, ""}}, 2, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Make(100, 400);
        ASSERT_EQ(Lay(c.paragraphs), kLayoutDone);
        EXPECT_EQ(view->lineCount, c.lines);
        EXPECT_EQ(view->totalRows, c.rows);
        EXPECT_FALSE(HasSpacing(view->lines[view->lineCount - 1].style));
    }
}

TEST_F(LayoutTest, StyleWithOnlyTheSpacingBitIsNotMistakenForTheEnd) {
    Make(50, 400);
    ASSERT_EQ(Lay({{0x80, 0, "aaaa bbbb cccc"}, {0x80, 0, "dddd"}}), kLayoutDone);
    ASSERT_EQ(view->lineCount, 4);
    EXPECT_EQ(Lines().size(), 4u);
    EXPECT_EQ(view->totalRows, 5);
    EXPECT_EQ(view->lines[0].x, 10);
}

TEST_F(LayoutTest, FontsFollowTheStyleAndSwitchOnlyWhenTheKeyChanges) {
    Make(500, 400);
    HostClearCounters(dc);
    ASSERT_EQ(Lay({{0xC1, 0, "date"}, {0x81, 0, "a"}, {0x41, 0, "b"}, {0x29, 0, "Sig"},
                   {0xA9, 0, "Sig"}, {0xCC, 0, "Head"}}),
              kLayoutDone);
    // Plain at the start, bold, large bold, and the device's own font back.
    EXPECT_EQ(HostCounters(dc).fontSelections, 4);
    EXPECT_EQ(HostFontsCreated(), 3);
    EXPECT_EQ(view->lines[3].width, 10 + 8 + 4 + 3);  // bold: one more unit a character
    EXPECT_EQ(view->lines[5].height, kLargeHeight);
    EXPECT_EQ(HostFontOf(HostSelectedFont(dc)), nullptr);  // the stock font is back
}

TEST_F(LayoutTest, VeryNarrowAreaStillPlacesOneCharacterALine) {
    // Not even one character fits: every line takes one, so the layout ends.
    for (int width : {1, 3, 0}) {
        SCOPED_TRACE(width);
        Make(width, 400);
        view->width = width;
        ASSERT_EQ(Lay({{0x81, 0, "ab cd"}, {0x81, 0x40, "1. x"}, {0x21, 0, "e"}}), kLayoutDone);
        std::vector<std::string> got;
        for (const LineRecord& line : Lines()) {
            got.push_back(LineText(line));
            EXPECT_GE(line.x, 10);
        }
        // The hanging paragraph's first line holds its word in the hanging area.
        EXPECT_EQ(got, (std::vector<std::string>{"a", "b", "c", "d", "", "x", "e"}));
    }
}

TEST_F(LayoutTest, RefusedTextLeavesTheOldOneInPlace) {
    Make(100, 400);
    ASSERT_EQ(Lay({{0x81, 0, "aaaa"}, {0x81, 0, "bbbb"}}), kLayoutDone);
    char* old = view->text;
    view->matchStart = 2;
    view->matchEnd = 4;
    for (const std::vector<Para>& refused : {std::vector<Para>{},
                                             std::vector<Para>{{0x81, 0, ""}, {0x81, 0, "a"}}}) {
        EXPECT_EQ(Lay(refused), kLayoutRefused);
        EXPECT_EQ(view->text, old);
        EXPECT_EQ(view->lineCount, 2);
        EXPECT_EQ(LineText(view->lines[1]), "bbbb");
        EXPECT_EQ(view->matchStart | view->matchEnd | view->totalRows | view->maxTopRow, 0);
    }
    // The view took the refused texts and released them.
    EXPECT_EQ(HostHeapLiveBlocks(), baseBlocks + 4);  // view, lines, text, plain font entry
}

TEST_F(LayoutTest, NoTextReleasesTheOldOneOnlyWhenReplacing) {
    Make(100, 400);
    ASSERT_EQ(Lay({{0x81, 0, "aaaa"}}), kLayoutDone);
    EXPECT_EQ(LayoutText(view, nullptr, kKeepText), kLayoutNoText);
    EXPECT_NE(view->text, nullptr);
    EXPECT_EQ(LayoutText(view, nullptr, kReplaceText), kLayoutNoText);
    EXPECT_EQ(view->text, nullptr);
    EXPECT_EQ(LayoutText(nullptr, nullptr, kReplaceText), kViewMissing);
}

TEST_F(LayoutTest, ReplacingReleasesThePreviousTextButNeverTheGivenOne) {
    Make(100, 400);
    ASSERT_EQ(Lay({{0x81, 0, "aaaa"}}), kLayoutDone);
    long withOne = HostHeapLiveBlocks();
    ASSERT_EQ(Lay({{0x81, 0, "bbbb"}}), kLayoutDone);
    EXPECT_EQ(HostHeapLiveBlocks(), withOne);
    // The same text again, replacing: it stays (the sanitizer would see a
    // use after free otherwise).
    ASSERT_EQ(LayoutText(view, view->text, kReplaceText), kLayoutDone);
    EXPECT_EQ(LineText(view->lines[0]), "bbbb");
    ASSERT_EQ(LayoutText(view, view->text, kKeepText), kLayoutDone);
    EXPECT_EQ(HostHeapLiveBlocks(), withOne);
}

TEST_F(LayoutTest, LayoutKeepsTopRowAndClearsTheHighlight) {
    Make(100, 400);
    view->topRow = 7;
    view->matchStart = 3;
    view->matchEnd = 5;
    ASSERT_EQ(Lay({{0x81, 0, "aaaa"}}), kLayoutDone);
    EXPECT_EQ(view->topRow, 7);
    EXPECT_EQ(view->matchStart, 0);
    EXPECT_EQ(view->matchEnd, 0);
}

std::vector<Para> ManyLines(int n) {
    std::vector<Para> paragraphs;
    for (int i = 0; i < n; ++i) paragraphs.push_back({static_cast<uint8_t>(i % 3 ? 0x81 : 0x01), 0, "line " + std::to_string(i)});
    return paragraphs;
}

TEST_F(LayoutTest, LineArrayGrowsBy128) {
    struct Case {
        int created;  // capacity at creation; 0: the layout's first 128
        int lines;
        int capacity;
    } cases[] = {{0, 128, 128}, {0, 129, 256}, {0, 300, 384}, {100, 100, 100}, {100, 101, 228}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.created << " " << c.lines);
        Make(500, 400, c.created);
        ASSERT_EQ(Lay(ManyLines(c.lines)), kLayoutDone);
        EXPECT_EQ(view->lineCount, c.lines);
        EXPECT_EQ(view->lineCapacity, c.capacity);
        std::vector<LineRecord> lines = Lines();
        ASSERT_EQ(lines.size(), static_cast<size_t>(c.lines));
        for (int i = 0; i < c.lines; ++i) ASSERT_EQ(LineText(lines[i]), "line " + std::to_string(i));
    }
}

TEST_F(LayoutTest, AZeroedViewGetsItsLinesFromItsFirstLayout) {
    TextView inPlace{};
    inPlace.dc = dc;
    inPlace.fontSettings.pointSize = 12;
    inPlace.width = 100;
    inPlace.height = 100;
    ASSERT_EQ(LayoutText(&inPlace, MakeLesson({{0x81, 0, "aaaa"}}), kReplaceText), kLayoutDone);
    EXPECT_EQ(inPlace.lineCapacity, 128);
    EXPECT_EQ(inPlace.lineCount, 1);
    ReleaseTextView(&inPlace, false);
    EXPECT_EQ(HostHeapLiveBlocks(), baseBlocks);
}

TEST_F(LayoutTest, LinesThatCannotGrowEndTheLayoutWithATerminator) {
    Make(500, 400, 2);
    SelectStyleFont(view, kStylePlain);  // so the layout allocates nothing else
    char* text = MakeLesson(ManyLines(5));
    HostHeapFailAfter(0);
    EXPECT_EQ(LayoutText(view, text, kReplaceText), kLayoutNoLines);
    HostHeapFailAfter(-1);
    EXPECT_EQ(view->text, nullptr);  // a view without text draws nothing
    EXPECT_EQ(view->lineCapacity, 2);
    EXPECT_TRUE(IsTerminator(view->lines[2]));
    EXPECT_EQ(view->lineCount, 2);
    EXPECT_EQ(view->totalRows, 0);
    // The view owned the text and released it.
    EXPECT_EQ(HostHeapLiveBlocks(), baseBlocks + 3);  // view, lines, font entry

    // Keeping: the view's own text stays, with the lines made so far.
    ASSERT_EQ(LayoutText(view, MakeLesson(ManyLines(2)), kReplaceText), kLayoutDone);
    HostHeapFailAfter(0);
    view->height = 30;  // a layout of the same text, as after a resize
    view->width = 20;
    EXPECT_EQ(LayoutText(view, view->text, kKeepText), kLayoutNoLines);
    HostHeapFailAfter(-1);
    EXPECT_NE(view->text, nullptr);
    EXPECT_EQ(Lines().size(), 2u);

    // No room at all for the first lines.
    Make(500, 400);
    text = MakeLesson(ManyLines(1));
    HostHeapFailAfter(0);
    EXPECT_EQ(LayoutText(view, text, kKeepText), kLayoutNoLines);
    HostHeapFailAfter(-1);
    EXPECT_EQ(view->lines, nullptr);
    EXPECT_EQ(view->text, nullptr);
    HeapBlockFree(text);  // kept texts that the view did not store stay the caller's
}

TEST_F(LayoutTest, GrowLinesStopsBelowTheSixteenBitLimit) {
    Make(500, 400, kMaxLineCapacity - 100);
    view->lines[kMaxLineCapacity - 100] = LineRecord{1, 1, 1, 1, 1, 1, 1};
    EXPECT_EQ(GrowLines(view, kMaxLineCapacity - 100), kGrowFailed);
    EXPECT_TRUE(IsTerminator(view->lines[kMaxLineCapacity - 100]));
    EXPECT_EQ(view->lineCapacity, kMaxLineCapacity - 100);
}

TEST_F(LayoutTest, TextBeyondSixteenBitOffsetsIsNotLaidOut) {
    Make(4000, 400);
    std::string word = "abcdefg ";
    std::string big;
    while (big.size() < 40000) big += word;
    EXPECT_EQ(Lay({{0x81, 0, big}, {0x81, 0, big}}), kLayoutNoLines);
    ASSERT_NE(view->lines, nullptr);
    for (const LineRecord& line : Lines()) EXPECT_LE(line.textOffset + line.length, 0xFFFF);
}

// Rows counted back from the end that fit whole give maxTopRow.
TEST_F(LayoutTest, MaxTopRowIsTheFirstRowOfTheLastScreenful) {
    struct Case {
        const char* name;
        int height;
        std::vector<Para> paragraphs;
        int totalRows;
        int maxTopRow;
    } cases[] = {
        // Rows: a, space, b, space, c. 50 units hold the space after b and c,
        // not b with them: the SpacingRow counted last did not fit.
        {"partial spacing row", 50, {{0x81, 0, "a"}, {0x81, 0, "b"}, {0x81, 0, "c"}}, 5, 3},
        {"exact fit", 60, {{0x81, 0, "a"}, {0x81, 0, "b"}, {0x81, 0, "c"}}, 5, 2},
        {"all fit", 400, {{0x81, 0, "a"}, {0x81, 0, "b"}}, 3, 0},
        {"no spacing", 45, {{0x01, 0, "a"}, {0x01, 0, "b"}, {0x01, 0, "c"}}, 3, 1},
        {"line taller than the area", 10, {{0x81, 0, "a"}, {0x81, 0, "b"}}, 3, 3},
        {"heading", 50, {{0xCC, 0, "H"}, {0x81, 0, "b"}}, 3, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Make(100, c.height);
        ASSERT_EQ(Lay(c.paragraphs), kLayoutDone);
        EXPECT_EQ(view->totalRows, c.totalRows);
        EXPECT_EQ(view->maxTopRow, c.maxTopRow);
    }
    view->lineCount = 0;
    view->maxTopRow = 9;
    EXPECT_EQ(ComputeMaxTopRow(view), -1);
    EXPECT_EQ(view->maxTopRow, 9);
}

}  // namespace
