// The load of every setting at start and their save at exit.
#include "app/settings.h"

#include "app/app_state.h"
#include "index/bookmarks.h"
#include "platform/heap.h"
#include "resources/resource_ids.h"
#include "view/text_view.h"

namespace {

constexpr int kFaceNameLength = kFaceNameUnits - 1;
constexpr int kSearchStringLength = kSearchStringBytes - 1;
constexpr bool kFreeViewRecord = true;

// Only a completed load puts the user's settings in AppState, and only the
// first save after it finds them there: a quit during the load, or a second
// save once the view and the bookmarks are released, would store defaults and
// empty lists over what the registry holds.
enum class SettingsState { kNotLoaded, kLoading, kLoaded, kQuitting };
SettingsState settingsState = SettingsState::kNotLoaded;

void LoadFaceName() {
    WCHAR* text = ReadText(WTXT("FontName"));
    if (!text) return;
    if (text[0] != 0) {
        int length = 0;
        while (length < kFaceNameLength && text[length] != 0) {
            App.Font.faceName[length] = text[length];
            ++length;
        }
        App.Font.faceName[length] = 0;
    }
    HeapBlockFree(text);
}

void LoadSearchString() {
    auto* bytes = static_cast<char*>(ReadBytes(WTXT("SearchString")));
    if (!bytes) return;
    if (bytes[0] != 0) {
        int length = 0;
        while (length < kSearchStringLength && bytes[length] != 0) {
            App.SearchString[length] = bytes[length];
            ++length;
        }
        App.SearchString[length] = 0;
    }
    HeapBlockFree(bytes);
}

int32_t LoadPointSize() {
    int32_t size = ReadNumber(WTXT("FontSize"), 0);
    return (size < 0 || size > kMaxPointSize) ? 0 : size;
}

// Only the low 16 bits exist. A lesson the book does not have is kept as it
// is: the view then says "Resource not found" and Today opens today's lesson.
void LoadCurrentLesson() { App.Lesson = static_cast<LessonNumber>(ReadNumber(WTXT("Lesson"), 0)); }

void LoadIndexBitmaps() {
    for (int i = 0; i < kIndexBitmapCount; ++i)
        App.IndexBitmaps[i] = LoadBitmapW(App.Instance, MAKEINTRESOURCEW(IDB_INDEX_FIRST + i));
}

void DeleteIndexBitmaps() {
    for (HBITMAP& bitmap : App.IndexBitmaps) {
        if (bitmap) DeleteObject(bitmap);
        bitmap = nullptr;
    }
}

void StoreSettings() {
    if (App.SearchString[0] != 0) WriteNarrowText(WTXT("SearchString"), App.SearchString);
    if (App.Font.faceName[0] != 0) WriteText(WTXT("FontName"), App.Font.faceName);
    if (App.Font.pointSize != 0) WriteNumber(WTXT("FontSize"), App.Font.pointSize);
    if (App.Font.fontAsciiBase != 0) WriteNumber(WTXT("FontAsciiBase"), App.Font.fontAsciiBase);
    if (App.View) WriteNumber(WTXT("LastPosition"), App.View->topRow);
    WriteNumber(WTXT("Flags"), static_cast<int32_t>(App.Flags));
    if (App.Lesson != 0) WriteNumber(WTXT("Lesson"), App.Lesson);
}

}  // namespace

void LoadSettings() {
    settingsState = SettingsState::kLoading;
    LoadFaceName();
    LoadSearchString();
    App.Font.pointSize = LoadPointSize();
    App.Font.fontAsciiBase = ReadNumber(WTXT("FontAsciiBase"), kDefaultFontAsciiBase);
    App.LastPosition = static_cast<uint16_t>(ReadNumber(WTXT("LastPosition"), 0));
    App.Flags = static_cast<AppFlags>(ReadNumber(WTXT("Flags"), static_cast<int32_t>(kDefaultAppFlags)));
    LoadCurrentLesson();
    LoadIndexBitmaps();
    LoadBookmarks();
    if (settingsState == SettingsState::kLoading) settingsState = SettingsState::kLoaded;
}

void SaveSettingsAndQuit() {
    bool store = settingsState == SettingsState::kLoaded;
    settingsState = SettingsState::kQuitting;
    DeleteIndexBitmaps();
    if (store) StoreSettings();
    if (App.View) {
        ReleaseTextView(App.View, kFreeViewRecord);
        App.View = nullptr;
    }
    if (store) SaveBookmarks();
    FreeBookmarks();
    PostQuitMessage(0);
}
