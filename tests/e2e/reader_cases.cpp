// Reading as a user does: today's lesson by the date, a lesson kept by hand,
// moving through the book, scrolling, bookmarks and their check mark, a
// second start, a screenshot, and the time a move to the next lesson takes.
// What is seen is the screen, message boxes and the values the reader
// stores when it closes: another process cannot read the reader's scroll bar
// or menu under Wine, but the stored LastPosition is the row at the top when
// it closed, and the screen shows the same rows and the same scroll bar
// whenever the reader stands at the same row.
#include <algorithm>
#include <cstdio>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "resources/resource_ids.h"
#include "tests/e2e/driver.h"

namespace {

constexpr DWORD kDefaultFlags = 0xD1140040;
constexpr DWORD kFixedLesson = 0x4;  // the user chose the lesson; kept across starts
constexpr DWORD kLongestLesson = 3;  // the year at a glance

// Stored window placements: a small window gives even a short lesson rows
// to scroll.
struct Placement {
    DWORD left, top, width, height;
};
constexpr Placement kSmallWindow = {40, 40, 480, 320};
constexpr Placement kMediumWindow = {40, 40, 640, 480};

void StorePlacement(const Placement& placement) {
    SetDword(kProductKeyPath, L"Left", placement.left);
    SetDword(kProductKeyPath, L"Top", placement.top);
    SetDword(kProductKeyPath, L"Width", placement.width);
    SetDword(kProductKeyPath, L"Height", placement.height);
    SetDword(kProductKeyPath, L"showCmd", SW_SHOWNORMAL);
}

// Fresh settings holding a lesson chosen by hand, at a row.
void StoreFixedLesson(DWORD lesson, DWORD lastPosition, const Placement& placement = kSmallWindow) {
    ClearSettings();
    SetDword(kProductKeyPath, L"Flags", kDefaultFlags | kFixedLesson);
    SetDword(kProductKeyPath, L"Lesson", lesson);
    SetDword(kProductKeyPath, L"LastPosition", lastPosition);
    StorePlacement(placement);
}

// A stored number, or -1 when none is stored.
long long Stored(const wchar_t* name) {
    DWORD value = 0;
    return GetDword(kProductKeyPath, name, &value) ? static_cast<long long>(value) : -1;
}

bool StoredFixedBit() { return (Stored(L"Flags") & kFixedLesson) != 0; }

// The driver runs on the reader's clock: a wrong date means the fake clock
// did not reach Wine, and every check after it would mislead.
bool CheckDate(WORD year, WORD month, WORD day) {
    SYSTEMTIME now = {};
    GetLocalTime(&now);
    if (now.wYear == year && now.wMonth == month && now.wDay == day) return true;
    std::printf("  the clock shows %04u-%02u-%02u, not %04u-%02u-%02u\n", now.wYear, now.wMonth,
                now.wDay, year, month, day);
    return Check(false, "the case runs on its date");
}

bool Start(Reader* reader) {
    if (Check(StartReader(reader), "the reader starts and shows its window")) return true;
    KillReader(reader);
    return false;
}

// Keys reach only the foreground window.
bool StartInFront(Reader* reader) {
    if (!Start(reader)) return false;
    if (Check(BringToFront(reader->window), "the reader comes to the front")) return true;
    KillReader(reader);
    return false;
}

// Starts on fresh, empty settings and checks the lesson stored at exit.
bool CheckTodaysLesson(DWORD expected) {
    ClearSettings();
    Reader reader;
    if (!Start(&reader)) return false;
    CheckEqual(CloseReader(&reader), 0, "exit code");
    CheckEqual(Stored(L"Lesson"), expected, "Lesson stored at exit");
    Check(!StoredFixedBit(), "AF_FIXED_LESSON stays clear");
    CheckEqual(Stored(L"LastPosition"), 0, "today's lesson was shown from its first row");
    return true;
}

}  // namespace

E2E_CASE(todays_lesson_on_tishrei_1) {
    if (!CheckDate(2009, 9, 19)) return false;
    return CheckTodaysLesson(4);
}

E2E_CASE(todays_lesson_on_nissan_15) {
    if (!CheckDate(2010, 3, 30)) return false;
    return CheckTodaysLesson(75);  // the lesson dated Nissan 15
}

