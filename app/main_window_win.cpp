// The main window procedure, its toolbar and its command table.
#include "app/main_window_win.h"

#include "app/app_state.h"
#include "app/settings.h"
#include "app/viewport_win.h"
#include "resources/resource_ids.h"

namespace {

constexpr int kToolbarButtonCount = 7;
constexpr int kToolbarImageSize = 16;

// Previous, today, next, font, search, search again, index.
constexpr int kToolbarCommands[kToolbarButtonCount] = {
    CMD_PREVIOUS, CMD_TODAY, CMD_NEXT, CMD_FONT, CMD_SEARCH, CMD_SEARCH_AGAIN, CMD_INDEX};

HWND CreateToolbar(HWND window) {
    TBBUTTON buttons[kToolbarButtonCount] = {};
    for (int i = 0; i < kToolbarButtonCount; ++i) {
        buttons[i].iBitmap = i;
        buttons[i].idCommand = kToolbarCommands[i];
        buttons[i].fsState = TBSTATE_ENABLED;
        buttons[i].fsStyle = BTNS_BUTTON;
    }
    return CreateToolbarEx(window, WS_CHILD | WS_VISIBLE, IDC_TOOLBAR, kToolbarButtonCount,
                           App.Instance, IDB_TOOLBAR, buttons, kToolbarButtonCount,
                           kToolbarImageSize, kToolbarImageSize, kToolbarImageSize,
                           kToolbarImageSize, sizeof(TBBUTTON));
}

}  // namespace

int DoCommand(HWND window, WPARAM wParam) {
    switch (LOWORD(wParam)) {
        case CMD_EXIT:
            DestroyWindow(window);
            return 0;
        case CMD_TODAY:
        case CMD_NEXT:
        case CMD_PREVIOUS:
        case CMD_INDEX:
        case CMD_CHOOSE_ARTICLE:
        case CMD_SEARCH:
        case CMD_SEARCH_AGAIN:
        case CMD_BOOKMARK:
        case CMD_CHECK_UPDATES:
        case CMD_ABOUT:
        case CMD_FONT:
        case CMD_COPY:
        case CMD_PRINT:
        case CMD_APPEND:
            return 0;
        default:
            return 1;
    }
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            App.MainWindow = window;
            App.Toolbar = CreateToolbar(window);
            CreateMainView(window);
            return 0;
        case WM_DESTROY:
            if (App.Toolbar) DestroyWindow(App.Toolbar);
            App.Toolbar = nullptr;
            SaveWindowPlacement(window);
            SaveSettingsAndQuit();
            return 0;
        case WM_COMMAND:
            if (DoCommand(window, wParam) == 0) return 0;
            return DefWindowProcW(window, message, wParam, lParam);
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}
