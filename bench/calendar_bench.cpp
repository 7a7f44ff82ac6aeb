// Cost of the calendar on its hot path: converting a civil day to today's
// lesson, which start-up and the Today command each do once, and the Hebrew
// date alone over a spread of days (September days search the most months).
#include <benchmark/benchmark.h>

#include "calendar/hebrew_calendar.h"
#include "calendar/lesson_table.h"

namespace {

void BM_LessonForCivilDate(benchmark::State& state) {
    int32_t month = 9, day = 8, year = 2010;  // 29 Elul: the longest month search
    for (auto _ : state) {
        benchmark::DoNotOptimize(month);
        benchmark::DoNotOptimize(LessonForDay(DayFromGregorian(month, day, year)));
    }
}
BENCHMARK(BM_LessonForCivilDate);

void BM_HebrewFromDayOverAYear(benchmark::State& state) {
    const int32_t first = DayFromGregorian(1, 1, 2010);
    int32_t offset = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(HebrewFromDay(first + offset));
        offset = (offset + 1) % 365;
    }
}
BENCHMARK(BM_HebrewFromDayOverAYear);

}  // namespace