// Registered under 19 September 2009, when today's lesson would be 4.
E2E_CASE(fixed_lesson_reopens_at_its_row) {
    if (!CheckDate(2009, 9, 19)) return false;
    constexpr DWORD kLesson = 50, kRow = 7;

    // What row 7 of lesson 50 looks like, reached by hand from its top.
    StoreFixedLesson(kLesson, 0);
    Reader reader;
    if (!StartInFront(&reader)) return false;
    Screenshot top = CaptureStillWindow(reader.window);
    for (DWORD i = 0; i < kRow; ++i) PressKey(VK_DOWN);
    Screenshot byHand = CaptureStillWindow(reader.window);
    CheckEqual(CloseWithKeys(&reader), 0, "exit code");
    if (!CheckEqual(Stored(L"LastPosition"), kRow, "seven Down presses reach row 7")) return false;
    Check(!SameImage(top, byHand), "the window changed while scrolling");

    StoreFixedLesson(kLesson, kRow);
    if (!Start(&reader)) return false;
    Screenshot reopened = CaptureStillWindow(reader.window);
    Check(SameImage(reopened, byHand), "the lesson reopens showing row 7, scroll bar included");
    CheckEqual(CloseReader(&reader), 0, "exit code");
    CheckEqual(Stored(L"Lesson"), kLesson, "Lesson stored again");
    CheckEqual(Stored(L"LastPosition"), kRow, "LastPosition stored again");
    Check(StoredFixedBit(), "AF_FIXED_LESSON stays set");
    return true;
}

namespace {

struct MoveCase {
    const char* what;
    DWORD startLesson;  // 0: today's lesson, on fresh settings
    WORD key;
    bool control;
    DWORD expected;
};

}  // namespace

// Registered under 19 September 2009, when today's lesson is 4.
E2E_CASE(moves_wrap_around_the_book) {
    if (!CheckDate(2009, 9, 19)) return false;
    const MoveCase cases[] = {
        {"Right from 139", 139, VK_RIGHT, false, 1},
        {"Left from 1", 1, VK_LEFT, false, 139},
        {"Right from 135", 135, VK_RIGHT, false, 136},
        {"Right from today's lesson", 0, VK_RIGHT, false, 5},
        {"Left from today's lesson", 0, VK_LEFT, false, 3},
        {"Ctrl+N from today's lesson", 0, 'N', true, 5},
    };
    for (const MoveCase& c : cases) {
        std::printf("  %s\n", c.what);
        if (c.startLesson) {
            StoreFixedLesson(c.startLesson, 5);
        } else {
            ClearSettings();
            StorePlacement(kSmallWindow);
            SetDword(kProductKeyPath, L"Lesson", 4);
            SetDword(kProductKeyPath, L"LastPosition", 5);
        }
        Reader reader;
        if (!StartInFront(&reader)) return false;
        PressKey(c.key, c.control);
        CheckEqual(CloseWithKeys(&reader), 0, "exit code");
        CheckEqual(Stored(L"Lesson"), c.expected, "Lesson stored at exit");
        Check(StoredFixedBit(), "AF_FIXED_LESSON is set by the move");
        CheckEqual(Stored(L"LastPosition"), 0, "the new lesson opens at its first row");
    }
    return true;
}

