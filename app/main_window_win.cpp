// The main window procedure, its toolbar and its command table.
#include "app/main_window_win.h"

#include "app/app_state.h"
#include "app/navigation.h"
#include "app/settings.h"
#include "app/viewport.h"
#include "dialogs/about_win.h"
#include "dialogs/font_dialog_win.h"
#include "dialogs/update.h"
#include "index/bookmarks.h"
#include "index/index_dialog_win.h"
#include "output/clipboard.h"
#include "output/print_win.h"
#include "resources/resource_ids.h"
#include "view/search.h"
#include "view/search_win.h"

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

void ShowAbout(HWND window) {
    DialogBoxParamW(App.Instance, MAKEINTRESOURCEW(IDD_ABOUT), window, AboutDialogProc, 0);
}

void ShowIndex(HWND window) {
    LessonNumber current = App.Lesson;
    LessonNumber chosen = ShowIndexDialog(App.Instance, App.MainWindow, current, &App.Font);
    if (chosen != 0 && chosen != current) GoToLesson(window, chosen);
}

void ChooseFont(HWND window) {
    INT_PTR result = DialogBoxParamW(App.Instance, MAKEINTRESOURCEW(IDD_FONT), window,
                                     FontDialogProc, reinterpret_cast<LPARAM>(&App.Font));
    if (result == IDOK) SetViewFont(App.View, &App.Font);
}

}  // namespace

int DoCommand(HWND window, WPARAM wParam) {
    switch (LOWORD(wParam)) {
        case CMD_INDEX:
        case CMD_CHOOSE_ARTICLE:
            ShowIndex(window);
            return 0;
        case CMD_TODAY:
            GoToLesson(window, 0);
            return 0;
        case CMD_NEXT:
            NextLesson(window);
            return 0;
        case CMD_PREVIOUS:
            PreviousLesson(window);
            return 0;
        case CMD_SEARCH:
            DialogBoxParamW(App.Instance, MAKEINTRESOURCEW(IDD_SEARCH), App.MainWindow,
                            SearchDialogProc, 0);
            return 0;
        case CMD_SEARCH_AGAIN:
            SearchAgain(App.MainWindow);
            return 0;
        case CMD_BOOKMARK:
            ToggleBookmark(IsBookmarked());
            RefreshBookmarkCheck(window);
            return 0;
        case CMD_CHECK_UPDATES:
            CheckForUpdates(App.MainWindow);
            return 0;
        case CMD_ABOUT:
            ShowAbout(window);
            return 0;
        case CMD_EXIT:
            DestroyWindow(window);
            return 0;
        case CMD_FONT:
            ChooseFont(window);
            return 0;
        case CMD_COPY:
            CopyLessonText(App.View, false);
            return 0;
        case CMD_PRINT:
            PrintLesson(App.View);
            return 0;
        case CMD_APPEND:
            CopyLessonText(App.View, true);
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
            RefreshBookmarkCheck(window);
            return 0;
        case WM_DESTROY:
            if (App.View && App.View->dc) ReleaseDC(window, App.View->dc);
            if (App.Toolbar) DestroyWindow(App.Toolbar);
            App.Toolbar = nullptr;
            SaveWindowPlacement(window);
            SaveSettingsAndQuit();
            return 0;
        case WM_SIZE:
            ResizeMainView(window, lParam);
            return 0;
        case WM_PAINT:
            PaintMainWindow(reinterpret_cast<HDC>(wParam), window, kPaintOnMessage);
            return 0;
        case WM_HELP:
            ShowAbout(window);
            return 0;
        case WM_KEYDOWN:
            return HandleKey(window, wParam);
        case WM_COMMAND:
            if (DoCommand(window, wParam) == 0) return 0;
            return DefWindowProcW(window, message, wParam, lParam);
        case WM_VSCROLL:
            return HandleScrollBar(window, wParam, lParam);
        case WM_LBUTTONDOWN:
            if (App.View) ClickScroll(window, App.View, LOWORD(lParam), HIWORD(lParam));
            return 0;
        case WM_MOUSEWHEEL:
            return HandleWheel(window, wParam);
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}
