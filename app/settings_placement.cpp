// The main window's placement: stored at exit, applied at the next start,
// never so that the window starts minimised by itself or off the screen.
#include <algorithm>

#include "app/settings.h"

namespace {

bool IsMinimisedShow(UINT showCmd) {
    return showCmd == SW_SHOWMINIMIZED || showCmd == SW_MINIMIZE || showCmd == SW_SHOWMINNOACTIVE ||
           showCmd == SW_FORCEMINIMIZE;
}

// A window that stands wholly on the virtual screen (all monitors), its size
// cut to the screen's where it is larger.
RECT FitOnScreen(int left, int top, int width, int height) {
    int screenLeft = GetSystemMetrics(SM_XVIRTUALSCREEN);
    int screenTop = GetSystemMetrics(SM_YVIRTUALSCREEN);
    int screenWidth = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    int screenHeight = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    if (screenWidth <= 0 || screenHeight <= 0) {
        screenLeft = 0;
        screenTop = 0;
        screenWidth = GetSystemMetrics(SM_CXSCREEN);
        screenHeight = GetSystemMetrics(SM_CYSCREEN);
    }
    if (screenWidth <= 0 || screenHeight <= 0) return RECT{left, top, left + width, top + height};
    width = std::min(width, screenWidth);
    height = std::min(height, screenHeight);
    // 64-bit, so that stored corners near the ends of the 32-bit range cannot overflow.
    long long x = std::clamp<long long>(left, screenLeft, static_cast<long long>(screenLeft) + screenWidth - width);
    long long y = std::clamp<long long>(top, screenTop, static_cast<long long>(screenTop) + screenHeight - height);
    return RECT{static_cast<LONG>(x), static_cast<LONG>(y), static_cast<LONG>(x + width),
                static_cast<LONG>(y + height)};
}

}  // namespace

void SaveWindowPlacement(HWND window) {
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof(placement);
    RECT rect = {};
    if (!GetWindowPlacement(window, &placement) || !GetWindowRect(window, &rect)) return;
    const RECT& normal = placement.rcNormalPosition;
    int top = rect.top;
    int left = rect.left;
    UINT showCmd = placement.showCmd;
    if (showCmd == SW_SHOWMAXIMIZED) {
        top = top + GetSystemMetrics(SM_CYFRAME) + normal.top;
        left = left + GetSystemMetrics(SM_CXFRAME) + normal.left;
    } else if (IsMinimisedShow(showCmd)) {
        // A minimised window's rectangle is parked far off the screen; the
        // place it returns to is its normal position.
        top = normal.top;
        left = normal.left;
        showCmd = (placement.flags & WPF_RESTORETOMAXIMIZED) ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
    }
    WriteNumber(WTXT("Top"), top);
    WriteNumber(WTXT("Left"), left);
    WriteNumber(WTXT("Width"), normal.right - normal.left);
    WriteNumber(WTXT("Height"), normal.bottom - normal.top);
    WriteNumber(WTXT("showCmd"), static_cast<int32_t>(showCmd));
}

void RestoreWindowPlacement(HWND window, int showCommand) {
    int top = ReadNumber(WTXT("Top"), 0);
    int left = ReadNumber(WTXT("Left"), 0);
    int width = ReadNumber(WTXT("Width"), 0);
    int height = ReadNumber(WTXT("Height"), 0);
    int showCmd = ReadNumber(WTXT("showCmd"), showCommand);
    if (width > 0 && height > 0) {
        RECT fitted = FitOnScreen(left, top, width, height);
        MoveWindow(window, fitted.left, fitted.top, fitted.right - fitted.left, fitted.bottom - fitted.top, TRUE);
    }
    // Only the two states this program stores are taken from the registry; a
    // hidden, minimised or unknown one would start the reader out of sight.
    if (showCmd != SW_SHOWNORMAL && showCmd != SW_SHOWMAXIMIZED) showCmd = showCommand;
    ShowWindow(window, showCmd);
}
