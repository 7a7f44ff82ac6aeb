// Fuzz target: the PalmDoc encoder on any text. Its stream must come back to
// the text through the reader's decoder and through a plain decoder, and be
// no longer than the text carried in literal runs.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>

#include "content/decompress.h"
#include "content/palmdoc_encode.h"
#include "platform/heap.h"
#include "tests/fuzz/reference_decoder.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const std::vector<uint8_t> stream = CompressText(std::span<const uint8_t>(data, size));
    Check(stream.size() <= size + (size + 7) / 8);
    const auto reference = ReferenceDecode(stream.data(), stream.size(), size);
    Check(reference.has_value() && std::memcmp(reference->data(), data, size) == 0);
    const DecompressJob job{stream.data(), static_cast<uint32_t>(stream.size()), static_cast<uint32_t>(size)};
    char* text = DecompressText(&job, nullptr);
    Check(text && std::memcmp(text, data, size) == 0);
    HeapBlockFree(text);
    return 0;
}
