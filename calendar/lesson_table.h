// LessonTable: the lesson of every Hebrew month and day, derived at compile
// time from the book's dated lessons, and LessonForDay, today's lesson for an
// absolute day number.
//
// A slot (month, day) takes the first dated lesson whose date is the slot or
// comes after it in the order of the year (Tishrei ... Adar, Adar II, Nissan
// ... Elul); a slot after the last dated lesson takes the first one. Days a
// month lacks (day 30 of a short month, Adar II in a common year) follow the
// same rule, so every date of any year finds a lesson.
#pragma once

#include <array>
#include <cstdint>

#include "calendar/dated_lessons.h"
#include "calendar/hebrew_calendar.h"
#include "content/lesson_number.h"

constexpr int kLessonTableMonths = 13;
constexpr int kLessonTableDays = 30;
constexpr int kLessonTableSize = kLessonTableMonths * kLessonTableDays;  // 390

// Index of month (1..13) and day (1..30) in LessonTable.
constexpr int LessonTableIndex(int month, int day) {
    return kLessonTableDays * (month - 1) + (day - 1);
}

namespace lesson_table_detail {

// Place of a month (1..13) in the order of the year: Tishrei 0 ... Elul 12.
constexpr int MonthPlace(int month) {
    for (int place = 0; place < kLessonTableMonths; ++place)
        if (kMonthsInYearOrder[place] == month) return place;
    return -1;
}

// Place of a slot in the order of the year, 0 (Tishrei 1) to 389 (Elul 30).
constexpr int SlotPlace(int month, int day) {
    return kLessonTableDays * MonthPlace(month) + (day - 1);
}

// Walks the slots backwards through the year, carrying the next dated lesson.
constexpr std::array<LessonNumber, kLessonTableSize> BuildLessonTable() {
    std::array<LessonNumber, kLessonTableSize> table{};
    LessonNumber next = kFirstDatedLesson;  // after Elul 29 the year starts again
    int lesson = kLastDatedLesson;
    for (int place = kLessonTableMonths - 1; place >= 0; --place) {
        const int month = kMonthsInYearOrder[place];
        for (int day = kLessonTableDays; day >= 1; --day) {
            const HebrewMonthDay date = DatedLessonDate(lesson);
            if (lesson >= kFirstDatedLesson && date.month == month && date.day == day)
                next = static_cast<LessonNumber>(lesson--);
            table[LessonTableIndex(month, day)] = next;
        }
    }
    return table;
}

// The rule read literally, slot by slot over the lessons in number order;
// checks the table built above.
constexpr bool TableFollowsRule(const std::array<LessonNumber, kLessonTableSize>& table) {
    std::array<int, kDatedLessonCount> places{};
    for (int i = 0; i < kDatedLessonCount; ++i) {
        const HebrewMonthDay date = DatedLessonDate(kFirstDatedLesson + i);
        places[i] = SlotPlace(date.month, date.day);
        if (i > 0 && places[i] <= places[i - 1]) return false;  // numbers follow the year
    }
    for (int month = 1; month <= kLessonTableMonths; ++month)
        for (int day = 1; day <= kLessonTableDays; ++day) {
            int expected = kFirstDatedLesson;
            for (int i = 0; i < kDatedLessonCount; ++i)
                if (places[i] >= SlotPlace(month, day)) {
                    expected = kFirstDatedLesson + i;
                    break;
                }
            if (table[LessonTableIndex(month, day)] != expected) return false;
        }
    return true;
}

}  // namespace lesson_table_detail

// Entry LessonTableIndex(m, d) is the lesson of Hebrew month m, day d; every
// entry lies between kFirstDatedLesson and kLastDatedLesson.
inline constexpr std::array<LessonNumber, kLessonTableSize> LessonTable =
    lesson_table_detail::BuildLessonTable();

static_assert(lesson_table_detail::TableFollowsRule(LessonTable),
              "every slot takes the first dated lesson on or after it");

// The LessonTable entry of the Hebrew month and day of absolute day `day`; the
// Hebrew year plays no part. 0 only for a day whose Hebrew date is outside
// the table, which no day from year 1 on has.
constexpr LessonNumber LessonForDay(int32_t day) {
    const HebrewDate date = HebrewFromDay(day);
    if (date.month < 1 || date.month > kLessonTableMonths || date.day < 1 ||
        date.day > kLessonTableDays)
        return 0;
    return LessonTable[LessonTableIndex(date.month, date.day)];
}
