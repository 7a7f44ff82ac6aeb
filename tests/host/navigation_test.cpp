// Moving between lessons: the ring, today's lesson, the flag and position
// rules, and a failed move that changes nothing.
#include "app/navigation.h"
#include "index/bookmarks.h"
#include "tests/host/app_reader_fixture.h"

namespace {

using NavigationTest = ReaderTest;

TEST_F(NavigationTest, NextAndPreviousFormARing) {
    struct Case {
        LessonNumber from;
        bool next;
        LessonNumber to;
    } cases[] = {{139, true, 1}, {1, false, 139}, {135, true, 136}, {3, true, 4}, {4, false, 3}};
    for (const Case& c : cases) {
        ReleaseTextView(App.View, true);
        App.View = nullptr;
        App.Flags = kDefaultAppFlags;
        Open(c.from, 9);
        App.View->topRow = 9;
        EXPECT_EQ(c.next ? NextLesson(window) : PreviousLesson(window), 0);
        EXPECT_EQ(App.Lesson, c.to) << c.from;
        EXPECT_EQ(App.View->topRow, 0);
        EXPECT_EQ(App.LastPosition, 0);
        EXPECT_NE(App.Flags & AF_FIXED_LESSON, 0u) << "a move by hand is kept across restarts";
    }
}

TEST_F(NavigationTest, TodayReloadsFromTheTopAndClearsTheFixedBit) {
    HostSetLocalDate(2009, 9, 19);  // Tishrei 1: lesson 4
    App.Flags = kDefaultAppFlags | AF_FIXED_LESSON;
    TextView* view = Open(4, 12);
    view->topRow = 12;
    EXPECT_EQ(GoToLesson(window, 0), 0);
    EXPECT_EQ(App.Lesson, 4);
    EXPECT_EQ(view->topRow, 0);
    EXPECT_EQ(App.Flags & AF_FIXED_LESSON, 0u);
    EXPECT_EQ(App.Flags, kDefaultAppFlags) << "no other bit changes";

    HostSetLocalDate(2010, 3, 30);  // 15 Nissan
    App.Flags |= AF_FIXED_LESSON;
    EXPECT_EQ(GoToLesson(window, 0), 0);
    EXPECT_EQ(App.Lesson, 75);
}

TEST_F(NavigationTest, AFailedLoadChangesNothing) {
    App.Flags = kDefaultAppFlags;
    TextView* view = Open(20, 6);
    view->topRow = 6;
    char* text = view->text;
    HostResourceRemove(1021);
    EXPECT_EQ(NextLesson(window), 1);
    EXPECT_EQ(App.Lesson, 20);
    EXPECT_EQ(App.Flags, kDefaultAppFlags);
    EXPECT_EQ(App.LastPosition, 6);
    EXPECT_EQ(view->text, text);
    EXPECT_EQ(view->topRow, 6);
}

TEST_F(NavigationTest, WithoutAViewNothingMoves) {
    App.Lesson = 20;
    EXPECT_EQ(NextLesson(window), 1);
    EXPECT_EQ(App.Lesson, 20);
    EXPECT_EQ(App.Flags, kDefaultAppFlags);
}

TEST_F(NavigationTest, EveryMoveRefreshesTheBookmarkCheck) {
    Open(5);
    AddBookmark();  // lesson 5
    App.Lesson = 5;
    EXPECT_EQ(GoToLesson(window, 12), 0);
    EXPECT_EQ(HostMenuItemState(123), 0u);
    EXPECT_EQ(PreviousLesson(window), 0);
    EXPECT_EQ(GoToLesson(window, 5), 0);
    EXPECT_EQ(HostMenuItemState(123), static_cast<UINT>(MFS_CHECKED));
    FreeBookmarks();
}

TEST_F(NavigationTest, AfterAFailedStartTodayWorks) {
    HostSetLocalDate(2009, 9, 19);
    App.Flags = kDefaultAppFlags | AF_FIXED_LESSON;
    App.Lesson = 140;
    EXPECT_NE(CreateMainView(window), 0);
    EXPECT_EQ(GoToLesson(window, 0), 0);
    EXPECT_EQ(App.Lesson, 4);
    EXPECT_NE(App.View->text, nullptr);
}

}  // namespace
