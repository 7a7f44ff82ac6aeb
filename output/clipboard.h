// Copying the current lesson to the clipboard as plain text, or appending it
// to the text already there.
#pragma once

#include "view/text_view.h"

// (First cut: not in yet; does nothing.) The view may be null.
void CopyLessonText(TextView* view, bool append);