namespace {

enum class Input { PageDown, PageUp, Down, Up, Home, End, Wheel, ClickLower, ClickUpper, ClickAbove, ClickBottomGutter };

struct Act {
    Input input;
    int wheelDelta;
};

// The client point at a fraction of the height below the toolbar, in the
// horizontal middle; the toolbar's bottom edge and the client's bottom edge
// are the ends.
POINT BelowToolbar(HWND window, double fraction) {
    RECT client = {};
    GetClientRect(window, &client);
    int toolbarHeight = 0;
    RECT toolbar = {};
    if (HWND bar = GetDlgItem(window, IDC_TOOLBAR); bar && GetWindowRect(bar, &toolbar))
        toolbarHeight = toolbar.bottom - toolbar.top;
    int height = client.bottom - toolbarHeight;
    return {client.right / 2, toolbarHeight + static_cast<int>(height * fraction)};
}

void Perform(HWND window, const Act& act) {
    constexpr double kLowerHalf = 0.75, kUpperHalf = 0.25, kBottomEdge = 0.995;
    POINT at = {};
    switch (act.input) {
        case Input::PageDown: PressKey(VK_NEXT); return;
        case Input::PageUp: PressKey(VK_PRIOR); return;
        case Input::Down: PressKey(VK_DOWN); return;
        case Input::Up: PressKey(VK_UP); return;
        case Input::Home: PressKey(VK_HOME); return;
        case Input::End: PressKey(VK_END); return;
        case Input::Wheel: TurnWheel(window, act.wheelDelta); return;
        case Input::ClickLower: at = BelowToolbar(window, kLowerHalf); break;
        case Input::ClickUpper: at = BelowToolbar(window, kUpperHalf); break;
        case Input::ClickBottomGutter: at = BelowToolbar(window, kBottomEdge); break;
        case Input::ClickAbove:  // on the client area behind the toolbar, above the text
            at = {BelowToolbar(window, 0).x, 2};
            break;
    }
    ClickAt(window, at.x, at.y);
}

// Opens the longest lesson at a row, acts, closes; the row stored at exit.
int RowAfter(int startRow, std::initializer_list<Act> acts) {
    StoreFixedLesson(kLongestLesson, static_cast<DWORD>(startRow), kMediumWindow);
    Reader reader;
    if (!StartInFront(&reader)) return -1;
    for (const Act& act : acts) Perform(reader.window, act);
    CheckEqual(CloseWithKeys(&reader), 0, "exit code");
    return static_cast<int>(Stored(L"LastPosition"));
}

// What the lesson teaches about itself: the first row of its last
// screenful, and the page step from a row. A page is one row less than the
// rows drawn, and rows differ in height (headings, spacing), so the step
// depends on where the view stands; it cannot be read from outside.
struct Lesson {
    int last = 0;
    std::map<int, int> steps;
    int Step(int row) {
        auto found = steps.find(row);
        if (found != steps.end()) return found->second;
        int step = RowAfter(row, {{Input::PageDown, 0}}) - row;
        steps[row] = step;
        return step;
    }
};

struct ScrollCase {
    const char* what;
    int (*start)(Lesson& lesson);
    std::initializer_list<Act> acts;
    int (*expected)(int start, Lesson& lesson);
};

}  // namespace

E2E_CASE(scrolling_keys_wheel_and_clicks) {
    Lesson lesson;
    lesson.last = RowAfter(0, {{Input::End, 0}});
    const int page = lesson.Step(0);
    std::printf("  lesson 3: the last screenful starts at row %d; Page Down from the top steps %d rows\n",
                lesson.last, page);
    if (!Check(page > 1 && 4 * page < lesson.last, "a page step of several rows, well inside the lesson"))
        return false;

    const Act pgDn = {Input::PageDown, 0}, pgUp = {Input::PageUp, 0}, down = {Input::Down, 0},
              up = {Input::Up, 0}, home = {Input::Home, 0}, end = {Input::End, 0};
    auto wheel = [](int delta) { return Act{Input::Wheel, delta}; };
    auto top = [](Lesson&) { return 0; };
    auto row10 = [](Lesson&) { return 10; };
    auto row40 = [](Lesson&) { return 40; };
    auto row3 = [](Lesson&) { return 3; };
    auto atEnd = [](Lesson& l) { return l.last; };
    auto stays = [](int start, Lesson&) { return start; };
    auto oneDown = [](int start, Lesson&) { return start + 1; };
    auto oneUp = [](int start, Lesson&) { return start - 1; };
    auto pageDown = [](int start, Lesson& l) { return start + l.Step(start); };
    auto pageUp = [](int start, Lesson& l) { return std::max(0, start - l.Step(start)); };
    const ScrollCase cases[] = {
        // Two pages in one run step as two single pages from a fresh start.
        {"Page Down twice", top, {pgDn, pgDn},
         [](int start, Lesson& l) { int once = start + l.Step(start); return once + l.Step(once); }},
        {"Page Down then Page Up", top, {pgDn, pgUp},
         [](int start, Lesson& l) { int once = start + l.Step(start); return std::max(0, once - l.Step(once)); }},
        {"Page Up", row40, {pgUp}, pageUp},
        {"Page Up at the top", top, {pgUp}, stays},
        {"Down", row10, {down}, oneDown},
        {"Up", row10, {up}, oneUp},
        {"Down, Down, Up", row10, {down, down, up}, oneDown},
        {"Up at the top", top, {up}, stays},
        {"Home from the end", atEnd, {home}, [](int, Lesson&) { return 0; }},
        {"End at the end", atEnd, {end}, stays},
        {"Down at the end", atEnd, {down}, stays},
        {"Page Down at the end", atEnd, {pgDn}, stays},
        {"wheel a notch toward the user", row10, {wheel(-120)}, oneDown},
        {"wheel three notches toward the user", row10, {wheel(-360)}, [](int start, Lesson&) { return start + 3; }},
        {"wheel a notch away", row10, {wheel(120)}, oneUp},
        {"wheel half a notch away, twice: parts are dropped", row10, {wheel(60), wheel(60)}, stays},
        {"wheel half a notch toward the user", row10, {wheel(-60)}, stays},
        {"click in the lower half pages forward", row10, {{Input::ClickLower, 0}}, pageDown},
        {"click in the upper half pages back", row40, {{Input::ClickUpper, 0}}, pageUp},
        {"click in the upper half near the top", row3, {{Input::ClickUpper, 0}}, pageUp},
        {"click in the bottom gutter pages forward", row10, {{Input::ClickBottomGutter, 0}}, pageDown},
        {"click above the text area does nothing", row10, {{Input::ClickAbove, 0}}, stays},
    };
    for (const ScrollCase& c : cases) {
        int start = c.start(lesson);
        int row = RowAfter(start, c.acts);
        int expected = c.expected(start, lesson);
        std::printf("  %s: row %d -> %d\n", c.what, start, row);
        CheckEqual(row, expected, c.what);
    }
    return true;
}

