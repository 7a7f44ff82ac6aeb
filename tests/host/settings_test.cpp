// The settings store's readers and writers against the registry double:
// types, sizes, the decimal reading of non-DWORD values, and values that a
// hand edit or damage left in a shape the program never writes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/settings.h"
#include "platform/heap.h"
#include "tests/host/settings_fixture.h"

namespace {

const std::string kDeveloper = "software\\Quillmark";

std::u16string TextOf(const WCHAR* text) { return text ? std::u16string(text) : u"<null>"; }

class SettingsStoreTest : public SettingsFixture {
protected:
    void TearDown() override {
        HostHeapFailAfter(-1);
        EXPECT_EQ(HostRegistryOpenKeys(), 0) << "a key was left open";
    }
};

TEST_F(SettingsStoreTest, NumberReaderTakesDwordsAsStoredAndOtherTypesAsDecimalText) {
    struct Case {
        const char* what;
        DWORD type;
        std::vector<BYTE> bytes;
        int32_t expected;
    } cases[] = {
        {"dword", REG_DWORD, {0x2A, 0, 0, 0}, 42},
        {"dword with every bit", REG_DWORD, {0xFF, 0xFF, 0xFF, 0xFF}, -1},
        {"text 42", REG_SZ, Utf16("42", true), 42},
        {"text abc", REG_SZ, Utf16("abc", true), 5451},
        {"empty text", REG_SZ, Utf16("", true), 0},
        {"no bytes at all", REG_SZ, {}, 0},
        {"text without terminator", REG_SZ, Utf16("42", false), 42},
        {"odd byte count: the half unit reads as 0x0037", REG_SZ, {'4', 0, '2', 0, '7'}, 427},
        {"digits stop at the first 0 unit", REG_SZ, {'4', 0, 0, 0, '9', 0, 0, 0}, 4},
        {"binary read as text", REG_BINARY, Utf16("17", false), 17},
        {"qword read as text", REG_QWORD, {'5', 0, 0, 0, 0, 0, 0, 0}, 5},
        {"wraps in 32 bits", REG_SZ, Utf16("4294967296", true), 0},
        {"wraps to -1", REG_SZ, Utf16("4294967295", true), -1},
        {"short dword", REG_DWORD, {0x2A, 0}, 99},
        {"long dword", REG_DWORD, {0x2A, 0, 0, 0, 1, 0, 0, 0}, 99},
    };
    for (const Case& c : cases) {
        HostRegistrySet(kProduct, "Number", c.type, c.bytes);
        EXPECT_EQ(ReadNumber(WTXT("Number"), 99), c.expected) << c.what;
    }
}

TEST_F(SettingsStoreTest, NumberReaderFallsBackWhenKeyOrValueIsMissing) {
    EXPECT_EQ(ReadNumber(WTXT("Flags"), 7), 7);
    HostRegistrySetDword(kProduct, "Other", 1);
    EXPECT_EQ(ReadNumber(WTXT("Flags"), 7), 7);
    EXPECT_EQ(ReadNumberAt(kDeveloperKey, WTXT("SurroundingGutter"), 10), 10);
    HostRegistrySetText(kDeveloper, "SurroundingGutter", "25");
    EXPECT_EQ(ReadNumberAt(kDeveloperKey, WTXT("SurroundingGutter"), 10), 25);
}

TEST_F(SettingsStoreTest, ValuesLargerThanTheLimitAreUnreadable) {
    std::vector<BYTE> atLimit(kMaxValueBytes, 0);
    atLimit[0] = '3';
    HostRegistrySet(kProduct, "Big", REG_SZ, atLimit);
    EXPECT_EQ(ReadNumber(WTXT("Big"), 99), 3);
    WCHAR* text = ReadText(WTXT("Big"));
    EXPECT_EQ(TextOf(text), u"3");
    HeapBlockFree(text);

    std::vector<BYTE> overLimit(kMaxValueBytes + 2, '7');
    HostRegistrySet(kProduct, "Big", REG_SZ, overLimit);
    EXPECT_EQ(ReadNumber(WTXT("Big"), 99), 99);
    EXPECT_EQ(ReadText(WTXT("Big")), nullptr);
    EXPECT_EQ(ReadBytes(WTXT("Big")), nullptr);
    EXPECT_EQ(HostHeapLiveBlocks(), 0);
    EXPECT_TRUE(HostMessageBoxes().empty());
}

TEST_F(SettingsStoreTest, TextReaderAlwaysGivesATerminatedText) {
    struct Case {
        const char* what;
        DWORD type;
        std::vector<BYTE> bytes;
        std::u16string expected;
    } cases[] = {
        {"terminated", REG_SZ, Utf16("Arial", true), u"Arial"},
        {"no terminator", REG_SZ, Utf16("Arial", false), u"Arial"},
        {"odd byte count", REG_SZ, {'A', 0, 'b'}, u"Ab"},
        {"one byte", REG_SZ, {'Q'}, u"Q"},
        {"no bytes", REG_SZ, {}, u""},
        {"dword read as text", REG_DWORD, {'A', 0, 'B', 0}, u"AB"},
    };
    for (const Case& c : cases) {
        HostRegistrySet(kProduct, "FontName", c.type, c.bytes);
        WCHAR* text = ReadText(WTXT("FontName"));
        EXPECT_EQ(TextOf(text), c.expected) << c.what;
        HeapBlockFree(text);
    }
    EXPECT_EQ(ReadText(WTXT("Missing")), nullptr);
    EXPECT_EQ(HostHeapLiveBlocks(), 0);
}

TEST_F(SettingsStoreTest, ByteReadersGiveTheStoredBytesFollowedByZeros) {
    HostRegistrySet(kProduct, "SearchString", REG_BINARY, {'g', 'r', 'a', 'c', 'e'});
    DWORD size = 1234;
    auto* bytes = static_cast<BYTE*>(ReadBytesSized(WTXT("SearchString"), nullptr, &size));
    ASSERT_NE(bytes, nullptr);
    EXPECT_EQ(size, 5u);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(bytes)), "grace");
    // Read as 16-bit words the padded block still ends in a 0 word.
    EXPECT_EQ(bytes[5], 0);
    EXPECT_EQ(bytes[6], 0);
    EXPECT_EQ(bytes[7], 0);
    HeapBlockFree(bytes);

    HostRegistrySet(kProduct, "Empty", REG_BINARY, {});
    auto* empty = static_cast<char*>(ReadBytesSized(WTXT("Empty"), nullptr, &size));
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(size, 0u);
    EXPECT_EQ(empty[0], 0);
    HeapBlockFree(empty);

    auto* plain = static_cast<char*>(ReadBytes(WTXT("SearchString")));
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(std::string(plain), "grace");
    HeapBlockFree(plain);
    EXPECT_EQ(HostHeapLiveBlocks(), 0);
}

