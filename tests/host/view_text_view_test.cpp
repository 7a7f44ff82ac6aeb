// The TextView record's creation and release, and its style font cache.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/heap.h"
#include "view/text_view.h"

namespace {

FontSettings Settings(const char16_t* face, int32_t points) {
    FontSettings settings{};
    std::char_traits<char16_t>::copy(settings.faceName, face, std::char_traits<char16_t>::length(face));
    settings.pointSize = points;
    settings.fontAsciiBase = kDefaultFontAsciiBase;
    return settings;
}

class TextViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        HostResetAll();
        HostGdiClear();
        dc = HostCreateDevice();
        baseBlocks = HostHeapLiveBlocks();
    }
    TextView* Make(int32_t points, const char16_t* face = u"Georgia") {
        FontSettings settings = Settings(face, points);
        RECT area{10, 20, 510, 420};
        return CreateTextView(dc, &area, &settings, 0);
    }
    HDC dc{};
    long baseBlocks = 0;
};

TEST_F(TextViewTest, CreationTakesAreaSettingsAndLineRoom) {
    FontSettings settings = Settings(u"Georgia", 11);
    RECT area{10, 20, 510, 420};
    TextView* view = CreateTextView(dc, &area, &settings, 100);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->dc, dc);
    EXPECT_EQ(view->left, 10);
    EXPECT_EQ(view->top, 20);
    EXPECT_EQ(view->width, 500);
    EXPECT_EQ(view->height, 400);
    EXPECT_EQ(std::memcmp(&view->fontSettings, &settings, sizeof settings), 0);
    ASSERT_NE(view->lines, nullptr);
    EXPECT_EQ(view->lineCapacity, 100);
    EXPECT_TRUE(IsTerminator(view->lines[0]));
    EXPECT_EQ(view->text, nullptr);
    EXPECT_EQ(view->fontCache, nullptr);
    EXPECT_EQ(HostFontsCreated(), 0);
    ReleaseTextView(view, true);
    EXPECT_EQ(HostHeapLiveBlocks(), baseBlocks);
}

TEST_F(TextViewTest, CreationFailures) {
    EXPECT_EQ(CreateTextView(nullptr, nullptr, nullptr, 100), nullptr);

    HostHeapFailAfter(0);
    EXPECT_EQ(CreateTextView(dc, nullptr, nullptr, 100), nullptr);

    // The record but not its lines: a view that the first layout equips.
    HostHeapFailAfter(1);
    TextView* view = CreateTextView(dc, nullptr, nullptr, 100);
    HostHeapFailAfter(-1);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->lines, nullptr);
    EXPECT_EQ(view->lineCapacity, 0);
    EXPECT_EQ(view->width, 0);
    ReleaseTextView(view, true);

    // More lines than 16-bit row counts can hold: no lines rather than a wrap.
    view = CreateTextView(dc, nullptr, nullptr, kMaxLineCapacity + 1);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->lines, nullptr);
    EXPECT_EQ(view->lineCapacity, 0);
    ReleaseTextView(view, true);
    EXPECT_EQ(HostHeapLiveBlocks(), baseBlocks);
}

TEST_F(TextViewTest, ReleaseFreesTextLinesAndFontsAndKeepsABorrowedRecord) {
    TextView view{};
    view.dc = dc;
    view.text = static_cast<char*>(HeapBlockAlloc(8));
    view.lines = static_cast<LineRecord*>(HeapBlockAlloc(sizeof(LineRecord) * 3));
    view.lineCapacity = 2;
    HFONT plain = nullptr;
    SelectStyleFont(&view, 0x01);
    SelectStyleFont(&view, 0x0C);
    for (FontCacheEntry* entry = view.fontCache; entry; entry = entry->next)
        if (entry->key == 0x01) plain = entry->font;
    ASSERT_NE(plain, nullptr);

    ReleaseTextView(&view, false);
    EXPECT_EQ(view.text, nullptr);
    EXPECT_EQ(view.lines, nullptr);
    EXPECT_EQ(view.lineCapacity, 0);
    EXPECT_EQ(view.fontCache, nullptr);
    EXPECT_TRUE(HostObjectDeleted(plain));
    EXPECT_EQ(HostDeletedObjects().size(), 2u);
    EXPECT_EQ(HostHeapLiveBlocks(), baseBlocks);
    ReleaseTextView(nullptr, true);
}

