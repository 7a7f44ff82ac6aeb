// Bookmarks: the list in AppState, its registry value and the menu check mark.
#include "index/bookmarks.h"

#include <cstddef>
#include <cstring>

#include "app/app_state.h"
#include "app/settings.h"
#include "platform/heap.h"
#include "resources/resource_ids.h"

namespace {

const WCHAR kBookmarksValue[] = WTXT("Bookmarks");
const WCHAR kRemoveQuestion[] = WTXT("Remove Bookmark?\n\nCancel - Don't ask again");
const WCHAR kRemoveCaption[] = WTXT("Bookmark");

#ifdef _WIN32
// The record without its last field, hbmpItem: the size every version of
// user32 accepts (44 bytes in a 32-bit build).
constexpr UINT kMenuItemInfoSize = offsetof(MENUITEMINFOW, hbmpItem);
#else
constexpr UINT kMenuItemInfoSize = sizeof(MENUITEMINFOW);
#endif

bool IsListed(LessonNumber lesson) {
    if (!App.BookmarkList) return false;
    for (uint16_t i = 0; i < App.BookmarkCount && App.BookmarkList[i] != 0; ++i)
        if (App.BookmarkList[i] == lesson) return true;
    return false;
}

}  // namespace

void LoadBookmarks() {
    FreeBookmarks();
    DWORD size = 0;
    auto* block = static_cast<BYTE*>(ReadBytesSized(kBookmarksValue, nullptr, &size));
    if (!block) return;
    // The reader pads the block with zeros past the stored bytes, so a 0 word
    // follows the last whole word even when the stored terminator is missing.
    // Half a word at the end is not an entry.
    size_t words = size / 2;
    if (size % 2) block[size - 1] = 0;
    auto* list = reinterpret_cast<uint16_t*>(block);
    size_t count = 0;
    while (count < words && count < kMaxBookmarkCount && list[count] != 0) ++count;
    list[count] = 0;
    App.BookmarkList = list;
    App.BookmarkCount = static_cast<uint16_t>(count);
}

void SaveBookmarks() {
    static const uint16_t kEmptyList[1] = {0};
    if (!App.BookmarkList) {
        WriteBytes(kBookmarksValue, kEmptyList, sizeof(kEmptyList));
        return;
    }
    WriteBytes(kBookmarksValue, App.BookmarkList, static_cast<DWORD>(2 * (App.BookmarkCount + 1)));
}

void FreeBookmarks() {
    HeapBlockFree(App.BookmarkList);
    App.BookmarkList = nullptr;
    App.BookmarkCount = 0;
}

uint16_t IsBookmarked() { return IsListed(App.Lesson) ? 1 : 0; }

void ToggleBookmark(uint16_t bookmarked) {
    if (!bookmarked) {
        AddBookmark();
        return;
    }
    if (App.RunFlags & RF_NO_REMOVE_QUESTION) {
        RemoveBookmark();
        return;
    }
    switch (MessageBoxW(App.MainWindow, kRemoveQuestion, kRemoveCaption, MB_YESNOCANCEL)) {
        case IDYES:
            RemoveBookmark();
            break;
        case IDCANCEL:
            App.RunFlags |= RF_NO_REMOVE_QUESTION;
            RemoveBookmark();
            break;
        default:
            break;
    }
}

void AddBookmark() {
    LessonNumber lesson = App.Lesson;
    // A 0 entry would end the list early; a full list cannot count one more.
    if (lesson == 0 || IsListed(lesson) || App.BookmarkCount == kMaxBookmarkCount) return;
    size_t count = App.BookmarkCount;
    auto* grown = static_cast<uint16_t*>(HeapBlockAlloc(2 * count + 4));
    if (!grown) return;
    if (App.BookmarkList && count) std::memcpy(grown, App.BookmarkList, 2 * count);
    HeapBlockFree(App.BookmarkList);
    grown[count] = lesson;
    grown[count + 1] = 0;
    App.BookmarkList = grown;
    App.BookmarkCount = static_cast<uint16_t>(count + 1);
}

void RemoveBookmark() {
    if (!App.BookmarkList) return;
    LessonNumber lesson = App.Lesson;
    uint16_t kept = 0;
    for (uint16_t i = 0; i < App.BookmarkCount && App.BookmarkList[i] != 0; ++i)
        if (App.BookmarkList[i] != lesson) App.BookmarkList[kept++] = App.BookmarkList[i];
    App.BookmarkList[kept] = 0;
    App.BookmarkCount = kept;
}

int RefreshBookmarkCheck(HWND mainWindow) {
    return SetMenuCheck(GetMenu(mainWindow), CMD_BOOKMARK, IsBookmarked());
}

int SetMenuCheck(HMENU menu, UINT id, int checked) {
    MENUITEMINFOW info = {};
    info.cbSize = kMenuItemInfoSize;
    info.fMask = MIIM_STATE;
    info.fState = checked ? MFS_CHECKED : 0;
    SetMenuItemInfoW(menu, id, FALSE, &info);
    return checked ? 1 : 0;
}
