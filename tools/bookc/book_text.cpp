// UTF-8 to book bytes and back, and the spacing rules of the book's text.
#include "tools/bookc/book_text.h"

#include <cstdio>

namespace {

// Characters writers often type by accident, with what to write instead.
struct Hint {
    char32_t character;
    const char* instead;
};
constexpr Hint kHints[] = {
    {U'\t', "a space"}, {U'\u2018', "'"},   {U'\u2019', "'"}, {U'\u201C', "\""},
    {U'\u201D', "\""},  {U'\u2013', "-"},   {U'\u2014', "-"}, {U'\u2026', "..."},
};

std::string CodePointName(char32_t c) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "U+%04X", static_cast<unsigned>(c));
    return buffer;
}

// Decodes the UTF-8 sequence at s[*at], moving *at past it. False on a
// malformed, overlong or surrogate sequence.
bool NextCodePoint(std::string_view s, size_t* at, char32_t* out) {
    const auto byte = [&](size_t i) { return static_cast<uint8_t>(s[i]); };
    const uint8_t lead = byte(*at);
    size_t extra;
    char32_t c;
    char32_t least;
    if (lead < 0x80) {
        *out = lead;
        ++*at;
        return true;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        extra = 1, c = lead & 0x1F, least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        extra = 2, c = lead & 0x0F, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        extra = 3, c = lead & 0x07, least = 0x10000;
    } else {
        return false;
    }
    if (*at + extra >= s.size()) return false;
    for (size_t i = 1; i <= extra; ++i) {
        const uint8_t next = byte(*at + i);
        if ((next & 0xC0) != 0x80) return false;
        c = (c << 6) | (next & 0x3F);
    }
    if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
    *at += extra + 1;
    *out = c;
    return true;
}

}  // namespace

bool AppendBookText(std::string_view utf8, std::string* out, std::string* message) {
    size_t at = 0;
    while (at < utf8.size()) {
        char32_t c;
        if (!NextCodePoint(utf8, &at, &c)) {
            *message = "malformed UTF-8";
            return false;
        }
        if (c > 0xFF || !IsBookByte(static_cast<uint8_t>(c))) {
            *message = "character " + CodePointName(c) +
                       " is not in the book's set (ASCII and Latin-1 letters and signs)";
            for (const Hint& hint : kHints)
                if (hint.character == c) *message += std::string("; write ") + hint.instead + " instead";
            return false;
        }
        out->push_back(static_cast<char>(c));
    }
    return true;
}

bool BookTextToUtf8(std::string_view bytes, std::string* out, std::string* message) {
    for (char ch : bytes) {
        const auto b = static_cast<uint8_t>(ch);
        if (!IsBookByte(b)) {
            char buffer[48];
            std::snprintf(buffer, sizeof buffer, "byte 0x%02X is not a book character", b);
            *message = buffer;
            return false;
        }
        if (b < 0x80) {
            out->push_back(ch);
        } else {
            out->push_back(static_cast<char>(0xC0 | (b >> 6)));
            out->push_back(static_cast<char>(0x80 | (b & 0x3F)));
        }
    }
    return true;
}

bool CheckSpacing(std::string_view bytes, bool leadingSpaceAllowed, std::string* message) {
    if (!bytes.empty() && bytes.front() == ' ' && !leadingSpaceAllowed) {
        *message = "the text begins with a space";
        return false;
    }
    if (bytes.find("  ") != std::string_view::npos) {
        *message = "two spaces in a row";
        return false;
    }
    if (!bytes.empty() && bytes.back() == ' ') {
        *message = "trailing space";
        return false;
    }
    return true;
}
