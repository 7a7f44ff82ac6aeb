// The paragraph reader.
#include "content/paragraph.h"

#include <cstring>

bool NextParagraph(const char* lesson, size_t size, size_t* cursor, Paragraph* paragraph) {
    size_t at = *cursor;
    // A StyleByte and a FormatByte must both fit; the text's NUL must too.
    if (!lesson || at >= size) return false;
    uint8_t style = static_cast<uint8_t>(lesson[at]);
    if (style == kEndMarker || at + 2 >= size) return false;
    const char* text = lesson + at + 2;
    const void* nul = std::memchr(text, 0, size - at - 2);
    if (!nul) return false;
    size_t length = static_cast<size_t>(static_cast<const char*>(nul) - text);
    *paragraph = Paragraph{style, static_cast<uint8_t>(lesson[at + 1]), text, length, at};
    *cursor = at + 2 + length + 1;
    return true;
}

bool NextParagraph(const char* lesson, size_t* cursor, Paragraph* paragraph) {
    if (!lesson) return false;
    size_t at = *cursor;
    uint8_t style = static_cast<uint8_t>(lesson[at]);
    if (style == kEndMarker) return false;
    const char* text = lesson + at + 2;
    size_t length = std::strlen(text);
    *paragraph = Paragraph{style, static_cast<uint8_t>(lesson[at + 1]), text, length, at};
    *cursor = at + 2 + length + 1;
    return true;
}
