// Widening 8-bit lesson text to UTF-16, and measuring and drawing it through
// the shared buffer.
#include "view/wide_text.h"

#include "platform/heap.h"

WideBuffer SharedWideBuffer = {nullptr, 0};

namespace {

// Copies up to n bytes widened, stopping at a zero byte; returns the number
// copied. `out` has room for n + 1 units.
int Widen(const char* bytes, WCHAR* out, int n) {
    int i = 0;
    if (bytes)
        for (; i < n && bytes[i]; ++i) out[i] = static_cast<WCHAR>(static_cast<uint8_t>(bytes[i]));
    out[i] = 0;
    return i;
}

WCHAR* Storage(WideBuffer* buffer, int n) {
    if (buffer->storage && n <= buffer->capacity) return buffer->storage;
    auto* storage = static_cast<WCHAR*>(HeapBlockAlloc(2 * static_cast<size_t>(n) + 2));
    if (!storage) return nullptr;
    HeapBlockFree(buffer->storage);
    buffer->storage = storage;
    buffer->capacity = n;
    return storage;
}

// Widens into the shared buffer; the count actually widened goes to *length.
WCHAR* WidenShared(const char* bytes, int n, int* length) {
    if (n < 0) n = 0;
    WCHAR* storage = Storage(&SharedWideBuffer, n);
    *length = storage ? Widen(bytes, storage, n) : 0;
    return storage;
}

}  // namespace

WCHAR* WidenText(const char* bytes, WideBuffer* buffer, int n) {
    if (n < 0) n = 0;
    WCHAR* storage = buffer ? Storage(buffer, n)
                            : static_cast<WCHAR*>(HeapBlockAlloc(2 * static_cast<size_t>(n) + 2));
    if (storage) Widen(bytes, storage, n);
    return storage;
}

void MeasureFit(HDC dc, const char* bytes, int* width, int* count) {
    int length = 0;
    WCHAR* wide = WidenShared(bytes, *count, &length);
    int maxExtent = *width < 0 ? 0 : *width;
    int fit = 0;
    SIZE extent{0, 0};
    if (!wide || length == 0 ||
        !GetTextExtentExPointW(dc, wide, length, maxExtent, &fit, nullptr, &extent)) {
        *width = 0;
        *count = 0;
        return;
    }
    // The first call gives the extent of the whole run; unless all of it fit,
    // measure the fitting part alone.
    if (fit <= 0) {
        extent.cx = 0;
        fit = 0;
    } else if (fit < length) {
        int refit = 0;
        GetTextExtentExPointW(dc, wide, fit, maxExtent, &refit, nullptr, &extent);
    }
    *width = extent.cx;
    *count = fit;
}

int DrawTextBox(HDC dc, const char* bytes, int n, int x, int y, int w, int h) {
    int length = 0;
    WCHAR* wide = WidenShared(bytes, n, &length);
    if (!wide) return 0;
    RECT box{x, y, x + w, y + h};
    return DrawTextW(dc, wide, length, &box, kTextBoxFormat);
}

static_assert(kTextBoxFormat == (DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX),
              "a text box is one line centred both ways, without prefix processing");
