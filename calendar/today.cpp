// Today's lesson: reads the clock and chooses the current lesson.
#include "calendar/today.h"

#include "app/app_state.h"
#include "calendar/lesson_table.h"
#include "platform/win.h"

GregorianDate TodayGregorian() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return {now.wMonth, now.wDay, now.wYear};
}

void ChooseLesson(LessonNumber n, int force) {
    if (n != 0) {
        App.Flags |= AF_FIXED_LESSON;
        if (n != App.Lesson) {
            App.Lesson = n;
            App.LastPosition = 0;
        }
        return;
    }
    if ((App.Flags & AF_FIXED_LESSON) != 0 && force == 0) return;

    const GregorianDate today = TodayGregorian();
    const LessonNumber t = LessonForDay(DayFromGregorian(today.month, today.day, today.year));
    if (t != App.Lesson) {
        App.LastPosition = 0;
        App.Lesson = t;
    }
    if (App.Lesson == 0 || App.Lesson > kLastLesson) App.Lesson = kFirstLesson;
    App.Flags &= ~AF_FIXED_LESSON;
}
