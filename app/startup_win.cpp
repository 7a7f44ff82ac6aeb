// Process start: AppMain, InitInstance, the single-instance handover, the
// main window class and the message loop.
#include "app/startup_win.h"

#include "app/main_window_win.h"
#include "app/settings.h"
#include "app/startup.h"
#include "calendar/today.h"
#include "resources/resource_ids.h"

namespace {

// The top-level window of the foreground window: follow GetParent (which
// also yields a window's owner) until it gives null.
HWND ForegroundTopLevel() {
    HWND window = GetForegroundWindow();
    while (window) {
        HWND parent = GetParent(window);
        if (!parent) break;
        window = parent;
    }
    return window;
}

// A running reader takes over: it goes to today's lesson when its main
// window is in front, is brought to the front when another program is, and
// is left alone when one of its own dialogs is in front.
void HandOverTo(HWND running) {
    HWND foreground = GetForegroundWindow();
    HWND topLevel = ForegroundTopLevel();
    if (running == foreground) SendMessageW(running, WM_COMMAND, CMD_TODAY, 0);
    if (running != topLevel) SetForegroundWindow(running);
}

}  // namespace

void RegisterMainWindowClass(HINSTANCE instance, const WCHAR* className) {
    WNDCLASSW windowClass = {};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_MAIN));
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszMenuName = MAKEINTRESOURCEW(IDM_MAIN);
    windowClass.lpszClassName = className;
    RegisterClassW(&windowClass);
}

HWND InitInstance(int showCommand) {
    HWND running = FindWindowW(kMainWindowName, kMainWindowName);
    if (running) {
        HandOverTo(running);
        return nullptr;
    }
    InitCommonControls();
    LoadSettings();
    ChooseLesson(0, 0);
    RegisterMainWindowClass(App.Instance, kMainWindowName);
    WindowStyles styles = MainWindowStyles(App.Flags);
    HWND window = CreateWindowExW(styles.exStyle, kMainWindowName, kMainWindowName,
                                  WS_OVERLAPPED | styles.style, CW_USEDEFAULT, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, App.Instance,
                                  nullptr);
    if (!window) return nullptr;
    RestoreWindowPlacement(window, showCommand);
    UpdateWindow(window);
    return window;
}

int AppMain(HINSTANCE instance, int showCommand) {
    App = AppState{};
    App.Instance = instance;
    if (RefuseOldPlatform()) return -1;
    App.SurroundingGutter = ReadSurroundingGutter();
    if (!InitInstance(showCommand)) return 0;
    HACCEL accelerators = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDA_MAIN));
    MSG message = {};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!TranslateAcceleratorW(message.hwnd, accelerators, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}
