// The pixmap tool's logic: reading a picture from its text form and encoding
// it as a Windows .bmp or .ico file. The text form is described in
// resources/art/FORMAT.md. Everything here is plain bytes; no Windows headers.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct PixelColour {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
};

// A picture as read from text. Its frames are already laid side by side, so
// width is the frame width times the number of frames.
struct Picture {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;                // 1 or 4
    std::vector<PixelColour> palette;    // at most 1 << bitsPerPixel entries
    std::vector<uint8_t> pixels;         // width * height palette indices, top row first
    std::vector<uint8_t> transparent;    // width * height flags; 1 where the pixel is see-through
};

// A parse either gives a picture or, with error non-empty, says what is wrong
// and on which line ("line 12: ...").
struct PictureParse {
    Picture picture;
    std::string error;
};

constexpr int kMaxPictureSide = 256;     // an .ico entry cannot describe more

// Reads the text form. On success every pixel index is below palette.size(),
// and a transparent pixel has index 0.
PictureParse ParsePicture(std::string_view text);

bool HasTransparency(const Picture& picture);

// Bytes per stored row of a DIB: bits rounded up to a whole 32-bit word.
int DibRowBytes(int width, int bitsPerPixel);

// A .bmp file: BITMAPFILEHEADER, BITMAPINFOHEADER, a colour table of
// 1 << bitsPerPixel entries, then the rows bottom-up.
// Requires a parsed picture without transparency (a .bmp has no mask).
std::vector<uint8_t> EncodeBmp(const Picture& picture);

// An .ico file holding the pictures in the given order: ICONDIR, one
// ICONDIRENTRY each, then per picture a BITMAPINFOHEADER of doubled height,
// its colour table, the XOR rows and the 1-bit AND mask rows, both bottom-up.
// Requires one or more parsed pictures, none wider or taller than
// kMaxPictureSide.
std::vector<uint8_t> EncodeIco(const std::vector<Picture>& pictures);
