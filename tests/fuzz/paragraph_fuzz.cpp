// Fuzz target: the paragraph reader on any bytes. The reader that knows the
// buffer's size never reads past it; the reader of decoded texts, given the
// same bytes followed by the decoder's three zero bytes, stays inside them
// and reads exactly the paragraphs the sized reader reads.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "content/paragraph.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

bool Same(const Paragraph& a, const Paragraph& b) {
    return a.style == b.style && a.format == b.format && a.text == b.text &&
           a.textLength == b.textLength && a.offset == b.offset;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Exactly sized heap copies, so that AddressSanitizer sees any overrun.
    char* exact = static_cast<char*>(std::malloc(size + 1));
    std::memcpy(exact, data, size);
    size_t cursor = 0;
    Paragraph p;
    while (NextParagraph(exact, size, &cursor, &p)) {
        Check(p.offset + 2 + p.textLength < size && p.text[p.textLength] == 0);
        Check(p.style != kEndMarker);
    }
    std::free(exact);

    const size_t decodedSize = size + kDecodedTailBytes;
    char* decoded = static_cast<char*>(std::malloc(decodedSize));
    std::memcpy(decoded, data, size);
    std::memset(decoded + size, 0, kDecodedTailBytes);
    size_t sizedCursor = 0;
    size_t walkCursor = 0;
    Paragraph sized;
    Paragraph walked;
    for (;;) {
        const bool more = NextParagraph(decoded, decodedSize, &sizedCursor, &sized);
        Check(more == NextParagraph(decoded, &walkCursor, &walked));
        if (!more) break;
        Check(Same(sized, walked) && sizedCursor == walkCursor);
    }
    std::free(decoded);
    return 0;
}
