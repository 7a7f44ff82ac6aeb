// The book inside the reader, under Wine: every lesson and the index load
// from Moravel5770.exe's own resources through LoadLesson and decode to the
// very bytes the host build's decoder made of them (the manifest the book
// compiler wrote beside the resources).
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>

#include "app/app_state.h"
#include "content/lesson_number.h"
#include "content/lesson_resource.h"
#include "platform/heap.h"
#include "platform/win.h"

namespace {

struct ManifestEntry {
    unsigned id;        // resource id
    size_t length;      // decoded text length
    uint64_t hash;      // FNV-1a 64 of the decoded text
};

#ifdef MORAVEL_HAVE_BOOK_MANIFEST
constexpr ManifestEntry kManifest[] = {
#include "book_manifest.inc"
};
static_assert(std::size(kManifest) == kLessonCount + 1, "every lesson and the index");
#endif

uint64_t Fnv1a64(const char* bytes, size_t size) {
    uint64_t hash = 0xCBF29CE484222325ull;
    for (size_t i = 0; i < size; ++i) hash = (hash ^ static_cast<uint8_t>(bytes[i])) * 0x100000001B3ull;
    return hash;
}

TEST(WinResources, EveryLessonAndTheIndexDecodeAsOnTheHost) {
#ifndef MORAVEL_HAVE_BOOK_MANIFEST
    GTEST_SKIP() << "The book is incomplete (fewer than 139 lesson files), so the reader has no "
                    "book resources to check yet.";
#else
    HMODULE reader = LoadLibraryExW(WTXT(MORAVEL_EXE_NAME), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(reader, nullptr) << "cannot open " << MORAVEL_EXE_NAME << ", error " << GetLastError();
    App.Instance = reinterpret_cast<HINSTANCE>(reader);
    for (const ManifestEntry& entry : kManifest) {
        SCOPED_TRACE(entry.id);
        int error = 0;
        char* text = LoadLesson(static_cast<int>(entry.id) - kLessonResourceBase, &error);
        ASSERT_NE(text, nullptr) << "code " << error;
        EXPECT_EQ(Fnv1a64(text, entry.length), entry.hash);
        for (size_t i = 0; i < 3; ++i) EXPECT_EQ(text[entry.length + i], 0) << "the zero tail";
        HeapBlockFree(text);
    }
    int error = 0;
    EXPECT_EQ(LoadLesson(kLastLesson + 1, &error), nullptr);
    EXPECT_EQ(error, kLoadNoResource);
    App.Instance = nullptr;
    FreeLibrary(reader);
#endif
}

}  // namespace
