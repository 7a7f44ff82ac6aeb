// The end-to-end driver: runs one named case (or all) against the real
// reader and prints "N passed, M failed" for the checks it made.
#include "tests/e2e/driver.h"

#include <cstdio>
#include <cwchar>

namespace {
int passedChecks = 0;
int failedChecks = 0;
const wchar_t kReaderName[] = L"Moravel 5770 (English)";
}  // namespace

const wchar_t kProductKeyPath[] = L"Software\\Tessaline\\Moravel 5770 (English)";
const wchar_t kDeveloperKeyPath[] = L"software\\Quillmark";

std::vector<Case>& Cases() {
    static std::vector<Case> cases;
    return cases;
}

bool Check(bool condition, const char* what) {
    if (condition) {
        ++passedChecks;
    } else {
        ++failedChecks;
        std::printf("  FAILED: %s\n", what);
    }
    return condition;
}

bool CheckEqual(long long actual, long long expected, const char* what) {
    if (actual != expected)
        std::printf("  %s: got %lld (0x%llx), expected %lld (0x%llx)\n", what, actual,
                    static_cast<unsigned long long>(actual), expected,
                    static_cast<unsigned long long>(expected));
    return Check(actual == expected, what);
}

bool CheckText(const std::wstring& actual, const std::wstring& expected, const char* what) {
    if (actual != expected) std::printf("  %s: got \"%ls\", expected \"%ls\"\n", what, actual.c_str(), expected.c_str());
    return Check(actual == expected, what);
}

std::wstring ReaderPath() {
    wchar_t path[MAX_PATH];
    DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring own(path, length);
    return own.substr(0, own.find_last_of(L"\\/") + 1) + L"Moravel5770.exe";
}

double NowMs() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

HWND FindReaderWindow() { return FindWindowW(kReaderName, kReaderName); }

int CountReaderWindows() {
    int count = 0;
    EnumWindows(
        [](HWND window, LPARAM counter) -> BOOL {
            wchar_t className[64] = {};
            GetClassNameW(window, className, 64);
            if (std::wcscmp(className, kReaderName) == 0) ++*reinterpret_cast<int*>(counter);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

HWND WaitForReaderWindow(DWORD milliseconds) {
    double deadline = NowMs() + milliseconds;
    while (NowMs() < deadline) {
        HWND window = FindReaderWindow();
        if (window && IsWindowVisible(window)) return window;
        Sleep(20);
    }
    return nullptr;
}

bool StartReader(Reader* reader, bool waitForWindow) {
    *reader = Reader{};
    std::wstring path = ReaderPath();
    std::wstring commandLine = L"\"" + path + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &reader->process)) {
        std::printf("  cannot start the reader (error %lu)\n", GetLastError());
        return false;
    }
    if (!waitForWindow) return true;
    WaitForInputIdle(reader->process.hProcess, 20000);
    reader->window = WaitForReaderWindow(20000);
    return reader->window != nullptr;
}

long WaitForExit(Reader* reader, DWORD milliseconds) {
    if (!reader->process.hProcess) return -999;
    if (WaitForSingleObject(reader->process.hProcess, milliseconds) != WAIT_OBJECT_0) return -999;
    DWORD code = 0;
    GetExitCodeProcess(reader->process.hProcess, &code);
    CloseHandle(reader->process.hProcess);
    CloseHandle(reader->process.hThread);
    reader->process = PROCESS_INFORMATION{};
    return static_cast<long>(static_cast<int>(code));
}

long CloseReader(Reader* reader) {
    if (reader->window) PostMessageW(reader->window, WM_CLOSE, 0, 0);
    return WaitForExit(reader);
}

void KillReader(Reader* reader) {
    if (!reader->process.hProcess) return;
    TerminateProcess(reader->process.hProcess, 1);
    WaitForExit(reader, 5000);
}

void ClearSettings() {
    RegDeleteTreeW(HKEY_CURRENT_USER, kProductKeyPath);
    RegDeleteTreeW(HKEY_CURRENT_USER, kDeveloperKeyPath);
}

void SetValue(const wchar_t* keyPath, const wchar_t* name, DWORD type, const void* data, DWORD size) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, keyPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
}

