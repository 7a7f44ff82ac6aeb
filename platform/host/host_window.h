// Host double of the window calls that saving and restoring the main window's
// placement makes: one window whose rectangle and placement a test sets, a
// table of system metrics, and a record of every MoveWindow and ShowWindow.
//
// MoveWindow also moves the window (its rectangle and normal position become
// the given ones) and ShowWindow sets the placement's show command, so a
// restore followed by a save reads back what was applied. HostResetAll does
// not reach this double; tests that use it call HostWindowClear.
#pragma once

#include <vector>

#include "platform/host/host_types.h"

#define SW_HIDE 0
#define SW_SHOWNORMAL 1
#define SW_NORMAL 1
#define SW_SHOWMINIMIZED 2
#define SW_SHOWMAXIMIZED 3
#define SW_MAXIMIZE 3
#define SW_SHOWNOACTIVATE 4
#define SW_SHOW 5
#define SW_MINIMIZE 6
#define SW_SHOWMINNOACTIVE 7
#define SW_SHOWNA 8
#define SW_RESTORE 9
#define SW_SHOWDEFAULT 10
#define SW_FORCEMINIMIZE 11

#define SM_CXSCREEN 0
#define SM_CYSCREEN 1
#define SM_CXFRAME 32
#define SM_CYFRAME 33
#define SM_XVIRTUALSCREEN 76
#define SM_YVIRTUALSCREEN 77
#define SM_CXVIRTUALSCREEN 78
#define SM_CYVIRTUALSCREEN 79

#define WPF_SETMINPOSITION 0x0001
#define WPF_RESTORETOMAXIMIZED 0x0002

struct WINDOWPLACEMENT {
    UINT length;
    UINT flags;
    UINT showCmd;
    POINT ptMinPosition;
    POINT ptMaxPosition;
    RECT rcNormalPosition;
};
static_assert(sizeof(WINDOWPLACEMENT) == 44, "WINDOWPLACEMENT is 44 bytes on Windows");

// --- Windows calls -----------------------------------------------------------
// Fails (FALSE) for a null window or a length field other than the record's size.
BOOL GetWindowPlacement(HWND window, WINDOWPLACEMENT* placement);
BOOL GetWindowRect(HWND window, RECT* rect);
int GetSystemMetrics(int index);
BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint);
// Returns whether the window was visible before (TRUE once anything but
// SW_HIDE has been applied).
BOOL ShowWindow(HWND window, int command);

// --- Test control ------------------------------------------------------------
// Back to the start state: a normal window at (100, 80), 640 by 480; a 1920 by
// 1080 screen at (0, 0) that is also the virtual screen; frames of 4 pixels;
// no calls recorded.
void HostWindowClear();
void HostWindowSetRect(const RECT& rect);
// The placement GetWindowPlacement reports (its length field is ignored).
void HostWindowSetPlacement(const WINDOWPLACEMENT& placement);
void HostSystemMetricSet(int index, int value);
// Makes GetWindowPlacement and GetWindowRect fail.
void HostWindowFailQueries(bool fail);

struct HostMoveWindowCall {
    HWND window;
    int x;
    int y;
    int width;
    int height;
    BOOL repaint;
};
struct HostShowWindowCall {
    HWND window;
    int command;
};
const std::vector<HostMoveWindowCall>& HostMoveWindowCalls();
const std::vector<HostShowWindowCall>& HostShowWindowCalls();
