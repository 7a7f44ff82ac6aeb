// The reader's settings as the registry holds them: what a run reads and
// writes back, value by value, and starts on damaged values that must never
// stop the reader or make it exit with an error.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "resources/resource_ids.h"
#include "tests/e2e/driver.h"

namespace {

constexpr DWORD kDefaultFlags = 0xD1140040;
constexpr DWORD kFixedLesson = 0x4;
// Bits that nothing reads: they must come back as they went in.
constexpr DWORD kUnreadBits = 0x00002001 | 0x20000000;

struct Value {
    std::wstring name;
    DWORD type;
    std::vector<BYTE> data;
    bool anyData = false;  // present with this type, whatever it holds
};

Value Dword(const wchar_t* name, DWORD value) {
    const BYTE* bytes = reinterpret_cast<const BYTE*>(&value);
    return {name, REG_DWORD, std::vector<BYTE>(bytes, bytes + sizeof(value))};
}

Value AnyDword(const wchar_t* name) { return {name, REG_DWORD, {}, true}; }

// UTF-16 text, with or without its terminator.
Value Text(const wchar_t* name, const std::wstring& text, bool terminated = true) {
    const BYTE* bytes = reinterpret_cast<const BYTE*>(text.c_str());
    size_t size = (text.size() + (terminated ? 1 : 0)) * sizeof(wchar_t);
    return {name, REG_SZ, std::vector<BYTE>(bytes, bytes + size)};
}

Value Bytes(const wchar_t* name, const std::vector<BYTE>& data) { return {name, REG_BINARY, data}; }

std::vector<BYTE> Narrow(const std::string& text, bool terminated = true) {
    std::vector<BYTE> bytes(text.begin(), text.end());
    if (terminated) bytes.push_back(0);
    return bytes;
}

void Store(const std::vector<Value>& values) {
    ClearSettings();
    for (const Value& v : values)
        SetValue(kProductKeyPath, v.name.c_str(), v.type, v.data.data(), static_cast<DWORD>(v.data.size()));
}

// Every stored value and only those, each with its type and bytes.
void CheckStoredExactly(const std::vector<Value>& expected) {
    std::vector<std::wstring> names = ValueNames(kProductKeyPath), wanted;
    for (const Value& v : expected) wanted.push_back(v.name);
    std::sort(names.begin(), names.end());
    std::sort(wanted.begin(), wanted.end());
    std::wstring got, want;
    for (const auto& n : names) got += n + L" ";
    for (const auto& n : wanted) want += n + L" ";
    CheckText(got, want, "the values stored");
    for (const Value& v : expected) {
        DWORD type = 0;
        std::vector<BYTE> data;
        if (!GetValue(kProductKeyPath, v.name.c_str(), &type, &data)) continue;
        const std::string name(v.name.begin(), v.name.end());  // value names are ASCII
        CheckEqual(type, v.type, (name + ": type").c_str());
        if (v.anyData) continue;
        if (v.type == REG_DWORD && data.size() == 4 && v.data.size() == 4) {
            DWORD got32 = 0, want32 = 0;
            std::copy(data.begin(), data.end(), reinterpret_cast<BYTE*>(&got32));
            std::copy(v.data.begin(), v.data.end(), reinterpret_cast<BYTE*>(&want32));
            CheckEqual(got32, want32, (name + ": number").c_str());
        } else {
            CheckEqual(static_cast<long long>(data.size()), static_cast<long long>(v.data.size()),
                       (name + ": size").c_str());
            Check(data == v.data, (name + ": bytes").c_str());
        }
    }
}

bool CheckDate(WORD year, WORD month, WORD day) {
    SYSTEMTIME now = {};
    GetLocalTime(&now);
    if (now.wYear == year && now.wMonth == month && now.wDay == day) return true;
    std::printf("  the clock shows %04u-%02u-%02u\n", now.wYear, now.wMonth, now.wDay);
    return Check(false, "the case runs on its date");
}

struct RoundTrip {
    const char* what;
    std::vector<Value> before;
    std::vector<Value> after;
};

std::vector<Value> Placement(DWORD left, DWORD top, DWORD width, DWORD height, DWORD showCmd) {
    return {Dword(L"Left", left), Dword(L"Top", top), Dword(L"Width", width), Dword(L"Height", height),
            Dword(L"showCmd", showCmd)};
}

std::vector<Value> Join(std::vector<Value> a, const std::vector<Value>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

}  // namespace

// Registered under 19 September 2009, when today's lesson is 4.
E2E_CASE(settings_round_trip) {
    if (!CheckDate(2009, 9, 19)) return false;
    const std::vector<Value> placement = Placement(60, 50, 520, 400, SW_SHOWNORMAL);
    const std::wstring longFace(40, L'F');
    const std::string longSearch(40, 's');
    const RoundTrip cases[] = {
        {"first run: nothing stored",
         {},
         {Dword(L"Flags", kDefaultFlags), Dword(L"FontAsciiBase", 97), Dword(L"Lesson", 4),
          Dword(L"LastPosition", 0), Bytes(L"Bookmarks", {0, 0}), AnyDword(L"Left"), AnyDword(L"Top"),
          AnyDword(L"Width"), AnyDword(L"Height"), Dword(L"showCmd", SW_SHOWNORMAL)}},
        {"everything set, a lesson chosen by hand",
         Join({Dword(L"Flags", kDefaultFlags | kFixedLesson | kUnreadBits), Dword(L"Lesson", 3),
               Dword(L"LastPosition", 7), Dword(L"FontSize", 12), Dword(L"FontAsciiBase", 65),
               Text(L"FontName", L"Courier New"), Bytes(L"SearchString", Narrow("shofar")),
               Bytes(L"Bookmarks", {4, 0, 3, 0, 0, 0})},
              placement),
         Join({Dword(L"Flags", kDefaultFlags | kFixedLesson | kUnreadBits), Dword(L"Lesson", 3),
               Dword(L"LastPosition", 7), Dword(L"FontSize", 12), Dword(L"FontAsciiBase", 65),
               Text(L"FontName", L"Courier New"), Bytes(L"SearchString", Narrow("shofar")),
               Bytes(L"Bookmarks", {4, 0, 3, 0, 0, 0})},
              placement)},
        {"unread bits stay, today's lesson replaces another",
         Join({Dword(L"Flags", kDefaultFlags | kUnreadBits), Dword(L"Lesson", 12), Dword(L"LastPosition", 9)},
              placement),
         Join({Dword(L"Flags", kDefaultFlags | kUnreadBits), Dword(L"Lesson", 4), Dword(L"LastPosition", 0),
               Dword(L"FontAsciiBase", 97), Bytes(L"Bookmarks", {0, 0})},
              placement)},
        {"empty texts are not written, so the stored ones stay",
         Join({Text(L"FontName", L""), Bytes(L"SearchString", {0, 'x', 0})}, placement),
         Join({Text(L"FontName", L""), Bytes(L"SearchString", {0, 'x', 0}), Dword(L"Flags", kDefaultFlags),
               Dword(L"Lesson", 4), Dword(L"LastPosition", 0), Dword(L"FontAsciiBase", 97),
               Bytes(L"Bookmarks", {0, 0})},
              placement)},
        {"long texts come back cut, numbers as text come back as numbers",
         Join({Text(L"FontName", longFace), Bytes(L"SearchString", Narrow(longSearch)),
               Dword(L"Flags", kDefaultFlags | kFixedLesson), Text(L"Lesson", L"3"),
               Text(L"LastPosition", L"5"), Text(L"FontSize", L"11")},
              placement),
         Join({Text(L"FontName", longFace.substr(0, 31)), Bytes(L"SearchString", Narrow(longSearch.substr(0, 33))),
               Dword(L"Flags", kDefaultFlags | kFixedLesson), Dword(L"Lesson", 3), Dword(L"LastPosition", 5),
               Dword(L"FontSize", 11), Dword(L"FontAsciiBase", 97), Bytes(L"Bookmarks", {0, 0})},
              placement)},
    };
    for (const RoundTrip& c : cases) {
        std::printf(" %s\n", c.what);
        Store(c.before);
        Reader reader;
        if (!Check(StartReader(&reader), "the reader starts")) {
            KillReader(&reader);
            return false;
        }
        CheckEqual(CloseReader(&reader), 0, "exit code");
        CheckStoredExactly(c.after);
    }
    return true;
}

E2E_CASE(maximised_window_round_trip) {
    constexpr DWORD kLeft = 60, kTop = 50, kWidth = 520, kHeight = 400;
    Store(Placement(kLeft, kTop, kWidth, kHeight, SW_SHOWMAXIMIZED));
    Reader reader;
    if (!Check(StartReader(&reader), "the reader starts")) {
        KillReader(&reader);
        return false;
    }
    Check(IsZoomed(reader.window) != FALSE, "the window opens maximised");
    RECT rect = {};
    GetWindowRect(reader.window, &rect);
    CheckEqual(CloseReader(&reader), 0, "exit code");
    CheckEqual([] { DWORD v = 0; GetDword(kProductKeyPath, L"showCmd", &v); return v; }(), SW_SHOWMAXIMIZED,
               "showCmd");
    // The restored window's place, not the maximised one's.
    DWORD width = 0, height = 0, left = 0, top = 0;
    GetDword(kProductKeyPath, L"Width", &width);
    GetDword(kProductKeyPath, L"Height", &height);
    GetDword(kProductKeyPath, L"Left", &left);
    GetDword(kProductKeyPath, L"Top", &top);
    CheckEqual(width, kWidth, "Width");
    CheckEqual(height, kHeight, "Height");
    CheckEqual(static_cast<LONG>(left), rect.left + GetSystemMetrics(SM_CXFRAME) + static_cast<LONG>(kLeft), "Left");
    CheckEqual(static_cast<LONG>(top), rect.top + GetSystemMetrics(SM_CYFRAME) + static_cast<LONG>(kTop), "Top");
    return true;
}

namespace {

constexpr DWORD kStartMs = 20000;
const wchar_t kReaderName[] = L"Moravel 5770 (English)";

// Answers every message box of the reader that shows up within the time,
// Yes where it asks, OK otherwise; their texts, in order.
std::vector<std::wstring> AnswerBoxes(const Reader& reader, DWORD milliseconds) {
    std::vector<std::wstring> texts;
    for (double deadline = NowMs() + milliseconds; NowMs() < deadline;) {
        HWND box = WaitForMessageBox(reader.process.dwProcessId, 100);
        if (!box) continue;
        texts.push_back(MessageBoxText(box));
        AnswerMessageBox(box, GetDlgItem(box, IDYES) ? IDYES : IDOK);
        for (double gone = NowMs() + 3000; IsWindow(box) && NowMs() < gone;) Sleep(20);
    }
    return texts;
}

// Starts the reader and waits for its window, answering any message box on
// the way; the boxes' texts.
std::vector<std::wstring> StartThroughBoxes(Reader* reader) {
    std::vector<std::wstring> texts;
    if (!StartReader(reader, false)) return texts;
    for (double deadline = NowMs() + kStartMs; NowMs() < deadline && !reader->window;) {
        std::vector<std::wstring> more = AnswerBoxes(*reader, 100);
        texts.insert(texts.end(), more.begin(), more.end());
        HWND window = FindWindowW(kReaderName, kReaderName);
        if (window && IsWindowVisible(window)) reader->window = window;
    }
    return texts;
}

struct Damage {
    const char* what;
    std::vector<Value> values;
    bool lessonMissing;             // no lesson of the book to reopen
    bool (*stored)() = nullptr;     // what must be stored after a run without commands
};

size_t StoredSize(const wchar_t* name) {
    DWORD type = 0;
    std::vector<BYTE> data;
    return GetValue(kProductKeyPath, name, &type, &data) ? data.size() : 0;
}

constexpr DWORD kToday = 4;  // the lesson of 19 September 2009

std::vector<BYTE> Repeated(size_t size, BYTE byte) { return std::vector<BYTE>(size, byte); }

}  // namespace

// Registered under 19 September 2009, when today's lesson is 4.
E2E_CASE(hostile_registry_values) {
    if (!CheckDate(2009, 9, 19)) return false;
    const DWORD fixed = kDefaultFlags | kFixedLesson;
    const std::wstring longFace(1000, L'W');
    const Damage damages[] = {
        {"FontName of 1,000 characters without terminator", {Text(L"FontName", longFace, false)}, false,
         [] { return CheckEqual(static_cast<long long>(StoredSize(L"FontName")), 32 * sizeof(wchar_t), "FontName cut to 31"); }},
        {"SearchString of 1,000 bytes without NUL", {Bytes(L"SearchString", Repeated(1000, 'q'))}, false,
         [] { return CheckEqual(static_cast<long long>(StoredSize(L"SearchString")), 34, "SearchString cut to 33"); }},
        {"Bookmarks of odd length", {Bytes(L"Bookmarks", {4, 0, 5, 0, 6})}, false},
        {"Bookmarks of one byte", {Bytes(L"Bookmarks", {4})}, false},
        {"Bookmarks of 200,000 bytes without terminator", {Bytes(L"Bookmarks", Repeated(200000, 4))}, false},
        {"Bookmarks with 0 in the middle", {Bytes(L"Bookmarks", {4, 0, 0, 0, 5, 0, 0, 0})}, false},
        {"Bookmarks of lessons 0, 140 and 65535", {Bytes(L"Bookmarks", {0, 0, 140, 0, 0xFF, 0xFF, 0, 0})}, false},
        {"Bookmarks of lessons 140 and 65535 without terminator", {Bytes(L"Bookmarks", {140, 0, 0xFF, 0xFF})}, false},
        {"empty Bookmarks", {Bytes(L"Bookmarks", {})}, false},
        {"fixed Lesson 0", {Dword(L"Flags", fixed), Dword(L"Lesson", 0)}, true},
        {"fixed Lesson 140", {Dword(L"Flags", fixed), Dword(L"Lesson", 140)}, true},
        {"fixed Lesson 0xFFFFFFFF", {Dword(L"Flags", fixed), Dword(L"Lesson", 0xFFFFFFFF)}, true},
        {"Lesson 140, not fixed", {Dword(L"Lesson", 140)}, false},
        {"fixed Lesson as letters", {Dword(L"Flags", fixed), Text(L"Lesson", L"abc")}, true},
        {"LastPosition 60000", {Dword(L"LastPosition", 60000)}, false, [] {
             DWORD row = 0;
             GetDword(kProductKeyPath, L"LastPosition", &row);
             return Check(row < 60000, "a row past the end comes back as a row of the lesson");
         }},
        {"Flags 0xFFFFFFFF", {Dword(L"Flags", 0xFFFFFFFF)}, true},  // fixed, and no Lesson stored
        {"Flags 0xFFFFFFFF on lesson 3", {Dword(L"Flags", 0xFFFFFFFF), Dword(L"Lesson", 3)}, false},
        // Both read as numbers with the fixed-lesson bit set (53676 and 4),
        // and no Lesson is stored.
        {"Flags as REG_BINARY", {Bytes(L"Flags", {0x44, 0, 0x14, 0xD1})}, true},
        {"Flags as REG_SZ", {Text(L"Flags", L"4")}, true},
        {"Top and Left of -32000, minimised",
         {Dword(L"Top", static_cast<DWORD>(-32000)), Dword(L"Left", static_cast<DWORD>(-32000)),
          Dword(L"Width", 160), Dword(L"Height", 28), Dword(L"showCmd", SW_SHOWMINIMIZED)},
         false},
        {"Width and Height of 1", {Dword(L"Width", 1), Dword(L"Height", 1), Dword(L"showCmd", SW_SHOWNORMAL)}, false},
        {"showCmd 0xFFFFFFFF", {Dword(L"showCmd", 0xFFFFFFFF)}, false},
    };
    for (const Damage& damage : damages) {
        std::printf("  %s\n", damage.what);
        Store(damage.values);
        Reader reader;
        std::vector<std::wstring> boxes = StartThroughBoxes(&reader);
        if (!Check(reader.window != nullptr, "the reader shows its window")) {
            KillReader(&reader);
            continue;
        }
        for (const std::wstring& text : boxes) std::printf("    message: %ls\n", text.c_str());
        if (damage.stored) {
            CheckEqual(CloseReader(&reader), 0, "exit code");
            damage.stored();
            continue;
        }
        // Work the damaged state a little: bookmark, move, bookmark, move back.
        for (WPARAM command : {CMD_BOOKMARK, CMD_NEXT, CMD_BOOKMARK, CMD_PREVIOUS, CMD_BOOKMARK}) {
            PostMessageW(reader.window, WM_COMMAND, command, 0);
            AnswerBoxes(reader, 200);
        }
        long code = CloseReader(&reader);
        if (code == -999) KillReader(&reader);
        CheckEqual(code, 0, "exit code");
        // A lesson that cannot be reopened is either reported, or replaced
        // by today's lesson without a word; the moves came back to it.
        if (damage.lessonMissing) {
            DWORD lesson = 0;
            GetDword(kProductKeyPath, L"Lesson", &lesson);
            bool reported = boxes.size() == 1 && boxes[0] == L"Resource not found";
            Check(reported || (boxes.empty() && lesson == kToday), "reported, or today's lesson instead");
        } else {
            CheckEqual(static_cast<long long>(boxes.size()), 0, "no message at start");
        }
        // Whatever came in, the list written back is a list: whole 16-bit
        // entries ended by a 0.
        DWORD type = 0;
        std::vector<BYTE> bookmarks;
        if (Check(GetValue(kProductKeyPath, L"Bookmarks", &type, &bookmarks), "Bookmarks is stored")) {
            Check(bookmarks.size() >= 2 && bookmarks.size() % 2 == 0, "Bookmarks holds whole entries");
            Check(bookmarks.size() >= 2 && bookmarks[bookmarks.size() - 1] == 0 && bookmarks[bookmarks.size() - 2] == 0,
                  "Bookmarks ends with a 0");
        }
    }
    return true;
}
