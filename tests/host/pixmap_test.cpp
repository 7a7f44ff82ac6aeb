// The pixmap tool: reading pictures from text, the .bmp and .ico byte layouts
// (header fields, row padding, bottom-up rows, the AND mask), and the sizes
// of the program's own pictures.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

// The tool's logic is not part of moravel_logic; compile it in here.
#include "tools/pixmap/pixmap.cpp"

namespace {

uint32_t U16(const std::vector<uint8_t>& b, size_t at) {
    return b.at(at) | b.at(at + 1) << 8;
}

uint32_t U32(const std::vector<uint8_t>& b, size_t at) {
    return U16(b, at) | U16(b, at + 2) << 16;
}

Picture Parsed(const std::string& text) {
    PictureParse parse = ParsePicture(text);
    EXPECT_EQ(parse.error, "");
    return parse.picture;
}

const std::string kMonoHeader =
    "size 9 2\nbits 1\ncolour X 000000\ncolour . FFFFFF\n";

// Four colours; 'x' is see-through.
const std::string kColourHeader =
    "bits 4\ncolour k 000000\ncolour r FF0000\ncolour g 00FF00 lime\n"
    "colour b 0000FF\ntransparent x\n";

}  // namespace

TEST(ParsePicture, RejectsMalformedTextNamingTheLine) {
    struct Case {
        const char* text;
        const char* error;
    };
    const std::string sixteen =
        "colour 0 000000\ncolour 1 000000\ncolour 2 000000\ncolour 3 000000\n"
        "colour 4 000000\ncolour 5 000000\ncolour 6 000000\ncolour 7 000000\n"
        "colour 8 000000\ncolour 9 000000\ncolour a 000000\ncolour b 000000\n"
        "colour c 000000\ncolour d 000000\ncolour e 000000\ncolour f 000000\n";
    const std::string seventeen = "size 1 1\nbits 4\n" + sixteen + "colour g 000000\nframe\ng\n";
    const std::string tooManyForOneBit = kMonoHeader + "colour o 808080\nframe\n";
    const Case cases[] = {
        {"size 2 1\nbits 1\ncolour X 000000\nframe\nXXX\n", "line 5: row is 3 characters, not 2"},
        {"size 2 1\nbits 1\ncolour X 000000\nframe\nX\n", "line 5: row is 1 characters, not 2"},
        {"size 2 1\nbits 1\ncolour X 000000\nframe\nXo\n", "line 5: 'o' is not in the palette"},
        {"size 1 2\nbits 1\ncolour X 000000\nframe\nX\n", "line 4: frame has 1 rows, not 2"},
        {"size 1 1\nbits 1\ncolour X 000000\n", "line 3: no frame"},
        {"bits 1\ncolour X 000000\nframe\nX\n", "line 3: size and bits must come before the first frame"},
        {"size 1 1\ncolour X 000000\nframe\nX\n", "line 3: size and bits must come before the first frame"},
        {"size 1 1\nbits 8\n", "line 2: expected: bits 1 or bits 4"},
        {"size 0 1\n", "line 1: expected: size WIDTH HEIGHT"},
        {"size 2\n", "line 1: expected: size WIDTH HEIGHT"},
        {"size 1 1\nbits 1\ncolour X 00000G\n", "line 3: expected: colour CHARACTER RRGGBB [note]"},
        {"size 1 1\nbits 1\ncolour X 000000\ncolour X FFFFFF\n", "line 4: 'X' is named twice"},
        {"size 1 1\nbits 1\ncolour # 000000\n", "line 3: a colour is named by one visible character other than '#'"},
        {"size 1 1\nbits 1\ncolour XY 000000\n", "line 3: a colour is named by one visible character other than '#'"},
        {"size 1 1\nbits 1\ncolour X 000000\nframe\nX\nsize 2 2\n", "line 6: size must come before the first frame"},
        {"size 1 1\nbits 1\npalette\n", "line 3: unknown line 'palette'"},
        {seventeen.c_str(), "line 20: 17 colours do not fit in 4 bits"},
        {tooManyForOneBit.c_str(), "line 6: 3 colours do not fit in 1 bits"},
    };
    for (const Case& c : cases) {
        PictureParse parse = ParsePicture(c.text);
        EXPECT_EQ(parse.error, c.error) << c.text;
        EXPECT_TRUE(parse.picture.pixels.empty()) << c.text;
    }
}

TEST(ParsePicture, LaysFramesSideBySideAndMarksTransparency) {
    const Picture p = Parsed("# two frames\nsize 2 2\n" + kColourHeader +
                             "\nframe left\nkr\n# a comment between rows\ngb\n"
                             "frame right  \n  xk\r\nbx\n");
    EXPECT_EQ(p.width, 4);
    EXPECT_EQ(p.height, 2);
    EXPECT_EQ(p.bitsPerPixel, 4);
    ASSERT_EQ(p.palette.size(), 4u);
    EXPECT_EQ(p.palette[2].green, 0xFF);
    EXPECT_EQ(p.palette[2].red, 0);
    EXPECT_EQ(p.pixels, (std::vector<uint8_t>{0, 1, 0, 0, 2, 3, 3, 0}));
    EXPECT_EQ(p.transparent, (std::vector<uint8_t>{0, 0, 1, 0, 0, 0, 0, 1}));
    EXPECT_TRUE(HasTransparency(p));
}

