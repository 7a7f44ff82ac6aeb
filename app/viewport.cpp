// The lesson view in the main window: creation, size, painting, scroll bar
// and scrolling input.
#include "app/viewport.h"

#include "app/app_state.h"
#include "app/navigation.h"
#include "content/lesson_resource.h"
#include "view/layout.h"
#include "view/render.h"
#include "view/scroll.h"
#include "view/search.h"

namespace {

constexpr int kInitialViewLines = 100;
constexpr int kWheelNotch = 120;

int ToolbarHeight() {
    if (!App.Toolbar) return 0;
    RECT rect;
    if (!GetWindowRect(App.Toolbar, &rect)) return 0;
    return rect.bottom - rect.top;
}

// Every scroll of this input goes the same way: clamped at the end, drawn,
// then the scroll bar follows.
void ScrollBy(HWND window, int rows) {
    ScrollView(App.View, rows, true, true);
    UpdateScrollBar(window);
}

// The gutter as a wide number, so 2g never overflows whatever was stored.
long long Gutter() { return App.SurroundingGutter; }

}  // namespace

RECT InitialTextArea(RECT client, int toolbarHeight, int gutter) {
    RECT area = client;
    long long g = gutter;
    if (toolbarHeight > 0) area.top += toolbarHeight - 1;
    if (area.bottom - area.top > 2 * g) {
        area.top += gutter;
        area.bottom -= 2 * gutter;
    }
    if (area.right - area.left > 2 * g) {
        area.left += gutter;
        area.right -= 2 * gutter;
    }
    return area;
}

int CreateMainView(HWND window) {
    HDC dc = GetDC(window);
    RECT client = {};
    GetClientRect(window, &client);
    RECT area = InitialTextArea(client, ToolbarHeight(), App.SurroundingGutter);
    App.View = CreateTextView(dc, &area, &App.Font, kInitialViewLines);
    if (!App.View) {
        if (dc) ReleaseDC(window, dc);
        return 1;
    }
    char* text = LoadLesson(App.Lesson, nullptr);
    if (!text) {
        MessageBoxW(window, WTXT("Resource not found"), WTXT("Error"), MB_ICONWARNING);
        return 2;
    }
    LayoutText(App.View, text, kReplaceText);
    App.View->topRow = App.LastPosition;
    UpdateScrollBar(window);
    return 0;
}

void UpdateScrollBar(HWND window) {
    if (!App.View || !(App.Flags & (AF_SCROLLBAR | AF_SCROLLBAR_LEFT))) return;
    SCROLLINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_POS;
    info.nMin = 0;
    info.nMax = App.View->maxTopRow;
    info.nPos = App.View->topRow;
    SetScrollInfo(window, SB_VERT, &info, TRUE);
}

void ResizeMainView(HWND window, LPARAM size) {
    long long g = Gutter();
    long long width = LOWORD(size);
    long long height = HIWORD(size);
    if (width > 2 * g) width -= 2 * g;
    if (height > 2 * g) height -= 2 * g;

    RECT outer = {};
    GetWindowRect(window, &outer);
    if (outer.bottom - outer.top > 2 * g) {
        outer.top += static_cast<LONG>(g);
        outer.bottom -= static_cast<LONG>(2 * g);
    }
    if (outer.right - outer.left > 2 * g) {
        outer.left += static_cast<LONG>(g);
        outer.right -= static_cast<LONG>(2 * g);
    }
    App.ViewHeight = outer.bottom - outer.top;
    App.ViewWidth = outer.right - outer.left;

    TextView* view = App.View;
    if (!view) return;
    if (width == view->width && height == view->height) return;
    if (App.Toolbar) {
        int toolbarHeight = ToolbarHeight();
        MoveWindow(App.Toolbar, 0, 0, static_cast<int>(width), toolbarHeight, TRUE);
        height -= toolbarHeight;
    }
    ResizeTextView(view, static_cast<int32_t>(width), static_cast<int32_t>(height));
    UpdateScrollBar(window);
}

