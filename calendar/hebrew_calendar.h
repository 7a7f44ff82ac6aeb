// Civil (Gregorian) and Hebrew date arithmetic through absolute day numbers:
// the Gregorian calendar by its 400/100/4/1-year cycles and the arithmetic
// Hebrew calendar by the molad of Tishrei and the four postponements.
//
// Pure integer arithmetic with no state, all constexpr. Day 1 is 1 January of
// year 1 of the proleptic Gregorian calendar, a Monday; day % 7 is the
// weekday, 0 = Sunday ... 6 = Saturday. Divisions truncate. The operations are
// meant for days >= 1 and years >= 1, up to civil year 65535 and well beyond;
// for other days they return some date, but never loop without end.
#pragma once

#include <cstdint>

struct GregorianDate {
    int32_t month;  // 1..12
    int32_t day;    // 1..31
    int32_t year;
};

// Hebrew months are numbered from the spring: 1 Nissan ... 6 Elul, 7 Tishrei
// (the first month of the year) ... 12 Adar (Adar I in a leap year), 13 Adar II.
struct HebrewDate {
    int32_t month;  // 1..13
    int32_t day;    // 1..30
    int32_t year;   // anno mundi
};

constexpr int32_t kSunday = 0;
constexpr int32_t kSaturday = 6;
constexpr int32_t kDaysInWeek = 7;

// Weekday of an absolute day number: 0 = Sunday ... 6 = Saturday.
constexpr int32_t WeekdayOfDay(int32_t day) { return day % kDaysInWeek; }

