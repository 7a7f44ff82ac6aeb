// Changes that lay a TextView out again: a new area size, a new font.
#include "view/layout.h"
#include "view/render.h"
#include "view/text_view.h"

int32_t ResizeTextView(TextView* view, int32_t width, int32_t height) {
    if (!view) return kViewMissing;
    if (width < 1 || height < 1) return kViewBadSize;
    view->width = width;
    view->height = height;
    return LayoutText(view, view->text, kKeepText);
}

int32_t SetViewFont(TextView* view, const FontSettings* fontSettings) {
    if (!view) return kViewMissing;
    if (!fontSettings) {
        for (FontCacheEntry* entry = view->fontCache; entry; entry = entry->next) {
            if (entry->font) DeleteObject(entry->font);
            entry->font = nullptr;
        }
        return 0;
    }
    view->fontSettings = *fontSettings;
    for (FontCacheEntry* entry = view->fontCache; entry; entry = entry->next) {
        if (entry->font) DeleteObject(entry->font);
        entry->font = nullptr;
        CreateStyleFont(view, entry, entry->key);
    }
    if (LayoutText(view, view->text, kKeepText) != kLayoutDone) return 1;
    return RenderView(view, true);
}
