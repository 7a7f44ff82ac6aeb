// Printing (first cut: not in yet).
#include "output/print_win.h"

void PrintLesson(TextView*) {}
