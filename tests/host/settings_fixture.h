// Shared by the settings tests: the product's key in the registry double, a
// text as the UTF-16 bytes the registry holds, and a fixture that starts each
// test on a fresh host double and a fresh AppState.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/app_state.h"
#include "platform/win.h"

inline const std::string kProduct = "Software\\Tessaline\\Moravel 5770 (English)";

inline std::vector<BYTE> Utf16(const std::string& text, bool terminated) {
    std::vector<BYTE> bytes;
    for (unsigned char c : text) {
        bytes.push_back(c);
        bytes.push_back(0);
    }
    if (terminated) bytes.insert(bytes.end(), {0, 0});
    return bytes;
}

class SettingsFixture : public ::testing::Test {
protected:
    void SetUp() override {
        HostResetAll();
        App = AppState{};
    }
};