TEST(DibRowBytes, PadsEveryRowToWholeWords) {
    struct Case {
        int width, bits, bytes;
    };
    const Case cases[] = {
        {1, 1, 4}, {9, 1, 4}, {32, 1, 4}, {33, 1, 8}, {53, 1, 8},
        {1, 4, 4}, {8, 4, 4}, {9, 4, 8}, {16, 4, 8}, {112, 4, 56},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DibRowBytes(c.width, c.bits), c.bytes) << c.width << " x " << c.bits;
    }
}

TEST(EncodeBmp, WritesHeadersAndAFullColourTable) {
    struct Case {
        std::string text;
        int width, height, bits;
        uint32_t imageBytes;
    };
    const Case cases[] = {
        {kMonoHeader + "frame\nXXXXXXXXX\n.........\n", 9, 2, 1, 8},
        {"size 3 2\n" + kColourHeader + "frame\nkrg\nbkr\n", 3, 2, 4, 8},
        {"size 16 16\n" + kColourHeader + "frame\n" + [] {
             std::string rows;
             for (int i = 0; i < 16; ++i) rows += "kkkkrrrrggggbbbb\n";
             return rows;
         }() + "frame\n" + [] {
             std::string rows;
             for (int i = 0; i < 16; ++i) rows += "bbbbggggrrrrkkkk\n";
             return rows;
         }(),
         32, 16, 4, 16 * 16},
    };
    for (const Case& c : cases) {
        const std::vector<uint8_t> b = EncodeBmp(Parsed(c.text));
        const uint32_t tableBytes = (1u << c.bits) * 4;
        const uint32_t offBits = 14 + 40 + tableBytes;
        SCOPED_TRACE(c.text);
        ASSERT_EQ(b.size(), offBits + c.imageBytes);
        EXPECT_EQ(b[0], 'B');
        EXPECT_EQ(b[1], 'M');
        EXPECT_EQ(U32(b, 2), b.size());
        EXPECT_EQ(U32(b, 6), 0u);
        EXPECT_EQ(U32(b, 10), offBits);
        EXPECT_EQ(U32(b, 14), 40u);
        EXPECT_EQ(U32(b, 18), static_cast<uint32_t>(c.width));
        EXPECT_EQ(U32(b, 22), static_cast<uint32_t>(c.height));  // positive: bottom-up
        EXPECT_EQ(U16(b, 26), 1u);
        EXPECT_EQ(U16(b, 28), static_cast<uint32_t>(c.bits));
        EXPECT_EQ(U32(b, 30), 0u);  // BI_RGB
        EXPECT_EQ(U32(b, 34), c.imageBytes);
        EXPECT_EQ(U32(b, 46), 0u);  // all 1 << bits colours
        // Unnamed entries are black; named ones are blue, green, red, 0.
        for (uint32_t at = 54 + (c.bits == 1 ? 8 : 16); at < offBits; ++at) EXPECT_EQ(b[at], 0) << at;
    }
    const std::vector<uint8_t> mono = EncodeBmp(Parsed(cases[0].text));
    EXPECT_EQ(std::vector<uint8_t>(mono.begin() + 54, mono.begin() + 62),
              (std::vector<uint8_t>{0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0}));
    const std::vector<uint8_t> colour = EncodeBmp(Parsed(cases[1].text));
    EXPECT_EQ(std::vector<uint8_t>(colour.begin() + 58, colour.begin() + 70),
              (std::vector<uint8_t>{0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0}));
}

TEST(EncodeBmp, StoresRowsBottomUpPackedHighBitsFirstAndPadded) {
    struct Case {
        std::string text;
        std::vector<uint8_t> rows;  // as stored: bottom row first
    };
    const Case cases[] = {
        // 9 pixels of 1 bit, black is index 0: two bytes of pixels, two of
        // padding.
        {kMonoHeader + "frame\nX.......X\n.XXXXXXX.\n",
         {0x80, 0x80, 0, 0, 0x7F, 0x00, 0, 0}},
        // 3 pixels of 4 bits: the odd pixel takes a high nibble.
        {"size 3 2\n" + kColourHeader + "frame\nkrg\nbkr\n",
         {0x30, 0x10, 0, 0, 0x01, 0x20, 0, 0}},
    };
    for (const Case& c : cases) {
        const std::vector<uint8_t> b = EncodeBmp(Parsed(c.text));
        const std::vector<uint8_t> rows(b.begin() + U32(b, 10), b.end());
        EXPECT_EQ(rows, c.rows) << c.text;
    }
}

