// Today's lesson (first cut: keeps the stored lesson or opens lesson 1 until
// the calendar is in).
#include "calendar/today.h"

#include "app/app_state.h"

void ChooseLesson(LessonNumber n, int force) {
    (void)force;
    if (n != 0) {
        App.Flags |= AF_FIXED_LESSON;
        if (n != App.Lesson) {
            App.Lesson = n;
            App.LastPosition = 0;
        }
        return;
    }
    if (App.Lesson == 0 || App.Lesson > kLastLesson) App.Lesson = 1;
}
