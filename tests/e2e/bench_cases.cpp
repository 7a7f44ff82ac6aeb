// Timing cases, run by hand (not by ctest): figures, never assertions.
//   e2e_driver bench_startup [RUNS]
#include <algorithm>
#include <cstdio>
#include <string>

#include "tests/e2e/driver.h"

namespace {

// Milliseconds from CreateProcess to a visible top-level window of the class,
// or a negative number when it did not appear.
double TimeToWindow(const std::wstring& path, const wchar_t* className, const wchar_t* windowName) {
    std::wstring commandLine = L"\"" + path + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    double start = NowMs();
    if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process))
        return -1;
    double elapsed = -1;
    while (NowMs() - start < 30000) {
        HWND window = FindWindowW(className, windowName);
        if (window && IsWindowVisible(window)) {
            elapsed = NowMs() - start;
            PostMessageW(window, WM_CLOSE, 0, 0);
            break;
        }
        Sleep(1);
    }
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return elapsed;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? -1 : values[values.size() / 2];
}

}  // namespace

E2E_CASE(bench_startup) {
    int runs = args.empty() ? 7 : std::stoi(args[0]);
    std::vector<double> reader, notepad;
    for (int i = 0; i < runs; ++i) {
        reader.push_back(TimeToWindow(ReaderPath(), L"Moravel 5770 (English)", L"Moravel 5770 (English)"));
        notepad.push_back(TimeToWindow(L"C:\\windows\\notepad.exe", L"Notepad", nullptr));
    }
    std::printf("start-up to visible window, median of %d runs: Moravel5770.exe %.1f ms, notepad.exe %.1f ms\n",
                runs, Median(reader), Median(notepad));
    return Median(reader) >= 0 && Median(notepad) >= 0;
}
