// The paragraph encoding of lesson text, and the one small reader of it that
// layout, search, plain text and the index all use.
//
// A Lesson is a run of Paragraphs closed by an EndMarker. A Paragraph is a
// StyleByte (never 0), a FormatByte, text bytes 0x01..0xFF and a NUL. The
// EndMarker is a StyleByte of 0; readers stop there and read nothing after it.
#pragma once

#include <cstddef>
#include <cstdint>

// --- StyleByte ---------------------------------------------------------------
constexpr uint8_t kStyleFontBits = 0x1F;   // FontStyleBits: the font style part
constexpr uint8_t kStylePlain = 0x01;      // ordinary text; no effect on the font
constexpr uint8_t kStyleSmall = 0x02;      // 3/4 of the point size
constexpr uint8_t kStyleLarge = 0x04;      // 5/4 of the point size; wins over small
constexpr uint8_t kStyleBold = 0x08;
constexpr uint8_t kStyleMark = 0x10;       // no effect on the font; a distinct style
constexpr uint8_t kStyleRuleBits = 0x07;   // all three set: a RuleParagraph
constexpr uint8_t kStyleAlignMask = 0x60;
constexpr uint8_t kAlignLeft = 0x00;
constexpr uint8_t kAlignRight = 0x20;
constexpr uint8_t kAlignCentre = 0x40;
constexpr uint8_t kAlignLeftToo = 0x60;    // shown as left
constexpr uint8_t kStyleSpacing = 0x80;    // a SpacingRow follows the paragraph
constexpr uint8_t kEndMarker = 0x00;

// Styles the book uses by name.
constexpr uint8_t kStyleBody = 0x81;       // plain, left, spacing
constexpr uint8_t kStyleDateLine = 0xC1;   // plain, centred, spacing
constexpr uint8_t kStyleHeading = 0xCC;    // large, bold (blue), centred, spacing
constexpr uint8_t kStyleRule = 0xC7;       // rule, centred, spacing
constexpr uint8_t kStyleSignature = 0x29;  // bold, right-aligned, no spacing

// --- FormatByte --------------------------------------------------------------
constexpr uint8_t kFormatIndentMask = 0x3F;   // 0..63 device units
constexpr uint8_t kFormatHangingMask = 0xC0;  // HangingLevel 0..3
constexpr int kFormatHangingShift = 6;
// Rule lengths: 1..160 device units; 161..255 are (v - 160) * 2 percent.
constexpr uint8_t kRuleMaxUnits = 160;
constexpr uint8_t kRuleDefaultLength = 172;   // 24 percent

constexpr bool IsRule(uint8_t style) { return (style & kStyleRuleBits) == kStyleRuleBits; }
constexpr uint8_t Alignment(uint8_t style) { return style & kStyleAlignMask; }
constexpr bool HasSpacing(uint8_t style) { return (style & kStyleSpacing) != 0; }
constexpr uint8_t FontStyleBits(uint8_t style) { return style & kStyleFontBits; }
constexpr bool IsHeadingBlue(uint8_t style) {
    return (style & (kStyleLarge | kStyleBold)) == (kStyleLarge | kStyleBold);
}
constexpr int HangingLevel(uint8_t format) { return (format & kFormatHangingMask) >> kFormatHangingShift; }
constexpr int Indent(uint8_t format) { return format & kFormatIndentMask; }

// Length in device units of a rule with this FormatByte across an area of
// `width` units: 0 = no rule; never longer than the width.
constexpr int RuleLength(uint8_t format, int width) {
    int length = format <= kRuleMaxUnits ? format : (format - kRuleMaxUnits) * width * 2 / 100;
    return length > width ? width : length;
}

// One paragraph read in place. `text` points into the lesson; `textLength`
// bytes precede its NUL; `offset` is where its StyleByte stands.
struct Paragraph {
    uint8_t style;
    uint8_t format;
    const char* text;
    size_t textLength;
    size_t offset;
};

// Reads the paragraph at `*cursor` of `lesson` (a buffer of `size` bytes) and
// moves the cursor past its NUL. Returns false, leaving the cursor, at the
// EndMarker, at the end of the buffer, or when the paragraph's NUL is missing
// before `size`: a reader never looks past the buffer.
bool NextParagraph(const char* lesson, size_t size, size_t* cursor, Paragraph* paragraph);

// The same for a decoded lesson whose size the reader does not know. The
// decoder ends every text with three zero bytes (the text's NUL and two
// more), which keeps this walk inside the buffer even when the text is
// damaged: a StyleByte at the text's NUL stops it, and a paragraph cut off by
// the end of the text reads as empty and ends on a zero.
constexpr size_t kDecodedTailBytes = 3;
bool NextParagraph(const char* lesson, size_t* cursor, Paragraph* paragraph);
