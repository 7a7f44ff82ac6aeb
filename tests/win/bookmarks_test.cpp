// The Bookmark menu item's check mark on a real menu: the record's size must
// be one that this build's user32 accepts.
#include <gtest/gtest.h>

#include "app/app_state.h"
#include "index/bookmarks.h"
#include "resources/resource_ids.h"

namespace {

bool Checked(HMENU menu) { return (GetMenuState(menu, CMD_BOOKMARK, MF_BYCOMMAND) & MF_CHECKED) != 0; }

TEST(RealMenuCheck, TheCheckMarkIsSetAndCleared) {
    HMENU menu = CreateMenu();
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(AppendMenuW(menu, MF_STRING, CMD_BOOKMARK, L"&Bookmark"));
    EXPECT_EQ(SetMenuCheck(menu, CMD_BOOKMARK, 1), 1);
    EXPECT_TRUE(Checked(menu));
    EXPECT_EQ(SetMenuCheck(menu, CMD_BOOKMARK, 0), 0);
    EXPECT_FALSE(Checked(menu));
    DestroyMenu(menu);
}

TEST(RealMenuCheck, RefreshFollowsTheCurrentLessonInTheWindowsMenu) {
    App = AppState{};
    HWND window = CreateWindowExW(0, L"STATIC", L"menu", WS_OVERLAPPEDWINDOW, 0, 0, 200, 200, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    HMENU menu = CreateMenu();
    AppendMenuW(menu, MF_STRING, CMD_BOOKMARK, L"&Bookmark");
    ASSERT_TRUE(SetMenu(window, menu));
    App.Lesson = 5;
    AddBookmark();
    EXPECT_EQ(RefreshBookmarkCheck(window), 1);
    EXPECT_TRUE(Checked(menu));
    App.Lesson = 6;
    EXPECT_EQ(RefreshBookmarkCheck(window), 0);
    EXPECT_FALSE(Checked(menu));
    FreeBookmarks();
    DestroyWindow(window);
}

}  // namespace
