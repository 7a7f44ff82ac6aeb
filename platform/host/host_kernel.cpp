// Host double of the kernel calls: a counting heap that fails on request, a
// settable version and date, and a table of RT_RCDATA resources.
#include <cstdlib>
#include <cstring>
#include <map>
#include <vector>

#include "platform/host/host_win.h"

namespace {

long heapSuccessesLeft = -1;
long heapLiveBlocks = 0;
DWORD platformId = VER_PLATFORM_WIN32_NT;
SYSTEMTIME localDate = {2009, 9, 6, 19, 12, 0, 0, 0};

struct ResourceEntry {
    std::vector<BYTE> bytes;
};
std::map<WORD, ResourceEntry>& Resources() {
    static std::map<WORD, ResourceEntry> table;
    return table;
}

// Handles handed out for resources are the id plus one, so id 0 is usable.
HRSRC ResourceHandle(WORD id) { return reinterpret_cast<HRSRC>(static_cast<uintptr_t>(id) + 1); }
WORD ResourceId(HRSRC handle) { return static_cast<WORD>(reinterpret_cast<uintptr_t>(handle) - 1); }

int HostDayOfWeek(int y, int m, int d) {
    // Sakamoto's method; 0 = Sunday.
    static const int offsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    // Tests may set dates no real clock gives (month 0 or 13); any weekday will do.
    if (m < 1 || m > 12) return 0;
    if (m < 3) y -= 1;
    return (y + y / 4 - y / 100 + y / 400 + offsets[m - 1] + d) % 7;
}

}  // namespace

HANDLE GetProcessHeap() { return reinterpret_cast<HANDLE>(static_cast<uintptr_t>(0x4E4150)); }

LPVOID HeapAlloc(HANDLE, DWORD, SIZE_T bytes) {
    if (heapSuccessesLeft == 0) return nullptr;
    if (heapSuccessesLeft > 0) --heapSuccessesLeft;
    void* block = std::malloc(bytes ? bytes : 1);
    if (block) ++heapLiveBlocks;
    return block;
}

BOOL HeapFree(HANDLE, DWORD, LPVOID block) {
    if (!block) return TRUE;
    --heapLiveBlocks;
    std::free(block);
    return TRUE;
}

BOOL GetVersionExA(OSVERSIONINFOA* info) {
    if (!info || info->dwOSVersionInfoSize != sizeof(OSVERSIONINFOA)) return FALSE;
    info->dwMajorVersion = platformId == VER_PLATFORM_WIN32_NT ? 6 : 4;
    info->dwMinorVersion = 1;
    info->dwBuildNumber = 7601;
    info->dwPlatformId = platformId;
    info->szCSDVersion[0] = '\0';
    return TRUE;
}

void GetLocalTime(SYSTEMTIME* time) {
    if (time) *time = localDate;
}

HRSRC FindResourceW(HMODULE, LPCWSTR name, LPCWSTR type) {
    if (type != RT_RCDATA || !IS_INTRESOURCE(name)) return nullptr;
    WORD id = static_cast<WORD>(reinterpret_cast<uintptr_t>(name));
    return Resources().count(id) ? ResourceHandle(id) : nullptr;
}

DWORD SizeofResource(HMODULE, HRSRC resource) {
    if (!resource) return 0;
    auto found = Resources().find(ResourceId(resource));
    return found == Resources().end() ? 0 : static_cast<DWORD>(found->second.bytes.size());
}

HGLOBAL LoadResource(HMODULE, HRSRC resource) {
    if (!resource) return nullptr;
    auto found = Resources().find(ResourceId(resource));
    if (found == Resources().end() || found->second.bytes.empty()) return nullptr;
    return found->second.bytes.data();
}

LPVOID LockResource(HGLOBAL data) { return data; }

int MulDiv(int number, int numerator, int denominator) {
    if (denominator == 0) return -1;
    long long product = static_cast<long long>(number) * numerator;
    // Windows rounds half away from zero.
    long long half = (denominator < 0 ? -denominator : denominator) / 2;
    long long result = ((product < 0) != (denominator < 0)) ? (product - half) / denominator
                                                            : (product + half) / denominator;
    if (result > 2147483647LL || result < -2147483647LL - 1) return -1;
    return static_cast<int>(result);
}

void HostHeapFailAfter(long successes) { heapSuccessesLeft = successes; }
long HostHeapLiveBlocks() { return heapLiveBlocks; }

void HostSetPlatformId(DWORD id) { platformId = id; }

void HostSetLocalDate(int year, int month, int day) {
    localDate = SYSTEMTIME{static_cast<WORD>(year), static_cast<WORD>(month),
                           static_cast<WORD>(HostDayOfWeek(year, month, day)),
                           static_cast<WORD>(day), 12, 0, 0, 0};
}

void HostResourceSet(WORD id, std::span<const BYTE> bytes) {
    Resources()[id].bytes.assign(bytes.begin(), bytes.end());
}
void HostResourceRemove(WORD id) { Resources().erase(id); }
void HostResourcesClear() { Resources().clear(); }

void HostResetAll() {
    heapSuccessesLeft = -1;
    platformId = VER_PLATFORM_WIN32_NT;
    HostSetLocalDate(2009, 9, 19);
    HostRegistryClear();
    HostRegistryFailWrites(false);
    HostUserClear();
}
