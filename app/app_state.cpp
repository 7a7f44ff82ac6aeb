// The global AppState, the page-step rule and the allocate-or-quit operation.
#include "app/app_state.h"

#include "app/settings.h"
#include "platform/heap.h"

AppState App;

int PageMode(AppFlags flags, AppFlags mask) {
    int shift = mask == AF_KEY_PAGE_MODE ? kKeyPageModeShift : kClickPageModeShift;
    return static_cast<int>((flags & mask) >> shift);
}

int PageStep(int mode, int rowsDrawn) {
    if (mode == 2 || mode == 4) return rowsDrawn / 2;
    return rowsDrawn - 1;
}

void* AllocOrQuit(size_t size) {
    void* block = HeapBlockAlloc(size);
    if (block) return block;
    // Saving may itself run short of memory; tell the user and save only once.
    static bool quitting = false;
    if (quitting) return nullptr;
    quitting = true;
    MessageBoxW(nullptr, WTXT("There is not enough memory, aborting"), WTXT("Error"), MB_ICONERROR);
    SaveSettingsAndQuit();
    quitting = false;
    return nullptr;
}
