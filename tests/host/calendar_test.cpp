// Civil and Hebrew date arithmetic: known dates, year shapes, cycle ends and
// the round trip over some 160 years of days.
#include <gtest/gtest.h>

#include "calendar/hebrew_calendar.h"

namespace {

// Known days; weekday 0 = Sunday ... 6 = Saturday.
struct KnownDay {
    int32_t day;
    GregorianDate civil;
    HebrewDate hebrew;
    int32_t weekday;
};

constexpr KnownDay kKnownDays[] = {
    {733669, {9, 19, 2009}, {7, 1, 5770}, 6},    // the book's first day
    {733861, {3, 30, 2010}, {1, 15, 5770}, 2},   // Pesach
    {734023, {9, 8, 2010}, {6, 29, 5770}, 3},    // the book's last day
    {734024, {9, 9, 2010}, {7, 1, 5771}, 4},
    {733315, {9, 30, 2008}, {7, 1, 5769}, 2},
    {730485, {12, 31, 2000}, {10, 5, 5761}, 0},  // last day of a 400-year cycle
    {730179, {2, 29, 2000}, {12, 23, 5760}, 2},  // 5760 is leap: Adar I
    {730180, {3, 1, 2000}, {12, 24, 5760}, 3},
    {733407, {12, 31, 2008}, {10, 4, 5769}, 3},  // last day of a 4-year cycle
    {734216, {3, 20, 2011}, {13, 14, 5771}, 0},  // Purim in Adar II
    {733828, {2, 25, 2010}, {12, 11, 5770}, 4},
};

TEST(Calendar, KnownDaysConvertEveryWay) {
    for (const KnownDay& k : kKnownDays) {
        SCOPED_TRACE(k.day);
        EXPECT_EQ(DayFromGregorian(k.civil.month, k.civil.day, k.civil.year), k.day);
        const GregorianDate g = GregorianFromDay(k.day);
        EXPECT_EQ(g.month, k.civil.month);
        EXPECT_EQ(g.day, k.civil.day);
        EXPECT_EQ(g.year, k.civil.year);
        EXPECT_EQ(DayFromHebrew(k.hebrew.month, k.hebrew.day, k.hebrew.year), k.day);
        const HebrewDate h = HebrewFromDay(k.day);
        EXPECT_EQ(h.month, k.hebrew.month);
        EXPECT_EQ(h.day, k.hebrew.day);
        EXPECT_EQ(h.year, k.hebrew.year);
        EXPECT_EQ(WeekdayOfDay(k.day), k.weekday);
    }
}

TEST(Calendar, DayOneIsTheFirstOfJanuaryOfYearOneAMonday) {
    EXPECT_EQ(DayFromGregorian(1, 1, 1), 1);
    EXPECT_EQ(WeekdayOfDay(1), 1);
    const GregorianDate g = GregorianFromDay(1);
    EXPECT_EQ(g.month, 1);
    EXPECT_EQ(g.day, 1);
    EXPECT_EQ(g.year, 1);
}

TEST(Calendar, GregorianLeapYearsAndDayOfYear) {
    EXPECT_TRUE(IsGregorianLeapYear(2000));
    EXPECT_TRUE(IsGregorianLeapYear(2008));
    EXPECT_FALSE(IsGregorianLeapYear(1900));
    EXPECT_FALSE(IsGregorianLeapYear(2010));
    EXPECT_EQ(GregorianDayOfYear(1, 1, 2010), 1);
    EXPECT_EQ(GregorianDayOfYear(2, 28, 2010), 59);
    EXPECT_EQ(GregorianDayOfYear(3, 1, 2010), 60);
    EXPECT_EQ(GregorianDayOfYear(3, 1, 2000), 61);
    EXPECT_EQ(GregorianDayOfYear(12, 31, 2010), 365);
    EXPECT_EQ(GregorianDayOfYear(12, 31, 2000), 366);
    EXPECT_EQ(GregorianDayOfYear(12, 31, 1900), 365);
}

TEST(Calendar, HebrewYearShapes) {
    struct Year {
        int32_t year, length;
        bool leap, longCheshvan, shortKislev;
    } years[] = {
        {5769, 354, false, false, false},
        {5770, 355, false, true, false},
        {5771, 385, true, true, false},
        {5772, 354, false, false, false},
        {5773, 353, false, false, true},
        {5774, 385, true, true, false},
        {5760, 385, true, true, false},
        {5763, 385, true, true, false},
        {5765, 383, true, false, true},
    };
    for (const Year& y : years) {
        SCOPED_TRACE(y.year);
        EXPECT_EQ(HebrewYearLength(y.year), y.length);
        EXPECT_EQ(IsHebrewLeapYear(y.year), y.leap);
        EXPECT_EQ(HebrewMonthsInYear(y.year), y.leap ? 13 : 12);
        EXPECT_EQ(IsLongCheshvan(y.year), y.longCheshvan);
        EXPECT_EQ(IsShortKislev(y.year), y.shortKislev);
        EXPECT_EQ(HebrewMonthLength(8, y.year), y.longCheshvan ? 30 : 29);
        EXPECT_EQ(HebrewMonthLength(9, y.year), y.shortKislev ? 29 : 30);
        EXPECT_EQ(HebrewMonthLength(12, y.year), y.leap ? 30 : 29);
        int32_t sum = 0;
        for (int32_t m = 1; m <= HebrewMonthsInYear(y.year); ++m)
            sum += HebrewMonthLength(m, y.year);
        EXPECT_EQ(sum, y.length);
    }
    constexpr int32_t kFixedLengths[] = {0, 30, 29, 30, 29, 30, 29, 30, 0, 0, 29, 30, 0, 29};
    for (int32_t m = 1; m <= 13; ++m)
        if (kFixedLengths[m] != 0) {
            EXPECT_EQ(HebrewMonthLength(m, 5770), kFixedLengths[m]) << m;
        }
}

// Every year from 5600 to 5900 has one of the six lengths, its new year never
// falls on Sunday, Wednesday or Friday, and the 19-year cycle has 7 leap years.
TEST(Calendar, NewYearsKeepTheCalendarsRules) {
    for (int32_t year = 5600; year <= 5900; ++year) {
        SCOPED_TRACE(year);
        const int32_t length = HebrewYearLength(year);
        if (IsHebrewLeapYear(year))
            EXPECT_TRUE(length == 383 || length == 384 || length == 385);
        else
            EXPECT_TRUE(length == 353 || length == 354 || length == 355);
        const int32_t weekday = WeekdayOfDay(DayFromHebrew(7, 1, year));
        EXPECT_NE(weekday, 0);
        EXPECT_NE(weekday, 3);
        EXPECT_NE(weekday, 5);
    }
    int leapYears = 0;
    for (int32_t year = 5757; year < 5757 + 19; ++year) leapYears += IsHebrewLeapYear(year);
    EXPECT_EQ(leapYears, 7);
}

// Both conversions give every day back, and consecutive days step by exactly
// one day in both calendars.
TEST(Calendar, RoundTripEveryDayFrom700000To760000) {
    GregorianDate prevCivil = GregorianFromDay(699999);
    HebrewDate prevHebrew = HebrewFromDay(699999);
    for (int32_t d = 700000; d <= 760000; ++d) {
        const GregorianDate g = GregorianFromDay(d);
        ASSERT_EQ(DayFromGregorian(g.month, g.day, g.year), d);
        const HebrewDate h = HebrewFromDay(d);
        ASSERT_EQ(DayFromHebrew(h.month, h.day, h.year), d);
        ASSERT_GE(h.day, 1);
        ASSERT_LE(h.day, HebrewMonthLength(h.month, h.year)) << d;
        ASSERT_LE(h.month, HebrewMonthsInYear(h.year)) << d;
        if (g.day != 1) {
            ASSERT_EQ(g.day, prevCivil.day + 1) << d;
        }
        if (h.day != 1) {
            ASSERT_EQ(h.day, prevHebrew.day + 1) << d;
        }
        if (h.month == 7 && h.day == 1) {
            ASSERT_EQ(h.year, prevHebrew.year + 1) << d;
        }
        prevCivil = g;
        prevHebrew = h;
    }
}

// The clock can give any civil year from 1601 to 30827; far from the present
// the year estimate and the starting-month guesses run ahead of the day, and
// the dates must stay true all the same. Every 97th day from year 1 to 30827,
// and every day of the years where the guesses first fail.
TEST(Calendar, HebrewDatesHoldAcrossTheClocksWholeRange) {
    auto check = [](int32_t d) {
        const HebrewDate h = HebrewFromDay(d);
        ASSERT_GE(h.day, 1) << d;
        ASSERT_LE(h.day, HebrewMonthLength(h.month, h.year)) << d;
        ASSERT_EQ(DayFromHebrew(h.month, h.day, h.year), d);
    };
    const int32_t end = DayFromGregorian(12, 31, 30827);
    for (int32_t d = 1; d <= end; d += 97) check(d);
    for (int32_t d = DayFromGregorian(1, 1, 6774); d < DayFromGregorian(1, 1, 6776); ++d) check(d);
    for (int32_t d = DayFromGregorian(1, 1, 870); d < DayFromGregorian(1, 1, 874); ++d) check(d);
}

// Days before year 1 are outside the calendar; the conversion still ends.
TEST(Calendar, DaysBeforeTheEraStillReturn) {
    for (int32_t d : {0, -1, -400, -146097, -1000000}) {
        const HebrewDate h = HebrewFromDay(d);
        EXPECT_GE(h.month, 1) << d;
        EXPECT_LE(h.month, 13) << d;
    }
}

// The conversions are usable at compile time.
static_assert(DayFromGregorian(9, 19, 2009) == 733669);
static_assert(HebrewFromDay(733861).month == 1 && HebrewFromDay(733861).day == 15);
static_assert(GregorianFromDay(730485).month == 12 && GregorianFromDay(730485).day == 31);

}  // namespace
