// Creating and releasing a TextView.
#include "view/text_view.h"

#include <cstring>

#include "platform/heap.h"

TextView* CreateTextView(HDC dc, const RECT* area, const FontSettings* fontSettings, int initialLines) {
    if (!dc) return nullptr;
    auto* view = static_cast<TextView*>(HeapBlockAlloc(sizeof(TextView)));
    if (!view) return nullptr;
    std::memset(view, 0, sizeof(TextView));
    view->dc = dc;
    if (fontSettings) view->fontSettings = *fontSettings;
    if (area) {
        view->left = area->left;
        view->top = area->top;
        view->width = area->right - area->left;
        view->height = area->bottom - area->top;
    }
    if (initialLines > 0 && initialLines <= kMaxLineCapacity) {
        size_t bytes = (static_cast<size_t>(initialLines) + 1) * sizeof(LineRecord);
        view->lines = static_cast<LineRecord*>(HeapBlockAlloc(bytes));
        if (view->lines) {
            view->lines[0] = LineRecord{};
            view->lineCapacity = static_cast<uint16_t>(initialLines);
        }
    }
    return view;
}

void ReleaseTextView(TextView* view, bool freeRecord) {
    if (!view) return;
    HeapBlockFree(view->text);
    view->text = nullptr;
    HeapBlockFree(view->lines);
    view->lines = nullptr;
    view->lineCapacity = 0;
    view->lineCount = 0;
    view->startLine = nullptr;
    view->stopLine = nullptr;
    for (FontCacheEntry* entry = view->fontCache; entry;) {
        FontCacheEntry* next = entry->next;
        if (entry->font) DeleteObject(entry->font);
        HeapBlockFree(entry);
        entry = next;
    }
    view->fontCache = nullptr;
    if (freeRecord) HeapBlockFree(view);
}