namespace {

struct TodayKey {
    const char* what;
    WORD key;
};

}  // namespace

// Registered under 19 September 2009, when today's lesson is 4.
E2E_CASE(today_keys_clear_fixed_lesson) {
    if (!CheckDate(2009, 9, 19)) return false;
    const TodayKey keys[] = {{"Ctrl+T", 'T'}, {"Ctrl+Home", VK_HOME}};
    for (const TodayKey& key : keys) {
        std::printf("  %s\n", key.what);
        StoreFixedLesson(50, 7);
        Reader reader;
        if (!StartInFront(&reader)) return false;
        PressKey(key.key, true);
        CheckEqual(CloseWithKeys(&reader), 0, "exit code");
        CheckEqual(Stored(L"Lesson"), 4, "Lesson stored at exit");
        Check(!StoredFixedBit(), "AF_FIXED_LESSON is cleared");
        CheckEqual(Stored(L"LastPosition"), 0, "today's lesson opens at its first row");
    }
    return true;
}

namespace {

// One command posted to the reader, and the question it should raise.
struct CommandStep {
    WPARAM command;
    bool asks;   // the "Remove Bookmark?" box appears
    int answer;  // the button pressed when it does
};

struct BookmarkCase {
    const char* what;
    std::vector<BYTE> stored;  // the Bookmarks value before the start; empty: none
    DWORD lesson;
    std::vector<CommandStep> steps;
    std::vector<BYTE> expected;
    DWORD expectedLesson;
};

const wchar_t kRemoveQuestion[] = L"Remove Bookmark?\n\nCancel - Don't ask again";

// Waits for the removal question, checks its words and answers it.
void AnswerRemoval(const Reader& reader, int answer) {
    HWND box = WaitForMessageBox(reader.process.dwProcessId, 5000);
    if (!Check(box != nullptr, "the removal question appears")) return;
    wchar_t caption[64] = {};
    GetWindowTextW(box, caption, 64);
    CheckText(caption, L"Bookmark", "question caption");
    CheckText(MessageBoxText(box), kRemoveQuestion, "question text");
    for (int button : {IDYES, IDNO, IDCANCEL})
        Check(GetDlgItem(box, button) != nullptr, "Yes, No and Cancel buttons");
    AnswerMessageBox(box, answer);
    for (double deadline = NowMs() + 3000; IsWindow(box) && NowMs() < deadline;) Sleep(20);
    Check(!IsWindow(box), "the answer closes the question");
}

std::string Hex(const std::vector<BYTE>& bytes) {
    std::string text;
    char part[4];
    for (BYTE b : bytes) {
        std::snprintf(part, sizeof(part), "%02X ", b);
        text += part;
    }
    return text;
}

}  // namespace