namespace calendar_detail {

// Month lengths by [leap year][month]; entry 0 is unused.
constexpr int32_t kGregorianMonthLengths[2][13] = {
    {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
    {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
};

// By Gregorian month: a Hebrew month that, in the Hebrew year holding any day
// of that Gregorian month, comes no later than the month holding the day.
// HebrewFromDay starts its month search there.
constexpr int32_t kStartingMonthGuess[13] = {0, 9, 10, 11, 12, 1, 2, 3, 4, 7, 7, 7, 8};

constexpr int32_t kDaysIn400Years = 146097;
constexpr int32_t kDaysIn100Years = 36524;
constexpr int32_t kDaysIn4Years = 1461;
constexpr int32_t kDaysInYear = 365;

// The molad of Tishrei: months of the 19-year cycle, and time in hours and
// parts (1080 to the hour) after the calendar's epoch.
constexpr int32_t kMonthsIn19Years = 235;
constexpr int32_t kPartsPerHour = 1080;
constexpr int32_t kPartsPerDay = 24 * kPartsPerHour;
constexpr int32_t kMonthExtraParts = 793;  // a mean month is 29 days, 12 hours, 793 parts
constexpr int32_t kEpochParts = 204;
constexpr int32_t kEpochHours = 5;
// Postponement thresholds, in parts of the day.
constexpr int32_t kLateMoladParts = 18 * kPartsPerHour;  // 19440: 18 hours
constexpr int32_t kTuesdayLimitParts = 9924;             // GaTaRaD, after a common year
constexpr int32_t kMondayLimitParts = 16789;             // BeTU'TeKaPoT, after a leap year

// Days from the Hebrew calendar's count to the absolute day count.
constexpr int32_t kHebrewEpochOffset = 1373429;

}  // namespace calendar_detail

// True when `year` is divisible by 4 and not (by 100 and not by 400).
constexpr bool IsGregorianLeapYear(int32_t year) {
    return year % 4 == 0 && !(year % 100 == 0 && year % 400 != 0);
}

// 1-based day of the year of a Gregorian date.
constexpr int32_t GregorianDayOfYear(int32_t month, int32_t day, int32_t year) {
    int32_t n = day + 31 * (month - 1);
    if (month > 2) {
        n -= (4 * month + 23) / 10;
        if (IsGregorianLeapYear(year)) n += 1;
    }
    return n;
}

// Absolute day number of a Gregorian date. The leap-day divisions take
// year - 1 as an unsigned 32-bit value; the sum wraps modulo 2^32.
constexpr int32_t DayFromGregorian(int32_t month, int32_t day, int32_t year) {
    const uint32_t prior = static_cast<uint32_t>(year) - 1u;
    const uint32_t sum = static_cast<uint32_t>(GregorianDayOfYear(month, day, year)) +
                         365u * prior + prior / 4u - prior / 100u + prior / 400u;
    return static_cast<int32_t>(sum);
}

// The Gregorian date of an absolute day number.
constexpr GregorianDate GregorianFromDay(int32_t d) {
    using namespace calendar_detail;
    const int32_t d0 = d - 1;
    const int32_t c400 = d0 / kDaysIn400Years, d1 = d0 % kDaysIn400Years;
    const int32_t c100 = d1 / kDaysIn100Years, d2 = d1 % kDaysIn100Years;
    const int32_t c4 = d2 / kDaysIn4Years, d3 = d2 % kDaysIn4Years;
    const int32_t c1 = d3 / kDaysInYear;
    int32_t dayOfYear = d3 % kDaysInYear + 1;
    int32_t year = 400 * c400 + 100 * c100 + 4 * c4 + c1;
    // The last day of a 400-year or of a 4-year cycle.
    if (c100 == 4 || c1 == 4) return {12, 31, year};
    year += 1;
    const int32_t(&lengths)[13] = kGregorianMonthLengths[IsGregorianLeapYear(year) ? 1 : 0];
    int32_t month = 1;
    // dayOfYear <= 365 here, so the search ends by December.
    while (month < 12 && lengths[month] < dayOfYear) {
        dayOfYear -= lengths[month];
        ++month;
    }
    return {month, dayOfYear, year};
}

// True when (7 x year + 1) % 19 < 7: the year has 13 months.
constexpr bool IsHebrewLeapYear(int32_t year) { return (7 * year + 1) % 19 < 7; }

// 13 in a leap year, else 12.
constexpr int32_t HebrewMonthsInYear(int32_t year) { return IsHebrewLeapYear(year) ? 13 : 12; }

// Days elapsed to 1 Tishrei of `year`, counted from the Hebrew calendar's
// own origin (DayFromHebrew turns it into an absolute day).
constexpr int32_t HebrewNewYearDay(int32_t year) {
    using namespace calendar_detail;
    const int32_t y1 = year - 1;
    const int32_t monthsElapsed =
        kMonthsIn19Years * (y1 / 19) + 12 * (y1 % 19) + (7 * (y1 % 19) + 1) / 19;
    const int32_t partsElapsed = kEpochParts + kMonthExtraParts * (monthsElapsed % kPartsPerHour);
    const int32_t hoursElapsed = kEpochHours + 12 * monthsElapsed +
                                 kMonthExtraParts * (monthsElapsed / kPartsPerHour) +
                                 partsElapsed / kPartsPerHour;
    int32_t day = 1 + 29 * monthsElapsed + hoursElapsed / 24;
    const int32_t parts = kPartsPerHour * (hoursElapsed % 24) + partsElapsed % kPartsPerHour;
    if (parts >= kLateMoladParts ||
        (day % 7 == 2 && parts >= kTuesdayLimitParts && !IsHebrewLeapYear(year)) ||
        (day % 7 == 1 && parts >= kMondayLimitParts && IsHebrewLeapYear(year - 1)))
        day += 1;
    // Rosh Hashanah never falls on these days of the week.
    if (day % 7 == 0 || day % 7 == 3 || day % 7 == 5) day += 1;
    return day;
}

// Days of `year`: 353, 354, 355, 383, 384 or 385.
constexpr int32_t HebrewYearLength(int32_t year) {
    return HebrewNewYearDay(year + 1) - HebrewNewYearDay(year);
}

// True when Cheshvan has 30 days (a complete year).
constexpr bool IsLongCheshvan(int32_t year) { return HebrewYearLength(year) % 10 == 5; }

// True when Kislev has 29 days (a deficient year).
constexpr bool IsShortKislev(int32_t year) { return HebrewYearLength(year) % 10 == 3; }

// 29 or 30: the length of Hebrew month `month` (1..13) of `year`.
constexpr int32_t HebrewMonthLength(int32_t month, int32_t year) {
    if (month == 2 || month == 4 || month == 6 || month == 10 || month == 13) return 29;
    if (month == 12 && !IsHebrewLeapYear(year)) return 29;
    if (month == 8 && !IsLongCheshvan(year)) return 29;
    if (month == 9 && IsShortKislev(year)) return 29;
    return 30;
}

// Absolute day number of a Hebrew date.
constexpr int32_t DayFromHebrew(int32_t month, int32_t day, int32_t year) {
    int32_t total = day;
    if (month < 7) {
        const int32_t last = HebrewMonthsInYear(year);
        for (int32_t m = 7; m <= last; ++m) total += HebrewMonthLength(m, year);
        for (int32_t m = 1; m < month; ++m) total += HebrewMonthLength(m, year);
    } else {
        for (int32_t m = 7; m < month; ++m) total += HebrewMonthLength(m, year);
    }
    return total + HebrewNewYearDay(year) - calendar_detail::kHebrewEpochOffset;
}

// The Hebrew date of an absolute day number.
//
// The civil year + 3760 and the starting-month guesses hold from about the
// year 874 to 6774. The Hebrew year drifts later against the civil one by a
// day in some 216 years, so further out (the clock reaches 30827) the year
// estimate can be a year too high and a guess can come after the day's month.
// Both are then corrected: the year steps back, the month search starts from
// Tishrei. Inside that span the result is the plain search's.
constexpr HebrewDate HebrewFromDay(int32_t d) {
    const GregorianDate civil = GregorianFromDay(d);
    int32_t year = civil.year + 3760;
    while (d >= DayFromHebrew(7, 1, year + 1)) ++year;
    while (year > 1 && d < DayFromHebrew(7, 1, year)) --year;
    int32_t month = calendar_detail::kStartingMonthGuess[civil.month];
    if (d < DayFromHebrew(month, 1, year)) month = 7;
    const int32_t last = HebrewMonthsInYear(year);
    // For a day of this year the search stops by Elul, the year's last month.
    // The step bound only matters before year 1, where year lengths are not
    // the calendar's own and the search could otherwise wrap for ever.
    for (int32_t steps = 0;
         steps < last && d > DayFromHebrew(month, HebrewMonthLength(month, year), year); ++steps)
        month = month % last + 1;
    return {month, d - DayFromHebrew(month, 1, year) + 1, year};
}
