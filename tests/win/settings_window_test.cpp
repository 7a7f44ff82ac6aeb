// The main window's placement on a real window: a minimised exit stores the
// place the window returns to, and a stored placement that would leave the
// window minimised or off the screen is applied on the screen.
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/app_state.h"
#include "app/settings.h"

namespace {

const WCHAR kClassName[] = L"MoravelPlacementTestWindow";

HWND CreateTestWindow() {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kClassName;
    RegisterClassW(&windowClass);
    return CreateWindowExW(WS_EX_WINDOWEDGE, kClassName, L"placement", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

class RealWindowPlacementTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, kProductKey);
        App = AppState{};
        window = CreateTestWindow();
        ASSERT_NE(window, nullptr);
    }
    void TearDown() override {
        if (window) DestroyWindow(window);
        Pump();
        RegDeleteTreeW(HKEY_CURRENT_USER, kProductKey);
    }
    HWND window = nullptr;
};

TEST_F(RealWindowPlacementTest, AMinimisedExitStoresWhereTheWindowReturnsTo) {
    MoveWindow(window, 120, 90, 500, 400, TRUE);
    ShowWindow(window, SW_SHOWNORMAL);
    ShowWindow(window, SW_MINIMIZE);
    Pump();
    ASSERT_TRUE(IsIconic(window));
    SaveWindowPlacement(window);
    EXPECT_EQ(ReadNumber(L"showCmd", -1), SW_SHOWNORMAL);
    EXPECT_EQ(ReadNumber(L"Width", -1), 500);
    EXPECT_EQ(ReadNumber(L"Height", -1), 400);
    EXPECT_GT(ReadNumber(L"Top", -1), -1000);
    EXPECT_GT(ReadNumber(L"Left", -1), -1000);
}

TEST_F(RealWindowPlacementTest, AMaximisedExitStoresTheRestoredSizeAndShowState) {
    MoveWindow(window, 120, 90, 500, 400, TRUE);
    ShowWindow(window, SW_SHOWMAXIMIZED);
    Pump();
    SaveWindowPlacement(window);
    EXPECT_EQ(ReadNumber(L"showCmd", -1), SW_SHOWMAXIMIZED);
    EXPECT_EQ(ReadNumber(L"Width", -1), 500);
    EXPECT_EQ(ReadNumber(L"Height", -1), 400);
}

TEST_F(RealWindowPlacementTest, AnOffScreenMinimisedPlacementOpensOnTheScreen) {
    WriteNumber(L"Top", -32000);
    WriteNumber(L"Left", -32000);
    WriteNumber(L"Width", 500);
    WriteNumber(L"Height", 400);
    WriteNumber(L"showCmd", SW_SHOWMINIMIZED);
    RestoreWindowPlacement(window, SW_SHOWNORMAL);
    Pump();
    EXPECT_FALSE(IsIconic(window));
    EXPECT_TRUE(IsWindowVisible(window));
    RECT rect = {};
    ASSERT_TRUE(GetWindowRect(window, &rect));
    int screenLeft = GetSystemMetrics(SM_XVIRTUALSCREEN);
    int screenTop = GetSystemMetrics(SM_YVIRTUALSCREEN);
    EXPECT_GE(rect.left, screenLeft);
    EXPECT_GE(rect.top, screenTop);
    EXPECT_LE(rect.right, screenLeft + GetSystemMetrics(SM_CXVIRTUALSCREEN));
    EXPECT_LE(rect.bottom, screenTop + GetSystemMetrics(SM_CYVIRTUALSCREEN));
}

}  // namespace
