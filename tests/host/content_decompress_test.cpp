// DecompressText: every kind of step, the bounds at the text length and at
// the end of the compressed bytes, refused streams, and the failure codes.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "content/decompress.h"
#include "content/lesson_resource.h"
#include "content/palmdoc.h"
#include "content/paragraph.h"
#include "platform/heap.h"
#include "platform/win.h"
#include "tests/fuzz/reference_decoder.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Copy(int distance, int count) {
    const uint16_t code = CopyCode(distance, count);
    return {static_cast<uint8_t>(code >> 8), static_cast<uint8_t>(code & 0xFF)};
}

Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Bytes Text(const std::string& s) { return Bytes(s.begin(), s.end()); }

class ContentDecompress : public ::testing::Test {
protected:
    void SetUp() override { HostResetAll(); }
    void TearDown() override { HostHeapFailAfter(-1); }
};

struct DecodeCase {
    const char* name;
    Bytes stream;
    uint32_t textLength;
    std::string expected;  // the decoded text
};

TEST_F(ContentDecompress, DecodesEveryStepAndCutsAtTheTextLength) {
    const DecodeCase cases[] = {
        {"bytes standing for themselves", {'A', 0x00, 0x09, 0x7F}, 4, std::string("A\0\t\x7F", 4)},
        {"literal run of high and low bytes", {0x04, 0x80, 0xFF, 0x01, 0x08}, 4, "\x80\xFF\x01\x08"},
        {"copy without overlap", Text("abcd") + Copy(4, 4), 8, "abcdabcd"},
        {"copy of the longest count", Text("0123456789") + Copy(10, 10), 20, "01234567890123456789"},
        {"overlapping copy from one back", Text("a") + Copy(1, 10), 11, "aaaaaaaaaaa"},
        {"overlapping copy from two back", Text("ab") + Copy(2, 7), 9, "ababababa"},
        {"overlapping copy from seven back", Text("1234567") + Copy(7, 10), 17, "12345671234567123"},
        {"space pair", {'a', 0xE8}, 3, "a h"},
        {"output full while bytes remain", Text("abcdef"), 2, "ab"},
        {"space pair at the last position", {'a', 0xE8}, 2, "a "},
        {"literal run crossing the text length", {0x05, 'a', 'b', 'c', 'd', 'e'}, 3, "abc"},
        {"copy crossing the text length", Text("ab") + Copy(2, 10), 5, "ababa"},
        {"run cut by the stream's end beyond what the output takes", {'x', 0x05, 'a', 'b'}, 3, "xab"},
    };
    for (const DecodeCase& c : cases) {
        SCOPED_TRACE(c.name);
        const DecompressJob job{c.stream.data(), static_cast<uint32_t>(c.stream.size()), c.textLength};
        int error = 77;
        char* text = DecompressText(&job, &error);
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(std::string(text, c.textLength), c.expected);
        // The decoder ends every text with three zero bytes.
        for (size_t i = 0; i < kDecodedTailBytes; ++i) EXPECT_EQ(text[c.textLength + i], 0);
        EXPECT_EQ(error, 77) << "success leaves the error untouched";
        HeapBlockFree(text);
    }
    EXPECT_TRUE(HostMessageBoxes().empty());
    EXPECT_EQ(HostHeapLiveBlocks(), 0);
}

