// Today's lesson: the lesson table of the book's dated lessons, and the
// choice of the current lesson (the user's, or the one of today's date).
#pragma once

#include "content/lesson_number.h"

// Sets App.Lesson: n != 0 takes lesson n and sets AF_FIXED_LESSON; n == 0
// takes today's lesson unless AF_FIXED_LESSON is set and force is 0.
// LastPosition becomes 0 whenever the lesson changes.
void ChooseLesson(LessonNumber n, int force);
