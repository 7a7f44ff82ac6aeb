// The compiled book's resources: the LessonResource header fields, and the
// index's records in the order, ids, styles and titles the index dialog
// expects.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "content/lesson_resource.h"
#include "tests/bookc/fixture_book.h"
#include "tools/bookc/book_compile.h"
#include "tools/bookc/book_dump.h"

namespace {

struct Record {
    uint16_t id;
    uint8_t style;
    uint8_t level;
    std::string title;
};

std::vector<Record> ReadRecords(const std::vector<uint8_t>& text, size_t* terminatorAt) {
    std::vector<Record> records;
    size_t at = 0;
    while (text.at(at + 2) != 0) {
        Record r{static_cast<uint16_t>(text[at] | text[at + 1] << 8), text[at + 2], text[at + 3], ""};
        for (at += 4; text.at(at) != 0; ++at) r.title += static_cast<char>(text[at]);
        ++at;
        records.push_back(r);
    }
    *terminatorAt = at;
    return records;
}

class BookcIndex : public ::testing::Test {
protected:
    void SetUp() override {
        BookSource book = FixtureBook(139);
        book.lessons[135].text = "@title Elul 20, 5770\n\nA letter.\n";
        Diagnostic error;
        ASSERT_TRUE(CompileBook(book, CompileOptions{false}, &resources, &error)) << FormatDiagnostic(error);
    }
    std::vector<BookResource> resources;
};

TEST_F(BookcIndex, ResourcesCarryTheirHeaderFields) {
    ASSERT_EQ(resources.size(), 140u);
    std::set<int> recordNumbers;
    for (size_t i = 0; i < resources.size(); ++i) {
        const BookResource& r = resources[i];
        const bool isIndex = i == 139;
        EXPECT_EQ(r.id, isIndex ? 32767 : 1001 + i);
        const uint8_t* b = r.bytes.data();
        const int start = ReadWordBE(b + 2), end = ReadWordBE(b + 4);
        EXPECT_EQ(ReadWordBE(b), r.bytes.size() - 6) << "payload length";
        EXPECT_EQ(ReadWordBE(b + 6), r.bytes.size() - 14) << "compressed length";
        EXPECT_EQ(std::vector<uint8_t>(r.bytes.end() - 4, r.bytes.end()), std::vector<uint8_t>(4, 0));
        if (isIndex) {
            EXPECT_EQ(start, 1);
            EXPECT_EQ(end, 255);
            continue;
        }
        EXPECT_EQ(start, end);
        EXPECT_NE(start, static_cast<int>(i) + 1) << "not the lesson number";
        EXPECT_TRUE((start >= 1 && start <= 7) || (start >= 31 && start <= 162)) << start;
        recordNumbers.insert(start);
        std::vector<uint8_t> text;
        std::string message;
        ASSERT_TRUE(DecodeResource(r.bytes, &text, &message)) << message;
        EXPECT_EQ(ReadWordBE(b + 8), text.size()) << "text length";
    }
    EXPECT_EQ(recordNumbers.size(), 139u) << "a different number for every lesson";
}

TEST_F(BookcIndex, IndexHoldsHeadersAndEntriesInBookOrder) {
    std::vector<uint8_t> text;
    std::string message;
    ASSERT_TRUE(DecodeResource(resources.back().bytes, &text, &message)) << message;
    size_t terminatorAt = 0;
    const std::vector<Record> records = ReadRecords(text, &terminatorAt);
    ASSERT_EQ(records.size(), 152u);
    EXPECT_EQ(terminatorAt + 5, text.size()) << "five zero bytes end the index";

    // Headers stand at these 1-based positions, with these titles.
    const std::pair<int, const char*> headers[] = {
        {4, "Tishrei"},  {23, "Cheshvan"}, {33, "Kislev"}, {47, "Teves"},        {57, "Sh'vat"},
        {64, "Adar"},    {74, "Nissan"},   {92, "Iyar"},   {105, "Sivan"},       {116, "Tammuz"},
        {128, "Menachem Av"}, {140, "Elul"}, {148, "Letters Before Tishrei"}};
    std::set<int> headerPositions;
    for (const auto& [position, title] : headers) {
        SCOPED_TRACE(title);
        const Record& r = records[position - 1];
        EXPECT_EQ(r.id, static_cast<uint16_t>(~(0x4000 | position)));
        EXPECT_EQ(r.style, 0x8C);
        EXPECT_EQ(r.level, 1);
        EXPECT_EQ(r.title, title);
        headerPositions.insert(position);
    }
    EXPECT_EQ(records[3].id, 0xBFFB);
    EXPECT_EQ(records[22].id, 0xBFE8);

    int lesson = 0;
    for (size_t i = 0; i < records.size(); ++i) {
        if (headerPositions.count(static_cast<int>(i) + 1)) continue;
        const Record& r = records[i];
        ++lesson;
        SCOPED_TRACE(lesson);
        EXPECT_EQ(r.id, 0x4000 | lesson);
        EXPECT_EQ(r.style, lesson <= 3 ? 0x8C : 0x01);
        EXPECT_EQ(r.level, lesson <= 3 ? 1 : 2);
    }
    EXPECT_EQ(lesson, 139);
    EXPECT_EQ(records[0].title, "Lesson 1");
    EXPECT_EQ(records[4].title, "Tishrei 1, 5770");
    EXPECT_EQ(records[5].title, "Tishrei 3, 5770");
    EXPECT_EQ(records[128].title, "Menachem Av 1, 5770");
    EXPECT_EQ(records[146].title, "Elul 29, 5770");
    EXPECT_EQ(records[148].title, "Elul 20, 5770");
    EXPECT_EQ(records[151].title, "Lesson 139");
}

}  // namespace
