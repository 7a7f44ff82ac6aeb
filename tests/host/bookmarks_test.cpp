// The bookmark list: its stored form and damaged stored values, adding and
// removing, the removal question's answers, and the menu check mark.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/app_state.h"
#include "index/bookmarks.h"
#include "platform/heap.h"
#include "resources/resource_ids.h"

namespace {

const std::string kProduct = "Software\\Tessaline\\Moravel 5770 (English)";
HWND const kMainWindow = reinterpret_cast<HWND>(static_cast<uintptr_t>(0x2000));

std::vector<uint16_t> List() {
    std::vector<uint16_t> list;
    if (!App.BookmarkList) return list;
    list.assign(App.BookmarkList, App.BookmarkList + App.BookmarkCount);
    return list;
}

std::vector<BYTE> StoredBookmarks() {
    auto value = HostRegistryGet(kProduct, "Bookmarks");
    EXPECT_TRUE(value.has_value());
    if (!value) return {};
    EXPECT_EQ(value->type, static_cast<DWORD>(REG_BINARY));
    return value->bytes;
}

class BookmarksTest : public ::testing::Test {
protected:
    void SetUp() override {
        HostResetAll();
        App = AppState{};
        App.MainWindow = kMainWindow;
    }
    void TearDown() override {
        HostHeapFailAfter(-1);
        FreeBookmarks();
        EXPECT_EQ(HostHeapLiveBlocks(), 0);
    }

