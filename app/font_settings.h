// FontSettings: the display font choice. AppState holds one; the font dialog
// edits it in place; every TextView and IndexView keeps a whole copy.
#pragma once

#include <cstdint>

#include "platform/win.h"

constexpr int kFaceNameUnits = 32;  // UTF-16 units including the terminator
constexpr int32_t kDefaultFontAsciiBase = 97;

struct FontSettings {
    WCHAR faceName[kFaceNameUnits];  // NUL-terminated; empty = the font mapper's choice
    int32_t pointSize;               // 0 = the engines' defaults
    int32_t fontAsciiBase;           // first character of the font dialog's sample
};
static_assert(sizeof(FontSettings) == 72, "FontSettings is 64 bytes of name and two ints");
