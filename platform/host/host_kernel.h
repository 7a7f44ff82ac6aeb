// Host double of the kernel calls: heap, version, local date, resources.
//
// The heap can be told to fail (HostHeapFailAfter) so that out-of-memory
// paths run in tests. Resources come from a table the test or tool fills
// (HostResourceSet); the book's built resources are registered by
// HostLoadBookResources when a binary links them.
#pragma once

#include <span>

#include "platform/host/host_types.h"

// --- Windows calls -----------------------------------------------------------
HANDLE GetProcessHeap();
LPVOID HeapAlloc(HANDLE heap, DWORD flags, SIZE_T bytes);
BOOL HeapFree(HANDLE heap, DWORD flags, LPVOID block);

BOOL GetVersionExA(OSVERSIONINFOA* info);
void GetLocalTime(SYSTEMTIME* time);

HRSRC FindResourceW(HMODULE module, LPCWSTR name, LPCWSTR type);
DWORD SizeofResource(HMODULE module, HRSRC resource);
HGLOBAL LoadResource(HMODULE module, HRSRC resource);
LPVOID LockResource(HGLOBAL data);

int MulDiv(int number, int numerator, int denominator);

// --- Test control ------------------------------------------------------------
// Resets every host double (heap, clock, version, registry, user) except the
// resource table, which a binary fills once.
void HostResetAll();

// The next `successes` allocations succeed, every later one returns null.
// A negative count (the default) never fails.
void HostHeapFailAfter(long successes);
// Blocks allocated and not yet freed through HeapAlloc/HeapFree.
long HostHeapLiveBlocks();

void HostSetPlatformId(DWORD platformId);
void HostSetLocalDate(int year, int month, int day);

// Registers the bytes of RT_RCDATA resource `id`; the bytes are copied.
void HostResourceSet(WORD id, std::span<const BYTE> bytes);
void HostResourceRemove(WORD id);
void HostResourcesClear();

// Registers the built book (lessons 1001..1139 and the index 32767) as
// resources. Defined by the generated book library that host tests and
// benchmarks link when the book is complete.
void HostLoadBookResources();
