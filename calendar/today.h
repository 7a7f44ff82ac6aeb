// Today's lesson: the civil date from the clock, and the choice of the current
// lesson (the one the user fixed, or the one of today's Hebrew date).
#pragma once

#include "calendar/hebrew_calendar.h"
#include "content/lesson_number.h"

// The local calendar date from GetLocalTime; the time of day plays no part.
GregorianDate TodayGregorian();

// Sets App.Lesson:
// - n != 0 takes lesson n (no range check: callers give a valid lesson) and
//   sets AF_FIXED_LESSON;
// - n == 0 with AF_FIXED_LESSON set and force 0 changes nothing;
// - otherwise n == 0 takes LessonForDay(today), falls back to lesson 1 when
//   that is not a lesson, and clears AF_FIXED_LESSON.
// LastPosition becomes 0 whenever the lesson changes; no other bit of Flags
// changes.
void ChooseLesson(LessonNumber n, int force);
