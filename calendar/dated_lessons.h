// The book's dated lessons: lessons 4 to 135, each on one day of the Hebrew
// year 5770, numbered in calendar order. The lesson table, the book compiler
// and the index titles are all derived from this one table.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "content/lesson_number.h"

constexpr LessonNumber kFirstDatedLesson = 4;
constexpr LessonNumber kLastDatedLesson = 135;
constexpr int kDatedLessonCount = kLastDatedLesson - kFirstDatedLesson + 1;
constexpr int kBookYear = 5770;

// Hebrew months as the calendar numbers them (1 = Nissan ... 7 = Tishrei ...
// 13 = Adar II).
constexpr int kNissan = 1, kIyar = 2, kSivan = 3, kTammuz = 4, kAv = 5, kElul = 6, kTishrei = 7,
              kCheshvan = 8, kKislev = 9, kTeves = 10, kShvat = 11, kAdar = 12, kAdarII = 13;

// Months in the order of the year, Adar II between Adar and Nissan.
constexpr std::array<int, 13> kMonthsInYearOrder = {kTishrei, kCheshvan, kKislev, kTeves, kShvat,
                                                    kAdar,    kAdarII,   kNissan, kIyar,  kSivan,
                                                    kTammuz,  kAv,       kElul};

// The book's spelling of a month (1..13), as the index and the lessons use it.
constexpr const char* kBookMonthNames[14] = {
    "",       "Nissan", "Iyar",     "Sivan",  "Tammuz", "Menachem Av", "Elul",
    "Tishrei", "Cheshvan", "Kislev", "Teves", "Sh'vat", "Adar",        "Adar II"};

struct DatedMonth {
    int month;
    std::span<const uint8_t> days;  // days with a lesson, ascending
};

namespace dated_detail {
constexpr uint8_t kTishreiDays[] = {1, 3, 6, 7, 8, 9, 10, 11, 13, 14, 15, 16, 17, 21, 22, 23, 24, 29};
constexpr uint8_t kCheshvanDays[] = {1, 6, 8, 11, 13, 15, 20, 27, 29};
constexpr uint8_t kKislevDays[] = {1, 4, 9, 10, 11, 14, 18, 19, 20, 24, 25, 26, 27};
constexpr uint8_t kTevesDays[] = {1, 2, 5, 9, 10, 16, 23, 24, 28};
constexpr uint8_t kShvatDays[] = {1, 8, 10, 15, 22, 29};
constexpr uint8_t kAdarDays[] = {1, 6, 7, 11, 13, 14, 20, 25, 27};
constexpr uint8_t kNissanDays[] = {1, 2, 5, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 26};
constexpr uint8_t kIyarDays[] = {1, 2, 3, 5, 8, 10, 12, 13, 14, 17, 18, 24};
constexpr uint8_t kSivanDays[] = {1, 2, 5, 6, 7, 8, 9, 16, 23, 28};
constexpr uint8_t kTammuzDays[] = {1, 3, 7, 11, 12, 13, 14, 15, 17, 21, 28};
constexpr uint8_t kAvDays[] = {1, 5, 6, 8, 9, 13, 14, 15, 20, 27, 29};
constexpr uint8_t kElulDays[] = {1, 4, 11, 15, 18, 25, 29};
}  // namespace dated_detail

// The dated months in the order of the year (Adar II has no lesson).
constexpr std::array<DatedMonth, 12> kDatedMonths = {{
    {kTishrei, dated_detail::kTishreiDays},
    {kCheshvan, dated_detail::kCheshvanDays},
    {kKislev, dated_detail::kKislevDays},
    {kTeves, dated_detail::kTevesDays},
    {kShvat, dated_detail::kShvatDays},
    {kAdar, dated_detail::kAdarDays},
    {kNissan, dated_detail::kNissanDays},
    {kIyar, dated_detail::kIyarDays},
    {kSivan, dated_detail::kSivanDays},
    {kTammuz, dated_detail::kTammuzDays},
    {kAv, dated_detail::kAvDays},
    {kElul, dated_detail::kElulDays},
}};

struct HebrewMonthDay {
    int month;  // 1..13; 0 when the lesson has no date
    int day;
};

// The Hebrew month and day of dated lesson n, or {0, 0} for any other n.
constexpr HebrewMonthDay DatedLessonDate(int n) {
    int lesson = kFirstDatedLesson;
    for (const DatedMonth& m : kDatedMonths)
        for (uint8_t day : m.days) {
            if (lesson == n) return {m.month, day};
            ++lesson;
        }
    return {0, 0};
}

static_assert(DatedLessonDate(kLastDatedLesson + 1).month == 0 &&
                  DatedLessonDate(kLastDatedLesson).month == kElul,
              "the dated lessons are exactly lessons 4 to 135");
static_assert(DatedLessonDate(4).month == kTishrei && DatedLessonDate(4).day == 1);
static_assert(DatedLessonDate(68).month == kNissan && DatedLessonDate(68).day == 1);
