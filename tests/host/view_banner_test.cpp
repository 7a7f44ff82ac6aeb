// The lesson banner after a search: which lines it shows, and its box.
#include "tests/host/view_fixture.h"
#include "view/banner.h"
#include "view/render.h"

namespace {

using BannerTest = ViewTest;

std::string Shown(const TextRun& run) { return run.bytes ? std::string(run.bytes, run.length) : "<none>"; }

TEST_F(BannerTest, FindBannerLinesLooksAtTheOpeningParagraphs) {
    struct Case {
        const char* name;
        std::vector<Para> paragraphs;
        std::string heading;
        std::string centred;
    } cases[] = {
        {"heading and date", {{0xCC, 0, "Preface"}, {0xC1, 0, "Tishrei 1"}, {0x81, 0, "x"}}, "Preface", "Tishrei 1"},
        {"date only", {{0xC1, 0, "Tishrei 2"}, {0x81, 0, "x"}}, "<none>", "Tishrei 2"},
        {"heading only", {{0xCC, 0, "Preface"}, {0x81, 0, "x"}}, "Preface", "<none>"},
        {"heading alone", {{0xCC, 0, "Preface"}}, "Preface", "<none>"},
        {"neither", {{0x81, 0, "x"}, {0xC1, 0, "late"}}, "<none>", "<none>"},
        {"centred without spacing", {{0x41, 0, "x"}}, "<none>", "<none>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        char* text = MakeLesson(c.paragraphs);
        TextRun heading{}, centred{};
        FindBannerLines(text, &heading, &centred);
        EXPECT_EQ(Shown(heading), c.heading);
        EXPECT_EQ(Shown(centred), c.centred);
        HeapBlockFree(text);
    }
    TextRun heading{"x", 1}, centred{"y", 1};
    FindBannerLines(nullptr, &heading, &centred);
    EXPECT_EQ(heading.bytes, nullptr);
    EXPECT_EQ(centred.bytes, nullptr);
}

struct Box {
    int left, top, right, bottom;
};

void ExpectBox(const RECT& box, Box expected) {
    EXPECT_EQ(box.left, expected.left);
    EXPECT_EQ(box.top, expected.top);
    EXPECT_EQ(box.right, expected.right);
    EXPECT_EQ(box.bottom, expected.bottom);
}

// In the small font (9 points, 12 units high, lines of 15) a lower-case
// letter is 6 units wide, a capital 8, a space, i and l 3.
TEST_F(BannerTest, BoxSitsAtTheBottomWithFramesAndCentredLines) {
    Make(400, 300);  // area (10, 20) to (410, 320)
    ASSERT_EQ(Lay({{0xCC, 0, "Head"}, {0xC1, 0, "date line"}, {0x81, 0, "body"}}), kLayoutDone);
    HostClearDrawCalls(dc);
    HGDIOBJ font = HostSelectedFont(dc);
    HGDIOBJ pen = HostSelectedPen(dc);
    DrawLessonBanner(view);

    const std::vector<HostDrawCall>& calls = HostDrawCalls(dc);
    ASSERT_EQ(calls.size(), 8u);
    // Widths 26 and 45; box 45 + 2 × 15 + 8 = 83 wide, centred; 2 rows of 15
    // and 5 frame units on each side, 2 units above the area's bottom.
    struct Frame {
        COLORREF colour;
        Box box;
    } frames[] = {
        {RGB(255, 0, 0), {168, 278, 251, 318}},     {RGB(255, 0, 0), {169, 279, 250, 317}},
        {RGB(255, 255, 255), {170, 280, 249, 316}}, {RGB(0, 0, 255), {171, 281, 248, 315}},
        {RGB(0, 0, 255), {172, 282, 247, 314}},
    };
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(calls[i].kind, HostDrawKind::Rectangle);
        EXPECT_EQ(calls[i].penColour, frames[i].colour);
        ExpectBox(calls[i].box, frames[i].box);
    }
    EXPECT_EQ(calls[5].kind, HostDrawKind::Fill);
    EXPECT_EQ(calls[5].brushColour, RGB(255, 255, 0));
    ExpectBox(calls[5].box, {173, 283, 246, 313});

    EXPECT_EQ(calls[6].text, u"Head");
    ExpectBox(calls[6].box, {173 + (73 - 26) / 2, 283, 173 + (73 - 26) / 2 + 26, 298});
    EXPECT_EQ(calls[6].textColour, RGB(255, 0, 0));
    EXPECT_EQ(calls[6].backColour, RGB(255, 255, 0));
    EXPECT_EQ(HostFontOf(calls[6].font)->lfHeight, -12);
    EXPECT_EQ(calls[7].text, u"date line");
    ExpectBox(calls[7].box, {173 + 14, 298, 173 + 14 + 45, 313});

    // The pens and the yellow brush were made for this and deleted; the
    // device has its font and pen back.
    EXPECT_EQ(HostDeletedObjects().size(), 4u);
    EXPECT_TRUE(HostObjectDeleted(calls[5].brush));
    EXPECT_EQ(HostSelectedFont(dc), font);
    EXPECT_EQ(HostSelectedPen(dc), pen);
    EXPECT_EQ(GetTextColor(dc), kTextBlack);
}

TEST_F(BannerTest, OneLineBoxIsOneRowHigh) {
    Make(400, 300);
    ASSERT_EQ(Lay({{0xC1, 0, "date line"}, {0x81, 0, "body"}}), kLayoutDone);
    HostClearDrawCalls(dc);
    DrawLessonBanner(view);
    const std::vector<HostDrawCall>& calls = HostDrawCalls(dc);
    ASSERT_EQ(calls.size(), 7u);
    // 45 + 30 + 8 = 83 wide; 15 + 10 high.
    ExpectBox(calls[0].box, {168, 320 - 12 - 15, 251, 318});
    EXPECT_EQ(calls[6].text, u"date line");
    EXPECT_EQ(calls[6].box.top, 320 - 12 - 15 + 5);
}

TEST_F(BannerTest, BoxNoWiderThanTheAreaAndLinesCentredTowardZero) {
    Make(60, 300);  // area 60 wide: box 60, inner 50
    ASSERT_EQ(Lay({{0xC1, 0, "aaaaaaaaai"}, {0x81, 0, "body"}}), kLayoutDone);  // 57 units
    HostClearDrawCalls(dc);
    DrawLessonBanner(view);
    const std::vector<HostDrawCall>& calls = HostDrawCalls(dc);
    ASSERT_EQ(calls.size(), 7u);
    ExpectBox(calls[0].box, {10, 320 - 27, 70, 318});
    // (50 - 57) / 2 is -3, not -4.
    EXPECT_EQ(calls[6].box.left, 15 - 3);
    EXPECT_EQ(calls[6].box.right, 15 - 3 + 57);
}

TEST_F(BannerTest, LongLineIsCutToTheAreaWidth) {
    Make(60, 300);
    ASSERT_EQ(Lay({{0xC1, 0, std::string(20, 'a')}, {0x81, 0, "body"}}), kLayoutDone);
    HostClearDrawCalls(dc);
    DrawLessonBanner(view);
    ASSERT_EQ(HostDrawCalls(dc).size(), 7u);
    EXPECT_EQ(HostDrawCalls(dc)[6].text, std::u16string(10, u'a'));  // 60 units of it
}

TEST_F(BannerTest, NoBannerWithoutHeadingOrDateLine) {
    Make(400, 300);
    ASSERT_EQ(Lay({{0x81, 0, "body"}}), kLayoutDone);
    HostClearDrawCalls(dc);
    DrawLessonBanner(view);
    DrawLessonBanner(nullptr);
    EXPECT_TRUE(HostDrawCalls(dc).empty());
}

TEST_F(BannerTest, DrawFrameDrawsAndShrinks) {
    RECT rect{0, 0, 20, 10};
    HGDIOBJ pen = HostSelectedPen(dc);
    DrawFrame(dc, &rect, RGB(1, 2, 3), 3);
    ASSERT_EQ(HostDrawCalls(dc).size(), 3u);
    ExpectBox(HostDrawCalls(dc)[2].box, {2, 2, 18, 8});
    EXPECT_EQ(HostDrawCalls(dc)[2].penColour, RGB(1, 2, 3));
    EXPECT_EQ(HostDrawCalls(dc)[2].brushColour, RGB(255, 255, 255));  // the device's brush
    ExpectBox(rect, {3, 3, 17, 7});
    EXPECT_EQ(HostSelectedPen(dc), pen);
    EXPECT_EQ(HostDeletedObjects().size(), 1u);
}

}  // namespace
