// The font cache of a TextView: one font per style key, and the text colour
// of a style.
#include "view/style_font.h"

#include "platform/heap.h"
#include "view/text_view.h"

namespace {

constexpr LONG kWeightNormal = 400;
constexpr LONG kWeightBold = 700;

int StylePoints(int size, unsigned key) {
    if (key & kStyleLarge) return size ? size * 5 / 4 : kLargeDefaultPoints;
    if (key & kStyleSmall) return size ? size * 6 / 8 : kSmallDefaultPoints;
    if (key & kStyleKeyHeaderFont) return kHeaderFontPoints;
    return size;
}

FontCacheEntry* FindEntry(TextView* view, unsigned key) {
    for (FontCacheEntry* entry = view->fontCache; entry; entry = entry->next)
        if (entry->key == key) return entry;
    return nullptr;
}

}  // namespace

void CreateStyleFont(TextView* view, FontCacheEntry* entry, unsigned key) {
    if (!view || !entry) return;
    LOGFONTW font{};
    int points = StylePoints(view->fontSettings.pointSize, key);
    font.lfHeight = -MulDiv(points, GetDeviceCaps(view->dc, LOGPIXELSY), kPointsPerInch);
    font.lfWeight = (key & kStyleBold) ? kWeightBold : kWeightNormal;
    // The settings come from the registry; never trust their terminator.
    for (int i = 0; i < LF_FACESIZE - 1 && view->fontSettings.faceName[i]; ++i)
        font.lfFaceName[i] = view->fontSettings.faceName[i];
    entry->font = CreateFontIndirectW(&font);
}

HFONT SelectStyleFont(TextView* view, unsigned request) {
    if (!view) return nullptr;
    unsigned key = request & kStyleKeyMask;
    if (request & kStyleRequestColour) SetTextColor(view->dc, StyleTextColour(key));
    // One entry per key: an entry whose font was released gets a new font
    // rather than a second entry, so the cache never grows past the keys used.
    FontCacheEntry* entry = FindEntry(view, key);
    if (!entry) {
        entry = static_cast<FontCacheEntry*>(HeapBlockAlloc(sizeof(FontCacheEntry)));
        if (!entry) return nullptr;
        *entry = FontCacheEntry{view->fontCache, static_cast<uint16_t>(key), nullptr};
        view->fontCache = entry;
    }
    if (!entry->font) CreateStyleFont(view, entry, key);
    if (!entry->font) return nullptr;
    return static_cast<HFONT>(SelectObject(view->dc, entry->font));
}
