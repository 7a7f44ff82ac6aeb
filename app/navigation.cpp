// Lesson navigation.
#include "app/navigation.h"

#include "app/app_state.h"
#include "app/viewport.h"
#include "calendar/today.h"
#include "content/lesson_resource.h"
#include "index/bookmarks.h"
#include "platform/heap.h"
#include "view/layout.h"

int GoToLesson(HWND window, LessonNumber n) {
    LessonNumber savedLesson = App.Lesson;
    AppFlags savedFlags = App.Flags;
    uint16_t savedPosition = App.LastPosition;
    ChooseLesson(n, 1);
    // Without a view the text would have nowhere to go: treat it as a failed load.
    char* text = App.View ? LoadLesson(App.Lesson, nullptr) : nullptr;
    if (!text) {
        App.Lesson = savedLesson;
        App.Flags = savedFlags;
        App.LastPosition = savedPosition;
        return 1;
    }
    LayoutText(App.View, text, kReplaceText);
    App.View->topRow = 0;
    RefreshMainWindow(window, kPaintRefresh);
    RefreshBookmarkCheck(window);
    return 0;
}

int NextLesson(HWND window) {
    int n = App.Lesson + 1;
    if (n > kLastLesson) n = kFirstLesson;
    return GoToLesson(window, static_cast<LessonNumber>(n));
}

int PreviousLesson(HWND window) {
    int n = App.Lesson - 1;
    if (n < kFirstLesson) n = kLastLesson;
    return GoToLesson(window, static_cast<LessonNumber>(n));
}
