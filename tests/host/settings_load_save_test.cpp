// Loading the settings at start and saving them at exit: defaults, cuts,
// which values are written and when, a save that runs twice or during the
// load, and a registry that a hand edit or damage left hostile.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/settings.h"
#include "index/bookmarks.h"
#include "platform/heap.h"
#include "tests/host/settings_fixture.h"
#include "view/text_view.h"

namespace {

std::vector<BYTE> Dword(uint32_t value) {
    return {static_cast<BYTE>(value), static_cast<BYTE>(value >> 8), static_cast<BYTE>(value >> 16),
            static_cast<BYTE>(value >> 24)};
}

std::vector<BYTE> Stored(const std::string& name) {
    auto value = HostRegistryGet(kProduct, name);
    return value ? value->bytes : std::vector<BYTE>{0xEE};
}

class SettingsLoadSaveTest : public SettingsFixture {
protected:
    void TearDown() override {
        HostHeapFailAfter(-1);
        FreeBookmarks();
        EXPECT_EQ(HostRegistryOpenKeys(), 0);
    }
};

TEST_F(SettingsLoadSaveTest, FirstRunLoadsTheDefaults) {
    LoadSettings();
    EXPECT_EQ(App.Flags, kDefaultAppFlags);
    EXPECT_EQ(App.Font.fontAsciiBase, 97);
    EXPECT_EQ(App.Font.pointSize, 0);
    EXPECT_EQ(App.Font.faceName[0], 0);
    EXPECT_EQ(App.SearchString[0], 0);
    EXPECT_EQ(App.LastPosition, 0);
    EXPECT_EQ(App.Lesson, 0);
    EXPECT_EQ(App.BookmarkList, nullptr);
    EXPECT_EQ(App.BookmarkCount, 0);
    for (int i = 0; i < kIndexBitmapCount; ++i) EXPECT_NE(App.IndexBitmaps[i], nullptr) << i;
    EXPECT_NE(App.IndexBitmaps[0], App.IndexBitmaps[1]);
    EXPECT_TRUE(HostMessageBoxes().empty());
}

TEST_F(SettingsLoadSaveTest, StoredValuesAreLoadedAndCut) {
    HostRegistrySetText(kProduct, "FontName", "Times New Roman");
    HostRegistrySet(kProduct, "SearchString", REG_BINARY, {'g', 'r', 'a', 'c', 'e', 0});
    HostRegistrySetDword(kProduct, "FontSize", 14);
    HostRegistrySetDword(kProduct, "FontAsciiBase", 1488);
    HostRegistrySetDword(kProduct, "LastPosition", 0x10028);
    HostRegistrySetDword(kProduct, "Flags", 0xD1140044);
    HostRegistrySetDword(kProduct, "Lesson", 0x1000C);
    LoadSettings();
    EXPECT_EQ(std::u16string(App.Font.faceName), u"Times New Roman");
    EXPECT_EQ(std::string(App.SearchString), "grace");
    EXPECT_EQ(App.Font.pointSize, 14);
    EXPECT_EQ(App.Font.fontAsciiBase, 1488);
    EXPECT_EQ(App.LastPosition, 40) << "only the low 16 bits exist";
    EXPECT_EQ(App.Flags, 0xD1140044u);
    EXPECT_EQ(App.Lesson, 12) << "only the low 16 bits exist";
}

TEST_F(SettingsLoadSaveTest, LongTextsAreCutAndAnEmptyOneLeavesTheFieldEmpty) {
    struct Case {
        const char* what;
        std::vector<BYTE> fontName;
        std::vector<BYTE> searchString;
        std::u16string face;
        std::string search;
    } cases[] = {
        {"1,000 characters and 1,000 bytes without a NUL", Utf16(std::string(1000, 'F'), false),
         std::vector<BYTE>(1000, 's'), std::u16string(31, u'F'), std::string(33, 's')},
        {"exactly the limits", Utf16(std::string(31, 'F'), true),
         [] {
             std::vector<BYTE> b(33, 's');
             b.push_back(0);
             return b;
         }(),
         std::u16string(31, u'F'), std::string(33, 's')},
        {"first character 0", {0, 0, 'X', 0}, {0, 'x', 'y'}, u"", ""},
        {"no bytes", {}, {}, u"", ""},
        {"odd byte counts", {'A', 0, 'b'}, {'q'}, u"Ab", "q"},
        {"a number's bytes as the name, a wide text as the search", Dword(0x00410041), Utf16("ab", true), u"AA", "a"},
    };
    for (const Case& c : cases) {
        HostRegistryClear();
        App = AppState{};
        HostRegistrySet(kProduct, "FontName", REG_SZ, c.fontName);
        HostRegistrySet(kProduct, "SearchString", REG_BINARY, c.searchString);
        LoadSettings();
        EXPECT_EQ(std::u16string(App.Font.faceName), c.face) << c.what;
        EXPECT_EQ(std::string(App.SearchString), c.search) << c.what;
        FreeBookmarks();
    }
    EXPECT_EQ(HostHeapLiveBlocks(), 0);
}

// A lesson outside the book is kept (the view says "Resource not found");
// only its low 16 bits exist.
TEST_F(SettingsLoadSaveTest, TheLessonIsTakenAsItsLow16Bits) {
    struct Case {
        uint32_t stored;
        LessonNumber lesson;
        bool fixed;
    } cases[] = {
        {1, 1, true}, {139, 139, true}, {0, 0, true}, {140, 140, true}, {0xFFFFFFFF, 0xFFFF, true},
        {0x10005, 5, true},
    };
    for (const Case& c : cases) {
        HostRegistryClear();
        App = AppState{};
        HostRegistrySetDword(kProduct, "Flags", 0xFFFFFFFF);
        HostRegistrySetDword(kProduct, "Lesson", c.stored);
        LoadSettings();
        EXPECT_EQ(App.Lesson, c.lesson) << c.stored;
        EXPECT_EQ((App.Flags & AF_FIXED_LESSON) != 0, c.fixed) << c.stored;
        EXPECT_EQ(App.Flags | AF_FIXED_LESSON, 0xFFFFFFFFu) << "no other bit changes";
    }
}

TEST_F(SettingsLoadSaveTest, APointSizeTheFontEnginesCannotScaleReadsAsTheDefault) {
    struct Case {
        DWORD type;
        std::vector<BYTE> bytes;
        int32_t size;
    } cases[] = {
        {REG_DWORD, Dword(100), 100},
        {REG_DWORD, Dword(kMaxPointSize), kMaxPointSize},
        {REG_DWORD, Dword(kMaxPointSize + 1), 0},
        {REG_DWORD, Dword(0xFFFFFFF6), 0},
        {REG_DWORD, Dword(0x7FFFFFFF), 0},
        {REG_SZ, Utf16("abc", true), 0},
        {REG_SZ, Utf16("12", true), 12},
    };
    for (const Case& c : cases) {
        HostRegistrySet(kProduct, "FontSize", c.type, c.bytes);
        LoadSettings();
        EXPECT_EQ(App.Font.pointSize, c.size);
        FreeBookmarks();
    }
}

// Runs a whole session: load, then what the user changed, then exit.
void RunSession(void (*during)()) {
    LoadSettings();
    during();
    SaveSettingsAndQuit();
}

TEST_F(SettingsLoadSaveTest, SaveWritesOnlyWhatIsSetAndAlwaysTheFlagsAndBookmarks) {
    RunSession([] {});
    EXPECT_EQ(Stored("Flags"), Dword(kDefaultAppFlags));
    EXPECT_EQ(Stored("FontAsciiBase"), Dword(97));
    EXPECT_EQ(Stored("Bookmarks"), (std::vector<BYTE>{0, 0}));
    for (const char* name : {"SearchString", "FontName", "FontSize", "LastPosition", "Lesson"})
        EXPECT_FALSE(HostRegistryGet(kProduct, name).has_value()) << name;
    EXPECT_EQ(HostRegistryValueCount(kProduct), 3u);
    ASSERT_EQ(HostQuitMessages().size(), 1u);
    EXPECT_EQ(HostQuitMessages()[0], 0);

    RunSession([] {
        std::copy_n("Lev", 4, App.SearchString);
        std::copy_n(u"Garamond", 9, App.Font.faceName);
        App.Font.pointSize = 18;
        App.Font.fontAsciiBase = 0;
        App.Flags = 0x12345678;
        App.Lesson = 77;
    });
    EXPECT_EQ(Stored("SearchString"), (std::vector<BYTE>{'L', 'e', 'v', 0}));
    EXPECT_EQ(Stored("FontName"), Utf16("Garamond", true));
    EXPECT_EQ(Stored("FontSize"), Dword(18));
    EXPECT_EQ(Stored("FontAsciiBase"), Dword(97)) << "0 is not written; the stored value stays";
    EXPECT_EQ(Stored("Flags"), Dword(0x12345678));
    EXPECT_EQ(Stored("Lesson"), Dword(77));
}

TEST_F(SettingsLoadSaveTest, EmptiedValuesKeepWhatAnEarlierRunStored) {
    HostRegistrySet(kProduct, "SearchString", REG_BINARY, {'g', 'r', 'a', 'c', 'e', 0});
    HostRegistrySetText(kProduct, "FontName", "Arial");
    HostRegistrySetDword(kProduct, "FontSize", 12);
    HostRegistrySetDword(kProduct, "Lesson", 30);
    RunSession([] {
        App.SearchString[0] = 0;
        App.Font.faceName[0] = 0;
        App.Font.pointSize = 0;
        App.Lesson = 0;
    });
    EXPECT_EQ(Stored("SearchString"), (std::vector<BYTE>{'g', 'r', 'a', 'c', 'e', 0}));
    EXPECT_EQ(Stored("FontName"), Utf16("Arial", true));
    EXPECT_EQ(Stored("FontSize"), Dword(12));
    EXPECT_EQ(Stored("Lesson"), Dword(30));
    LoadSettings();
    EXPECT_EQ(std::string(App.SearchString), "grace");
}

TEST_F(SettingsLoadSaveTest, SaveReleasesTheBitmapsAndBookmarksAfterStoringThem) {
    HostRegistrySet(kProduct, "Bookmarks", REG_BINARY, {5, 0, 12, 0, 0, 0});
    LoadSettings();
    HBITMAP bitmaps[kIndexBitmapCount];
    std::copy_n(App.IndexBitmaps, kIndexBitmapCount, bitmaps);
    App.Lesson = 30;
    AddBookmark();
    SaveSettingsAndQuit();
    EXPECT_EQ(Stored("Bookmarks"), (std::vector<BYTE>{5, 0, 12, 0, 30, 0, 0, 0}));
    ASSERT_EQ(HostDeletedObjects().size(), static_cast<size_t>(kIndexBitmapCount));
    for (int i = 0; i < kIndexBitmapCount; ++i) {
        EXPECT_EQ(HostDeletedObjects()[i], bitmaps[i]);
        EXPECT_EQ(App.IndexBitmaps[i], nullptr);
    }
    EXPECT_EQ(App.BookmarkList, nullptr);
    EXPECT_EQ(App.View, nullptr);
    EXPECT_EQ(HostHeapLiveBlocks(), 0);
}

TEST_F(SettingsLoadSaveTest, TheViewsTopRowIsStoredBeforeTheViewIsReleased) {
    HostRegistrySetDword(kProduct, "LastPosition", 3);
    LoadSettings();
    RECT area = {0, 0, 400, 300};
    App.View = CreateTextView(HostCreateDevice(), &area, &App.Font, 100);
    ASSERT_NE(App.View, nullptr);
    App.View->text = static_cast<char*>(HeapBlockAlloc(16));
    App.View->topRow = 0xFFFE;
    SaveSettingsAndQuit();
    EXPECT_EQ(Stored("LastPosition"), Dword(0xFFFE));
    EXPECT_EQ(App.View, nullptr);
    EXPECT_EQ(HostHeapLiveBlocks(), 0) << "record, lines and text are released";
    SaveSettingsAndQuit();
    EXPECT_EQ(HostHeapLiveBlocks(), 0);
}

TEST_F(SettingsLoadSaveTest, ASecondSaveFreesNothingTwiceAndOverwritesNothing) {
    HostRegistrySet(kProduct, "Bookmarks", REG_BINARY, {5, 0, 12, 0, 0, 0});
    RunSession([] { App.Lesson = 9; });
    // The window's destruction after an out-of-memory quit runs the save again.
    App.Flags = 0;
    SaveSettingsAndQuit();
    EXPECT_EQ(Stored("Bookmarks"), (std::vector<BYTE>{5, 0, 12, 0, 0, 0}));
    EXPECT_EQ(Stored("Flags"), Dword(kDefaultAppFlags));
    EXPECT_EQ(HostDeletedObjects().size(), static_cast<size_t>(kIndexBitmapCount));
    EXPECT_EQ(HostQuitMessages(), (std::vector<int>{0, 0}));
    EXPECT_EQ(HostHeapLiveBlocks(), 0);

    // The next load makes a save due again.
    RunSession([] {});
    EXPECT_EQ(Stored("Flags"), Dword(kDefaultAppFlags));
}

TEST_F(SettingsLoadSaveTest, RunningOutOfMemoryWhileLoadingStoresNothing) {
    HostRegistrySetText(kProduct, "FontName", "Arial");
    HostRegistrySetDword(kProduct, "Flags", 0xD1140044);
    HostRegistrySet(kProduct, "Bookmarks", REG_BINARY, {5, 0, 12, 0, 0, 0});
    HostHeapFailAfter(0);
    LoadSettings();
    EXPECT_EQ(HostMessageBoxes().size(), 2u) << "FontName and Bookmarks each ran short";
    EXPECT_FALSE(HostQuitMessages().empty());
    HostHeapFailAfter(-1);
    // The main window may still be destroyed afterwards.
    SaveSettingsAndQuit();
    EXPECT_EQ(Stored("Flags"), Dword(0xD1140044));
    EXPECT_EQ(Stored("Bookmarks"), (std::vector<BYTE>{5, 0, 12, 0, 0, 0}));
    EXPECT_EQ(Stored("FontName"), Utf16("Arial", true));
    EXPECT_EQ(HostRegistryValueCount(kProduct), 3u);
}

TEST_F(SettingsLoadSaveTest, SavingBeforeAnyLoadStoresNothing) {
    HostRegistrySet(kProduct, "Bookmarks", REG_BINARY, {5, 0, 0, 0});
    SaveSettingsAndQuit();
    EXPECT_EQ(HostRegistryValueCount(kProduct), 1u);
    EXPECT_EQ(Stored("Bookmarks"), (std::vector<BYTE>{5, 0, 0, 0}));
    EXPECT_EQ(HostQuitMessages().size(), 1u);
}

TEST_F(SettingsLoadSaveTest, AFailedWriteIsSilent) {
    LoadSettings();
    HostRegistryFailWrites(true);
    SaveSettingsAndQuit();
    EXPECT_TRUE(HostMessageBoxes().empty());
    EXPECT_EQ(HostQuitMessages().size(), 1u);
    EXPECT_EQ(App.BookmarkList, nullptr);
}

TEST_F(SettingsLoadSaveTest, AHostileRegistryLoadsSafelyAndTheUsersChangesAreStored) {
    // Every setting of the wrong type or shape, and values the store must not touch.
    HostRegistrySet(kProduct, "FontName", REG_BINARY, std::vector<BYTE>(1001, 'F'));
    HostRegistrySet(kProduct, "SearchString", REG_DWORD, Dword(0x41414141));
    HostRegistrySet(kProduct, "FontSize", REG_BINARY, {0xFF, 0xFF, 0xFF});
    HostRegistrySet(kProduct, "FontAsciiBase", REG_SZ, Utf16("abc", false));
    HostRegistrySet(kProduct, "LastPosition", REG_MULTI_SZ, Utf16("65535", true));
    HostRegistrySet(kProduct, "Flags", REG_DWORD, {1, 2});
    HostRegistrySet(kProduct, "Lesson", REG_BINARY, std::vector<BYTE>(kMaxValueBytes + 1, '9'));
    HostRegistrySet(kProduct, "Bookmarks", REG_SZ, {'x'});
    HostRegistrySetDword(kProduct, "PrintTop", 750);
    HostRegistrySet(kProduct, "DevMode", REG_BINARY, {1, 2, 3, 4, 5});
    LoadSettings();
    EXPECT_EQ(std::u16string(App.Font.faceName), u"\u4646" + std::u16string(30, u'\u4646'));
    EXPECT_EQ(std::string(App.SearchString), "AAAA");
    EXPECT_EQ(App.Font.pointSize, 0);
    EXPECT_EQ(App.Font.fontAsciiBase, 5451);
    EXPECT_EQ(App.LastPosition, 65535);
    EXPECT_EQ(App.Flags, kDefaultAppFlags);
    EXPECT_EQ(App.Lesson, 0);
    EXPECT_EQ(App.BookmarkCount, 0);

    App.Lesson = 12;
    AddBookmark();
    std::copy_n(u"Gentium", 8, App.Font.faceName);
    App.Font.pointSize = 16;
    App.Flags |= AF_FIXED_LESSON;
    SaveSettingsAndQuit();
    EXPECT_EQ(Stored("Bookmarks"), (std::vector<BYTE>{12, 0, 0, 0}));
    EXPECT_EQ(Stored("FontName"), Utf16("Gentium", true));
    EXPECT_EQ(Stored("FontSize"), Dword(16));
    EXPECT_EQ(Stored("Flags"), Dword(kDefaultAppFlags | AF_FIXED_LESSON));
    EXPECT_EQ(Stored("Lesson"), Dword(12));
    EXPECT_EQ(Stored("PrintTop"), Dword(750));
    EXPECT_EQ(Stored("DevMode"), (std::vector<BYTE>{1, 2, 3, 4, 5}));
    EXPECT_EQ(HostRegistryGet(kProduct, "LastPosition")->type, static_cast<DWORD>(REG_MULTI_SZ))
        << "without a view the stored position is left alone";
    EXPECT_EQ(HostHeapLiveBlocks(), 0);
    EXPECT_TRUE(HostMessageBoxes().empty());
}

}  // namespace
