// Saving the main window's placement at exit and applying it at the next
// start: normal, maximised and minimised exits, and stored placements that
// would start the window hidden, minimised or off the screen.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/settings.h"

namespace {

const std::string kProduct = "Software\\Tessaline\\Moravel 5770 (English)";
HWND const kWindow = reinterpret_cast<HWND>(static_cast<uintptr_t>(0x1000));

int32_t StoredNumber(const char* name) {
    auto value = HostRegistryGet(kProduct, name);
    if (!value || value->type != REG_DWORD || value->bytes.size() != 4) return -77777;
    return static_cast<int32_t>(value->bytes[0] | value->bytes[1] << 8 | value->bytes[2] << 16 |
                                static_cast<uint32_t>(value->bytes[3]) << 24);
}

void StorePlacement(int top, int left, int width, int height, int showCmd) {
    HostRegistrySetDword(kProduct, "Top", static_cast<DWORD>(top));
    HostRegistrySetDword(kProduct, "Left", static_cast<DWORD>(left));
    HostRegistrySetDword(kProduct, "Width", static_cast<DWORD>(width));
    HostRegistrySetDword(kProduct, "Height", static_cast<DWORD>(height));
    HostRegistrySetDword(kProduct, "showCmd", static_cast<DWORD>(showCmd));
}

WINDOWPLACEMENT Placement(UINT showCmd, UINT flags, RECT normal) {
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof(placement);
    placement.flags = flags;
    placement.showCmd = showCmd;
    placement.rcNormalPosition = normal;
    return placement;
}

class WindowPlacementTest : public ::testing::Test {
protected:
    void SetUp() override {
        HostResetAll();
        HostWindowClear();
        App = AppState{};
    }
    void TearDown() override { EXPECT_EQ(HostRegistryOpenKeys(), 0); }
};

TEST_F(WindowPlacementTest, ExitsStoreTheRestoredPositionAndTheShowState) {
    struct Case {
        const char* what;
        RECT rect;
        WINDOWPLACEMENT placement;
        int top, left, width, height, showCmd;
    } cases[] = {
        {"normal", {100, 80, 740, 560}, Placement(SW_SHOWNORMAL, 0, {100, 80, 740, 560}), 80, 100, 640, 480,
         SW_SHOWNORMAL},
        // The maximised rectangle hangs a frame off each edge; rectangle + frame
        // + normal position is the restored window's place.
        {"maximised", {-4, -4, 1924, 1084}, Placement(SW_SHOWMAXIMIZED, 0, {200, 150, 1000, 750}), 150, 200,
         800, 600, SW_SHOWMAXIMIZED},
        {"minimised", {-32000, -32000, -31840, -31973}, Placement(SW_SHOWMINIMIZED, 0, {300, 200, 1100, 800}),
         200, 300, 800, 600, SW_SHOWNORMAL},
        {"minimised from maximised", {-32000, -32000, -31840, -31973},
         Placement(SW_SHOWMINIMIZED, WPF_RESTORETOMAXIMIZED, {300, 200, 1100, 800}), 200, 300, 800, 600,
         SW_SHOWMAXIMIZED},
    };
    for (const Case& c : cases) {
        HostRegistryClear();
        HostWindowSetRect(c.rect);
        HostWindowSetPlacement(c.placement);
        SaveWindowPlacement(kWindow);
        EXPECT_EQ(StoredNumber("Top"), c.top) << c.what;
        EXPECT_EQ(StoredNumber("Left"), c.left) << c.what;
        EXPECT_EQ(StoredNumber("Width"), c.width) << c.what;
        EXPECT_EQ(StoredNumber("Height"), c.height) << c.what;
        EXPECT_EQ(StoredNumber("showCmd"), c.showCmd) << c.what;
    }
}

TEST_F(WindowPlacementTest, AnUnreadablePlacementStoresNothing) {
    StorePlacement(10, 20, 300, 200, SW_SHOWMAXIMIZED);
    HostWindowFailQueries(true);
    SaveWindowPlacement(kWindow);
    EXPECT_EQ(StoredNumber("Top"), 10);
    EXPECT_EQ(StoredNumber("showCmd"), SW_SHOWMAXIMIZED);
}

TEST_F(WindowPlacementTest, FirstStartKeepsTheSystemsPlacementAndTheProcessShowCommand) {
    RestoreWindowPlacement(kWindow, SW_SHOWDEFAULT);
    EXPECT_TRUE(HostMoveWindowCalls().empty());
    ASSERT_EQ(HostShowWindowCalls().size(), 1u);
    EXPECT_EQ(HostShowWindowCalls()[0].window, kWindow);
    EXPECT_EQ(HostShowWindowCalls()[0].command, SW_SHOWDEFAULT);
}

TEST_F(WindowPlacementTest, StoredPlacementIsAppliedOnTheScreenAndNeverHiddenOrMinimised) {
    struct Case {
        const char* what;
        int top, left, width, height, showCmd;
        bool moved;
        int x, y, w, h, shown;
    } cases[] = {
        {"normal", 80, 100, 640, 480, SW_SHOWNORMAL, true, 100, 80, 640, 480, SW_SHOWNORMAL},
        {"maximised wins over the process", 150, 200, 800, 600, SW_SHOWMAXIMIZED, true, 200, 150, 800, 600,
         SW_SHOWMAXIMIZED},
        {"an older minimised exit", -32000, -32000, 800, 600, SW_SHOWMINIMIZED, true, 0, 0, 800, 600,
         SW_SHOWDEFAULT},
        {"off the right and bottom", 5000, 3000, 640, 480, SW_SHOWNORMAL, true, 1280, 600, 640, 480,
         SW_SHOWNORMAL},
        {"partly off the left", 100, -50, 640, 480, SW_SHOWNORMAL, true, 0, 100, 640, 480, SW_SHOWNORMAL},
        {"larger than the screen", -10, -10, 5000, 4000, SW_SHOWNORMAL, true, 0, 0, 1920, 1080, SW_SHOWNORMAL},
        {"corners at the ends of the range", INT32_MIN, INT32_MAX, INT32_MAX, INT32_MAX, SW_SHOWNORMAL, true,
         0, 0, 1920, 1080, SW_SHOWNORMAL},
        {"no height", 80, 100, 640, 0, SW_SHOWNORMAL, false, 0, 0, 0, 0, SW_SHOWNORMAL},
        {"negative width", 80, 100, -640, 480, SW_SHOWNORMAL, false, 0, 0, 0, 0, SW_SHOWNORMAL},
        {"hidden", 80, 100, 640, 480, SW_HIDE, true, 100, 80, 640, 480, SW_SHOWDEFAULT},
        {"minimise", 80, 100, 640, 480, SW_MINIMIZE, true, 100, 80, 640, 480, SW_SHOWDEFAULT},
        {"unknown", 80, 100, 640, 480, 5451, true, 100, 80, 640, 480, SW_SHOWDEFAULT},
    };
    for (const Case& c : cases) {
        HostRegistryClear();
        HostWindowClear();
        StorePlacement(c.top, c.left, c.width, c.height, c.showCmd);
        RestoreWindowPlacement(kWindow, SW_SHOWDEFAULT);
        if (c.moved) {
            ASSERT_EQ(HostMoveWindowCalls().size(), 1u) << c.what;
            const HostMoveWindowCall& move = HostMoveWindowCalls()[0];
            EXPECT_EQ(move.window, kWindow) << c.what;
            EXPECT_EQ(move.x, c.x) << c.what;
            EXPECT_EQ(move.y, c.y) << c.what;
            EXPECT_EQ(move.width, c.w) << c.what;
            EXPECT_EQ(move.height, c.h) << c.what;
            EXPECT_TRUE(move.repaint) << c.what;
        } else {
            EXPECT_TRUE(HostMoveWindowCalls().empty()) << c.what;
        }
        ASSERT_EQ(HostShowWindowCalls().size(), 1u) << c.what;
        EXPECT_EQ(HostShowWindowCalls()[0].command, c.shown) << c.what;
    }
}

TEST_F(WindowPlacementTest, AWindowOnASecondMonitorStaysThere) {
    HostSystemMetricSet(SM_XVIRTUALSCREEN, -1920);
    HostSystemMetricSet(SM_CXVIRTUALSCREEN, 3840);
    StorePlacement(100, -1500, 800, 600, SW_SHOWNORMAL);
    RestoreWindowPlacement(kWindow, SW_SHOWNORMAL);
    ASSERT_EQ(HostMoveWindowCalls().size(), 1u);
    EXPECT_EQ(HostMoveWindowCalls()[0].x, -1500);
    EXPECT_EQ(HostMoveWindowCalls()[0].y, 100);
}

TEST_F(WindowPlacementTest, ValuesOfTheWrongTypeCannotPushTheWindowAway) {
    HostRegistrySetText(kProduct, "Top", "abc");
    HostRegistrySetText(kProduct, "Left", "abc");
    HostRegistrySetText(kProduct, "Width", "640");
    HostRegistrySet(kProduct, "Height", REG_BINARY, {'4', 0, '8', 0, '0', 0});
    HostRegistrySetText(kProduct, "showCmd", "3");
    RestoreWindowPlacement(kWindow, SW_SHOWNORMAL);
    ASSERT_EQ(HostMoveWindowCalls().size(), 1u);
    EXPECT_EQ(HostMoveWindowCalls()[0].x, 1280);
    EXPECT_EQ(HostMoveWindowCalls()[0].y, 600);
    EXPECT_EQ(HostMoveWindowCalls()[0].width, 640);
    EXPECT_EQ(HostMoveWindowCalls()[0].height, 480);
    EXPECT_EQ(HostShowWindowCalls()[0].command, SW_SHOWMAXIMIZED);
}

TEST_F(WindowPlacementTest, AMinimisedExitReopensWhereTheWindowWasRestored) {
    HostWindowSetRect({-32000, -32000, -31840, -31973});
    HostWindowSetPlacement(Placement(SW_SHOWMINIMIZED, 0, {300, 200, 1100, 800}));
    SaveWindowPlacement(kWindow);
    HostWindowClear();
    RestoreWindowPlacement(kWindow, SW_SHOWNORMAL);
    ASSERT_EQ(HostMoveWindowCalls().size(), 1u);
    EXPECT_EQ(HostMoveWindowCalls()[0].x, 300);
    EXPECT_EQ(HostMoveWindowCalls()[0].y, 200);
    EXPECT_EQ(HostMoveWindowCalls()[0].width, 800);
    EXPECT_EQ(HostMoveWindowCalls()[0].height, 600);
    EXPECT_EQ(HostShowWindowCalls()[0].command, SW_SHOWNORMAL);
}

}  // namespace
