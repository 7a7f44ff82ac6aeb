// Reading the text form of a picture, and writing .bmp and .ico files from it
// byte by byte, little-endian, as Windows lays the structures out.
#include "tools/pixmap/pixmap.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>

namespace {

constexpr int kFileHeaderBytes = 14;   // BITMAPFILEHEADER
constexpr int kInfoHeaderBytes = 40;   // BITMAPINFOHEADER
constexpr int kPaletteEntryBytes = 4;  // RGBQUAD
constexpr int kIconDirBytes = 6;       // ICONDIR without its entries
constexpr int kIconEntryBytes = 16;    // ICONDIRENTRY
constexpr uint16_t kIconResourceType = 1;
constexpr int kPixelsPerMetre = 2835;  // 72 dots per inch; nothing reads it
constexpr int kMaxFrameSide = 4096;    // keeps every size product well inside int

// Characters that cannot name a colour: '#' starts a comment, and blanks are
// trimmed from every line.
bool IsPaletteCharacter(char c) {
    return c > ' ' && c <= '~' && c != '#';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

// Splits off the first blank-separated word of s.
std::string_view NextWord(std::string_view& s) {
    s = Trim(s);
    size_t end = 0;
    while (end < s.size() && s[end] != ' ' && s[end] != '\t') ++end;
    std::string_view word = s.substr(0, end);
    s.remove_prefix(end);
    s = Trim(s);
    return word;
}

bool ParseInt(std::string_view word, int& value) {
    if (word.empty()) return false;
    auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    return ec == std::errc() && end == word.data() + word.size();
}

bool ParseHexColour(std::string_view word, PixelColour& colour) {
    if (word.size() != 6) return false;
    std::array<uint8_t, 3> parts{};
    for (size_t i = 0; i < parts.size(); ++i) {
        std::string_view pair = word.substr(i * 2, 2);
        auto [end, ec] = std::from_chars(pair.data(), pair.data() + 2, parts[i], 16);
        if (ec != std::errc() || end != pair.data() + 2) return false;
    }
    colour = {parts[0], parts[1], parts[2]};
    return true;
}

void Put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

int ColourTableBytes(const Picture& picture) {
    return (1 << picture.bitsPerPixel) * kPaletteEntryBytes;
}

int XorBytes(const Picture& picture) {
    return DibRowBytes(picture.width, picture.bitsPerPixel) * picture.height;
}

int AndBytes(const Picture& picture) {
    return DibRowBytes(picture.width, 1) * picture.height;
}

void PutInfoHeader(std::vector<uint8_t>& out, const Picture& picture, int storedHeight,
                   int imageBytes) {
    Put32(out, kInfoHeaderBytes);
    Put32(out, static_cast<uint32_t>(picture.width));
    Put32(out, static_cast<uint32_t>(storedHeight));
    Put16(out, 1);  // planes
    Put16(out, static_cast<uint32_t>(picture.bitsPerPixel));
    Put32(out, 0);  // BI_RGB, uncompressed
    Put32(out, static_cast<uint32_t>(imageBytes));
    Put32(out, kPixelsPerMetre);
    Put32(out, kPixelsPerMetre);
    Put32(out, 0);  // colours used: 0 means all 1 << bits, which are all written
    Put32(out, 0);  // colours important: all
}

// The full table is written even when fewer colours are named, so that a
// reader never has to trust the colours-used field.
void PutColourTable(std::vector<uint8_t>& out, const Picture& picture) {
    const size_t entries = size_t{1} << picture.bitsPerPixel;
    for (size_t i = 0; i < entries; ++i) {
        PixelColour c = i < picture.palette.size() ? picture.palette[i] : PixelColour{};
        out.push_back(c.blue);
        out.push_back(c.green);
        out.push_back(c.red);
        out.push_back(0);
    }
}

// Rows of `values` (one per pixel, each below 1 << bits) packed most
// significant bits first, bottom row first, each row padded with zero bytes.
void PutRows(std::vector<uint8_t>& out, const std::vector<uint8_t>& values, int width,
             int height, int bits) {
    const int rowBytes = DibRowBytes(width, bits);
    const int perByte = 8 / bits;
    for (int y = height - 1; y >= 0; --y) {
        std::vector<uint8_t> row(static_cast<size_t>(rowBytes), 0);
        for (int x = 0; x < width; ++x) {
            const int shift = 8 - bits * (x % perByte + 1);
            row[static_cast<size_t>(x / perByte)] |=
                static_cast<uint8_t>(values[static_cast<size_t>(y * width + x)] << shift);
        }
        out.insert(out.end(), row.begin(), row.end());
    }
}

std::string LineError(int line, const std::string& message) {
    return "line " + std::to_string(line) + ": " + message;
}

}  // namespace

int DibRowBytes(int width, int bitsPerPixel) {
    return (width * bitsPerPixel + 31) / 32 * 4;
}

bool HasTransparency(const Picture& picture) {
    return std::ranges::any_of(picture.transparent, [](uint8_t t) { return t != 0; });
}

PictureParse ParsePicture(std::string_view text) {
    PictureParse result;
    Picture& picture = result.picture;
    int frameWidth = 0;
    std::array<int, 256> indexOf{};  // palette index + 1; 0 unnamed; -1 transparent
    // Rows of each frame as read, to be laid side by side at the end.
    std::vector<std::vector<std::string_view>> frames;
    int frameLine = 0;  // line of the current frame's keyword, for short frames

    auto fail = [&](int line, const std::string& message) {
        result.picture = {};
        result.error = LineError(line, message);
        return result;
    };

    int lineNumber = 0;
    while (!text.empty()) {
        const size_t newline = text.find('\n');
        std::string_view line = Trim(text.substr(0, newline));
        text.remove_prefix(newline == std::string_view::npos ? text.size() : newline + 1);
        ++lineNumber;
        if (line.empty() || line.front() == '#') continue;

        // Inside a frame, every line is a row until the frame is full.
        if (!frames.empty() && static_cast<int>(frames.back().size()) < picture.height) {
            if (static_cast<int>(line.size()) != frameWidth) {
                return fail(lineNumber, "row is " + std::to_string(line.size()) +
                                            " characters, not " + std::to_string(frameWidth));
            }
            for (char c : line) {
                if (indexOf[static_cast<uint8_t>(c)] == 0) {
                    return fail(lineNumber, std::string("'") + c + "' is not in the palette");
                }
            }
            frames.back().push_back(line);
            continue;
        }

        std::string_view rest = line;
        const std::string_view keyword = NextWord(rest);
        if (keyword == "size") {
            if (!frames.empty()) return fail(lineNumber, "size must come before the first frame");
            int w = 0;
            int h = 0;
            if (!ParseInt(NextWord(rest), w) || !ParseInt(NextWord(rest), h) || !rest.empty() ||
                w < 1 || h < 1 || w > kMaxFrameSide || h > kMaxFrameSide) {
                return fail(lineNumber, "expected: size WIDTH HEIGHT");
            }
            frameWidth = w;
            picture.height = h;
        } else if (keyword == "bits") {
            if (!frames.empty()) return fail(lineNumber, "bits must come before the first frame");
            int bits = 0;
            if (!ParseInt(NextWord(rest), bits) || !rest.empty() || (bits != 1 && bits != 4)) {
                return fail(lineNumber, "expected: bits 1 or bits 4");
            }
            picture.bitsPerPixel = bits;
        } else if (keyword == "colour" || keyword == "transparent") {
            if (!frames.empty()) return fail(lineNumber, "colours must come before the first frame");
            const std::string_view name = NextWord(rest);
            if (name.size() != 1 || !IsPaletteCharacter(name[0])) {
                return fail(lineNumber, "a colour is named by one visible character other than '#'");
            }
            const auto c = static_cast<uint8_t>(name[0]);
            if (indexOf[c] != 0) return fail(lineNumber, std::string("'") + name[0] + "' is named twice");
            if (keyword == "transparent") {
                // What follows is a note for the reader.
                indexOf[c] = -1;
            } else {
                PixelColour colour;
                if (!ParseHexColour(NextWord(rest), colour)) {
                    return fail(lineNumber, "expected: colour CHARACTER RRGGBB [note]");
                }
                picture.palette.push_back(colour);
                indexOf[c] = static_cast<int>(picture.palette.size());
            }
        } else if (keyword == "frame") {
            // Any words after the keyword name the frame for the reader.
            if (frameWidth == 0 || picture.bitsPerPixel == 0) {
                return fail(lineNumber, "size and bits must come before the first frame");
            }
            if (picture.palette.size() > (size_t{1} << picture.bitsPerPixel)) {
                return fail(lineNumber, std::to_string(picture.palette.size()) +
                                            " colours do not fit in " +
                                            std::to_string(picture.bitsPerPixel) + " bits");
            }
            if (frameWidth * static_cast<int>(frames.size() + 1) > kMaxFrameSide) {
                return fail(lineNumber, "too many frames");
            }
            frames.emplace_back();
            frameLine = lineNumber;
        } else {
            return fail(lineNumber, "unknown line '" + std::string(keyword) + "'");
        }
    }

    if (frames.empty()) return fail(lineNumber, "no frame");
    if (static_cast<int>(frames.back().size()) < picture.height) {
        return fail(frameLine, "frame has " + std::to_string(frames.back().size()) +
                                   " rows, not " + std::to_string(picture.height));
    }

    picture.width = frameWidth * static_cast<int>(frames.size());
    const auto count = static_cast<size_t>(picture.width) * static_cast<size_t>(picture.height);
    picture.pixels.assign(count, 0);
    picture.transparent.assign(count, 0);
    for (size_t f = 0; f < frames.size(); ++f) {
        for (int y = 0; y < picture.height; ++y) {
            const std::string_view row = frames[f][static_cast<size_t>(y)];
            for (int x = 0; x < frameWidth; ++x) {
                const auto at = static_cast<size_t>(y * picture.width) + f * static_cast<size_t>(frameWidth) +
                                static_cast<size_t>(x);
                const auto c = static_cast<uint8_t>(row[static_cast<size_t>(x)]);
                if (indexOf[c] < 0) {
                    picture.transparent[at] = 1;
                } else {
                    picture.pixels[at] = static_cast<uint8_t>(indexOf[c] - 1);
                }
            }
        }
    }
    return result;
}

std::vector<uint8_t> EncodeBmp(const Picture& picture) {
    const int offBits = kFileHeaderBytes + kInfoHeaderBytes + ColourTableBytes(picture);
    const int imageBytes = XorBytes(picture);
    std::vector<uint8_t> out;
    out.reserve(static_cast<size_t>(offBits + imageBytes));
    out.push_back('B');
    out.push_back('M');
    Put32(out, static_cast<uint32_t>(offBits + imageBytes));
    Put32(out, 0);  // two reserved words
    Put32(out, static_cast<uint32_t>(offBits));
    PutInfoHeader(out, picture, picture.height, imageBytes);
    PutColourTable(out, picture);
    PutRows(out, picture.pixels, picture.width, picture.height, picture.bitsPerPixel);
    return out;
}

std::vector<uint8_t> EncodeIco(const std::vector<Picture>& pictures) {
    std::vector<uint8_t> out;
    Put16(out, 0);  // reserved
    Put16(out, kIconResourceType);
    Put16(out, static_cast<uint32_t>(pictures.size()));

    auto offset = static_cast<uint32_t>(kIconDirBytes + kIconEntryBytes * pictures.size());
    for (const Picture& p : pictures) {
        const auto bytes = static_cast<uint32_t>(kInfoHeaderBytes + ColourTableBytes(p) +
                                                 XorBytes(p) + AndBytes(p));
        // A side of 256 is written as 0.
        out.push_back(static_cast<uint8_t>(p.width));
        out.push_back(static_cast<uint8_t>(p.height));
        out.push_back(static_cast<uint8_t>(1 << p.bitsPerPixel));
        out.push_back(0);  // reserved
        Put16(out, 1);     // planes
        Put16(out, static_cast<uint32_t>(p.bitsPerPixel));
        Put32(out, bytes);
        Put32(out, offset);
        offset += bytes;
    }

    for (const Picture& p : pictures) {
        // The stored height counts the XOR image and the AND mask together.
        PutInfoHeader(out, p, p.height * 2, XorBytes(p) + AndBytes(p));
        PutColourTable(out, p);
        PutRows(out, p.pixels, p.width, p.height, p.bitsPerPixel);
        PutRows(out, p.transparent, p.width, p.height, 1);
    }
    return out;
}
