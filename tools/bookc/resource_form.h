// Writing the LessonResource form: header, compressed text, trailer.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "content/lesson_number.h"

// The largest text and compressed stream a resource can describe: the text
// length is one 16-bit word, and so is the payload length (4 + compressed + 4).
constexpr size_t kMaxTextLength = 0xFFFF;
constexpr size_t kMaxCompressedLength = 0xFFFF - 8;

// The number lesson n's resource carries in both record range fields: the
// values 1..7 and 31..162, one per lesson, never the lesson's own number.
constexpr uint16_t LessonRecordNumber(int lesson) {
    constexpr int kLowValues = 7;      // 1..7
    constexpr int kHighFirst = 31;     // 31..162
    const int k = lesson % kLessonCount;
    return static_cast<uint16_t>(k < kLowValues ? k + 1 : kHighFirst + (k - kLowValues));
}

// A LessonResource holding `text`, compressed, with the record range fields
// set to `recordStart` and `recordEnd`. False when the text or its
// compressed form is too long for the header's words.
bool MakeLessonResource(std::span<const uint8_t> text, uint16_t recordStart, uint16_t recordEnd,
                        std::vector<uint8_t>* resource);