// The font made for each style key: height from the point size at the
// device's LOGPIXELSY (96 here), weight from the bold bit.
TEST_F(TextViewTest, StyleKeysMakeTheirFonts) {
    struct Case {
        int32_t points;
        unsigned request;
        LONG height;
        LONG weight;
    } cases[] = {
        {12, 0x01, -16, 400},    // plain: the point size
        {12, 0x81, -16, 400},    // alignment and spacing bits are not part of the key
        {12, 0x04, -20, 400},    // large: 15 points
        {12, 0x02, -12, 400},    // small: 9 points
        {12, 0x06, -20, 400},    // large wins over small
        {12, 0x0C, -20, 700},    // large bold
        {12, 0x1000, -11, 400},  // the print bands' 8 points (10.67 rounded)
        {12, 0x1004, -20, 400},  // large, not 8 points
        {12, 0x1002, -12, 400},  // small, not 8 points
        {10, 0x04, -16, 400},    // 12.5 points truncated to 12
        {10, 0x02, -9, 400},     // 7.5 truncated to 7, 9.33 rounded to 9
        {0, 0x01, 0, 400},       // the mapper's default height
        {0, 0x04, -27, 400},     // 20 points
        {0, 0x02, -19, 400},     // 14 points
        {0, 0x1000, -11, 400},
        {0, 0x19, 0, 700},       // bits 0 and 4 leave the font alone
    };
    for (const Case& c : cases) {
        TextView* view = Make(c.points);
        SelectStyleFont(view, c.request);
        const LOGFONTW* font = HostFontOf(HostSelectedFont(dc));
        ASSERT_NE(font, nullptr) << std::hex << c.request;
        EXPECT_EQ(font->lfHeight, c.height) << c.points << " pt, request " << std::hex << c.request;
        EXPECT_EQ(font->lfWeight, c.weight) << std::hex << c.request;
        EXPECT_EQ(font->lfCharSet, ANSI_CHARSET);
        EXPECT_EQ(font->lfItalic | font->lfUnderline | font->lfStrikeOut | font->lfWidth, 0);
        EXPECT_EQ(std::u16string(font->lfFaceName), u"Georgia");
        ReleaseTextView(view, true);
    }
}

TEST_F(TextViewTest, HeightFollowsTheDeviceResolution) {
    HostSetDeviceCaps(dc, LOGPIXELSY, 600);  // a printer
    TextView* view = Make(12);
    SelectStyleFont(view, 0x1000);
    EXPECT_EQ(HostFontOf(HostSelectedFont(dc))->lfHeight, -67);  // 8 × 600 / 72 = 66.67
    ReleaseTextView(view, true);
}

TEST_F(TextViewTest, FaceNameIsCopiedAndAlwaysTerminated) {
    TextView* view = Make(12, u"");
    SelectStyleFont(view, 0x01);
    EXPECT_EQ(HostFontOf(HostSelectedFont(dc))->lfFaceName[0], 0);
    ReleaseTextView(view, true);

    view = Make(12);
    for (WCHAR& unit : view->fontSettings.faceName) unit = u'X';  // no terminator at all
    SelectStyleFont(view, 0x01);
    EXPECT_EQ(std::u16string(HostFontOf(HostSelectedFont(dc))->lfFaceName), std::u16string(31, u'X'));
    ReleaseTextView(view, true);
}

TEST_F(TextViewTest, ColourIsSetOnlyWithTheColourBit) {
    struct Case {
        unsigned request;
        COLORREF colour;
    } cases[] = {
        {0x10C, HeadingBlue}, {0x10D, HeadingBlue}, {0x11C, HeadingBlue}, {0x1CC, HeadingBlue},
        {0x109, kTextBlack},  {0x104, kTextBlack},  {0x101, kTextBlack},  {0x1100, kTextBlack},
        {0x0C, RGB(1, 2, 3)}, {0x01, RGB(1, 2, 3)},
    };
    TextView* view = Make(12);
    for (const Case& c : cases) {
        SetTextColor(dc, RGB(1, 2, 3));
        SelectStyleFont(view, c.request);
        EXPECT_EQ(GetTextColor(dc), c.colour) << std::hex << c.request;
    }
    ReleaseTextView(view, true);
}

TEST_F(TextViewTest, FontsAreCachedPerKeyAndTheOldFontReturned) {
    TextView* view = Make(12);
    HGDIOBJ original = HostSelectedFont(dc);
    EXPECT_EQ(SelectStyleFont(view, 0x1000), original);
    HGDIOBJ header = HostSelectedFont(dc);
    EXPECT_EQ(SelectStyleFont(view, 0x1000), header);
    EXPECT_EQ(HostSelectedFont(dc), header);
    EXPECT_EQ(HostFontsCreated(), 1);

    SelectStyleFont(view, 0x01);
    HGDIOBJ plain = HostSelectedFont(dc);
    SelectStyleFont(view, 0x181);
    SelectStyleFont(view, 0xE1);
    EXPECT_EQ(HostSelectedFont(dc), plain);
    EXPECT_EQ(HostFontsCreated(), 2);
    EXPECT_EQ(view->fontCache->key, 0x01);  // newest first
    EXPECT_EQ(view->fontCache->next->key, 0x1000);
    EXPECT_EQ(view->fontCache->next->next, nullptr);
    ReleaseTextView(view, true);
    EXPECT_EQ(HostHeapLiveBlocks(), baseBlocks);
    EXPECT_EQ(SelectStyleFont(nullptr, 0x01), nullptr);
}

TEST_F(TextViewTest, AFontThatCannotBeMadeSelectsNothingAndIsRetried) {
    TextView* view = Make(12);
    HGDIOBJ original = HostSelectedFont(dc);
    HostFailFontCreation(true);
    EXPECT_EQ(SelectStyleFont(view, 0x10C), nullptr);
    EXPECT_EQ(HostSelectedFont(dc), original);
    EXPECT_EQ(GetTextColor(dc), HeadingBlue);
    HostFailFontCreation(false);
    EXPECT_EQ(SelectStyleFont(view, 0x0C), original);
    EXPECT_NE(HostSelectedFont(dc), original);
    EXPECT_EQ(view->fontCache->next, nullptr);  // the same entry, now with a font

    HostHeapFailAfter(0);
    EXPECT_EQ(SelectStyleFont(view, 0x02), nullptr);
    HostHeapFailAfter(-1);
    ReleaseTextView(view, true);
    EXPECT_EQ(HostHeapLiveBlocks(), baseBlocks);
}

}  // namespace
