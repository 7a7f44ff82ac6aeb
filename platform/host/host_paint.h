// Host double of the window calls that painting and scrolling the main
// window make: a device context per window (a recording GDI device), a
// settable client rectangle, BeginPaint/EndPaint, the scroll bar's range and
// position, and DefWindowProcW, which records what it was given.
//
// HostResetAll does not reach this double; tests that use it call
// HostPaintClear (after HostGdiClear, whose devices it hands out).
#pragma once

#include <vector>

#include "platform/host/host_types.h"

#define WM_CREATE 0x0001
#define WM_DESTROY 0x0002
#define WM_SIZE 0x0005
#define WM_PAINT 0x000F
#define WM_CLOSE 0x0010
#define WM_KEYDOWN 0x0100
#define WM_COMMAND 0x0111
#define WM_VSCROLL 0x0115
#define WM_LBUTTONDOWN 0x0201
#define WM_MOUSEWHEEL 0x020A
#define WM_HELP 0x0053

#define SB_VERT 1
#define SB_LINEUP 0
#define SB_LINEDOWN 1
#define SB_PAGEUP 2
#define SB_PAGEDOWN 3
#define SB_THUMBPOSITION 4
#define SB_THUMBTRACK 5
#define SB_TOP 6
#define SB_BOTTOM 7
#define SB_ENDSCROLL 8
#define SIF_RANGE 0x0001
#define SIF_PAGE 0x0002
#define SIF_POS 0x0004

#define VK_RETURN 0x0D
#define VK_PRIOR 0x21
#define VK_NEXT 0x22
#define VK_END 0x23
#define VK_HOME 0x24
#define VK_LEFT 0x25
#define VK_UP 0x26
#define VK_RIGHT 0x27
#define VK_DOWN 0x28

#define GET_WHEEL_DELTA_WPARAM(w) ((short)HIWORD(w))

struct SCROLLINFO {
    UINT cbSize;
    UINT fMask;
    int nMin;
    int nMax;
    UINT nPage;
    int nPos;
    int nTrackPos;
};

struct PAINTSTRUCT {
    HDC hdc;
    BOOL fErase;
    RECT rcPaint;
    BOOL fRestore;
    BOOL fIncUpdate;
    BYTE rgbReserved[32];
};

// --- Windows calls -----------------------------------------------------------
// The window's device (the same one on every call), or null for no window.
HDC GetDC(HWND window);
int ReleaseDC(HWND window, HDC dc);
BOOL GetClientRect(HWND window, RECT* rect);
HDC BeginPaint(HWND window, PAINTSTRUCT* paint);
BOOL EndPaint(HWND window, const PAINTSTRUCT* paint);
int SetScrollInfo(HWND window, int bar, const SCROLLINFO* info, BOOL redraw);
LRESULT DefWindowProcW(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// --- Test control ------------------------------------------------------------
void HostPaintClear();
void HostSetClientRect(HWND window, const RECT& rect);
// GetDC answers null while set.
void HostFailGetDC(bool fail);

struct HostScrollBar {
    int calls;  // SetScrollInfo calls
    int min, max, pos;
};
HostScrollBar HostScrollBarOf(HWND window);

struct HostPaintCounts {
    int getDC, releaseDC, beginPaint, endPaint;
};
HostPaintCounts HostPaintCountsOf(HWND window);

struct HostDefWindowCall {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};
const std::vector<HostDefWindowCall>& HostDefWindowCalls();
