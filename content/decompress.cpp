// PalmDoc decompression: one pass over the compressed bytes into an output
// allocated once at its final size. No input makes it read or write outside
// its two buffers: far from their ends no step can reach them, and near
// their ends every step checks what it reads and cuts what it writes.
#include "content/decompress.h"

#include <cstddef>
#include <cstring>

#include "content/lesson_resource.h"
#include "content/palmdoc.h"
#include "content/paragraph.h"
#include "platform/heap.h"
#include "platform/win.h"

namespace {

constexpr size_t kWord = 8;

inline void CopyWord(uint8_t* to, const uint8_t* from) {
    uint64_t word;
    std::memcpy(&word, from, kWord);
    std::memcpy(to, &word, kWord);
}

// A step produces at most 10 bytes and reads at most 9. While at least this
// much room is left on both sides, no step needs its bounds checked.
constexpr size_t kFastOutputRoom = 2 * kWord;
constexpr size_t kFastSourceLeft = 1 + kWord;
static_assert(kFastOutputRoom >= static_cast<size_t>(kCopyMaxCount) && kFastSourceLeft >= 1 + kLiteralRunMax);

// Copies `count` bytes from `distance` back: in one move when the source
// ends before the copy starts, else byte by byte, so that an overlapping
// copy repeats the bytes it is producing.
inline void CopyShort(uint8_t* o, const uint8_t* from, size_t distance, size_t count) {
    if (distance >= count) {
        std::memcpy(o, from, count);
    } else {
        for (size_t i = 0; i < count; ++i) o[i] = from[i];
    }
}

// Copies `count` bytes from `distance` back, as a byte-at-a-time forward
// copy would: whole words when the source is at least a word behind, since
// each word then reads only bytes that are already final.
inline void CopyBack(uint8_t* o, size_t distance, size_t count) {
    const uint8_t* from = o - distance;
    if (distance >= kWord) {
        CopyWord(o, from);
        CopyWord(o + kWord, from + kWord);
    } else {
        CopyShort(o, from, distance, count);
    }
}

// Decodes into out[0, outLength) and returns the number of bytes produced;
// fewer than outLength means the stream ran out or was refused.
size_t DecodeStream(const uint8_t* source, size_t sourceLength, uint8_t* out, size_t outLength) {
    const uint8_t* s = source;
    const uint8_t* const sourceEnd = source + sourceLength;
    uint8_t* o = out;
    uint8_t* const end = out + outLength;

    // Far from both ends: only a copy's distance needs checking. Bytes a
    // step writes past its own end are overwritten by the steps after it.
    while (static_cast<size_t>(end - o) >= kFastOutputRoom &&
           static_cast<size_t>(sourceEnd - s) >= kFastSourceLeft) {
        const unsigned c = *s++;
        if (c >= kCopyFirst && c < kSpacePairFirst) {
            const unsigned v = (c << 8) | *s++;
            const size_t distance = (v >> kCopyDistanceShift) & kCopyDistanceMask;
            const size_t count = (v & kCopyCountMask) + kCopyMinCount;
            if (distance == 0 || distance > static_cast<size_t>(o - out)) return static_cast<size_t>(o - out);
            CopyBack(o, distance, count);
            o += count;
        } else if (c >= kLiteralRunFirst && c <= kLiteralRunLast) {
            CopyWord(o, s);
            o += c;
            s += c;
        } else {
            // A byte standing for itself, or a space pair, without a branch
            // between them: the second byte is written either way and kept
            // only for a pair.
            const bool pair = c >= kSpacePairFirst;
            o[0] = pair ? ' ' : static_cast<uint8_t>(c);
            o[1] = static_cast<uint8_t>(c ^ kSpacePairFlip);
            o += 1 + pair;
        }
    }

    // Near an end: every step is cut at the text length, and must find the
    // compressed bytes it still needs.
    while (o < end && s < sourceEnd) {
        const unsigned c = *s++;
        const size_t room = static_cast<size_t>(end - o);
        if (c < kCopyFirst) {
            if (c < kLiteralRunFirst || c > kLiteralRunLast) {
                *o++ = static_cast<uint8_t>(c);
                continue;
            }
            // Only the bytes the output still takes must be there.
            const size_t take = c < room ? c : room;
            if (take > static_cast<size_t>(sourceEnd - s)) break;
            std::memcpy(o, s, take);
            o += take;
            s += take;
        } else if (c < kSpacePairFirst) {
            if (s == sourceEnd) break;
            const unsigned v = (c << 8) | *s++;
            const size_t distance = (v >> kCopyDistanceShift) & kCopyDistanceMask;
            size_t count = (v & kCopyCountMask) + kCopyMinCount;
            if (distance == 0 || distance > static_cast<size_t>(o - out)) break;
            if (count > room) count = room;
            CopyShort(o, o - distance, distance, count);
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
