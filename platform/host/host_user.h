// Host double of the user-interface calls the logic makes: message boxes that
// record their text and answer from a script, the quit message, menus with
// item state, and the shell's open-an-address call that records the address.
//
// Window and dialog procedures are not built on the host; only the calls
// made by logic appear here.
#pragma once

#include <string>
#include <vector>

#include "platform/host/host_types.h"

// --- Windows calls -----------------------------------------------------------
int MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type);
int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
void PostQuitMessage(int exitCode);

#define MIIM_STATE 0x00000001
#define MIIM_ID 0x00000002
#define MFS_CHECKED 0x00000008
#define MFS_UNCHECKED 0x00000000
#define MF_BYCOMMAND 0x00000000
#define MF_CHECKED 0x00000008
#define MF_UNCHECKED 0x00000000
struct MENUITEMINFOW {
    UINT cbSize;
    UINT fMask;
    UINT fType;
    UINT fState;
    UINT wID;
    HMENU hSubMenu;
    HBITMAP hbmpChecked;
    HBITMAP hbmpUnchecked;
    ULONG_PTR dwItemData;
    LPWSTR dwTypeData;
    UINT cch;
    HBITMAP hbmpItem;
};
HMENU GetMenu(HWND window);
BOOL SetMenuItemInfoW(HMENU menu, UINT item, BOOL byPosition, const MENUITEMINFOW* info);

BOOL DeleteObject(HGDIOBJ object);
HBITMAP LoadBitmapW(HINSTANCE instance, LPCWSTR name);

// --- Test control ------------------------------------------------------------
struct HostMessageBox {
    HWND owner;
    std::u16string text;
    std::u16string caption;
    UINT type;
};
void HostUserClear();
// Answers given to the next message boxes, in order; IDOK once they run out.
void HostMessageBoxScript(std::vector<int> answers);
const std::vector<HostMessageBox>& HostMessageBoxes();
// Exit codes passed to PostQuitMessage, in order.
const std::vector<int>& HostQuitMessages();

// The menu GetMenu returns for any window, and the state last set for an id
// (0 when never set).
HMENU HostMainMenu();
UINT HostMenuItemState(UINT id);
// Number of SetMenuItemInfoW calls, and the mask of the last one.
int HostMenuItemInfoCalls();
UINT HostLastMenuItemMask();

// Objects passed to DeleteObject, in order.
const std::vector<HGDIOBJ>& HostDeletedObjects();
