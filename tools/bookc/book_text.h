// The book's characters: UTF-8 in the source, one byte each in the book
// (ASCII 0x20..0x7E and Latin-1 0xA0..0xFF), and the spacing rules of its text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

constexpr bool IsBookByte(uint8_t b) { return (b >= 0x20 && b <= 0x7E) || b >= 0xA0; }

// Converts one source line to book bytes, appending them to *out. False, with
// *message, on malformed UTF-8 or a character outside the book's set.
bool AppendBookText(std::string_view utf8, std::string* out, std::string* message);

// The UTF-8 form of book bytes. False, with *message, when a byte is not a
// book character (such text has no source form).
bool BookTextToUtf8(std::string_view bytes, std::string* out, std::string* message);

// Checks one line of book text for the spacing rules: no space at its start
// (unless `leadingSpaceAllowed`), none at its end, never two in a row. False,
// with *message, on the first fault.
bool CheckSpacing(std::string_view bytes, bool leadingSpaceAllowed, std::string* message);
