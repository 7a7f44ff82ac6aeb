// The paragraph reader and the meaning of the StyleByte and FormatByte bits.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "content/paragraph.h"

namespace {

struct Read {
    uint8_t style;
    uint8_t format;
    std::string text;
    size_t offset;
    bool operator==(const Read&) const = default;
};

std::vector<Read> WalkSized(const std::string& lesson, size_t size) {
    std::vector<Read> out;
    size_t cursor = 0;
    Paragraph p;
    while (NextParagraph(lesson.data(), size, &cursor, &p))
        out.push_back({p.style, p.format, std::string(p.text, p.textLength), p.offset});
    return out;
}

std::vector<Read> WalkDecoded(const char* lesson) {
    std::vector<Read> out;
    size_t cursor = 0;
    Paragraph p;
    while (NextParagraph(lesson, &cursor, &p))
        out.push_back({p.style, p.format, std::string(p.text, p.textLength), p.offset});
    return out;
}

// Two paragraphs, the EndMarker, and bytes after it that no reader may take.
constexpr char kLessonBytes[] = "\xC1\x00" "Date line\0" "\x81\x40" "Body\0" "\0\0\0";
constexpr size_t kLessonLength = sizeof kLessonBytes - 1;
const std::string kLesson = std::string(kLessonBytes, kLessonLength) + "\x81\x01" "after the end";

TEST(ContentParagraph, WalksParagraphsUpToTheEndMarker) {
    const std::vector<Read> expected = {{0xC1, 0x00, "Date line", 0}, {0x81, 0x40, "Body", 12}};
    EXPECT_EQ(WalkSized(kLesson, kLesson.size()), expected);
    EXPECT_EQ(WalkDecoded(kLesson.data()), expected);
    // A lesson whose first StyleByte is 0 has no paragraph.
    EXPECT_TRUE(WalkSized(std::string(3, '\0'), 3).empty());
    EXPECT_TRUE(WalkDecoded(std::string(3, '\0').data()).empty());
    EXPECT_TRUE(WalkSized("", 0).empty());
}

TEST(ContentParagraph, SizedReaderStopsWhereTheBufferEnds) {
    size_t cursor = 12;
    Paragraph p;
    // The second paragraph's NUL is beyond a buffer cut after "Bo".
    EXPECT_FALSE(NextParagraph(kLesson.data(), 18, &cursor, &p));
    EXPECT_EQ(cursor, 12u) << "the cursor stays on a paragraph it cannot read";
    // Too short for the two leading bytes and a NUL.
    EXPECT_FALSE(NextParagraph(kLesson.data(), 14, &cursor, &p));
    EXPECT_FALSE(NextParagraph(nullptr, 10, &cursor, &p));
}

TEST(ContentParagraph, DecodedTextCutAnywhereStaysInsideItsZeroTail) {
    // A decoded text of any length ends in three zero bytes; the walk over
    // every cut of a lesson stays inside it (AddressSanitizer watches) and
    // reads what a reader that knows the size reads.
    for (size_t cut = 1; cut <= kLessonLength; ++cut) {
        SCOPED_TRACE(cut);
        std::vector<char> decoded(kLesson.begin(), kLesson.begin() + static_cast<long>(cut));
        decoded.insert(decoded.end(), kDecodedTailBytes, '\0');
        std::vector<char> heap(decoded);  // exactly sized, so an overrun is caught
        EXPECT_EQ(WalkDecoded(heap.data()), WalkSized(std::string(heap.begin(), heap.end()), heap.size()));
    }
}

TEST(ContentParagraph, StyleBitsReadAsTheirMeaning) {
    EXPECT_TRUE(IsRule(kStyleRule));
    EXPECT_TRUE(IsRule(0x07));
    EXPECT_FALSE(IsRule(0x86));
    EXPECT_EQ(Alignment(0xC1), kAlignCentre);
    EXPECT_EQ(Alignment(0x29), kAlignRight);
    EXPECT_EQ(Alignment(0xE1), kAlignLeftToo);
    EXPECT_TRUE(HasSpacing(kStyleBody));
    EXPECT_FALSE(HasSpacing(0x41));
    EXPECT_EQ(FontStyleBits(0xCC), 0x0C);
    EXPECT_TRUE(IsHeadingBlue(kStyleHeading));
    EXPECT_FALSE(IsHeadingBlue(kStyleSignature)) << "bold alone is black";
    EXPECT_FALSE(IsHeadingBlue(0x85)) << "large alone is black";
    EXPECT_EQ(HangingLevel(64), 1);
    EXPECT_EQ(HangingLevel(0xC5), 3);
    EXPECT_EQ(Indent(0xC5), 5);
    EXPECT_EQ(Indent(64), 0);
}

TEST(ContentParagraph, RuleLengthsInUnitsAndPercent) {
    struct Case {
        uint8_t format;
        int width;
        int length;
    } const cases[] = {
        {0, 500, 0},       // no rule
        {1, 500, 1},       {160, 500, 160},
        {160, 100, 100},   // never wider than the area
        {161, 500, 10},    // 2 percent
        {172, 500, 120},   // 24 percent
        {172, 333, 79},    // truncated: 12 * 333 * 2 / 100 = 79.92
        {210, 500, 500},   // 100 percent
        {211, 500, 500},   {255, 500, 500},  // asked beyond the area, cut to it
    };
    for (const Case& c : cases)
        EXPECT_EQ(RuleLength(c.format, c.width), c.length) << int(c.format) << " of " << c.width;
}

}  // namespace
