// The settings store against the real registry: values written with
// RegSetValueExW in shapes the program never writes (no terminator, odd
// sizes, megabytes, wrong types) read back safely through the readers and
// LoadSettings, and the writers store the types and sizes they promise.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/settings.h"
#include "index/bookmarks.h"
#include "platform/heap.h"

namespace {

const WCHAR kTestKey[] = WTXT("Software\\Tessaline\\Moravel 5770 (English) registry test");

void SetRaw(const WCHAR* keyPath, const WCHAR* name, DWORD type, const std::vector<BYTE>& bytes) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, keyPath, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExW(key, name, 0, type, bytes.data(), static_cast<DWORD>(bytes.size())), ERROR_SUCCESS);
    RegCloseKey(key);
}

void SetProduct(const WCHAR* name, DWORD type, const std::vector<BYTE>& bytes) {
    SetRaw(kProductKey, name, type, bytes);
}

bool GetRaw(const WCHAR* name, DWORD* type, std::vector<BYTE>* bytes) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kProductKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    DWORD size = 0;
    bool found = RegQueryValueExW(key, name, nullptr, type, nullptr, &size) == ERROR_SUCCESS;
    if (found) {
        bytes->assign(size, 0);
        found = RegQueryValueExW(key, name, nullptr, type, bytes->data(), &size) == ERROR_SUCCESS;
        bytes->resize(size);
    }
    RegCloseKey(key);
    return found;
}

std::vector<BYTE> Wide(const std::wstring& text, bool terminated) {
    std::vector<BYTE> bytes;
    for (wchar_t unit : text) {
        bytes.push_back(static_cast<BYTE>(unit));
        bytes.push_back(static_cast<BYTE>(unit >> 8));
    }
    if (terminated) bytes.insert(bytes.end(), {0, 0});
    return bytes;
}

std::vector<BYTE> Dword(uint32_t value) {
    return {static_cast<BYTE>(value), static_cast<BYTE>(value >> 8), static_cast<BYTE>(value >> 16),
            static_cast<BYTE>(value >> 24)};
}

std::wstring TextOf(const WCHAR* text) { return text ? std::wstring(text) : L"<null>"; }

class RealRegistryTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, kProductKey);
        RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey);
        App = AppState{};
    }
    void TearDown() override {
        FreeBookmarks();
        RegDeleteTreeW(HKEY_CURRENT_USER, kProductKey);
        RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey);
    }
};

TEST_F(RealRegistryTest, TextWithoutTerminatorOrOfOddSizeReadsAsATerminatedText) {
    struct Case {
        const char* what;
        std::vector<BYTE> bytes;
        std::wstring text;
        int32_t number;
    } cases[] = {
        {"no terminator", Wide(L"42", false), L"42", 42},
        {"odd byte count", {'4', 0, '2', 0, '7'}, L"427", 427},
        {"one byte", {'9'}, L"9", 9},
        {"letters", Wide(L"abc", true), L"abc", 5451},
    };
    for (const Case& c : cases) {
        SetProduct(L"Value", REG_SZ, c.bytes);
        WCHAR* text = ReadText(L"Value");
        EXPECT_EQ(TextOf(text), c.text) << c.what;
        HeapBlockFree(text);
        EXPECT_EQ(ReadNumber(L"Value", -9), c.number) << c.what;
        SetRaw(kTestKey, L"Value", REG_SZ, c.bytes);
        EXPECT_EQ(ReadNumberAt(kTestKey, L"Value", -9), c.number) << c.what;
    }
}

TEST_F(RealRegistryTest, AValueOfSeveralMegabytesIsUnreadable) {
    std::vector<BYTE> huge(3u << 20, '7');
    SetProduct(L"FontName", REG_SZ, huge);
    SetProduct(L"FontSize", REG_SZ, huge);
    SetProduct(L"Bookmarks", REG_BINARY, huge);
    EXPECT_EQ(ReadText(L"FontName"), nullptr);
    EXPECT_EQ(ReadBytes(L"FontName"), nullptr);
    EXPECT_EQ(ReadNumber(L"FontSize", -9), -9);
    LoadSettings();
    EXPECT_EQ(App.Font.faceName[0], 0);
    EXPECT_EQ(App.Font.pointSize, 0);
    EXPECT_EQ(App.BookmarkList, nullptr);
}

TEST_F(RealRegistryTest, LongFaceNameAndSearchTextAreCut) {
    SetProduct(L"FontName", REG_SZ, Wide(std::wstring(1000, L'F'), true));
    SetProduct(L"SearchString", REG_BINARY, std::vector<BYTE>(1000, 's'));
    LoadSettings();
    EXPECT_EQ(std::wstring(App.Font.faceName), std::wstring(31, L'F'));
    EXPECT_EQ(std::string(App.SearchString), std::string(33, 's'));
}

TEST_F(RealRegistryTest, DamagedBookmarksAndNumbersOfTheWrongShapeLoadSafely) {
    SetProduct(L"Bookmarks", REG_BINARY, {5, 0, 12, 0, 9});
    SetProduct(L"Lesson", REG_DWORD, Dword(0xFFFFFFFF));
    SetProduct(L"Flags", REG_DWORD, {0xFF, 0xFF});
    SetProduct(L"FontAsciiBase", REG_BINARY, Wide(L"1488", false));
    SetProduct(L"LastPosition", REG_QWORD, {'7', 0, 0, 0, 0, 0, 0, 0});
    LoadSettings();
    ASSERT_EQ(App.BookmarkCount, 2);
    EXPECT_EQ(App.BookmarkList[0], 5);
    EXPECT_EQ(App.BookmarkList[1], 12);
    EXPECT_EQ(App.BookmarkList[2], 0);
    EXPECT_EQ(App.Lesson, 0xFFFF) << "only the low 16 bits of Lesson exist";
    EXPECT_EQ(App.Flags, kDefaultAppFlags);
    EXPECT_EQ(App.Font.fontAsciiBase, 1488);
    EXPECT_EQ(App.LastPosition, 7);
}

TEST_F(RealRegistryTest, WritersStoreTheirTypesAndSizes) {
    const BYTE data[] = {5, 0, 12, 0, 0, 0};
    EXPECT_EQ(WriteNumber(L"Flags", static_cast<int32_t>(0xD1140044)), 1);
    EXPECT_EQ(WriteText(L"FontName", L"Arial"), 1);
    EXPECT_EQ(WriteNarrowText(L"SearchString", "grace"), 1);
    EXPECT_EQ(WriteBytes(L"Bookmarks", data, sizeof(data)), 1);
    struct Case {
        const wchar_t* name;
        DWORD type;
        std::vector<BYTE> bytes;
    } cases[] = {
        {L"Flags", REG_DWORD, Dword(0xD1140044)},
        {L"FontName", REG_SZ, Wide(L"Arial", true)},
        {L"SearchString", REG_BINARY, {'g', 'r', 'a', 'c', 'e', 0}},
        {L"Bookmarks", REG_BINARY, {5, 0, 12, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        DWORD type = REG_NONE;
        std::vector<BYTE> bytes;
        ASSERT_TRUE(GetRaw(c.name, &type, &bytes));
        EXPECT_EQ(type, c.type);
        EXPECT_EQ(bytes, c.bytes);
    }
    DWORD size = 0;
    auto* list = static_cast<uint16_t*>(ReadBytesSized(L"Bookmarks", nullptr, &size));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(size, 6u);
    EXPECT_EQ(list[1], 12);
    HeapBlockFree(list);
}

}  // namespace
