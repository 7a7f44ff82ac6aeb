// Host double of the main window's painting and scrolling calls.
#include <map>

#include "platform/host/host_win.h"

namespace {

struct WindowState {
    RECT client = {0, 0, 640, 480};
    HDC dc = nullptr;
    HostScrollBar scrollBar = {};
    HostPaintCounts counts = {};
};

std::map<HWND, WindowState>& Windows() {
    static std::map<HWND, WindowState> windows;
    return windows;
}

bool failGetDC = false;
std::vector<HostDefWindowCall> defWindowCalls;

WindowState& StateOf(HWND window) {
    WindowState& state = Windows()[window];
    if (!state.dc) state.dc = HostCreateDevice();
    return state;
}

}  // namespace

HDC GetDC(HWND window) {
    if (!window || failGetDC) return nullptr;
    WindowState& state = StateOf(window);
    ++state.counts.getDC;
    return state.dc;
}

int ReleaseDC(HWND window, HDC dc) {
    if (!window || !dc) return 0;
    ++StateOf(window).counts.releaseDC;
    return 1;
}

BOOL GetClientRect(HWND window, RECT* rect) {
    if (!window || !rect) return FALSE;
    *rect = StateOf(window).client;
    return TRUE;
}

HDC BeginPaint(HWND window, PAINTSTRUCT* paint) {
    if (!window || !paint) return nullptr;
    WindowState& state = StateOf(window);
    ++state.counts.beginPaint;
    *paint = PAINTSTRUCT{};
    paint->hdc = state.dc;
    paint->rcPaint = state.client;
    return state.dc;
}

BOOL EndPaint(HWND window, const PAINTSTRUCT*) {
    if (!window) return FALSE;
    ++StateOf(window).counts.endPaint;
    return TRUE;
}

int SetScrollInfo(HWND window, int bar, const SCROLLINFO* info, BOOL) {
    if (!window || bar != SB_VERT || !info) return 0;
    HostScrollBar& scrollBar = StateOf(window).scrollBar;
    ++scrollBar.calls;
    if (info->fMask & SIF_RANGE) {
        scrollBar.min = info->nMin;
        scrollBar.max = info->nMax;
    }
    if (info->fMask & SIF_POS) scrollBar.pos = info->nPos;
    return scrollBar.pos;
}

LRESULT DefWindowProcW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    defWindowCalls.push_back({window, message, wParam, lParam});
    return 0;
}

void HostPaintClear() {
    Windows().clear();
    failGetDC = false;
    defWindowCalls.clear();
}

void HostSetClientRect(HWND window, const RECT& rect) { StateOf(window).client = rect; }
void HostFailGetDC(bool fail) { failGetDC = fail; }
HostScrollBar HostScrollBarOf(HWND window) { return StateOf(window).scrollBar; }
HostPaintCounts HostPaintCountsOf(HWND window) { return StateOf(window).counts; }
const std::vector<HostDefWindowCall>& HostDefWindowCalls() { return defWindowCalls; }
