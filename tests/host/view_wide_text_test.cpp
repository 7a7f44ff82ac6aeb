// Widening 8-bit text to UTF-16, and measuring and drawing it.
#include "tests/host/view_fixture.h"

namespace {

using WideTextTest = ViewTest;

TEST_F(WideTextTest, WideningKeepsEveryByteValue) {
    WideBuffer buffer{};
    const char bytes[] = "\xA9\x91\xBC\xA0 a\xFF";
    WCHAR* wide = WidenText(bytes, &buffer, 7);
    ASSERT_NE(wide, nullptr);
    EXPECT_EQ(std::u16string(wide), (std::u16string{0xA9, 0x91, 0xBC, 0xA0, u' ', u'a', 0xFF}));
    EXPECT_EQ(WidenText("abc", &buffer, 0)[0], 0);  // n = 0: empty
    // A zero byte ends the run before n.
    EXPECT_EQ(std::u16string(WidenText("ab\0cd", &buffer, 5)), u"ab");
    HeapBlockFree(buffer.storage);
}

TEST_F(WideTextTest, BufferGrowsOnlyForLongerRuns) {
    WideBuffer buffer{};
    WCHAR* first = WidenText("abcdef", &buffer, 6);
    EXPECT_EQ(buffer.capacity, 6);
    EXPECT_EQ(WidenText("abc", &buffer, 3), first);  // reused
    EXPECT_EQ(buffer.capacity, 6);
    long blocks = HostHeapLiveBlocks();
    WCHAR* grown = WidenText("abcdefgh", &buffer, 8);
    EXPECT_EQ(buffer.capacity, 8);
    EXPECT_EQ(buffer.storage, grown);
    EXPECT_EQ(HostHeapLiveBlocks(), blocks);  // the old storage was freed

    HostHeapFailAfter(0);
    EXPECT_EQ(WidenText("abcdefghij", &buffer, 10), nullptr);
    HostHeapFailAfter(-1);
    EXPECT_EQ(buffer.storage, grown);  // kept when it cannot grow
    EXPECT_EQ(buffer.capacity, 8);
    HeapBlockFree(buffer.storage);
}

TEST_F(WideTextTest, WithoutABufferTheCallerOwnsTheResult) {
    WCHAR* wide = WidenText("search", nullptr, 33);
    ASSERT_NE(wide, nullptr);
    EXPECT_EQ(std::u16string(wide), u"search");
    EXPECT_EQ(HostHeapLiveBlocks(), baseBlocks + 1);
    HeapBlockFree(wide);
    EXPECT_EQ(HostHeapLiveBlocks(), baseBlocks);
}

TEST_F(WideTextTest, MeasureFitCountsAndMeasuresTheFittingCharacters) {
    Make(100, 100);
    SelectStyleFont(view, kStylePlain);
    struct Case {
        const char* text;
        int offered;
        int width;
        int count;
        int extent;
        int calls;  // GetTextExtentExPointW calls
    } cases[] = {
        {"aaaa", 4, 100, 4, 32, 1},   // fits whole: the offered count, full extent
        {"aaaa", 4, 32, 4, 32, 1},    // exactly
        {"aaaa", 4, 31, 3, 24, 2},    // the extent of the fitting part only
        {"aaaa", 2, 100, 2, 16, 1},   // only what is offered
        {"aaaa", 4, 7, 0, 0, 1},      // narrower than the first character
        {"aa\0aa", 5, 100, 2, 16, 1}, // a zero byte ends the offer
        {"\xA9i", 2, 100, 2, 13, 1},  // 0xA9 is one character of 9 units
        {"", 0, 100, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        HostClearCounters(dc);
        int width = c.width;
        int count = c.offered;
        MeasureFit(dc, c.text, &width, &count);
        EXPECT_EQ(count, c.count);
        EXPECT_EQ(width, c.extent);
        EXPECT_EQ(HostCounters(dc).extentCalls, c.calls);
    }
}

TEST_F(WideTextTest, DrawTextBoxDrawsWidenedTextCentredInItsBox) {
    EXPECT_EQ(DrawTextBox(dc, "a\xA9" "bc", 3, 5, 6, 40, 20), 16);  // the default font's height
    ASSERT_EQ(HostDrawCalls(dc).size(), 1u);
    const HostDrawCall& call = HostDrawCalls(dc)[0];
    EXPECT_EQ(call.kind, HostDrawKind::Text);
    EXPECT_EQ(call.text, (std::u16string{u'a', 0xA9, u'b'}));
    EXPECT_EQ(call.format, 0x825u);
    EXPECT_EQ(call.box.left, 5);
    EXPECT_EQ(call.box.top, 6);
    EXPECT_EQ(call.box.right, 45);
    EXPECT_EQ(call.box.bottom, 26);
    DrawTextBox(dc, "ab\0cd", 5, 0, 0, 10, 10);
    EXPECT_EQ(HostDrawCalls(dc)[1].text, u"ab");
}

TEST_F(WideTextTest, NothingIsMeasuredOrDrawnWhenTheSharedBufferCannotGrow) {
    std::string longRun(SharedWideBuffer.capacity + 10, 'a');
    HostHeapFailAfter(0);
    int width = 1000;
    int count = static_cast<int>(longRun.size());
    MeasureFit(dc, longRun.c_str(), &width, &count);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(width, 0);
    EXPECT_EQ(DrawTextBox(dc, longRun.c_str(), static_cast<int>(longRun.size()), 0, 0, 10, 10), 0);
    HostHeapFailAfter(-1);
    EXPECT_TRUE(HostDrawCalls(dc).empty());
    // A run that fits the buffer needs no allocation.
    HostHeapFailAfter(0);
    width = 100;
    count = 3;
    MeasureFit(dc, "abc", &width, &count);
    EXPECT_EQ(count, 3);
}

}  // namespace
