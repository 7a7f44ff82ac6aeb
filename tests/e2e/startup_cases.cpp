// Start-up as a user sees it: the window, its menu and toolbar, a second
// start, closing, and starts with damaged settings.
#include <cstdio>
#include <string>

#include "resources/resource_ids.h"
#include "tests/e2e/driver.h"

namespace {

struct MenuItemExpected {
    const wchar_t* text;  // null for a separator
    UINT id;
};

const MenuItemExpected kFileMenu[] = {
    {L"&About", CMD_ABOUT},
    {L"Check For &Updates", CMD_CHECK_UPDATES},
    {L"&Choose Article\bCtrl+D", CMD_CHOOSE_ARTICLE},
    {L"F&ont\bCtrl+F", CMD_FONT},
    {L"&Copy\bCtrl+C", CMD_COPY},
    {L"&Append to ClipBoard\bCtrl+E", CMD_APPEND},
    {L"&Print\bCtrl+P", CMD_PRINT},
    {L"E&xit\bCtrl+Q", CMD_EXIT},
};
const MenuItemExpected kGoMenu[] = {
    {L"&Today\bCtrl+Home", CMD_TODAY},
    {nullptr, 0},
    {L"&Index\bCtrl+D", CMD_CHOOSE_ARTICLE},
    {L"&Bookmark", CMD_BOOKMARK},
    {L"&Previous Article", CMD_PREVIOUS},
    {L"&Next Article", CMD_NEXT},
    {nullptr, 0},
    {L"&Search\bAlt+F3", CMD_SEARCH},
    {L"Search A&gain\bF3", CMD_SEARCH_AGAIN},
};

std::wstring MenuText(HMENU menu, UINT position) {
    wchar_t text[128] = {};
    GetMenuStringW(menu, position, text, 128, MF_BYPOSITION);
    return text;
}

template <size_t N>
void CheckPopup(HMENU popup, const MenuItemExpected (&items)[N]) {
    CheckEqual(GetMenuItemCount(popup), static_cast<long long>(N), "popup item count");
    for (UINT i = 0; i < N; ++i) {
        MENUITEMINFOW info = {};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE;
        GetMenuItemInfoW(popup, i, TRUE, &info);
        if (!items[i].text) {
            Check((info.fType & MFT_SEPARATOR) != 0, "separator");
            continue;
        }
        CheckText(MenuText(popup, i), items[i].text, "menu item text");
        CheckEqual(info.wID, items[i].id, "menu item command");
        CheckEqual(info.fState & (MFS_CHECKED | MFS_DISABLED), 0, "item neither checked nor disabled");
    }
}

HMODULE ReaderAsData() {
    return LoadLibraryExW(ReaderPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
}

struct AccelExpected {
    BYTE virt;
    WORD key;
    WORD cmd;
};

}  // namespace

E2E_CASE(menu_and_accelerators_resources) {
    HMODULE module = ReaderAsData();
    if (!Check(module != nullptr, "the reader loads as a data file")) return false;
    HMENU menu = LoadMenuW(module, MAKEINTRESOURCEW(IDM_MAIN));
    if (!Check(menu != nullptr, "menu 102 exists")) return false;
    CheckEqual(GetMenuItemCount(menu), 2, "two popups");
    CheckText(MenuText(menu, 0), L"&File", "first popup");
    CheckText(MenuText(menu, 1), L"&Go", "second popup");
    CheckPopup(GetSubMenu(menu, 0), kFileMenu);
    CheckPopup(GetSubMenu(menu, 1), kGoMenu);
    DestroyMenu(menu);

    const BYTE ctrl = FVIRTKEY | FCONTROL | FNOINVERT;
    const AccelExpected expected[] = {
        {ctrl, 'F', CMD_FONT},         {FVIRTKEY | FALT | FNOINVERT, VK_F3, CMD_SEARCH},
        {FVIRTKEY | FNOINVERT, VK_F3, CMD_SEARCH_AGAIN},
        {ctrl, 'P', CMD_PRINT},        {ctrl, 'C', CMD_COPY},
        {ctrl, 'E', CMD_APPEND},       {ctrl, 'D', CMD_INDEX},
        {ctrl, 'Q', CMD_EXIT},         {ctrl, VK_HOME, CMD_TODAY},
        {ctrl, 'T', CMD_TODAY},        {ctrl, 'N', CMD_NEXT},
        {ctrl, 'W', CMD_SEARCH},       {ctrl, 'A', CMD_SEARCH_AGAIN},
    };
    HACCEL table = LoadAcceleratorsW(module, MAKEINTRESOURCEW(IDA_MAIN));
    if (!Check(table != nullptr, "accelerator table 3 exists")) return false;
    ACCEL entries[32];
    int count = CopyAcceleratorTableW(table, entries, 32);
    CheckEqual(count, static_cast<long long>(std::size(expected)), "accelerator count");
    for (int i = 0; i < count && i < static_cast<int>(std::size(expected)); ++i) {
        CheckEqual(entries[i].fVirt & ~0x80, expected[i].virt, "accelerator flags");
        CheckEqual(entries[i].key, expected[i].key, "accelerator key");
        CheckEqual(entries[i].cmd, expected[i].cmd, "accelerator command");
    }
    DestroyAcceleratorTable(table);

    HRSRC toolbar = FindResourceW(module, MAKEINTRESOURCEW(IDB_TOOLBAR), MAKEINTRESOURCEW(2));
    if (Check(toolbar != nullptr, "toolbar bitmap 114 exists")) {
        auto* info = static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(module, toolbar)));
        CheckEqual(info->biWidth, 7 * 16, "toolbar strip width");
        CheckEqual(info->biHeight, 16, "toolbar strip height");
        CheckEqual(info->biBitCount, 4, "toolbar strip has 16 colours");
    }
    HICON big = static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(IDI_MAIN), IMAGE_ICON, 32, 32, 0));
    HICON small = static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(IDI_MAIN), IMAGE_ICON, 16, 16, 0));
    Check(big != nullptr && small != nullptr, "icon 101 in 32 x 32 and 16 x 16");
    FreeLibrary(module);
    return true;
}

