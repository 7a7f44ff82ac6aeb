// Host double of the registry: keys are folded to lower case, values keep
// their type and bytes exactly as written.
#include <algorithm>
#include <cstring>
#include <map>
#include <memory>

#include "platform/host/host_win.h"

namespace {

struct Key {
    std::map<std::u16string, HostRegValue> values;  // name folded to lower case
};

std::map<std::u16string, Key>& Keys() {
    static std::map<std::u16string, Key> keys;
    return keys;
}

bool failWrites = false;
long openKeys = 0;

// Open handles point at one of these; the path names the key.
struct OpenKey {
    std::u16string path;
};

char16_t Fold(char16_t c) { return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 32) : c; }

std::u16string FoldText(const std::u16string& text) {
    std::u16string folded = text;
    std::transform(folded.begin(), folded.end(), folded.begin(), Fold);
    return folded;
}

std::u16string FromWide(LPCWSTR text) { return text ? std::u16string(text) : std::u16string(); }

std::u16string FromAscii(const std::string& text) { return std::u16string(text.begin(), text.end()); }

// Only HKEY_CURRENT_USER is modelled; other roots hold nothing.
bool ResolvePath(HKEY root, LPCWSTR subKey, std::u16string* path) {
    std::u16string base;
    if (root == HKEY_CURRENT_USER) {
        base = u"";
    } else if (root == HKEY_LOCAL_MACHINE || root == HKEY_CLASSES_ROOT) {
        return false;
    } else {
        if (!root) return false;
        base = reinterpret_cast<OpenKey*>(root)->path;
    }
    std::u16string sub = FoldText(FromWide(subKey));
    *path = base.empty() ? sub : (sub.empty() ? base : base + u"\\" + sub);
    return true;
}

HKEY NewHandle(const std::u16string& path) {
    ++openKeys;
    return reinterpret_cast<HKEY>(new OpenKey{path});
}

Key* KeyOf(HKEY key) {
    if (!key || key == HKEY_CURRENT_USER) return nullptr;
    auto found = Keys().find(reinterpret_cast<OpenKey*>(key)->path);
    return found == Keys().end() ? nullptr : &found->second;
}

}  // namespace

LSTATUS RegOpenKeyExW(HKEY root, LPCWSTR subKey, DWORD, REGSAM, HKEY* result) {
    if (!result) return ERROR_INVALID_PARAMETER;
    *result = nullptr;
    std::u16string path;
    if (!ResolvePath(root, subKey, &path) || !Keys().count(path)) return ERROR_FILE_NOT_FOUND;
    *result = NewHandle(path);
    return ERROR_SUCCESS;
}

LSTATUS RegCreateKeyExW(HKEY root, LPCWSTR subKey, DWORD, LPWSTR, DWORD, REGSAM,
                        SECURITY_ATTRIBUTES*, HKEY* result, LPDWORD disposition) {
    if (!result) return ERROR_INVALID_PARAMETER;
    *result = nullptr;
    if (failWrites) return ERROR_ACCESS_DENIED;
    std::u16string path;
    if (!ResolvePath(root, subKey, &path)) return ERROR_ACCESS_DENIED;
    bool existed = Keys().count(path) != 0;
    // Creating a key creates every missing key above it, as the registry does.
    for (size_t cut = path.find(u'\\'); cut != std::u16string::npos; cut = path.find(u'\\', cut + 1))
        Keys()[path.substr(0, cut)];
    Keys()[path];
    if (disposition) *disposition = existed ? REG_OPENED_EXISTING_KEY : REG_CREATED_NEW_KEY;
    *result = NewHandle(path);
    return ERROR_SUCCESS;
}

LSTATUS RegQueryValueExW(HKEY key, LPCWSTR name, LPDWORD, LPDWORD type, LPBYTE data, LPDWORD size) {
    Key* k = KeyOf(key);
    if (!k) return ERROR_INVALID_HANDLE;
    auto found = k->values.find(FoldText(FromWide(name)));
    if (found == k->values.end()) return ERROR_FILE_NOT_FOUND;
    const HostRegValue& value = found->second;
    if (type) *type = value.type;
    DWORD stored = static_cast<DWORD>(value.bytes.size());
    if (data) {
        if (!size) return ERROR_INVALID_PARAMETER;
        if (*size < stored) {
            *size = stored;
            return ERROR_MORE_DATA;
        }
        if (stored) std::memcpy(data, value.bytes.data(), stored);
    }
    if (size) *size = stored;
    return ERROR_SUCCESS;
}

LSTATUS RegSetValueExW(HKEY key, LPCWSTR name, DWORD, DWORD type, const BYTE* data, DWORD size) {
    if (failWrites) return ERROR_ACCESS_DENIED;
    Key* k = KeyOf(key);
    if (!k) return ERROR_INVALID_HANDLE;
    if (size && !data) return ERROR_INVALID_PARAMETER;
    HostRegValue value{type, std::vector<BYTE>(data, data + size)};
    k->values[FoldText(FromWide(name))] = std::move(value);
    return ERROR_SUCCESS;
}

LSTATUS RegDeleteValueW(HKEY key, LPCWSTR name) {
    Key* k = KeyOf(key);
    if (!k) return ERROR_INVALID_HANDLE;
    return k->values.erase(FoldText(FromWide(name))) ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
}

LSTATUS RegCloseKey(HKEY key) {
    if (!key || key == HKEY_CURRENT_USER || key == HKEY_LOCAL_MACHINE || key == HKEY_CLASSES_ROOT)
        return ERROR_INVALID_HANDLE;
    --openKeys;
    delete reinterpret_cast<OpenKey*>(key);
    return ERROR_SUCCESS;
}

void HostRegistryClear() { Keys().clear(); }

void HostRegistrySet(const std::string& keyPath, const std::string& name, DWORD type,
                     std::vector<BYTE> bytes) {
    std::u16string path = FoldText(FromAscii(keyPath));
    for (size_t cut = path.find(u'\\'); cut != std::u16string::npos; cut = path.find(u'\\', cut + 1))
        Keys()[path.substr(0, cut)];
    Keys()[path].values[FoldText(FromAscii(name))] = HostRegValue{type, std::move(bytes)};
}

void HostRegistrySetDword(const std::string& keyPath, const std::string& name, DWORD value) {
    std::vector<BYTE> bytes(4);
    for (int i = 0; i < 4; ++i) bytes[i] = static_cast<BYTE>(value >> (8 * i));
    HostRegistrySet(keyPath, name, REG_DWORD, std::move(bytes));
}

void HostRegistrySetText(const std::string& keyPath, const std::string& name,
                         const std::string& text) {
    std::vector<BYTE> bytes;
    for (unsigned char c : text) {
        bytes.push_back(c);
        bytes.push_back(0);
    }
    bytes.push_back(0);
    bytes.push_back(0);
    HostRegistrySet(keyPath, name, REG_SZ, std::move(bytes));
}

std::optional<HostRegValue> HostRegistryGet(const std::string& keyPath, const std::string& name) {
    auto key = Keys().find(FoldText(FromAscii(keyPath)));
    if (key == Keys().end()) return std::nullopt;
    auto value = key->second.values.find(FoldText(FromAscii(name)));
    if (value == key->second.values.end()) return std::nullopt;
    return value->second;
}

size_t HostRegistryValueCount(const std::string& keyPath) {
    auto key = Keys().find(FoldText(FromAscii(keyPath)));
    return key == Keys().end() ? 0 : key->second.values.size();
}

void HostRegistryFailWrites(bool fail) { failWrites = fail; }
long HostRegistryOpenKeys() { return openKeys; }
