// The LessonResource writer, and a check of the record numbers' rule.
#include "tools/bookc/resource_form.h"

#include "content/lesson_resource.h"
#include "content/palmdoc_encode.h"

namespace {

constexpr bool RecordNumbersFollowTheRule() {
    bool used[256] = {};
    for (int n = kFirstLesson; n <= kLastLesson; ++n) {
        const int v = LessonRecordNumber(n);
        if (v == n || used[v] || !((v >= 1 && v <= 7) || (v >= 31 && v <= 162))) return false;
        used[v] = true;
    }
    return true;
}
static_assert(RecordNumbersFollowTheRule());

void AppendWordBE(std::vector<uint8_t>* out, size_t value) {
    out->push_back(static_cast<uint8_t>(value >> 8));
    out->push_back(static_cast<uint8_t>(value & 0xFF));
}

}  // namespace

bool MakeLessonResource(std::span<const uint8_t> text, uint16_t recordStart, uint16_t recordEnd,
                        std::vector<uint8_t>* resource) {
    if (text.empty() || text.size() > kMaxTextLength) return false;
    const std::vector<uint8_t> compressed = CompressText(text);
    if (compressed.size() > kMaxCompressedLength) return false;
    resource->clear();
    AppendWordBE(resource, kPayloadSizeBlockBytes + compressed.size() + kResourceTrailerBytes);
    AppendWordBE(resource, recordStart);
    AppendWordBE(resource, recordEnd);
    AppendWordBE(resource, compressed.size());
    AppendWordBE(resource, text.size());
    resource->insert(resource->end(), compressed.begin(), compressed.end());
    resource->insert(resource->end(), kResourceTrailerBytes, 0);
    return true;
}
