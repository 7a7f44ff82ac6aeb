// PalmDoc decompression: one pass over the compressed bytes into an output
// allocated once at its final size. Every step checks its bounds first, so
// no input can make it read or write outside its two buffers.
#include "content/decompress.h"

#include <cstddef>
#include <cstring>

#include "content/lesson_resource.h"
#include "content/palmdoc.h"
#include "content/paragraph.h"
#include "platform/heap.h"
#include "platform/win.h"

namespace {

// A step may move whole 8-byte words when this much output room is left;
// the bytes it writes past its own end are overwritten by the next steps.
constexpr size_t kWord = 8;
constexpr size_t kFastCopyRoom = 2 * kWord;

inline void CopyWord(uint8_t* to, const uint8_t* from) {
    uint64_t word;
    std::memcpy(&word, from, kWord);
    std::memcpy(to, &word, kWord);
}

// Decodes into out[0, outLength) and returns the number of bytes produced;
// fewer than outLength means the stream ran out or was refused.
size_t DecodeStream(const uint8_t* source, size_t sourceLength, uint8_t* out, size_t outLength) {
    const uint8_t* s = source;
    const uint8_t* const sourceEnd = source + sourceLength;
    uint8_t* o = out;
    uint8_t* const end = out + outLength;

    while (o < end && s < sourceEnd) {
        const unsigned c = *s++;
        const size_t room = static_cast<size_t>(end - o);
        if (c < kCopyFirst) {
            if (c < kLiteralRunFirst || c > kLiteralRunLast) {
                *o++ = static_cast<uint8_t>(c);
                continue;
            }
            const size_t left = static_cast<size_t>(sourceEnd - s);
            if (room >= kWord && left >= kWord) {
                CopyWord(o, s);
                o += c;
                s += c;
                continue;
            }
            // Only the bytes the output still takes must be there.
            const size_t take = c < room ? c : room;
            if (take > left) break;
            std::memcpy(o, s, take);
            o += take;
            s += take;
        } else if (c < kSpacePairFirst) {
            if (s == sourceEnd) break;
            const unsigned v = (c << 8) | *s++;
            const size_t distance = (v >> kCopyDistanceShift) & kCopyDistanceMask;
            size_t count = (v & kCopyCountMask) + kCopyMinCount;
            if (distance == 0 || distance > static_cast<size_t>(o - out)) break;
            const uint8_t* from = o - distance;
            if (distance >= kWord && room >= kFastCopyRoom) {
                // Each word reads only bytes that are already final.
                CopyWord(o, from);
                CopyWord(o + kWord, from + kWord);
                o += count;
                continue;
            }
            if (count > room) count = room;
            if (distance >= count) {
                std::memcpy(o, from, count);
            } else {
                // An overlapping copy repeats the bytes it is producing.
                for (size_t i = 0; i < count; ++i) o[i] = from[i];
            }
            o += count;
        } else {
            *o++ = ' ';
            if (o < end) *o++ = static_cast<uint8_t>(c ^ kSpacePairFlip);
        }
    }
    return static_cast<size_t>(o - out);
}

void SetError(int* error, int code) {
    if (error) *error = code;
}

}  // namespace

char* DecompressText(const DecompressJob* job, int* error) {
    if (!job || !job->source || job->textLength == 0) {
        SetError(error, kLoadNoInput);
        return nullptr;
    }
    const size_t textLength = job->textLength;
    auto* out = static_cast<uint8_t*>(HeapBlockAlloc(textLength + kDecodedTailBytes));
    if (!out) {
        SetError(error, kLoadUnavailable);
        return nullptr;
    }
    if (DecodeStream(job->source, job->sourceLength, out, textLength) != textLength) {
        HeapBlockFree(out);
        MessageBoxW(nullptr, WTXT("UnCompress() buffer error!"), nullptr, MB_OK);
        SetError(error, kLoadBrokenStream);
        return nullptr;
    }
    std::memset(out + textLength, 0, kDecodedTailBytes);
    return reinterpret_cast<char*>(out);
}
