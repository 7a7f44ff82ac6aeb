// Start-up decisions that need no window.
#include "app/startup.h"

#include "app/settings.h"

const WCHAR kMainWindowName[] = WTXT("Moravel 5770 (English)");
const char kRefusalText[] =
    "This Application does NOT run on:\n\n\tWINDOWS 95\n\tWINDOWS 98\n\tWINDOWS ME\n";
const char kDeveloperAddress[] = "www.quillmark.example";

namespace {
constexpr DWORD kBaseStyle = 0xF0000;  // system menu, thick frame, minimise and maximise boxes
constexpr DWORD kVScrollStyle = 0x200000;
constexpr DWORD kWindowEdge = 0x100;
constexpr DWORD kLeftScrollBar = 0x4000;
}  // namespace

bool IsRefusedPlatform(DWORD platformId) { return platformId < VER_PLATFORM_WIN32_NT; }

bool RefuseOldPlatform() {
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof(info);
    if (!GetVersionExA(&info)) return false;
    if (!IsRefusedPlatform(info.dwPlatformId)) return false;
    MessageBoxA(nullptr, kRefusalText, kDeveloperAddress, MB_ICONERROR);
    return true;
}

int32_t ReadSurroundingGutter() {
    int32_t gutter = ReadNumberAt(kDeveloperKey, WTXT("SurroundingGutter"), kDefaultGutter);
    if (gutter < 0) return 0;
    if (gutter > kMaxGutter) return kMaxGutter;
    return gutter;
}

WindowStyles MainWindowStyles(AppFlags flags) {
    WindowStyles styles = {kBaseStyle, kWindowEdge};
    if (flags & (AF_SCROLLBAR | AF_SCROLLBAR_LEFT)) styles.style |= kVScrollStyle;
    if (flags & AF_SCROLLBAR_LEFT) styles.exStyle |= kLeftScrollBar;
    return styles;
}