// A short lesson hides the scroll bar (its range is empty), so the style
// cases open the longest lesson, the year at a glance.
static void OpenLongLesson(DWORD flags) {
    SetDword(kProductKeyPath, L"Flags", flags | 0x4);  // the fixed-lesson bit
    SetDword(kProductKeyPath, L"Lesson", 3);
}

E2E_CASE(window_appears) {
    ClearSettings();
    OpenLongLesson(0xD1140040);
    Reader reader;
    if (!Check(StartReader(&reader), "the main window appears")) {
        KillReader(&reader);
        return false;
    }
    wchar_t text[128] = {}, className[128] = {};
    GetWindowTextW(reader.window, text, 128);
    GetClassNameW(reader.window, className, 128);
    CheckText(text, L"Moravel 5770 (English)", "window title");
    CheckText(className, L"Moravel 5770 (English)", "window class");
    LONG style = GetWindowLongW(reader.window, GWL_STYLE);
    LONG exStyle = GetWindowLongW(reader.window, GWL_EXSTYLE);
    CheckEqual(style & 0xF0000, 0xF0000, "system menu, sizing frame, minimise and maximise boxes");
    Check((style & WS_CAPTION) == WS_CAPTION, "a caption");
    Check((style & WS_VSCROLL) != 0, "a vertical scroll bar by default");
    Check((exStyle & WS_EX_WINDOWEDGE) != 0, "window edge");
    Check((exStyle & WS_EX_LEFTSCROLLBAR) == 0, "scroll bar on the right by default");
    HWND toolbar = GetDlgItem(reader.window, IDC_TOOLBAR);
    if (Check(toolbar != nullptr, "the toolbar, control id 1")) {
        GetClassNameW(toolbar, className, 128);
        CheckText(className, TOOLBARCLASSNAMEW, "toolbar class");
        CheckEqual(SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0), 7, "seven toolbar buttons");
        Check(IsWindowVisible(toolbar) != FALSE, "the toolbar is visible");
    }
    Check(GetMenu(reader.window) != nullptr, "the window has its class menu");
    CheckEqual(CloseReader(&reader), 0, "exit code after closing");
    return true;
}

