// The end-to-end driver's toolkit: start the reader under Wine, find its
// window, act on it as a user would and read back what a user would see.
// Each case is a function returning true when it passed; failures are
// printed as they are found.
#pragma once

#include <string>
#include <vector>

#include "platform/win.h"

// What Check prints and counts.
bool Check(bool condition, const char* what);
bool CheckEqual(long long actual, long long expected, const char* what);
bool CheckText(const std::wstring& actual, const std::wstring& expected, const char* what);

// The reader's executable, beside the driver.
std::wstring ReaderPath();

struct Reader {
    PROCESS_INFORMATION process;
    HWND window;  // null until found
};

// Starts the reader and, when waitForWindow, waits until its main window is
// visible (false when it does not appear in time).
bool StartReader(Reader* reader, bool waitForWindow = true);
// Waits for the process to end; its exit code, or -999 on timeout.
long WaitForExit(Reader* reader, DWORD milliseconds = 20000);
// Closes the main window as the close box would and waits for the exit code.
long CloseReader(Reader* reader);
// Ends the process however it stands (cleanup after a failed case).
void KillReader(Reader* reader);

// The reader's main window, found by class and name as a second instance does.
HWND FindReaderWindow();
int CountReaderWindows();
HWND WaitForReaderWindow(DWORD milliseconds);

// Registry under the product key (HKCU).
extern const wchar_t kProductKeyPath[];
extern const wchar_t kDeveloperKeyPath[];
void ClearSettings();
void SetDword(const wchar_t* keyPath, const wchar_t* name, DWORD value);
void SetValue(const wchar_t* keyPath, const wchar_t* name, DWORD type, const void* data, DWORD size);
// True and the value when a REG_DWORD is stored.
bool GetDword(const wchar_t* keyPath, const wchar_t* name, DWORD* value);

// Real key presses through the input queue (SendInput), with modifiers held.
void PressKey(WORD virtualKey, bool control = false, bool alt = false, bool shift = false);

// Milliseconds since some fixed start, high resolution.
double NowMs();

using CaseFunction = bool (*)(const std::vector<std::wstring>& args);
struct Case {
    const wchar_t* name;
    CaseFunction run;
};
// Registered by each cases file.
std::vector<Case>& Cases();
struct CaseRegistrar {
    CaseRegistrar(const wchar_t* name, CaseFunction run) { Cases().push_back({name, run}); }
};
#define E2E_CASE(name)                                                    \
    static bool name(const std::vector<std::wstring>& args);              \
    static CaseRegistrar name##_registrar(L## #name, name);               \
    static bool name([[maybe_unused]] const std::vector<std::wstring>& args)
