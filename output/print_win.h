// Printing the current lesson with a header, a footer and page numbers.
#pragma once

#include "view/text_view.h"

// (First cut: not in yet; does nothing.)
void PrintLesson(TextView* view);