TEST_F(SettingsStoreTest, SizedReaderGivesTheFallbackAndKeepsTheSizeOnFailure) {
    int fallback = 0;
    DWORD size = 77;
    EXPECT_EQ(ReadBytesSized(WTXT("Bookmarks"), &fallback, &size), &fallback);
    EXPECT_EQ(size, 77u);
    EXPECT_EQ(ReadBytesSized(WTXT("Bookmarks"), nullptr, nullptr), nullptr);
    EXPECT_EQ(ReadBytes(WTXT("Bookmarks")), nullptr);
}

TEST_F(SettingsStoreTest, ReaderOutOfMemoryTellsTheUserAndReturnsItsFailure) {
    HostRegistrySetText(kProduct, "FontName", "Arial");
    HostRegistrySetText(kProduct, "FontSize", "12");
    int fallback = 0;
    HostHeapFailAfter(0);
    EXPECT_EQ(ReadText(WTXT("FontName")), nullptr);
    EXPECT_EQ(ReadBytesSized(WTXT("FontName"), &fallback, nullptr), &fallback);
    EXPECT_EQ(ReadNumber(WTXT("FontSize"), 99), 99);
    ASSERT_FALSE(HostMessageBoxes().empty());
    EXPECT_EQ(HostMessageBoxes()[0].text, u"There is not enough memory, aborting");
    EXPECT_FALSE(HostQuitMessages().empty());
}

TEST_F(SettingsStoreTest, WritersStoreTheirTypeAndSize) {
    EXPECT_EQ(WriteNumber(WTXT("FontSize"), -2), 1);
    EXPECT_EQ(WriteText(WTXT("FontName"), WTXT("Arial")), 1);
    EXPECT_EQ(WriteText(WTXT("Blank"), WTXT("")), 1);
    EXPECT_EQ(WriteNarrowText(WTXT("SearchString"), "grace"), 1);
    const BYTE data[] = {1, 2, 3};
    EXPECT_EQ(WriteBytes(WTXT("Data"), data, 3), 1);
    EXPECT_EQ(WriteBytes(WTXT("Nothing"), nullptr, 0), 1);

    struct Case {
        const char* name;
        DWORD type;
        std::vector<BYTE> bytes;
    } cases[] = {
        {"FontSize", REG_DWORD, {0xFE, 0xFF, 0xFF, 0xFF}},
        {"FontName", REG_SZ, Utf16("Arial", true)},
        {"Blank", REG_SZ, {0, 0}},
        {"SearchString", REG_BINARY, {'g', 'r', 'a', 'c', 'e', 0}},
        {"Data", REG_BINARY, {1, 2, 3}},
        {"Nothing", REG_BINARY, {}},
    };
    for (const Case& c : cases) {
        auto value = HostRegistryGet(kProduct, c.name);
        ASSERT_TRUE(value.has_value()) << c.name;
        EXPECT_EQ(value->type, c.type) << c.name;
        EXPECT_EQ(value->bytes, c.bytes) << c.name;
    }
}

TEST_F(SettingsStoreTest, WritersReportFailureAndRefuseMissingData) {
    EXPECT_EQ(WriteBytes(WTXT("Data"), nullptr, 4), 0);
    EXPECT_EQ(WriteText(WTXT("FontName"), nullptr), 0);
    EXPECT_EQ(WriteNarrowText(WTXT("SearchString"), nullptr), 0);
    EXPECT_EQ(HostRegistryValueCount(kProduct), 0u);
    HostRegistryFailWrites(true);
    EXPECT_EQ(WriteNumber(WTXT("Flags"), 1), 0);
    EXPECT_EQ(WriteText(WTXT("FontName"), WTXT("Arial")), 0);
    EXPECT_EQ(WriteNarrowText(WTXT("SearchString"), "x"), 0);
    const BYTE data[] = {1};
    EXPECT_EQ(WriteBytes(WTXT("Data"), data, 1), 0);
    EXPECT_EQ(HostRegistryValueCount(kProduct), 0u);
}

}  // namespace
