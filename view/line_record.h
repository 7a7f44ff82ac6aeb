// LineRecord: one laid-out line of a TextView. A view's lines form one array
// that ends with a terminator record, all zero.
#pragma once

#include <cstdint>

struct LineRecord {
    // Offset of the line's first byte from the start of the text. On the first
    // line of a hanging paragraph, the start of its first word; on a rule, the
    // offset of its empty text.
    uint16_t textOffset;
    // Characters shown in the line's main part. On the first line of a hanging
    // paragraph, those after the first word and the spaces behind it; 0 on a rule.
    uint16_t length;
    // Left edge of the main part; on a rule, its left end.
    uint16_t x;
    // Width of the hanging area on the first line of a hanging paragraph, whose
    // first word is drawn at x − hang; 0 on every other line.
    uint16_t hang;
    // Measured width of the main part; on a rule, its length.
    uint16_t width;
    // Text metric height of the paragraph's font; a rule takes the height of
    // the font selected before it. A SpacingRow after the line is as high.
    uint16_t height;
    // The paragraph's StyleByte. Bit 7 only on the paragraph's last line, where
    // it means that a SpacingRow follows. 0 marks the terminator.
    uint8_t style;
};
static_assert(sizeof(LineRecord) == 14, "six 16-bit fields and the style byte, padded to 14");

constexpr uint8_t kTerminatorStyle = 0;

constexpr bool IsTerminator(const LineRecord& line) { return line.style == kTerminatorStyle; }