E2E_CASE(bookmarks_follow_command_and_moves) {
    constexpr WPARAM kMark = CMD_BOOKMARK, kNext = CMD_NEXT, kPrevious = CMD_PREVIOUS;
    const BookmarkCase cases[] = {
        {"bookmark 4, then move on", {}, 4, {{kMark, false, 0}, {kNext, false, 0}}, {4, 0, 0, 0}, 5},
        {"a new bookmark goes at the end", {12, 0, 0, 0}, 5, {{kMark, false, 0}}, {12, 0, 5, 0, 0, 0}, 5},
        {"Yes removes", {4, 0, 0, 0}, 4, {{kMark, true, IDYES}}, {0, 0}, 4},
        {"No keeps", {4, 0, 0, 0}, 4, {{kMark, true, IDNO}}, {4, 0, 0, 0}, 4},
        {"the question comes on every removal until Cancel",
         {4, 0, 0, 0}, 4,
         {{kMark, true, IDNO}, {kMark, true, IDYES}, {kMark, false, 0}, {kMark, true, IDYES}},
         {0, 0}, 4},
        {"Cancel removes and stops the question for the run",
         {5, 0, 4, 0, 0, 0}, 4,
         {{kMark, true, IDCANCEL}, {kPrevious, false, 0}, {kMark, false, 0}, {kMark, false, 0}},
         {5, 0, 0, 0}, 3},
        {"removal in the middle closes up", {3, 0, 4, 0, 5, 0, 0, 0}, 4, {{kMark, true, IDYES}},
         {3, 0, 5, 0, 0, 0}, 4},
        {"a lesson stored twice loses both", {4, 0, 7, 0, 4, 0, 0, 0}, 4, {{kMark, true, IDYES}},
         {7, 0, 0, 0}, 4},
        {"an untouched list is stored as it was", {9, 0, 0, 0}, 4, {{kNext, false, 0}}, {9, 0, 0, 0}, 5},
        {"no list is stored as two zero bytes", {}, 4, {}, {0, 0}, 4},
    };
    for (const BookmarkCase& c : cases) {
        std::printf("  %s\n", c.what);
        StoreFixedLesson(c.lesson, 0);
        if (!c.stored.empty())
            SetValue(kProductKeyPath, L"Bookmarks", REG_BINARY, c.stored.data(), static_cast<DWORD>(c.stored.size()));
        Reader reader;
        if (!Start(&reader)) return false;
        for (const CommandStep& step : c.steps) {
            PostMessageW(reader.window, WM_COMMAND, step.command, 0);
            if (step.asks)
                AnswerRemoval(reader, step.answer);
            else
                Check(WaitForMessageBox(reader.process.dwProcessId, 300) == nullptr, "no question is asked");
        }
        CheckEqual(CloseReader(&reader), 0, "exit code");
        std::vector<BYTE> stored;
        DWORD type = 0;
        Check(GetValue(kProductKeyPath, L"Bookmarks", &type, &stored), "Bookmarks is stored");
        CheckEqual(type, REG_BINARY, "Bookmarks is binary");
        if (stored != c.expected)
            std::printf("  Bookmarks: got %s, expected %s\n", Hex(stored).c_str(), Hex(c.expected).c_str());
        Check(stored == c.expected, "Bookmarks stored at exit");
        CheckEqual(Stored(L"Lesson"), c.expectedLesson, "Lesson stored at exit");
    }
    return true;
}

namespace {

// The Go menu as it drops down from Alt+G, captured once it holds still;
// the menu is then closed again.
Screenshot GoMenuImage(const Reader& reader) {
    PressKey('G', false, true);
    HWND popup = nullptr;
    for (double deadline = NowMs() + 3000; !popup && NowMs() < deadline; Sleep(20)) {
        HWND found = FindWindowW(L"#32768", nullptr);
        DWORD owner = 0;
        if (found) GetWindowThreadProcessId(found, &owner);
        if (found && owner == reader.process.dwProcessId && IsWindowVisible(found)) popup = found;
    }
    Screenshot shot;
    if (Check(popup != nullptr, "the Go menu drops down")) shot = CaptureStillWindow(popup);
    PressKey(VK_ESCAPE);  // closes the popup
    PressKey(VK_ESCAPE);  // leaves the menu bar
    Sleep(200);
    return shot;
}

// The bounding box of the pixels that differ between two images alike in size.
RECT Difference(const Screenshot& a, const Screenshot& b) {
    RECT box = {a.width, a.height, -1, -1};
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x)
            if (a.pixels[static_cast<size_t>(y) * a.width + x] != b.pixels[static_cast<size_t>(y) * a.width + x]) {
                box.left = std::min<LONG>(box.left, x);
                box.top = std::min<LONG>(box.top, y);
                box.right = std::max<LONG>(box.right, x + 1);
                box.bottom = std::max<LONG>(box.bottom, y + 1);
            }
    return box;
}

}  // namespace

