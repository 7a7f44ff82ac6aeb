// Start-up decisions: the platform refusal, the gutter read, window styles.
#include <gtest/gtest.h>

#include "app/startup.h"

namespace {

const char kDeveloperKeyPath[] = "software\\Quillmark";

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override { HostResetAll(); }
};

TEST_F(StartupTest, RefusesWin32sAnd9xButNotNt) {
    struct Case {
        DWORD platformId;
        bool refused;
    } cases[] = {{VER_PLATFORM_WIN32s, true}, {VER_PLATFORM_WIN32_WINDOWS, true}, {VER_PLATFORM_WIN32_NT, false}};
    for (const Case& c : cases) {
        HostResetAll();
        HostSetPlatformId(c.platformId);
        EXPECT_EQ(RefuseOldPlatform(), c.refused) << "platform " << c.platformId;
        EXPECT_EQ(HostMessageBoxes().size(), c.refused ? 1u : 0u);
        // Nothing else has run: no setting is read or written.
        EXPECT_EQ(HostRegistryOpenKeys(), 0);
        EXPECT_EQ(HostRegistryValueCount("Software\\Tessaline\\Moravel 5770 (English)"), 0u);
    }
}

TEST_F(StartupTest, RefusalMessageIsExact) {
    HostSetPlatformId(VER_PLATFORM_WIN32_WINDOWS);
    ASSERT_TRUE(RefuseOldPlatform());
    const HostMessageBox& box = HostMessageBoxes().at(0);
    EXPECT_EQ(box.owner, nullptr);
    EXPECT_EQ(box.text, u"This Application does NOT run on:\n\n\tWINDOWS 95\n\tWINDOWS 98\n\tWINDOWS ME\n");
    EXPECT_EQ(box.caption, u"www.quillmark.example");
    EXPECT_EQ(box.type, static_cast<UINT>(MB_ICONERROR));
}

TEST_F(StartupTest, GutterReadsNumbersAndTextsAndStaysInBounds) {
    struct Case {
        const char* what;
        void (*store)();
        int32_t gutter;
    } cases[] = {
        {"absent", [] {}, 10},
        {"dword 25", [] { HostRegistrySetDword(kDeveloperKeyPath, "SurroundingGutter", 25); }, 25},
        {"text 25", [] { HostRegistrySetText(kDeveloperKeyPath, "SurroundingGutter", "25"); }, 25},
        {"dword 0", [] { HostRegistrySetDword(kDeveloperKeyPath, "SurroundingGutter", 0); }, 0},
        {"text abc", [] { HostRegistrySetText(kDeveloperKeyPath, "SurroundingGutter", "abc"); }, 5451},
        {"text of many digits", [] { HostRegistrySetText(kDeveloperKeyPath, "SurroundingGutter", "99999"); }, kMaxGutter},
        {"huge", [] { HostRegistrySetDword(kDeveloperKeyPath, "SurroundingGutter", 0x7FFFFFFF); }, kMaxGutter},
        {"negative", [] { HostRegistrySetDword(kDeveloperKeyPath, "SurroundingGutter", 0xFFFFFFF6); }, 0},
        {"empty text", [] { HostRegistrySetText(kDeveloperKeyPath, "SurroundingGutter", ""); }, 0},
    };
    for (const Case& c : cases) {
        HostResetAll();
        c.store();
        EXPECT_EQ(ReadSurroundingGutter(), c.gutter) << c.what;
        EXPECT_EQ(HostRegistryOpenKeys(), 0) << c.what;
    }
}

TEST_F(StartupTest, GutterIsNeverWritten) {
    HostRegistrySetDword(kDeveloperKeyPath, "SurroundingGutter", 25);
    ReadSurroundingGutter();
    EXPECT_EQ(HostRegistryValueCount(kDeveloperKeyPath), 1u);
    EXPECT_EQ(HostRegistryGet(kDeveloperKeyPath, "SurroundingGutter")->bytes[0], 25);
}

TEST(MainWindowStyles, ScrollBarFollowsTheLowByte) {
    struct Case {
        AppFlags flags;
        DWORD style;
        DWORD exStyle;
    } cases[] = {
        {0x00, 0xF0000, 0x100},
        {0x40, 0x2F0000, 0x100},
        {0x80, 0x2F0000, 0x4100},
        {0xC0, 0x2F0000, 0x4100},
        {kDefaultAppFlags, 0x2F0000, 0x100},
        {0xFFFFFF3F, 0xF0000, 0x100},  // bits above the low byte play no part
    };
    for (const Case& c : cases) {
        WindowStyles styles = MainWindowStyles(c.flags);
        EXPECT_EQ(styles.style, c.style) << std::hex << c.flags;
        EXPECT_EQ(styles.exStyle, c.exStyle) << std::hex << c.flags;
    }
}

}  // namespace