TEST_F(ContentDecompress, WholeWordCopiesMatchByteAtATimeDecoding) {
    // Streams with room for the decoder's word-at-a-time steps: every
    // distance and count, literal runs of every length, far from the end.
    std::mt19937 random(5770);
    for (int round = 0; round < 300; ++round) {
        Bytes stream;
        size_t produced = 0;
        while (produced < 3000) {
            const unsigned pick = random() % 4;
            if (pick == 0 || produced < 16) {
                const unsigned run = 1 + random() % 8;
                stream.push_back(static_cast<uint8_t>(run));
                for (unsigned i = 0; i < run; ++i) stream.push_back(static_cast<uint8_t>(random()));
                produced += run;
            } else if (pick == 1) {
                const int distance = 1 + static_cast<int>(random() % std::min<size_t>(produced, 2047));
                const int count = 3 + static_cast<int>(random() % 8);
                const Bytes copy = Copy(distance, count);
                stream.insert(stream.end(), copy.begin(), copy.end());
                produced += static_cast<size_t>(count);
            } else if (pick == 2) {
                stream.push_back(static_cast<uint8_t>(0xC0 + random() % 64));
                produced += 2;
            } else {
                stream.push_back(static_cast<uint8_t>(9 + random() % 119));
                produced += 1;
            }
        }
        const uint32_t textLength = static_cast<uint32_t>(produced - random() % 12);
        const auto expected = ReferenceDecode(stream.data(), stream.size(), textLength);
        ASSERT_TRUE(expected.has_value());
        const DecompressJob job{stream.data(), static_cast<uint32_t>(stream.size()), textLength};
        char* text = DecompressText(&job, nullptr);
        ASSERT_NE(text, nullptr);
        ASSERT_EQ(std::memcmp(text, expected->data(), textLength), 0) << "round " << round;
        HeapBlockFree(text);
    }
}

struct RefusedCase {
    const char* name;
    Bytes stream;
    uint32_t textLength;
};

TEST_F(ContentDecompress, ShortOrUnusableStreamsFailWithCodeFiveAndTellTheUser) {
    const RefusedCase cases[] = {
        {"one byte short of the text length", Text("abc"), 4},
        {"literal run cut off by the end of the stream", {0x05, 'a', 'b'}, 5},
        {"copy missing its second byte", {'a', 0x80}, 5},
        {"copy from distance 0", Text("abc") + Copy(0, 3), 6},
        {"copy reaching before the output's start", Text("ab") + Copy(3, 3), 5},
        {"copy as the first step", Copy(1, 3), 3},
        {"far copy reaching before the start", Text("abcdefghijklmnopqrst") + Copy(2047, 10), 40},
    };
    for (const RefusedCase& c : cases) {
        SCOPED_TRACE(c.name);
        HostUserClear();
        const DecompressJob job{c.stream.data(), static_cast<uint32_t>(c.stream.size()), c.textLength};
        int error = 0;
        EXPECT_EQ(DecompressText(&job, &error), nullptr);
        EXPECT_EQ(error, kLoadBrokenStream);
        ASSERT_EQ(HostMessageBoxes().size(), 1u);
        const HostMessageBox& box = HostMessageBoxes()[0];
        EXPECT_EQ(box.text, u"UnCompress() buffer error!");
        EXPECT_EQ(box.owner, nullptr);
        EXPECT_EQ(box.caption, u"");
        EXPECT_EQ(box.type, static_cast<UINT>(MB_OK));
        EXPECT_EQ(HostHeapLiveBlocks(), 0) << "the output is freed";
    }
}

TEST_F(ContentDecompress, RefusesMissingInputAndFailedAllocationQuietly) {
    const uint8_t stream[] = {'a'};
    const DecompressJob noSource{nullptr, 1, 1};
    const DecompressJob noText{stream, 1, 0};
    int error = 0;
    EXPECT_EQ(DecompressText(nullptr, &error), nullptr);
    EXPECT_EQ(error, kLoadNoInput);
    error = 0;
    EXPECT_EQ(DecompressText(&noSource, &error), nullptr);
    EXPECT_EQ(error, kLoadNoInput);
    error = 0;
    EXPECT_EQ(DecompressText(&noText, &error), nullptr);
    EXPECT_EQ(error, kLoadNoInput);

    const DecompressJob job{stream, 1, 1};
    HostHeapFailAfter(0);
    error = 0;
    EXPECT_EQ(DecompressText(&job, &error), nullptr);
    EXPECT_EQ(error, kLoadUnavailable);
    HostHeapFailAfter(-1);

    // No error pointer: the failures are the same, only unreported.
    EXPECT_EQ(DecompressText(nullptr, nullptr), nullptr);
    EXPECT_TRUE(HostMessageBoxes().empty());
    EXPECT_EQ(HostHeapLiveBlocks(), 0);
}

}  // namespace