void SetDword(const wchar_t* keyPath, const wchar_t* name, DWORD value) {
    SetValue(keyPath, name, REG_DWORD, &value, sizeof(value));
}

bool GetDword(const wchar_t* keyPath, const wchar_t* name, DWORD* value) {
    DWORD type = 0, size = sizeof(*value);
    return RegGetValueW(HKEY_CURRENT_USER, keyPath, name, RRF_RT_ANY, &type, value, &size) ==
               ERROR_SUCCESS &&
           type == REG_DWORD;
}

void PressKey(WORD virtualKey, bool control, bool alt, bool shift) {
    std::vector<INPUT> inputs;
    auto key = [&inputs](WORD vk, bool up) {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = vk;
        input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        if (vk == VK_HOME || vk == VK_END || vk == VK_PRIOR || vk == VK_NEXT || vk == VK_LEFT ||
            vk == VK_RIGHT || vk == VK_UP || vk == VK_DOWN)
            input.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
        inputs.push_back(input);
    };
    if (control) key(VK_CONTROL, false);
    if (alt) key(VK_MENU, false);
    if (shift) key(VK_SHIFT, false);
    key(virtualKey, false);
    key(virtualKey, true);
    if (shift) key(VK_SHIFT, true);
    if (alt) key(VK_MENU, true);
    if (control) key(VK_CONTROL, true);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    Sleep(100);
}

bool GetValue(const wchar_t* keyPath, const wchar_t* name, DWORD* type, std::vector<BYTE>* data) {
    DWORD size = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, keyPath, name, RRF_RT_ANY | RRF_NOEXPAND, type, nullptr,
                     &size) != ERROR_SUCCESS)
        return false;
    data->assign(size, 0);
    return RegGetValueW(HKEY_CURRENT_USER, keyPath, name, RRF_RT_ANY | RRF_NOEXPAND, type,
                        size ? data->data() : nullptr, &size) == ERROR_SUCCESS;
}

std::vector<std::wstring> ValueNames(const wchar_t* keyPath) {
    std::vector<std::wstring> names;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, keyPath, 0, KEY_READ, &key) != ERROR_SUCCESS) return names;
    for (DWORD i = 0;; ++i) {
        wchar_t name[256];
        DWORD length = 256;
        if (RegEnumValueW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        names.emplace_back(name, length);
    }
    RegCloseKey(key);
    return names;
}

bool BringToFront(HWND window) {
    double deadline = NowMs() + 3000;
    while (NowMs() < deadline) {
        SetForegroundWindow(window);
        if (GetForegroundWindow() == window) {
            Sleep(100);  // let the activation messages settle before input arrives
            return true;
        }
        Sleep(50);
    }
    return false;
}

void ClickAt(HWND window, int x, int y) {
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    PostMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

void TurnWheel(HWND window, int delta) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    POINT centre = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    PostMessageW(window, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(static_cast<short>(delta))),
                 MAKELPARAM(centre.x, centre.y));
}

HWND WaitForMessageBox(DWORD processId, DWORD milliseconds) {
    double deadline = NowMs() + milliseconds;
    do {
        for (HWND box = FindWindowExW(nullptr, nullptr, L"#32770", nullptr); box;
             box = FindWindowExW(nullptr, box, L"#32770", nullptr)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(box, &owner);
            if (owner == processId && IsWindowVisible(box)) return box;
        }
        Sleep(20);
    } while (NowMs() < deadline);
    return nullptr;
}

std::wstring MessageBoxText(HWND box) {
    std::wstring text;
    for (HWND child = FindWindowExW(box, nullptr, L"Static", nullptr); child;
         child = FindWindowExW(box, child, L"Static", nullptr)) {
        wchar_t part[512] = {};
        if (GetWindowTextW(child, part, 512) == 0) continue;
        if (!text.empty()) text += L"\n";
        text += part;
    }
    return text;
}

void AnswerMessageBox(HWND box, int buttonId) {
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, buttonId)));
}

