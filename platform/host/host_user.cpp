// Host double of the user-interface calls: recorded message boxes with
// scripted answers, recorded quit messages, one menu with per-id state.
#include <deque>
#include <map>

#include "platform/host/host_win.h"

namespace {

std::deque<int> scriptedAnswers;
std::vector<HostMessageBox> boxes;
std::vector<int> quitMessages;
std::map<UINT, UINT> menuState;
int menuItemInfoCalls = 0;
UINT lastMenuMask = 0;
std::vector<HGDIOBJ> deletedObjects;

HMENU const kMainMenu = reinterpret_cast<HMENU>(static_cast<uintptr_t>(0x4D454E55));

std::u16string FromNarrow(LPCSTR text) {
    std::u16string wide;
    if (text)
        for (const char* p = text; *p; ++p) wide.push_back(static_cast<unsigned char>(*p));
    return wide;
}

int NextAnswer() {
    if (scriptedAnswers.empty()) return IDOK;
    int answer = scriptedAnswers.front();
    scriptedAnswers.pop_front();
    return answer;
}

}  // namespace

int MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type) {
    boxes.push_back({owner, text ? text : u"", caption ? caption : u"", type});
    return NextAnswer();
}

int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    boxes.push_back({owner, FromNarrow(text), FromNarrow(caption), type});
    return NextAnswer();
}

void PostQuitMessage(int exitCode) { quitMessages.push_back(exitCode); }

HMENU GetMenu(HWND) { return kMainMenu; }

BOOL SetMenuItemInfoW(HMENU menu, UINT item, BOOL byPosition, const MENUITEMINFOW* info) {
    if (menu != kMainMenu || byPosition || !info || info->cbSize != sizeof(MENUITEMINFOW))
        return FALSE;
    ++menuItemInfoCalls;
    lastMenuMask = info->fMask;
    if (info->fMask & MIIM_STATE) menuState[item] = info->fState;
    return TRUE;
}

BOOL DeleteObject(HGDIOBJ object) {
    if (!object) return FALSE;
    deletedObjects.push_back(object);
    return TRUE;
}

HBITMAP LoadBitmapW(HINSTANCE, LPCWSTR name) {
    // A distinct non-null handle per bitmap id.
    return reinterpret_cast<HBITMAP>(static_cast<uintptr_t>(0xB1700000u) +
                                     reinterpret_cast<uintptr_t>(name));
}

void HostUserClear() {
    scriptedAnswers.clear();
    boxes.clear();
    quitMessages.clear();
    menuState.clear();
    menuItemInfoCalls = 0;
    lastMenuMask = 0;
    deletedObjects.clear();
}

void HostMessageBoxScript(std::vector<int> answers) {
    scriptedAnswers.assign(answers.begin(), answers.end());
}
const std::vector<HostMessageBox>& HostMessageBoxes() { return boxes; }
const std::vector<int>& HostQuitMessages() { return quitMessages; }
HMENU HostMainMenu() { return kMainMenu; }
UINT HostMenuItemState(UINT id) {
    auto found = menuState.find(id);
    return found == menuState.end() ? 0 : found->second;
}
int HostMenuItemInfoCalls() { return menuItemInfoCalls; }
UINT HostLastMenuItemMask() { return lastMenuMask; }
const std::vector<HGDIOBJ>& HostDeletedObjects() { return deletedObjects; }
