// pixmap: turns text pixel art into the .bmp and .ico files that the resource
// script embeds.
//   pixmap OUTPUT.bmp PICTURE.txt
//   pixmap OUTPUT.ico PICTURE.txt...   (one icon image per picture, in order)
#include <cstdio>
#include <fstream>
#include <iostream>
#include <utility>
#include <sstream>
#include <string>
#include <vector>

#include "tools/pixmap/pixmap.h"

namespace {

constexpr int kExitFailure = 1;

bool EndsWith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

bool ReadText(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    text = buffer.str();
    return !in.bad();
}

int Usage() {
    std::cerr << "usage: pixmap OUTPUT.bmp PICTURE.txt\n"
                 "       pixmap OUTPUT.ico PICTURE.txt...\n";
    return kExitFailure;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return Usage();
    const std::string output = argv[1];
    const bool icon = EndsWith(output, ".ico");
    if (!icon && !EndsWith(output, ".bmp")) return Usage();
    if (!icon && argc != 3) return Usage();

    std::vector<Picture> pictures;
    for (int i = 2; i < argc; ++i) {
        const std::string input = argv[i];
        std::string text;
        if (!ReadText(input, text)) {
            std::cerr << input << ": cannot read\n";
            return kExitFailure;
        }
        PictureParse parse = ParsePicture(text);
        if (!parse.error.empty()) {
            std::cerr << input << ": " << parse.error << "\n";
            return kExitFailure;
        }
        const Picture& p = parse.picture;
        if (!icon && HasTransparency(p)) {
            std::cerr << input << ": a .bmp cannot hold transparent pixels\n";
            return kExitFailure;
        }
        if (icon && (p.width > kMaxPictureSide || p.height > kMaxPictureSide)) {
            std::cerr << input << ": an icon image is at most " << kMaxPictureSide << " pixels a side\n";
            return kExitFailure;
        }
        pictures.push_back(std::move(parse.picture));
    }

    const std::vector<uint8_t> bytes = icon ? EncodeIco(pictures) : EncodeBmp(pictures.front());
    std::ofstream out(output, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::cerr << output << ": cannot write\n";
        std::remove(output.c_str());
        return kExitFailure;
    }
    return 0;
}