Screenshot CaptureScreen(RECT area) {
    Screenshot shot;
    shot.width = area.right - area.left;
    shot.height = area.bottom - area.top;
    if (shot.width <= 0 || shot.height <= 0) return Screenshot{};
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = shot.width;
    info.bmiHeader.biHeight = -shot.height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, shot.width, shot.height, screen, area.left, area.top, SRCCOPY);
        GdiFlush();
        const DWORD* source = static_cast<const DWORD*>(bits);
        shot.pixels.assign(source, source + static_cast<size_t>(shot.width) * shot.height);
        for (DWORD& pixel : shot.pixels) pixel &= 0xFFFFFF;
        SelectObject(memory, old);
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    if (shot.pixels.empty()) return Screenshot{};
    return shot;
}

bool SaveBitmap(const Screenshot& shot, const std::wstring& path) {
    if (shot.pixels.empty()) return false;
    const DWORD rowBytes = (static_cast<DWORD>(shot.width) * 3 + 3) & ~3u;
    const DWORD imageBytes = rowBytes * static_cast<DWORD>(shot.height);
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER header = {};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof(file) + sizeof(header);
    file.bfSize = file.bfOffBits + imageBytes;
    header.biSize = sizeof(header);
    header.biWidth = shot.width;
    header.biHeight = shot.height;  // bottom-up, as BMP readers expect
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    header.biSizeImage = imageBytes;
    std::vector<BYTE> image(imageBytes, 0);
    for (int y = 0; y < shot.height; ++y) {
        BYTE* row = image.data() + static_cast<size_t>(shot.height - 1 - y) * rowBytes;
        for (int x = 0; x < shot.width; ++x) {
            DWORD pixel = shot.pixels[static_cast<size_t>(y) * shot.width + x];
            row[3 * x] = static_cast<BYTE>(pixel);
            row[3 * x + 1] = static_cast<BYTE>(pixel >> 8);
            row[3 * x + 2] = static_cast<BYTE>(pixel >> 16);
        }
    }
    HANDLE out = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (out == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = WriteFile(out, &file, sizeof(file), &written, nullptr) &&
              WriteFile(out, &header, sizeof(header), &written, nullptr) &&
              WriteFile(out, image.data(), imageBytes, &written, nullptr);
    CloseHandle(out);
    return ok;
}

bool SameImage(const Screenshot& a, const Screenshot& b) {
    return a.width == b.width && a.height == b.height && a.pixels == b.pixels;
}

Screenshot CaptureStillWindow(HWND window, DWORD milliseconds) {
    constexpr DWORD kSettleMs = 150;
    double deadline = NowMs() + milliseconds;
    RECT rect = {};
    GetWindowRect(window, &rect);
    Screenshot last = CaptureScreen(rect);
    while (NowMs() < deadline) {
        Sleep(kSettleMs);
        GetWindowRect(window, &rect);
        Screenshot now = CaptureScreen(rect);
        if (SameImage(now, last)) return now;
        last = now;
    }
    return last;
}

long CloseWithKeys(Reader* reader) {
    PressKey(VK_F4, false, true);
    long code = WaitForExit(reader, 10000);
    if (code == -999) KillReader(reader);
    return code;
}

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::printf("usage: e2e_driver CASE [ARGS...] | all | list\n");
        return 2;
    }
    std::wstring wanted = argv[1];
    std::vector<std::wstring> args(argv + 2, argv + argc);
    int casesRun = 0, casesFailed = 0;
    for (const Case& c : Cases()) {
        if (wanted == L"list") {
            std::printf("%ls\n", c.name);
            continue;
        }
        // Timing cases run only when named: "all" is for checks.
        bool isBench = std::wcsncmp(c.name, L"bench_", 6) == 0;
        if (wanted == L"all" ? isBench : wanted != c.name) continue;
        std::printf("case %ls\n", c.name);
        std::fflush(stdout);
        ++casesRun;
        int failedBefore = failedChecks;
        bool ok = c.run(args);
        if (!ok || failedChecks != failedBefore) {
            ++casesFailed;
            std::printf("case %ls FAILED\n", c.name);
        }
        std::fflush(stdout);
    }
    if (wanted == L"list") return 0;
    if (casesRun == 0) {
        std::printf("no case named %ls\n", wanted.c_str());
        return 2;
    }
    std::printf("%d passed, %d failed\n", passedChecks, failedChecks);
    return casesFailed == 0 ? 0 : 1;
}
