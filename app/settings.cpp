// The settings store (first cut: the number reader and the minimal load and
// save that start-up needs; the full store replaces this).
#include "app/settings.h"

#include "app/app_state.h"

const WCHAR kProductKey[] = WTXT("Software\\Tessaline\\Moravel 5770 (English)");
const WCHAR kDeveloperKey[] = WTXT("software\\Quillmark");

int32_t ReadNumberAt(const WCHAR* keyPath, const WCHAR* name, int32_t fallback) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, keyPath, 0, KEY_READ, &key) != ERROR_SUCCESS) return fallback;
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof(value);
    LSTATUS status = RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS || type != REG_DWORD || size != sizeof(value)) return fallback;
    return static_cast<int32_t>(value);
}

int32_t ReadNumber(const WCHAR* name, int32_t fallback) { return ReadNumberAt(kProductKey, name, fallback); }
WCHAR* ReadText(const WCHAR*) { return nullptr; }
void* ReadBytes(const WCHAR*) { return nullptr; }
void* ReadBytesSized(const WCHAR*, void* fallback, DWORD*) { return fallback; }

int WriteNumber(const WCHAR* name, int32_t value) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kProductKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return 0;
    LSTATUS status = RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                                    sizeof(value));
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}
int WriteText(const WCHAR*, const WCHAR*) { return 0; }
int WriteNarrowText(const WCHAR*, const char*) { return 0; }
int WriteBytes(const WCHAR*, const void*, DWORD) { return 0; }

void LoadSettings() {
    App.Font.fontAsciiBase = ReadNumber(WTXT("FontAsciiBase"), kDefaultFontAsciiBase);
    App.Flags = static_cast<AppFlags>(ReadNumber(WTXT("Flags"), static_cast<int32_t>(kDefaultAppFlags)));
    App.Lesson = static_cast<LessonNumber>(ReadNumber(WTXT("Lesson"), 0));
}

void SaveSettingsAndQuit() {
    WriteNumber(WTXT("Flags"), static_cast<int32_t>(App.Flags));
    if (App.Lesson != 0) WriteNumber(WTXT("Lesson"), App.Lesson);
    PostQuitMessage(0);
}

void SaveWindowPlacement(HWND) {}
void RestoreWindowPlacement(HWND, int) {}