void PaintMainWindow(HDC dc, HWND window, unsigned flags) {
    PAINTSTRUCT paint = {};
    bool ownPaint = dc == nullptr;
    if (ownPaint) dc = BeginPaint(window, &paint);
    if (flags & kPaintFill) {
        RECT client = {};
        GetClientRect(window, &client);
        if (App.Toolbar) client.top += ToolbarHeight() - 1;
        FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    if (flags & kPaintView) RenderView(App.View, (flags & kPaintFill) != 0);
    if (ownPaint) EndPaint(window, &paint);
}

void RefreshMainWindow(HWND window, unsigned flags) {
    if (!window) window = App.MainWindow;
    HDC dc = GetDC(window);
    PaintMainWindow(dc, window, flags);
    ReleaseDC(window, dc);
    UpdateScrollBar(window);
}

int HandleKey(HWND window, WPARAM key) {
    TextView* view = App.View;
    switch (key) {
        case VK_RETURN:
            if (view && App.SearchString[0] != '\0') SearchAgain(window);
            return 0;
        case VK_PRIOR:
        case VK_NEXT: {
            if (!view) return 0;
            int step = PageStep(PageMode(App.Flags, AF_KEY_PAGE_MODE), view->rowsDrawn);
            ScrollBy(window, key == VK_PRIOR ? -step : step);
            return 0;
        }
        case VK_END:
            // To the last screenful from wherever the view stands; a step of
            // maxTopRow rows from a row below the top would overshoot it and
            // leave the screen mostly empty.
            if (view) ScrollBy(window, view->maxTopRow - view->topRow);
            return 0;
        case VK_HOME:
            if (view) ScrollBy(window, -static_cast<int>(view->topRow));
            return 0;
        case VK_LEFT:
            if (view) PreviousLesson(window);
            return 0;
        case VK_RIGHT:
            if (view) NextLesson(window);
            return 0;
        case VK_UP:
        case VK_DOWN:
            if (view) ScrollBy(window, key == VK_UP ? -1 : 1);
            return 0;
        default:
            return 1;
    }
}

int ScrollBarRows(const TextView* view, int code, int position) {
    switch (code) {
        case SB_LINEUP: return -1;
        case SB_LINEDOWN: return 1;
        case SB_PAGEUP: return 1 - view->rowsDrawn;
        case SB_PAGEDOWN: return view->rowsDrawn - 1;
        case SB_THUMBPOSITION:
        case SB_THUMBTRACK: return position - view->topRow;
        case SB_TOP: return -static_cast<int>(view->topRow);
        case SB_BOTTOM: return 1;
        default: return 0;
    }
}

int HandleScrollBar(HWND window, WPARAM wParam, LPARAM lParam) {
    int rows = 0;
    if (App.View) {
        int position = static_cast<int16_t>(HIWORD(wParam));
        rows = ScrollBarRows(App.View, LOWORD(wParam), position);
        if (rows != 0) ScrollView(App.View, rows, true, true);
    }
    DefWindowProcW(window, WM_VSCROLL, wParam, lParam);
    if (rows != 0) UpdateScrollBar(window);
    return 1;
}

int HandleWheel(HWND window, WPARAM wParam) {
    if (!App.View) return 0;
    int delta = static_cast<int16_t>(HIWORD(wParam));
    ScrollBy(window, -(delta / kWheelNotch));
    return 0;
}

bool InTextArea(const TextView* view, int x, int y) {
    long long g = Gutter();
    return view->left - g <= x && x <= view->left + static_cast<long long>(view->width) + g &&
           view->top - g <= y && y <= view->top + static_cast<long long>(view->height) + g;
}

int ClickScroll(HWND window, TextView* view, int x, int y) {
    if (!view || !InTextArea(view, x, y)) return 0;
    if (!(App.Flags & AF_CLICK_SCROLL)) return 0;
    int middle, c;
    if (App.Flags & AF_CLICK_VERTICAL) {
        middle = view->top + view->height / 2;
        c = y;
    } else {
        middle = view->left + view->width / 2;
        c = x;
    }
    int step = PageStep(PageMode(App.Flags, AF_CLICK_PAGE_MODE), view->rowsDrawn);
    if (step < 0) step = -step;
    if (c < middle) step = -step;
    ScrollBy(window, step);
    return 1;
}
