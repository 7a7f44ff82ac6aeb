// Fuzz target: the content store's loader and decoder on any bytes. Each
// input is tried as a whole resource (through LoadLesson) and as a raw
// stream (through DecompressText); whatever the decoder returns must equal
// what a plain byte-at-a-time decoder makes of the same bytes, end in three
// zero bytes, and be reached without touching memory outside the buffers.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>

#include "app/app_state.h"
#include "content/decompress.h"
#include "content/lesson_resource.h"
#include "content/paragraph.h"
#include "platform/heap.h"
#include "platform/win.h"
#include "tests/fuzz/reference_decoder.h"

// The harness links the content store and the host double, not the whole
// application, so it supplies the one global the loader reads.
AppState App;

namespace {

constexpr WORD kFuzzResourceId = 1001;

void Check(bool condition) {
    if (!condition) std::abort();
}

// Compares a decoder result with the reference decoding of the same job.
void CheckAgainstReference(const char* text, const uint8_t* source, size_t sourceLength,
                           size_t textLength) {
    const auto expected = ReferenceDecode(source, sourceLength, textLength);
    Check(expected.has_value() == (text != nullptr));
    if (!text) return;
    Check(std::memcmp(text, expected->data(), textLength) == 0);
    for (size_t i = 0; i < kDecodedTailBytes; ++i) Check(text[textLength + i] == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    HostUserClear();

    // As a raw job: the first two bytes give the text length.
    if (size >= 2) {
        const uint32_t textLength = static_cast<uint32_t>(data[0] | data[1] << 8);
        auto* source = static_cast<uint8_t*>(std::malloc(size - 2 + 1));  // exact copy for ASan
        std::memcpy(source, data + 2, size - 2);
        const DecompressJob job{source, static_cast<uint32_t>(size - 2), textLength};
        int error = 0;
        char* text = DecompressText(&job, &error);
        if (textLength == 0) Check(!text && error == kLoadNoInput);
        else CheckAgainstReference(text, source, size - 2, textLength);
        HeapBlockFree(text);
        std::free(source);
    }

    // As a whole resource, header included.
    HostResourceSet(kFuzzResourceId, std::span<const BYTE>(data, size));
    int error = 0;
    char* text = LoadLesson(kFuzzResourceId - kLessonResourceBase, &error);
    if (size >= kResourceHeaderBytes + kPayloadMinBytes) {
        // The same fields the loader reads, cut to the bytes that are there.
        size_t payload = ReadWordBE(data);
        if (payload > size - kResourceHeaderBytes) payload = size - kResourceHeaderBytes;
        const uint8_t* p = data + kResourceHeaderBytes;
        size_t compressed = ReadWordBE(p + kCompressedLengthAt);
        if (payload >= kPayloadMinBytes && compressed != 0 && ReadWordBE(p + kTextLengthAt) != 0) {
            if (compressed > payload - kPayloadSizeBlockBytes) compressed = payload - kPayloadSizeBlockBytes;
            CheckAgainstReference(text, p + kPayloadSizeBlockBytes, compressed, ReadWordBE(p + kTextLengthAt));
        } else {
            Check(!text);
        }
    } else {
        Check(!text);
    }
    HeapBlockFree(text);
    Check(HostHeapLiveBlocks() == 0);
    return 0;
}