E2E_CASE(second_start_hands_over) {
    ClearSettings();
    Reader first;
    if (!Check(StartReader(&first), "the first reader starts")) {
        KillReader(&first);
        return false;
    }
    Reader second;
    StartReader(&second, false);
    CheckEqual(WaitForExit(&second), 0, "the second start ends with exit code 0");
    CheckEqual(CountReaderWindows(), 1, "still exactly one reader window");
    CheckEqual(CloseReader(&first), 0, "the first reader closes with exit code 0");
    return true;
}

E2E_CASE(close_ends_process_and_saves) {
    ClearSettings();
    Reader reader;
    if (!Check(StartReader(&reader), "the reader starts")) {
        KillReader(&reader);
        return false;
    }
    CheckEqual(CloseReader(&reader), 0, "exit code 0 after the close box");
    CheckEqual(CountReaderWindows(), 0, "no reader window is left");
    DWORD flags = 0;
    Check(GetDword(kProductKeyPath, L"Flags", &flags), "Flags is stored at exit");
    CheckEqual(flags & ~0x4u, 0xD1140040u, "the default option word is stored");
    return true;
}

E2E_CASE(exit_key_closes) {
    ClearSettings();
    Reader reader;
    if (!Check(StartReader(&reader), "the reader starts")) {
        KillReader(&reader);
        return false;
    }
    SetForegroundWindow(reader.window);
    Sleep(200);
    PressKey('Q', true);
    long code = WaitForExit(&reader, 10000);
    if (code == -999) KillReader(&reader);
    CheckEqual(code, 0, "Ctrl+Q ends the reader with exit code 0");
    return true;
}

namespace {

struct StyleCase {
    DWORD flags;
    bool scrollBar;
    bool left;
};

}  // namespace

E2E_CASE(scroll_bar_follows_flags) {
    const StyleCase cases[] = {
        {0xD1140000, false, false},  // bits 6 and 7 clear
        {0xD1140040, true, false},
        {0xD1140080, true, true},    // bit 7 alone still gives a scroll bar, on the left
        {0xD11400C0, true, true},
    };
    for (const StyleCase& c : cases) {
        ClearSettings();
        OpenLongLesson(c.flags);
        Reader reader;
        if (!Check(StartReader(&reader), "the reader starts")) {
            KillReader(&reader);
            return false;
        }
        LONG style = GetWindowLongW(reader.window, GWL_STYLE);
        LONG exStyle = GetWindowLongW(reader.window, GWL_EXSTYLE);
        std::printf("  flags 0x%08lx\n", c.flags);
        CheckEqual((style & WS_VSCROLL) != 0, c.scrollBar, "scroll bar present");
        CheckEqual((exStyle & WS_EX_LEFTSCROLLBAR) != 0, c.left, "scroll bar on the left");
        CheckEqual(CloseReader(&reader), 0, "exit code");
    }
    return true;
}

E2E_CASE(damaged_start_settings) {
    struct Damage {
        const char* what;
        void (*apply)();
    };
    const Damage damages[] = {
        // Every bit includes the fixed-lesson bit: give it a lesson to reopen
        // (a start without one says "Resource not found"; the hostile-registry
        // case covers that).
        {"Flags with every bit set", [] {
             SetDword(kProductKeyPath, L"Flags", 0xFFFFFFFF);
             SetDword(kProductKeyPath, L"Lesson", 3);
         }},
        {"gutter as text", [] { SetValue(kDeveloperKeyPath, L"SurroundingGutter", REG_SZ, L"25", 6); }},
        {"gutter as letters", [] { SetValue(kDeveloperKeyPath, L"SurroundingGutter", REG_SZ, L"abc", 8); }},
        {"huge gutter", [] { SetDword(kDeveloperKeyPath, L"SurroundingGutter", 0x7FFFFFFF); }},
        {"negative gutter", [] { SetDword(kDeveloperKeyPath, L"SurroundingGutter", 0xFFFFFFF0); }},
        {"gutter of 0", [] { SetDword(kDeveloperKeyPath, L"SurroundingGutter", 0); }},
    };
    for (const Damage& damage : damages) {
        std::printf("  %s\n", damage.what);
        ClearSettings();
        damage.apply();
        Reader reader;
        if (!Check(StartReader(&reader), "the reader starts and shows its window")) {
            KillReader(&reader);
            continue;
        }
        CheckEqual(CloseReader(&reader), 0, "exit code");
    }
    return true;
}
