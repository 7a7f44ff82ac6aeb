// The index dialog (resource 118): the book's table of contents with its
// Bookmarks section.
#pragma once

#include "app/font_settings.h"
#include "content/lesson_number.h"
#include "platform/win.h"

// Runs the dialog modally and returns the lesson the user chose, or `current`
// when none was chosen or the dialog could not be created.
LessonNumber ShowIndexDialog(HINSTANCE instance, HWND owner, LessonNumber current,
                             FontSettings* fontSettings);
