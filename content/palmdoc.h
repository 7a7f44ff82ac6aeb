// The PalmDoc compression scheme's byte codes, shared by the decoder and the
// encoder so that both read the same table of control bytes.
//
// A stream is a run of steps, each opened by a control byte c:
//   0x00, 0x09..0x7F  the byte c itself
//   0x01..0x08        c literal bytes follow
//   0x80..0xBF        with the next byte n: copy (v & 7) + 3 bytes from
//                     ((v >> 3) & 0x7FF) bytes back, v = c * 256 + n; the
//                     copy may overlap the bytes it produces
//   0xC0..0xFF        a space followed by c ^ 0x80 (0x40..0x7F)
#pragma once

#include <cstdint>

constexpr uint8_t kLiteralRunFirst = 0x01;
constexpr uint8_t kLiteralRunLast = 0x08;
constexpr uint8_t kSelfByteFirst = 0x09;   // 0x09..0x7F, and 0x00, stand for themselves
constexpr uint8_t kSelfByteLast = 0x7F;
constexpr uint8_t kCopyFirst = 0x80;
constexpr uint8_t kCopyLast = 0xBF;
constexpr uint8_t kSpacePairFirst = 0xC0;
constexpr uint8_t kSpacePairFlip = 0x80;   // c ^ 0x80 is the byte after the space
constexpr uint8_t kSpacePairNextFirst = 0x40;
constexpr uint8_t kSpacePairNextLast = 0x7F;

constexpr int kCopyDistanceShift = 3;
constexpr unsigned kCopyDistanceMask = 0x7FF;
constexpr unsigned kCopyCountMask = 0x7;
constexpr int kCopyMinCount = 3;
constexpr int kCopyMaxCount = kCopyMinCount + static_cast<int>(kCopyCountMask);  // 10
constexpr int kCopyMaxDistance = static_cast<int>(kCopyDistanceMask);          // 2047
constexpr int kLiteralRunMax = kLiteralRunLast;                                // 8

// True when byte b can be written as its own control byte.
constexpr bool IsSelfByte(uint8_t b) {
    return b == 0 || (b >= kSelfByteFirst && b <= kSelfByteLast);
}

// True when a space followed by b can be written as one space-pair byte.
constexpr bool IsSpacePairNext(uint8_t b) {
    return b >= kSpacePairNextFirst && b <= kSpacePairNextLast;
}

// The two bytes of a copy of `count` (3..10) bytes from `distance` (1..2047)
// bytes back.
constexpr uint16_t CopyCode(int distance, int count) {
    return static_cast<uint16_t>((kCopyFirst << 8) |
                                 (static_cast<unsigned>(distance) << kCopyDistanceShift) |
                                 static_cast<unsigned>(count - kCopyMinCount));
}

static_assert(CopyCode(kCopyMaxDistance, kCopyMaxCount) == 0xBFFF);
static_assert(CopyCode(1, kCopyMinCount) == 0x8008);
