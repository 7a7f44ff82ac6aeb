// Clipboard output (first cut: not in yet).
#include "output/clipboard.h"

void CopyLessonText(TextView*, bool) {}
