// The lesson view's place in the main window: its creation with the current
// lesson, its size, painting, the scroll bar, and the keys, scroll bar, wheel
// and clicks that scroll it. Every operation does nothing while there is no
// view (App.View null) beyond what its contract says.
#pragma once

#include <cstdint>

#include "platform/win.h"
#include "view/text_view.h"

// Paint flags: draw the view; fill the area below the toolbar with white and
// draw with erasing first.
constexpr unsigned kPaintView = 0x1;
constexpr unsigned kPaintFill = 0x100;
constexpr unsigned kPaintOnMessage = 0xFF;   // WM_PAINT: draw only
constexpr unsigned kPaintRefresh = 0x1FF;    // a new lesson or a search: fill and draw

// Creates App.View on the window's device context (kept for the whole run)
// and opens App.Lesson at row App.LastPosition: 0 when the lesson was opened.
// Without a view, 1 and no message; when the lesson cannot be loaded,
// "Resource not found" (owned by the window) and 2, the view staying empty.
int CreateMainView(HWND window);

// The text area at creation from the client rectangle, the toolbar's outer
// height (0 without one) and the gutter: the top moves down by
// toolbarHeight - 1 (with a toolbar), then by g with the bottom up by 2g when
// taller than 2g, and the left right by g with the right left by 2g when
// wider than 2g.
RECT InitialTextArea(RECT client, int toolbarHeight, int gutter);

// Sets the vertical scroll bar's range (0..maxTopRow) and position (topRow)
// when the option word asks for a scroll bar and there is a view.
void UpdateScrollBar(HWND window);

// WM_SIZE: recomputes ViewWidth/ViewHeight (always), the toolbar's width and
// the view's size (`size` as WM_SIZE's lParam: width low, height high).
void ResizeMainView(HWND window, LPARAM size);

// Fills (kPaintFill) and draws (kPaintView) on `dc`, or on BeginPaint's
// context when `dc` is null.
void PaintMainWindow(HDC dc, HWND window, unsigned flags);

// PaintMainWindow on the window's own context (null window: App.MainWindow),
// then UpdateScrollBar.
void RefreshMainWindow(HWND window, unsigned flags);

// WM_KEYDOWN: 0 for Enter, Page Up/Down, End, Home and the arrows, which it
// handles; 1 for every other key, which it ignores.
int HandleKey(HWND window, WPARAM key);

// WM_VSCROLL: scrolls by the rows the code asks for, always passes the
// message to DefWindowProcW; 1.
int HandleScrollBar(HWND window, WPARAM wParam, LPARAM lParam);

// WM_MOUSEWHEEL: -(delta / 120) rows, toward zero, parts of a notch dropped; 0.
int HandleWheel(HWND window, WPARAM wParam);

// A left click at (x, y): scrolls by a page step back (upper or left half) or
// forward, when the option word allows it and the point is in the text area
// widened by the gutter. 1 when it scrolled.
int ClickScroll(HWND window, TextView* view, int x, int y);

// The view's area widened by the gutter on every side, bounds inclusive.
bool InTextArea(const TextView* view, int x, int y);

// Rows a WM_VSCROLL code asks for (0 for codes that ask nothing).
int ScrollBarRows(const TextView* view, int code, int position);
