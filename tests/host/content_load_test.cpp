// LoadLesson and UnpackLessonResource: finding a lesson's resource, reading
// its header, and the failure codes; and, once the book is built, every
// lesson and the index loaded from the reader's resources.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "content/lesson_number.h"
#include "content/lesson_resource.h"
#include "content/paragraph.h"
#include "platform/heap.h"
#include "platform/win.h"

namespace {

using Bytes = std::vector<uint8_t>;

// A LessonResource around a stream of bytes that stand for themselves, so
// the stream is the text. `payloadLength` and `compressedLength` default to
// the true values.
Bytes Resource(const std::string& text, int payloadLength = -1, int compressedLength = -1,
               int textLength = -1) {
    const size_t c = text.size();
    const auto word = [](Bytes* b, size_t v) {
        b->push_back(static_cast<uint8_t>(v >> 8));
        b->push_back(static_cast<uint8_t>(v & 0xFF));
    };
    Bytes r;
    word(&r, payloadLength < 0 ? 4 + c + 4 : static_cast<size_t>(payloadLength));
    word(&r, 0x1234);  // the record range, which nothing reads
    word(&r, 0x5678);
    word(&r, compressedLength < 0 ? c : static_cast<size_t>(compressedLength));
    word(&r, textLength < 0 ? c : static_cast<size_t>(textLength));
    r.insert(r.end(), text.begin(), text.end());
    r.insert(r.end(), 4, 0);
    return r;
}

class ContentLoad : public ::testing::Test {
protected:
    void SetUp() override {
        HostResetAll();
        HostResourcesClear();
    }
    void TearDown() override { HostResourcesClear(); }

    static std::string Load(int number, int* error) {
        char* text = LoadLesson(number, error);
        if (!text) return "<null>";
        std::string result(text);
        HeapBlockFree(text);
        return result;
    }
};

TEST_F(ContentLoad, LoadsResourceThousandPlusNumberAndTheIndex) {
    HostResourceSet(1001, Resource("first"));
    HostResourceSet(1139, Resource("last"));
    HostResourceSet(32767, Resource("index"));
    int error = 77;
    EXPECT_EQ(Load(1, &error), "first");
    EXPECT_EQ(Load(139, &error), "last");
    EXPECT_EQ(Load(kIndexLessonNumber, &error), "index");
    EXPECT_EQ(error, 77);
    EXPECT_EQ(HostHeapLiveBlocks(), 0);
}

struct LoadCase {
    const char* name;
    int number;
    Bytes resource;  // registered as resource 1005 unless empty
    bool registered;
    int code;        // 0: a text is returned
    std::string text;
};

TEST_F(ContentLoad, ReportsEachFailureByItsCode) {
    const LoadCase cases[] = {
        {"number 0", 0, {}, false, 77, "<null>"},
        {"negative number", -3, {}, false, 77, "<null>"},
        {"no such resource", 5, {}, false, kLoadNoResource, "<null>"},
        {"number 140", 140, {}, false, kLoadNoResource, "<null>"},
        {"resource of size 0", 5, {}, true, kLoadUnavailable, "<null>"},
        {"payload length below 5", 5, Resource("abc", 4), true, kLoadBadHeader, "<null>"},
        {"compressed length 0", 5, Resource("abc", -1, 0), true, kLoadBadHeader, "<null>"},
        {"text length 0", 5, Resource("abc", -1, -1, 0), true, kLoadNoInput, "<null>"},
        {"resource shorter than its header", 5, Bytes{0x00, 0x09, 0x00}, true, kLoadBadHeader, "<null>"},
        // A damaged header never makes the loader read past the resource.
        {"payload length past the resource, stream complete", 5, Resource("abcdef", 900), true, 0,
         "abcdef"},
        {"compressed length past the payload, stream complete", 5, Resource("abcdef", -1, 700), true,
         0, "abcdef"},
        {"text longer than the stream", 5, Resource("abc", -1, -1, 4), true, kLoadBrokenStream,
         "<null>"},
        {"stream cut by its payload length", 5, Resource("abcdef", 4 + 3, -1, 6), true,
         kLoadBrokenStream, "<null>"},
    };
    for (const LoadCase& c : cases) {
        SCOPED_TRACE(c.name);
        HostResourcesClear();
        if (c.registered) HostResourceSet(1005, c.resource);
        int error = 77;
        EXPECT_EQ(Load(c.number, &error), c.text);
        EXPECT_EQ(error, c.code == 0 ? 77 : c.code);
        char* unreported = LoadLesson(c.number, nullptr);
        EXPECT_EQ(unreported != nullptr, c.code == 0) << "without an error int";
        HeapBlockFree(unreported);
    }
    HostResourcesClear();
}

TEST_F(ContentLoad, UnpacksAPayloadDirectly) {
    const Bytes r = Resource("payload");
    int error = 77;
    char* text = UnpackLessonResource(r.data() + kResourceHeaderBytes, ReadWordBE(r.data()), &error);
    ASSERT_NE(text, nullptr);
    EXPECT_STREQ(text, "payload");
    HeapBlockFree(text);
    EXPECT_EQ(UnpackLessonResource(nullptr, 10, &error), nullptr);
    EXPECT_EQ(error, kLoadNoInput);
}

#ifdef MORAVEL_HAVE_BOOK
// Every lesson of the built book loads, holds paragraphs up to its
// EndMarker and nothing after it; the index holds a record per lesson.
TEST_F(ContentLoad, EveryLessonOfTheBookLoads) {
    HostLoadBookResources();
    for (int n = kFirstLesson; n <= kLastLesson; ++n) {
        SCOPED_TRACE(n);
        HRSRC found = FindResourceW(App.Instance, MAKEINTRESOURCEW(kLessonResourceBase + n), RT_RCDATA);
        ASSERT_NE(found, nullptr);
        const auto* bytes = static_cast<const uint8_t*>(LockResource(LoadResource(App.Instance, found)));
        const size_t textLength = ReadWordBE(bytes + kResourceHeaderBytes + kTextLengthAt);
        int error = 0;
        char* text = LoadLesson(n, &error);
        ASSERT_NE(text, nullptr) << "code " << error;
        size_t cursor = 0;
        Paragraph p;
        int paragraphs = 0;
        while (NextParagraph(text, textLength, &cursor, &p)) ++paragraphs;
        EXPECT_GT(paragraphs, 0);
        EXPECT_EQ(cursor + kDecodedTailBytes, textLength) << "the EndMarker ends the text";
        HeapBlockFree(text);
    }
    char* index = LoadLesson(kIndexLessonNumber, nullptr);
    ASSERT_NE(index, nullptr);
    int lessonEntries = 0;
    for (size_t at = 0; index[at + 2] != 0;) {
        const unsigned id = static_cast<uint8_t>(index[at]) | static_cast<uint8_t>(index[at + 1]) << 8;
        if ((id & 0xC000) == 0x4000) {
            EXPECT_EQ(static_cast<int>(id & 0x3FFF), ++lessonEntries);
        }
        at += 4 + std::strlen(index + at + 4) + 1;
    }
    EXPECT_EQ(lessonEntries, kLessonCount);
    HeapBlockFree(index);
}
#endif

}  // namespace