E2E_CASE(bookmark_check_mark_on_screen) {
    StoreFixedLesson(4, 0);
    Reader reader;
    if (!StartInFront(&reader)) return false;
    Screenshot plain = GoMenuImage(reader);
    PostMessageW(reader.window, WM_COMMAND, CMD_BOOKMARK, 0);
    Screenshot checked = GoMenuImage(reader);
    PostMessageW(reader.window, WM_COMMAND, CMD_NEXT, 0);
    Screenshot afterNext = GoMenuImage(reader);
    PostMessageW(reader.window, WM_COMMAND, CMD_PREVIOUS, 0);
    Screenshot afterPrevious = GoMenuImage(reader);
    PostMessageW(reader.window, WM_COMMAND, CMD_BOOKMARK, 0);
    AnswerRemoval(reader, IDYES);
    Screenshot removed = GoMenuImage(reader);
    CheckEqual(CloseWithKeys(&reader), 0, "exit code");
    SaveBitmap(checked, L"go-menu-checked.bmp");

    if (!Check(!plain.pixels.empty() && plain.width == checked.width && plain.height == checked.height,
               "the menu was captured each time at one size"))
        return false;
    Check(!SameImage(plain, checked), "bookmarking changes the menu");
    Check(SameImage(afterNext, plain), "the next lesson's menu shows no check mark");
    Check(SameImage(afterPrevious, checked), "back on the bookmarked lesson the check mark returns");
    Check(SameImage(removed, plain), "removing the bookmark takes the check mark away");
    // The change is a mark in the item's left margin, in one item's band
    // (the fourth of nine items, two of them separators).
    RECT diff = Difference(plain, checked);
    std::printf("  menu %dx%d, check mark drawn in x %ld..%ld, y %ld..%ld\n", plain.width, plain.height,
                diff.left, diff.right, diff.top, diff.bottom);
    Check(diff.right <= plain.width / 4, "the mark lies in the left margin");
    Check(diff.bottom - diff.top < plain.height / 8, "the mark is one item high at most");
    Check(diff.top > plain.height / 5 && diff.bottom < plain.height / 2, "the mark is on the Bookmark item");
    return true;
}

namespace {

// The first visible top-level window of a process, or null in time.
HWND WaitForProcessWindow(DWORD processId, DWORD milliseconds) {
    struct Search {
        DWORD processId;
        HWND found;
    } search = {processId, nullptr};
    for (double deadline = NowMs() + milliseconds; NowMs() < deadline; Sleep(20)) {
        EnumWindows(
            [](HWND window, LPARAM context) -> BOOL {
                auto* s = reinterpret_cast<Search*>(context);
                DWORD owner = 0;
                GetWindowThreadProcessId(window, &owner);
                if (owner != s->processId || !IsWindowVisible(window) || GetWindow(window, GW_OWNER)) return TRUE;
                s->found = window;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&search));
        if (search.found) return search.found;
    }
    return nullptr;
}

}  // namespace

// Registered under 19 September 2009, when today's lesson is 4.
E2E_CASE(second_start_in_front_goes_to_today) {
    if (!CheckDate(2009, 9, 19)) return false;
    StoreFixedLesson(50, 7);
    Reader first;
    if (!StartInFront(&first)) return false;
    Reader second;
    StartReader(&second, false);
    CheckEqual(WaitForExit(&second), 0, "the second start ends with exit code 0");
    CheckEqual(CountReaderWindows(), 1, "no second window");
    Check(GetForegroundWindow() == first.window, "the reader stays in front");
    CheckEqual(CloseReader(&first), 0, "exit code");
    CheckEqual(Stored(L"Lesson"), 4, "the reader went to today's lesson");
    Check(!StoredFixedBit(), "AF_FIXED_LESSON is cleared");
    CheckEqual(Stored(L"LastPosition"), 0, "today's lesson opens at its first row");
    return true;
}

