// Shared by the main window's host tests: the built book as resources, a
// main window of 640 by 480 on the recording device, the default option word
// and a gutter of 10, and the global state cleared between tests.
#pragma once

#include <gtest/gtest.h>

#include "app/app_state.h"
#include "app/settings.h"
#include "app/viewport.h"
#include "view/text_view.h"

class ReaderTest : public ::testing::Test {
protected:
    HWND window = reinterpret_cast<HWND>(static_cast<uintptr_t>(0x1000));

    void SetUp() override {
        HostResetAll();
        HostGdiClear();
        HostPaintClear();
        HostWindowClear();
        HostLoadBookResources();
        App = AppState{};
        App.MainWindow = window;
        App.Flags = kDefaultAppFlags;
        App.SurroundingGutter = 10;
        HostSetClientRect(window, RECT{0, 0, 640, 480});
    }

    void TearDown() override {
        ReleaseTextView(App.View, true);
        App.View = nullptr;
    }

    // Opens `lesson` at `position` in a new view, as start-up does.
    TextView* Open(LessonNumber lesson, uint16_t position = 0) {
        App.Lesson = lesson;
        App.LastPosition = position;
        EXPECT_EQ(CreateMainView(window), 0);
        RefreshMainWindow(window, kPaintRefresh);
        return App.View;
    }
};
