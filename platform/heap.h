// The process heap, through which every block that changes owner is allocated.
//
// A block from HeapBlockAlloc belongs to whoever receives it and is released
// with HeapBlockFree (null is allowed). On the host the test double can make
// allocations fail on request, so out-of-memory paths are testable.
#pragma once

#include <cstddef>

#include "platform/win.h"

inline void* HeapBlockAlloc(size_t size) {
    return HeapAlloc(GetProcessHeap(), 0, size);
}

inline void HeapBlockFree(void* block) {
    if (block) HeapFree(GetProcessHeap(), 0, block);
}