TEST(EncodeIco, WritesDirectoryEntriesAndImagesInOrder) {
    auto square = [](int side, char fill, char corner) {
        std::string text = "size " + std::to_string(side) + " " + std::to_string(side) + "\n" +
                           kColourHeader + "frame\n";
        for (int y = 0; y < side; ++y) {
            text += std::string(1, y == 0 ? corner : fill) + std::string(side - 1, fill) + "\n";
        }
        return Parsed(text);
    };
    const std::vector<Picture> pictures = {square(32, 'r', 'x'), square(16, 'x', 'b')};
    const std::vector<uint8_t> b = EncodeIco(pictures);

    EXPECT_EQ(U16(b, 0), 0u);
    EXPECT_EQ(U16(b, 2), 1u);  // icon, not cursor
    EXPECT_EQ(U16(b, 4), 2u);

    struct Entry {
        int side;
        uint32_t xorBytes, andBytes;
    };
    const Entry entries[] = {{32, 32 * 16, 32 * 4}, {16, 16 * 8, 16 * 4}};
    uint32_t expectedOffset = 6 + 2 * 16;
    for (size_t i = 0; i < 2; ++i) {
        const Entry& e = entries[i];
        const size_t at = 6 + 16 * i;
        SCOPED_TRACE(e.side);
        EXPECT_EQ(b[at], e.side);
        EXPECT_EQ(b[at + 1], e.side);
        EXPECT_EQ(b[at + 2], 16);  // colours
        EXPECT_EQ(b[at + 3], 0);
        EXPECT_EQ(U16(b, at + 4), 1u);
        EXPECT_EQ(U16(b, at + 6), 4u);
        const uint32_t bytes = 40 + 64 + e.xorBytes + e.andBytes;
        EXPECT_EQ(U32(b, at + 8), bytes);
        EXPECT_EQ(U32(b, at + 12), expectedOffset);

        const size_t image = expectedOffset;
        EXPECT_EQ(U32(b, image), 40u);
        EXPECT_EQ(U32(b, image + 4), static_cast<uint32_t>(e.side));
        EXPECT_EQ(U32(b, image + 8), static_cast<uint32_t>(2 * e.side));  // XOR and AND together
        EXPECT_EQ(U16(b, image + 12), 1u);
        EXPECT_EQ(U16(b, image + 14), 4u);
        EXPECT_EQ(U32(b, image + 20), e.xorBytes + e.andBytes);
        expectedOffset += bytes;
    }
    EXPECT_EQ(b.size(), expectedOffset);

    // The large image: one see-through pixel, top left. The XOR image holds
    // index 0 there; the AND mask's last stored row (the top one) has its
    // first bit set and nothing else.
    const size_t xor32 = 6 + 32 + 40 + 64;
    const size_t and32 = xor32 + 32 * 16;
    EXPECT_EQ(b[xor32], 0x11);                   // bottom row: red, red
    EXPECT_EQ(b[and32 - 16], 0x01);              // top row: see-through, red
    for (size_t at = and32; at < and32 + 31 * 4; ++at) EXPECT_EQ(b[at], 0) << at;
    EXPECT_EQ(std::vector<uint8_t>(b.begin() + and32 + 31 * 4, b.begin() + and32 + 32 * 4),
              (std::vector<uint8_t>{0x80, 0, 0, 0}));

    // The small image: all see-through but the top-left pixel. A 16-pixel
    // mask row is two bytes of bits and two of padding, which stay 0.
    const size_t and16 = expectedOffset - 16 * 4;
    for (int row = 0; row < 15; ++row) {
        EXPECT_EQ(std::vector<uint8_t>(b.begin() + and16 + row * 4, b.begin() + and16 + row * 4 + 4),
                  (std::vector<uint8_t>{0xFF, 0xFF, 0, 0}))
            << row;
    }
    EXPECT_EQ(std::vector<uint8_t>(b.begin() + and16 + 60, b.end()),
              (std::vector<uint8_t>{0x7F, 0xFF, 0, 0}));
    EXPECT_EQ(b[and16 - 8], 0x30);  // top row of the XOR image: blue, then index 0
}

TEST(ProgramArt, EveryPictureHasItsResourceSizeAndDepth) {
    struct Case {
        const char* file;
        int width, height, bits;
        bool transparent;
    };
    const Case cases[] = {
        {"toolbar.txt", 112, 16, 4, false},
        {"icon32.txt", 32, 32, 4, true},
        {"icon16.txt", 16, 16, 4, true},
        {"about.txt", 53, 67, 1, false},
        {"marker_closed.txt", 9, 9, 1, false},
        {"marker_open.txt", 9, 9, 1, false},
        {"marker_page.txt", 9, 9, 1, false},
    };
    // This file sits in tests/host; the pictures in resources/art.
    std::string root = __FILE__;
    root.erase(root.rfind("tests/host/"));
    for (const Case& c : cases) {
        std::ifstream in(root + "resources/art/" + c.file, std::ios::binary);
        ASSERT_TRUE(in) << c.file;
        std::ostringstream text;
        text << in.rdbuf();
        PictureParse parse = ParsePicture(text.str());
        ASSERT_EQ(parse.error, "") << c.file;
        EXPECT_EQ(parse.picture.width, c.width) << c.file;
        EXPECT_EQ(parse.picture.height, c.height) << c.file;
        EXPECT_EQ(parse.picture.bitsPerPixel, c.bits) << c.file;
        EXPECT_EQ(HasTransparency(parse.picture), c.transparent) << c.file;
    }
}
