// Finding a lesson's resource and unpacking its LessonResource header.
#include "content/lesson_resource.h"

#include "app/app_state.h"
#include "content/decompress.h"
#include "content/lesson_number.h"
#include "platform/win.h"

namespace {

void SetError(int* error, int code) {
    if (error) *error = code;
}

}  // namespace

char* LoadLesson(int number, int* error) {
    if (number <= 0) return nullptr;
    const WORD id = static_cast<WORD>(number + kLessonResourceBase);
    HRSRC found = FindResourceW(App.Instance, MAKEINTRESOURCEW(id), RT_RCDATA);
    if (!found) {
        SetError(error, kLoadNoResource);
        return nullptr;
    }
    const DWORD size = SizeofResource(App.Instance, found);
    HGLOBAL loaded = size ? LoadResource(App.Instance, found) : nullptr;
    const auto* bytes = loaded ? static_cast<const uint8_t*>(LockResource(loaded)) : nullptr;
    if (!bytes) {
        SetError(error, kLoadUnavailable);
        return nullptr;
    }
    // A payload length that claims more than the resource holds is cut to
    // what is there, so a damaged resource is never read past its end.
    if (size < kResourceHeaderBytes) {
        SetError(error, kLoadBadHeader);
        return nullptr;
    }
    uint32_t payloadLength = ReadWordBE(bytes);
    const uint32_t available = size - static_cast<uint32_t>(kResourceHeaderBytes);
    if (payloadLength > available) payloadLength = available;
    return UnpackLessonResource(bytes + kResourceHeaderBytes, payloadLength, error);
}

char* UnpackLessonResource(const uint8_t* payload, uint32_t payloadLength, int* error) {
    if (payloadLength < kPayloadMinBytes) {
        SetError(error, kLoadBadHeader);
        return nullptr;
    }
    if (!payload) {
        SetError(error, kLoadNoInput);
        return nullptr;
    }
    uint32_t compressedLength = ReadWordBE(payload + kCompressedLengthAt);
    if (compressedLength == 0) {
        SetError(error, kLoadBadHeader);
        return nullptr;
    }
    const uint32_t available = payloadLength - static_cast<uint32_t>(kPayloadSizeBlockBytes);
    if (compressedLength > available) compressedLength = available;
    const DecompressJob job{payload + kPayloadSizeBlockBytes, compressedLength,
                            ReadWordBE(payload + kTextLengthAt)};
    return DecompressText(&job, error);
}
