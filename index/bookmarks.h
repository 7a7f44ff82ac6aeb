// Bookmarks: the list of bookmarked lessons in AppState (BookmarkList ended by
// a 0, BookmarkCount entries before it, in the order they were added), its
// registry value "Bookmarks", and the check mark of the Go menu's "&Bookmark".
//
// Stored form: REG_BINARY, each entry as a 16-bit little-endian number in list
// order, then a 16-bit 0 (lessons 5 and 12: 05 00 0C 00 00 00).
#pragma once

#include <cstdint>

#include "platform/win.h"

// The most entries BookmarkCount can hold; a longer stored list is cut.
constexpr uint16_t kMaxBookmarkCount = 0xFFFF;

// Reads "Bookmarks" into BookmarkList (any list held before is freed). The
// list holds the whole 16-bit words stored before the first 0 word, at most
// kMaxBookmarkCount of them, and always ends with a 0 inside its block: an
// odd last byte is dropped, a value without a terminator is taken whole, and
// entries after a 0 in the middle are dropped. Numbers are taken as stored,
// whatever lesson they name. A missing or unreadable value leaves no list.
void LoadBookmarks();

// Writes "Bookmarks": 2 x BookmarkCount + 2 bytes from the list, or two zero
// bytes when there is no list. Runs at every exit, changed or not.
void SaveBookmarks();

// Releases the list; BookmarkList becomes null and BookmarkCount 0.
void FreeBookmarks();

// 1 when the current lesson (App.Lesson) is in the list, else 0.
uint16_t IsBookmarked();

// Command 123, given IsBookmarked's answer: adds the current lesson when it is
// not bookmarked; otherwise removes it, first asking "Remove Bookmark?" (owner
// the main window, caption "Bookmark", MB_YESNOCANCEL) unless RunFlags bit 0
// is set. Yes removes; Cancel sets RunFlags bit 0 (no more questions this run)
// and removes; No, or a question that could not be shown, keeps the bookmark.
void ToggleBookmark(uint16_t bookmarked);

// Appends the current lesson to the list in a new block (the old one is
// released). Nothing happens when the lesson is 0 or already listed, when the
// list is full, or when the block cannot be allocated; no message is shown.
void AddBookmark();

// Drops every entry equal to the current lesson, closing up the others in
// order and ending the list with a 0; the block keeps its size.
void RemoveBookmark();

// Sets the check mark of "&Bookmark" in the window's menu from IsBookmarked.
// 1 when the item is now checked, else 0.
int RefreshBookmarkCheck(HWND mainWindow);

// Sets the state of menu item `id` (by command) to checked or to 0 (unchecked
// and enabled: every other state flag is cleared too). 1 when checked, else 0.
int SetMenuCheck(HMENU menu, UINT id, int checked);
