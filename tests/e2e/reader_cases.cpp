// Reading as a user does: today's lesson by the date, a lesson kept by hand,
// moving through the book and scrolling. What is seen is the screen and the
// values the reader stores when it closes: another process cannot read the
// reader's scroll bar under Wine, but the stored LastPosition is the row at
// the top when it closed, and the screen shows the same rows and the same
// scroll bar whenever the reader stands at the same row.
#include <algorithm>
#include <cstdio>
#include <initializer_list>
#include <map>
#include <string>

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
