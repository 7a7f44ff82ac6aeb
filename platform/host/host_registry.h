// Host double of the registry: an in-memory tree of keys holding typed values.
//
// It behaves as advapi32 does for the calls the reader makes: key paths are
// compared without regard to case, RegQueryValueExW reports the type and the
// stored size, answers ERROR_MORE_DATA when the buffer is too small and
// returns bytes exactly as stored (no terminator is added to REG_SZ data).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/host/host_types.h"

#define HKEY_CLASSES_ROOT ((HKEY)(ULONG_PTR)0x80000000u)
#define HKEY_CURRENT_USER ((HKEY)(ULONG_PTR)0x80000001u)
#define HKEY_LOCAL_MACHINE ((HKEY)(ULONG_PTR)0x80000002u)

#define REG_NONE 0
#define REG_SZ 1
#define REG_EXPAND_SZ 2
#define REG_BINARY 3
#define REG_DWORD 4
#define REG_MULTI_SZ 7
#define REG_QWORD 11

#define KEY_QUERY_VALUE 0x0001
#define KEY_SET_VALUE 0x0002
#define KEY_READ 0x20019
#define KEY_WRITE 0x20006
#define KEY_ALL_ACCESS 0xF003F
#define REG_OPTION_NON_VOLATILE 0x00000000L
#define REG_CREATED_NEW_KEY 0x00000001L
#define REG_OPENED_EXISTING_KEY 0x00000002L

struct SECURITY_ATTRIBUTES;

// --- Windows calls -----------------------------------------------------------
LSTATUS RegOpenKeyExW(HKEY root, LPCWSTR subKey, DWORD options, REGSAM sam, HKEY* result);
LSTATUS RegCreateKeyExW(HKEY root, LPCWSTR subKey, DWORD reserved, LPWSTR keyClass, DWORD options,
                        REGSAM sam, SECURITY_ATTRIBUTES* security, HKEY* result, LPDWORD disposition);
LSTATUS RegQueryValueExW(HKEY key, LPCWSTR name, LPDWORD reserved, LPDWORD type, LPBYTE data,
                         LPDWORD size);
LSTATUS RegSetValueExW(HKEY key, LPCWSTR name, DWORD reserved, DWORD type, const BYTE* data,
                       DWORD size);
LSTATUS RegDeleteValueW(HKEY key, LPCWSTR name);
LSTATUS RegCloseKey(HKEY key);

// --- Test control ------------------------------------------------------------
struct HostRegValue {
    DWORD type;
    std::vector<BYTE> bytes;
};

// Key paths below HKEY_CURRENT_USER, written in UTF-8 ("Software\\A\\B").
void HostRegistryClear();
void HostRegistrySet(const std::string& keyPath, const std::string& name, DWORD type,
                     std::vector<BYTE> bytes);
void HostRegistrySetDword(const std::string& keyPath, const std::string& name, DWORD value);
// Stores `text` as REG_SZ: UTF-16 units of the (ASCII) text and a terminator.
void HostRegistrySetText(const std::string& keyPath, const std::string& name,
                         const std::string& text);
std::optional<HostRegValue> HostRegistryGet(const std::string& keyPath, const std::string& name);
// Number of values under a key (0 when the key is missing).
size_t HostRegistryValueCount(const std::string& keyPath);
// Makes every write fail (RegCreateKeyExW answers ERROR_ACCESS_DENIED).
void HostRegistryFailWrites(bool fail);
// Keys opened and not yet closed.
long HostRegistryOpenKeys();