// Registered under 19 September 2009, when today's lesson is 4.
E2E_CASE(second_start_behind_brings_reader_forward) {
    if (!CheckDate(2009, 9, 19)) return false;
    StoreFixedLesson(50, 7);
    Reader first;
    if (!Start(&first)) return false;
    Reader notepad = {};
    std::wstring commandLine = L"notepad.exe";
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    if (!Check(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                              &startup, &notepad.process) != FALSE,
               "another program starts")) {
        KillReader(&first);
        return false;
    }
    notepad.window = WaitForProcessWindow(notepad.process.dwProcessId, 10000);
    bool inFront = Check(notepad.window && BringToFront(notepad.window), "the other program is in front");
    if (inFront) {
        Reader second;
        StartReader(&second, false);
        CheckEqual(WaitForExit(&second), 0, "the second start ends with exit code 0");
        HWND front = nullptr;
        for (double deadline = NowMs() + 3000; front != first.window && NowMs() < deadline; Sleep(20))
            front = GetForegroundWindow();
        Check(front == first.window, "the reader comes to the front");
        CheckEqual(CountReaderWindows(), 1, "no second window");
    }
    if (CloseReader(&notepad) == -999) KillReader(&notepad);
    CheckEqual(CloseReader(&first), 0, "exit code");
    CheckEqual(Stored(L"Lesson"), 50, "the lesson stays");
    Check(StoredFixedBit(), "AF_FIXED_LESSON stays set");
    CheckEqual(Stored(L"LastPosition"), 7, "the row stays");
    return true;
}

// Registered under 19 September 2009: the window on Tishrei 1, saved beside
// the driver for a person to look at.
E2E_CASE(screenshot_of_todays_lesson) {
    if (!CheckDate(2009, 9, 19)) return false;
    ClearSettings();
    StorePlacement(kMediumWindow);
    Reader reader;
    if (!Start(&reader)) return false;
    Screenshot shot = CaptureStillWindow(reader.window);
    CheckEqual(CloseReader(&reader), 0, "exit code");
    CheckEqual(Stored(L"Lesson"), 4, "the window showed lesson 4");

    // Text is drawn below the toolbar: dark pixels in the text area, in its
    // upper and its lower half.
    constexpr BYTE kDark = 0x40;
    size_t dark[2] = {0, 0};
    for (int y = shot.height / 5; y < shot.height; ++y)
        for (int x = 0; x < shot.width * 9 / 10; ++x) {
            DWORD pixel = shot.pixels[static_cast<size_t>(y) * shot.width + x];
            if (static_cast<BYTE>(pixel >> 16) <= kDark && static_cast<BYTE>(pixel >> 8) <= kDark &&
                static_cast<BYTE>(pixel) <= kDark)
                ++dark[y >= shot.height * 3 / 5];
        }
    std::printf("  dark pixels in the text area: %zu above the middle, %zu below\n", dark[0], dark[1]);
    Check(dark[0] > 1000 && dark[1] > 1000, "the lesson's text fills the window");

    const wchar_t kFile[] = L"screenshot-lesson-4.bmp";
    if (Check(SaveBitmap(shot, kFile), "the screenshot is saved")) {
        wchar_t full[MAX_PATH] = {};
        GetFullPathNameW(kFile, MAX_PATH, full, nullptr);
        std::printf("  screenshot %dx%d saved as %ls\n", shot.width, shot.height, full);
    }
    return true;
}

namespace {

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? -1 : values[values.size() / 2];
}

// The median time of a Next command sent synchronously: it returns once the
// new lesson is loaded, laid out and painted. An untimed Previous goes back
// after each run.
double MedianNextMs(HWND window, int runs) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        double start = NowMs();
        SendMessageW(window, WM_COMMAND, CMD_NEXT, 0);
        times.push_back(NowMs() - start);
        SendMessageW(window, WM_COMMAND, CMD_PREVIOUS, 0);
    }
    return Median(times);
}

struct NextBench {
    const char* what;
    DWORD from;
};

}  // namespace

E2E_CASE(bench_next_lesson) {
    int runs = args.empty() ? 20 : std::stoi(args[0]);
    const NextBench benches[] = {{"2 to 3, the longest lesson", 2}, {"50 to 51, a typical lesson", 50}};
    for (const NextBench& bench : benches) {
        StoreFixedLesson(bench.from, 0, kMediumWindow);
        Reader reader;
        if (!Start(&reader)) return false;
        double ms = MedianNextMs(reader.window, runs);
        CheckEqual(CloseReader(&reader), 0, "exit code");
        std::printf("Next from lesson %s, median of %d runs: %.2f ms\n", bench.what, runs, ms);
        CheckEqual(Stored(L"Lesson"), bench.from, "each run went back");
    }
    return true;
}
