// Host double of the window placement calls: one settable window, a metrics
// table and recorded moves and show commands.
#include <map>

#include "platform/host/host_win.h"

namespace {

constexpr RECT kStartRect = {100, 80, 740, 560};

struct WindowDouble {
    RECT rect = kStartRect;
    WINDOWPLACEMENT placement = {sizeof(WINDOWPLACEMENT), 0, SW_SHOWNORMAL, {-1, -1}, {-1, -1}, kStartRect};
    bool visible = false;
    bool failQueries = false;
    std::map<int, int> metrics;
    std::vector<HostMoveWindowCall> moves;
    std::vector<HostShowWindowCall> shows;
};

WindowDouble& Window() {
    static WindowDouble window;
    return window;
}

std::map<int, int> StartMetrics() {
    return {{SM_CXSCREEN, 1920},       {SM_CYSCREEN, 1080},       {SM_CXFRAME, 4},
            {SM_CYFRAME, 4},           {SM_XVIRTUALSCREEN, 0},    {SM_YVIRTUALSCREEN, 0},
            {SM_CXVIRTUALSCREEN, 1920}, {SM_CYVIRTUALSCREEN, 1080}};
}

}  // namespace

BOOL GetWindowPlacement(HWND window, WINDOWPLACEMENT* placement) {
    if (!window || !placement || placement->length != sizeof(WINDOWPLACEMENT) || Window().failQueries)
        return FALSE;
    *placement = Window().placement;
    placement->length = sizeof(WINDOWPLACEMENT);
    return TRUE;
}

BOOL GetWindowRect(HWND window, RECT* rect) {
    if (!window || !rect || Window().failQueries) return FALSE;
    *rect = Window().rect;
    return TRUE;
}

int GetSystemMetrics(int index) {
    if (Window().metrics.empty()) Window().metrics = StartMetrics();
    auto found = Window().metrics.find(index);
    return found == Window().metrics.end() ? 0 : found->second;
}

BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint) {
    if (!window) return FALSE;
    Window().moves.push_back({window, x, y, width, height, repaint});
    RECT moved = {x, y, x + width, y + height};
    Window().rect = moved;
    Window().placement.rcNormalPosition = moved;
    return TRUE;
}

BOOL ShowWindow(HWND window, int command) {
    if (!window) return FALSE;
    Window().shows.push_back({window, command});
    BOOL wasVisible = Window().visible ? TRUE : FALSE;
    Window().visible = command != SW_HIDE;
    Window().placement.showCmd = static_cast<UINT>(command);
    return wasVisible;
}

void HostWindowClear() { Window() = WindowDouble{}; }
void HostWindowSetRect(const RECT& rect) { Window().rect = rect; }
void HostWindowSetPlacement(const WINDOWPLACEMENT& placement) { Window().placement = placement; }

void HostSystemMetricSet(int index, int value) {
    if (Window().metrics.empty()) Window().metrics = StartMetrics();
    Window().metrics[index] = value;
}

void HostWindowFailQueries(bool fail) { Window().failQueries = fail; }
const std::vector<HostMoveWindowCall>& HostMoveWindowCalls() { return Window().moves; }
const std::vector<HostShowWindowCall>& HostShowWindowCalls() { return Window().shows; }
