// The lesson table, today's lesson for a civil day, and ChooseLesson's rules
// for the fixed-lesson flag and the stored scroll position.
#include <gtest/gtest.h>

#include "app/app_state.h"
#include "calendar/lesson_table.h"
#include "calendar/today.h"
#include "platform/win.h"

namespace {

LessonNumber Entry(int month, int day) { return LessonTable[LessonTableIndex(month, day)]; }

TEST(LessonTable, SlotsTakeTheNextDatedLesson) {
    struct Case {
        int month, day;
        LessonNumber lesson;
    } cases[] = {
        {kTishrei, 1, 4},    {kTishrei, 2, 5},   {kTishrei, 3, 5},   {kTishrei, 30, 22},
        {kCheshvan, 1, 22},  {kCheshvan, 30, 31}, {kKislev, 28, 44}, {kAdar, 27, 67},
        {kAdar, 28, 68},     {kAdar, 29, 68},    {kAdar, 30, 68},    {kNissan, 1, 68},
        {kElul, 29, 135},    {kElul, 30, 4},     {kElul, 26, 135},   {kAv, 30, 129},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Entry(c.month, c.day), c.lesson) << kBookMonthNames[c.month] << " " << c.day;
    for (int day = 1; day <= kLessonTableDays; ++day) EXPECT_EQ(Entry(kAdarII, day), 68) << day;
}

TEST(LessonTable, EveryDatedLessonOwnsItsDateAndEntriesStayInRange) {
    for (int n = kFirstDatedLesson; n <= kLastDatedLesson; ++n) {
        const HebrewMonthDay date = DatedLessonDate(n);
        EXPECT_EQ(Entry(date.month, date.day), n);
    }
    for (LessonNumber entry : LessonTable) {
        EXPECT_GE(entry, kFirstDatedLesson);
        EXPECT_LE(entry, kLastDatedLesson);
    }
}

TEST(LessonForDay, CivilDaysFindTheirLessonInAnyYear) {
    struct Case {
        int month, day, year;
        LessonNumber lesson;
    } cases[] = {
        {9, 19, 2009, 4},    // 1 Tishrei 5770
        {9, 20, 2009, 5},    // 2 Tishrei: the lesson of 3 Tishrei
        {9, 8, 2010, 135},   // 29 Elul 5770
        {9, 9, 2010, 4},     // 1 Tishrei 5771
        {3, 30, 2010, 75},   // 15 Nissan 5770
        {2, 18, 2011, 64},   // 14 Adar I 5771 counts as Adar 14
        {3, 20, 2011, 68},   // 14 Adar II 5771
        {9, 22, 2025, 135},  // 29 Elul 5785
    };
    for (const Case& c : cases)
        EXPECT_EQ(LessonForDay(DayFromGregorian(c.month, c.day, c.year)), c.lesson)
            << c.year << "-" << c.month << "-" << c.day;
}

// Days before the era have no true Hebrew date; they must not read outside
// the table.
TEST(LessonForDay, DaysBeforeTheEraStayInsideTheTable) {
    for (int32_t day : {0, -1, -400, -146097, -1000000}) {
        const LessonNumber lesson = LessonForDay(day);
        EXPECT_TRUE(lesson == 0 || (lesson >= kFirstDatedLesson && lesson <= kLastDatedLesson))
            << day;
    }
}

class ChooseLessonTest : public ::testing::Test {
protected:
    void SetUp() override {
        HostResetAll();
        App = AppState{};
        App.Flags = kDefaultAppFlags;
    }
};

// Civil dates whose lessons are 12 and 13: 13 and 14 Tishrei 5770.
constexpr int kYearOfTwelve = 2009, kMonthOfTwelve = 10, kDayOfTwelve = 1;
constexpr int kDayOfThirteen = 2;

TEST_F(ChooseLessonTest, TodayReadsTheLocalDate) {
    HostSetLocalDate(2010, 3, 30);
    const GregorianDate today = TodayGregorian();
    EXPECT_EQ(today.month, 3);
    EXPECT_EQ(today.day, 30);
    EXPECT_EQ(today.year, 2010);
}

TEST_F(ChooseLessonTest, StartUpOpensTodaysLesson) {
    struct Case {
        int year, month, day;
        LessonNumber lesson;
    } cases[] = {{2009, 9, 19, 4}, {2010, 9, 9, 4}, {2010, 3, 30, 75}};
    for (const Case& c : cases) {
        App.Lesson = 0;
        HostSetLocalDate(c.year, c.month, c.day);
        ChooseLesson(0, 0);
        EXPECT_EQ(App.Lesson, c.lesson) << c.year << "-" << c.month << "-" << c.day;
        EXPECT_EQ(App.Flags, kDefaultAppFlags);
    }
}

TEST_F(ChooseLessonTest, StartUpKeepsThePositionOnlyWhenTodaysLessonIsTheStoredOne) {
    App.Lesson = 12;
    App.LastPosition = 40;
    HostSetLocalDate(kYearOfTwelve, kMonthOfTwelve, kDayOfTwelve);
    ChooseLesson(0, 0);
    EXPECT_EQ(App.Lesson, 12);
    EXPECT_EQ(App.LastPosition, 40);

    HostSetLocalDate(kYearOfTwelve, kMonthOfTwelve, kDayOfThirteen);
    ChooseLesson(0, 0);
    EXPECT_EQ(App.Lesson, 13);
    EXPECT_EQ(App.LastPosition, 0);
}

TEST_F(ChooseLessonTest, StartUpKeepsAFixedLessonWhateverTheDate) {
    App.Flags |= AF_FIXED_LESSON;
    App.Lesson = 120;
    App.LastPosition = 7;
    for (int day : {kDayOfTwelve, kDayOfThirteen}) {
        HostSetLocalDate(kYearOfTwelve, kMonthOfTwelve, day);
        ChooseLesson(0, 0);
        EXPECT_EQ(App.Lesson, 120);
        EXPECT_EQ(App.LastPosition, 7);
        EXPECT_EQ(App.Flags, kDefaultAppFlags | AF_FIXED_LESSON);
    }
}

TEST_F(ChooseLessonTest, GoingToTodayClearsTheFixedLessonAndNothingElse) {
    App.Flags = 0xFFFFFFFF;
    App.Lesson = 120;
    App.LastPosition = 7;
    HostSetLocalDate(kYearOfTwelve, kMonthOfTwelve, kDayOfThirteen);
    ChooseLesson(0, 1);
    EXPECT_EQ(App.Lesson, 13);
    EXPECT_EQ(App.LastPosition, 0);
    EXPECT_EQ(App.Flags, 0xFFFFFFFF & ~AF_FIXED_LESSON);
}

TEST_F(ChooseLessonTest, AGivenLessonIsFixedAndResetsThePositionOnlyWhenItChanges) {
    App.Lesson = 50;
    App.LastPosition = 33;
    ChooseLesson(50, 1);
    EXPECT_EQ(App.Lesson, 50);
    EXPECT_EQ(App.LastPosition, 33);
    EXPECT_EQ(App.Flags, kDefaultAppFlags | AF_FIXED_LESSON);

    ChooseLesson(2, 1);
    EXPECT_EQ(App.Lesson, 2);
    EXPECT_EQ(App.LastPosition, 0);
    EXPECT_EQ(App.Flags, kDefaultAppFlags | AF_FIXED_LESSON);
}

// Year 0 wraps in the day count and 65535 is the largest year the clock can
// hold; either way the arithmetic stays defined and gives a dated lesson.
TEST_F(ChooseLessonTest, ClockYearsAtTheEdgesStillGiveALesson) {
    for (int year : {0, 65535}) {
        App.Lesson = 500;
        App.LastPosition = 9;
        HostSetLocalDate(year, 1, 1);
        ChooseLesson(0, 0);
        EXPECT_GE(App.Lesson, kFirstDatedLesson) << year;
        EXPECT_LE(App.Lesson, kLastDatedLesson) << year;
        EXPECT_EQ(App.LastPosition, 0);
    }
}

}  // namespace