    void Load(std::vector<BYTE> stored) {
        HostRegistrySet(kProduct, "Bookmarks", REG_BINARY, std::move(stored));
        LoadBookmarks();
    }
    void Bookmark(std::initializer_list<LessonNumber> lessons) {
        for (LessonNumber lesson : lessons) {
            App.Lesson = lesson;
            AddBookmark();
        }
    }
};

TEST_F(BookmarksTest, StoredListsAreReadUpToTheirTerminator) {
    struct Case {
        const char* what;
        std::vector<BYTE> stored;
        std::vector<uint16_t> list;
    } cases[] = {
        {"as written", {5, 0, 12, 0, 0, 0}, {5, 12}},
        {"empty", {0, 0}, {}},
        {"no bytes", {}, {}},
        {"one byte", {9}, {}},
        {"odd length", {5, 0, 12, 0, 0}, {5, 12}},
        {"odd length, no terminator", {5, 0, 12, 0, 9}, {5, 12}},
        {"no terminator", {5, 0, 12, 0}, {5, 12}},
        {"a 0 in the middle", {5, 0, 0, 0, 12, 0, 0, 0}, {5}},
        {"numbers outside the book", {140, 0, 0xFF, 0xFF, 3, 0, 0, 0}, {140, 0xFFFF, 3}},
        {"a lesson twice", {5, 0, 12, 0, 5, 0, 0, 0}, {5, 12, 5}},
    };
    for (const Case& c : cases) {
        Load(c.stored);
        EXPECT_EQ(List(), c.list) << c.what;
        ASSERT_NE(App.BookmarkList, nullptr) << c.what;
        EXPECT_EQ(App.BookmarkList[App.BookmarkCount], 0) << c.what;
    }
}

TEST_F(BookmarksTest, AListLongerThanItsSixteenBitCountIsCut) {
    std::vector<BYTE> stored;
    for (int i = 0; i < 100000; ++i) stored.insert(stored.end(), {static_cast<BYTE>(1 + i % 139), 0});
    Load(stored);
    ASSERT_EQ(App.BookmarkCount, kMaxBookmarkCount);
    EXPECT_EQ(App.BookmarkList[kMaxBookmarkCount - 1], 1 + (kMaxBookmarkCount - 1) % 139);
    EXPECT_EQ(App.BookmarkList[kMaxBookmarkCount], 0);
    App.Lesson = 140;
    AddBookmark();
    EXPECT_EQ(App.BookmarkCount, kMaxBookmarkCount) << "a full list takes no more";
    SaveBookmarks();
    std::vector<BYTE> saved = StoredBookmarks();
    ASSERT_EQ(saved.size(), 2u * kMaxBookmarkCount + 2);
    EXPECT_EQ(std::vector<BYTE>(saved.begin(), saved.end() - 2),
              std::vector<BYTE>(stored.begin(), stored.begin() + 2 * kMaxBookmarkCount));
    EXPECT_EQ(saved[saved.size() - 2], 0);
    EXPECT_EQ(saved[saved.size() - 1], 0);
}

TEST_F(BookmarksTest, AMissingOrUnreadableValueGivesNoList) {
    LoadBookmarks();
    EXPECT_EQ(App.BookmarkList, nullptr);
    EXPECT_EQ(App.BookmarkCount, 0);
    HostRegistrySet(kProduct, "Bookmarks", REG_BINARY, std::vector<BYTE>(1u << 21, 5));
    LoadBookmarks();
    EXPECT_EQ(App.BookmarkList, nullptr);
    EXPECT_EQ(IsBookmarked(), 0);
}

TEST_F(BookmarksTest, LoadingAgainReleasesTheListHeldBefore) {
    Load({5, 0, 0, 0});
    Load({6, 0, 0, 0});
    EXPECT_EQ(List(), (std::vector<uint16_t>{6}));
    EXPECT_EQ(HostHeapLiveBlocks(), 1);
}

TEST_F(BookmarksTest, SavedFormIsLittleEndianWordsEndedByAZeroWord) {
    SaveBookmarks();
    EXPECT_EQ(StoredBookmarks(), (std::vector<BYTE>{0, 0}));
    Bookmark({5, 12});
    SaveBookmarks();
    EXPECT_EQ(StoredBookmarks(), (std::vector<BYTE>{5, 0, 12, 0, 0, 0}));
    Bookmark({300});
    SaveBookmarks();
    EXPECT_EQ(StoredBookmarks(), (std::vector<BYTE>{5, 0, 12, 0, 0x2C, 1, 0, 0}));
    // A damaged value is stored back in the program's own form.
    Load({5, 0, 0, 0, 12, 0, 9});
    SaveBookmarks();
    EXPECT_EQ(StoredBookmarks(), (std::vector<BYTE>{5, 0, 0, 0}));
}

TEST_F(BookmarksTest, AddingAppendsInOrderAndNeverTwice) {
    Bookmark({12, 5, 12});
    EXPECT_EQ(List(), (std::vector<uint16_t>{12, 5}));
    EXPECT_EQ(App.BookmarkList[2], 0);
    EXPECT_EQ(HostHeapLiveBlocks(), 1) << "the old block is released";
    App.Lesson = 0;
    AddBookmark();
    EXPECT_EQ(List(), (std::vector<uint16_t>{12, 5})) << "no current lesson, nothing to add";
}

TEST_F(BookmarksTest, AddingToALoadedListKeepsItsEntries) {
    Load({5, 0, 0x8C, 0, 0, 0});
    Bookmark({7});
    EXPECT_EQ(List(), (std::vector<uint16_t>{5, 140, 7}));
}

TEST_F(BookmarksTest, AFailedAllocationLeavesTheListAsItWasAndSaysNothing) {
    Bookmark({5});
    uint16_t* before = App.BookmarkList;
    HostHeapFailAfter(0);
    Bookmark({12});
    EXPECT_EQ(App.BookmarkList, before);
    EXPECT_EQ(List(), (std::vector<uint16_t>{5}));
    EXPECT_TRUE(HostMessageBoxes().empty());
    EXPECT_TRUE(HostQuitMessages().empty());
    EXPECT_EQ(RefreshBookmarkCheck(kMainWindow), 0);
}

TEST_F(BookmarksTest, LookingUpFindsOnlyEntriesBeforeTheTerminator) {
    App.Lesson = 5;
    EXPECT_EQ(IsBookmarked(), 0);
    Load({0, 0, 5, 0});
    EXPECT_EQ(IsBookmarked(), 0);
    Load({12, 0, 5, 0, 0, 0});
    EXPECT_EQ(IsBookmarked(), 1);
    App.Lesson = 13;
    EXPECT_EQ(IsBookmarked(), 0);
}

TEST_F(BookmarksTest, RemovingDropsEveryEqualEntryAndClosesUp) {
    App.Lesson = 5;
    RemoveBookmark();
    EXPECT_EQ(App.BookmarkList, nullptr);

    Load({5, 0, 12, 0, 5, 0, 30, 0, 0, 0});
    uint16_t* block = App.BookmarkList;
    App.Lesson = 5;
    RemoveBookmark();
    EXPECT_EQ(List(), (std::vector<uint16_t>{12, 30}));
    EXPECT_EQ(App.BookmarkList[2], 0);
    EXPECT_EQ(App.BookmarkList, block) << "the block keeps its size";
    App.Lesson = 99;
    RemoveBookmark();
    EXPECT_EQ(List(), (std::vector<uint16_t>{12, 30}));
    for (LessonNumber lesson : {12, 30}) {
        App.Lesson = lesson;
        RemoveBookmark();
    }
    EXPECT_EQ(App.BookmarkCount, 0);
    SaveBookmarks();
    EXPECT_EQ(StoredBookmarks(), (std::vector<BYTE>{0, 0}));
}

TEST_F(BookmarksTest, TogglingAddsWithoutAQuestion) {
    App.Lesson = 5;
    ToggleBookmark(IsBookmarked());
    EXPECT_EQ(List(), (std::vector<uint16_t>{5}));
    EXPECT_TRUE(HostMessageBoxes().empty());
}

TEST_F(BookmarksTest, TheRemovalQuestionsAnswers) {
    struct Case {
        int answer;
        bool removed;
        bool stopsAsking;
    } cases[] = {
        {IDYES, true, false},
        {IDNO, false, false},
        {IDCANCEL, true, true},
        {0, false, false},  // the box could not be shown
    };
    for (const Case& c : cases) {
        HostUserClear();
        FreeBookmarks();
        App.RunFlags = 0;
        Bookmark({9, 5});
        HostMessageBoxScript({c.answer});
        ToggleBookmark(IsBookmarked());
        ASSERT_EQ(HostMessageBoxes().size(), 1u) << c.answer;
        const HostMessageBox& box = HostMessageBoxes()[0];
        EXPECT_EQ(box.owner, kMainWindow);
        EXPECT_EQ(box.text, u"Remove Bookmark?\n\nCancel - Don't ask again");
        EXPECT_EQ(box.caption, u"Bookmark");
        EXPECT_EQ(box.type, static_cast<UINT>(MB_YESNOCANCEL));
        EXPECT_EQ(List(), (c.removed ? std::vector<uint16_t>{9} : std::vector<uint16_t>{9, 5})) << c.answer;
        EXPECT_EQ((App.RunFlags & RF_NO_REMOVE_QUESTION) != 0, c.stopsAsking) << c.answer;
        EXPECT_EQ(RefreshBookmarkCheck(kMainWindow), c.removed ? 0 : 1) << c.answer;
    }
}

TEST_F(BookmarksTest, AfterCancelRemovalsHappenWithoutAQuestion) {
    Bookmark({5, 9});
    HostMessageBoxScript({IDCANCEL});
    ToggleBookmark(IsBookmarked());
    Bookmark({9});
    App.Lesson = 9;
    ToggleBookmark(IsBookmarked());
    EXPECT_EQ(HostMessageBoxes().size(), 1u);
    EXPECT_EQ(List(), (std::vector<uint16_t>{5}));
}

TEST_F(BookmarksTest, TheQuestionIsAskedOnEveryRemovalUntilCancel) {
    Bookmark({5});
    HostMessageBoxScript({IDYES});
    ToggleBookmark(IsBookmarked());
    Bookmark({5});
    HostMessageBoxScript({IDYES});
    ToggleBookmark(IsBookmarked());
    EXPECT_EQ(HostMessageBoxes().size(), 2u);
}

TEST_F(BookmarksTest, TheCheckMarkFollowsTheCurrentLesson) {
    App.Lesson = 5;
    EXPECT_EQ(RefreshBookmarkCheck(kMainWindow), 0);
    EXPECT_EQ(HostMenuItemState(CMD_BOOKMARK), 0u);
    EXPECT_EQ(HostMenuItemInfoCalls(), 1) << "the record has the size SetMenuItemInfoW accepts";
    Bookmark({5});
    EXPECT_EQ(RefreshBookmarkCheck(kMainWindow), 1);
    EXPECT_EQ(HostMenuItemState(CMD_BOOKMARK), static_cast<UINT>(MFS_CHECKED));
    EXPECT_EQ(HostLastMenuItemMask(), static_cast<UINT>(MIIM_STATE));
    App.Lesson = 6;
    EXPECT_EQ(RefreshBookmarkCheck(kMainWindow), 0);
    EXPECT_EQ(HostMenuItemState(CMD_BOOKMARK), 0u) << "unchecked clears every state flag";
}

TEST_F(BookmarksTest, SetMenuCheckAnswersTheFlagItWasGiven) {
    EXPECT_EQ(SetMenuCheck(HostMainMenu(), 77, 5), 1);
    EXPECT_EQ(HostMenuItemState(77), static_cast<UINT>(MFS_CHECKED));
    EXPECT_EQ(SetMenuCheck(HostMainMenu(), 77, 0), 0);
    EXPECT_EQ(HostMenuItemState(77), 0u);
}

TEST_F(BookmarksTest, FreeingLeavesNoList) {
    Bookmark({5, 12});
    FreeBookmarks();
    EXPECT_EQ(App.BookmarkList, nullptr);
    EXPECT_EQ(App.BookmarkCount, 0);
    EXPECT_EQ(IsBookmarked(), 0);
    FreeBookmarks();
    SaveBookmarks();
    EXPECT_EQ(StoredBookmarks(), (std::vector<BYTE>{0, 0}));
}

}  // namespace
