// Moving the main window's lesson view to another lesson: a given one,
// today's, the next or the previous (lessons form a ring, 139 then 1).
#pragma once

#include "content/lesson_number.h"
#include "platform/win.h"

// Makes lesson n current (0: today's) and shows it from its first row: 0.
// When the lesson cannot be loaded, or there is no view to show it in,
// nothing changes (lesson, option word, view) and the result is 1.
int GoToLesson(HWND window, LessonNumber n);
int NextLesson(HWND window);
int PreviousLesson(HWND window);
