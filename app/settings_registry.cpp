// The settings store's readers and writers: typed values under the product
// key, read into blocks that are always safe to scan for a terminator.
#include <algorithm>
#include <cstring>

#include "app/app_state.h"
#include "app/settings.h"
#include "platform/heap.h"

const WCHAR kProductKey[] = WTXT("Software\\Tessaline\\Moravel 5770 (English)");
const WCHAR kDeveloperKey[] = WTXT("software\\Quillmark");

namespace {

constexpr size_t kMinTextBlock = 4;  // a unit for an odd byte and a terminator

// Room for the stored bytes, rounded up to an even count, and a zero word.
size_t PaddedBlockSize(DWORD stored) { return (static_cast<size_t>(stored) + 1) / 2 * 2 + 2; }

size_t TextBlockSize(DWORD stored) {
    return std::max({2 * static_cast<size_t>(stored), PaddedBlockSize(stored), kMinTextBlock});
}

HKEY OpenForReading(const WCHAR* keyPath) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, keyPath, 0, KEY_READ, &key) != ERROR_SUCCESS) return nullptr;
    return key;
}

// The value's type and stored size; false when it is missing or too large.
bool QueryValue(HKEY key, const WCHAR* name, DWORD* type, DWORD* size) {
    *type = REG_NONE;
    *size = 0;
    if (RegQueryValueExW(key, name, nullptr, type, nullptr, size) != ERROR_SUCCESS) return false;
    return *size <= kMaxValueBytes;
}

// Fetches a value of `stored` bytes into a new zero-filled block of
// `blockSize` bytes (at least `stored`); the size actually read goes to
// `*got`. Null when memory runs out or the value changed under us.
BYTE* FetchValue(HKEY key, const WCHAR* name, DWORD stored, size_t blockSize, DWORD* got) {
    BYTE* block = static_cast<BYTE*>(AllocOrQuit(blockSize));
    if (!block) return nullptr;
    std::memset(block, 0, blockSize);
    DWORD type = REG_NONE;
    *got = stored;
    if (RegQueryValueExW(key, name, nullptr, &type, block, got) != ERROR_SUCCESS) {
        HeapBlockFree(block);
        return nullptr;
    }
    return block;
}

// The value of the product key in a block of `blockSizeOf(stored size)`.
BYTE* ReadValueBlock(const WCHAR* name, size_t (*blockSizeOf)(DWORD), DWORD* size) {
    HKEY key = OpenForReading(kProductKey);
    if (!key) return nullptr;
    DWORD type = REG_NONE;
    DWORD stored = 0;
    BYTE* block = nullptr;
    if (QueryValue(key, name, &type, &stored)) block = FetchValue(key, name, stored, blockSizeOf(stored), size);
    RegCloseKey(key);
    return block;
}

uint32_t DecimalValue(const WCHAR* text) {
    uint32_t value = 0;
    for (const WCHAR* unit = text; *unit; ++unit) value = value * 10 + (static_cast<uint32_t>(*unit) - 48u);
    return value;
}

int WriteValue(const WCHAR* name, DWORD type, const void* data, DWORD size) {
    if (size > 0 && !data) return 0;
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kProductKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return 0;
    LSTATUS status = RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
    return status == ERROR_SUCCESS ? 1 : 0;
}

}  // namespace

int32_t ReadNumberAt(const WCHAR* keyPath, const WCHAR* name, int32_t fallback) {
    HKEY key = OpenForReading(keyPath);
    if (!key) return fallback;
    int32_t result = fallback;
    DWORD type = REG_NONE;
    DWORD stored = 0;
    if (QueryValue(key, name, &type, &stored)) {
        if (type == REG_DWORD) {
            DWORD value = 0;
            DWORD got = sizeof(value);
            if (stored == sizeof(value) &&
                RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &got) ==
                    ERROR_SUCCESS &&
                type == REG_DWORD && got == sizeof(value))
                result = static_cast<int32_t>(value);
        } else {
            DWORD got = 0;
            BYTE* text = FetchValue(key, name, stored, TextBlockSize(stored), &got);
            if (text) {
                result = static_cast<int32_t>(DecimalValue(reinterpret_cast<const WCHAR*>(text)));
                HeapBlockFree(text);
            }
        }
    }
    RegCloseKey(key);
    return result;
}

int32_t ReadNumber(const WCHAR* name, int32_t fallback) { return ReadNumberAt(kProductKey, name, fallback); }

WCHAR* ReadText(const WCHAR* name) {
    DWORD size = 0;
    return reinterpret_cast<WCHAR*>(ReadValueBlock(name, TextBlockSize, &size));
}

void* ReadBytes(const WCHAR* name) { return ReadBytesSized(name, nullptr, nullptr); }

void* ReadBytesSized(const WCHAR* name, void* fallback, DWORD* size) {
    DWORD got = 0;
    BYTE* block = ReadValueBlock(name, PaddedBlockSize, &got);
    if (!block) return fallback;
    if (size) *size = got;
    return block;
}

int WriteNumber(const WCHAR* name, int32_t value) {
    DWORD stored = static_cast<DWORD>(value);
    return WriteValue(name, REG_DWORD, &stored, sizeof(stored));
}

int WriteText(const WCHAR* name, const WCHAR* text) {
    if (!text) return 0;
    size_t length = 0;
    while (text[length]) ++length;
    return WriteValue(name, REG_SZ, text, static_cast<DWORD>(2 * (length + 1)));
}

int WriteNarrowText(const WCHAR* name, const char* text) {
    if (!text) return 0;
    return WriteValue(name, REG_BINARY, text, static_cast<DWORD>(std::strlen(text) + 1));
}

int WriteBytes(const WCHAR* name, const void* data, DWORD size) { return WriteValue(name, REG_BINARY, data, size); }
