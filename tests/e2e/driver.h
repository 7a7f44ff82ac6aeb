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

// Any stored value: its type and bytes; false when it is missing.
bool GetValue(const wchar_t* keyPath, const wchar_t* name, DWORD* type, std::vector<BYTE>* data);
// The names of the values stored under the key.
std::vector<std::wstring> ValueNames(const wchar_t* keyPath);

// Real key presses through the input queue (SendInput), with modifiers held.
void PressKey(WORD virtualKey, bool control = false, bool alt = false, bool shift = false);
// Brings the window to the front and waits until it is the foreground window.
bool BringToFront(HWND window);
// A left click at a client point, posted as the mouse would deliver it.
void ClickAt(HWND window, int x, int y);
// A wheel turn of delta (120 a notch, negative toward the user), posted.
void TurnWheel(HWND window, int delta);

// A message box (class "#32770") of the given process, or null in time.
HWND WaitForMessageBox(DWORD processId, DWORD milliseconds);
// The text of a message box: its static text controls, joined by newlines.
std::wstring MessageBoxText(HWND box);
// Presses the box's button with the given id (IDYES, IDNO, IDCANCEL, IDOK).
void AnswerMessageBox(HWND box, int buttonId);

// Pixels of a screen rectangle as 0x00RRGGBB, rows from the top.
struct Screenshot {
    int width = 0;
    int height = 0;
    std::vector<DWORD> pixels;
};
Screenshot CaptureScreen(RECT area);
// Writes a 24-bit BMP file; false on failure.
bool SaveBitmap(const Screenshot& shot, const std::wstring& path);
// The window as it stands on the screen, once it has held still (two
// captures in a row alike); the last capture when it never settles in time.
Screenshot CaptureStillWindow(HWND window, DWORD milliseconds = 3000);
bool SameImage(const Screenshot& a, const Screenshot& b);

// Closes the reader with Alt+F4 through the input queue, so that every key
// and message sent before it is handled first; the exit code, or -999.
long CloseWithKeys(Reader* reader);

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
