// The index resource's text (the LessonIndex): records of a 16-bit
// little-endian id, a StyleByte, a FormatByte (the level), a title and a
// NUL, ended by five zero bytes.
//
// Its records, in order: lessons 1 to 3 at the top level; a header per
// month with its dated lessons; the closing section's header with lessons
// 136 to 139. A header's id is the complement of (0x4000 | its 1-based
// position among the records); a lesson's id is 0x4000 | its number.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

constexpr uint16_t kIndexLessonIdFlag = 0x4000;
constexpr uint8_t kIndexTopStyle = 0x8C;     // headers and lessons 1 to 3: visible, closed, bold, large
constexpr uint8_t kIndexTopLevel = 1;
constexpr uint8_t kIndexEntryStyle = 0x01;   // lessons inside a section: hidden until it opens
constexpr uint8_t kIndexEntryLevel = 2;
constexpr size_t kIndexRecordOverhead = 5;   // id, StyleByte, FormatByte, NUL
constexpr size_t kIndexTerminatorBytes = 5;
constexpr int kTopLevelLessons = 3;
constexpr int kFirstClosingLesson = 136;
constexpr int kClosingSectionTitleLength = 22;

constexpr uint16_t IndexLessonId(int lesson) { return static_cast<uint16_t>(kIndexLessonIdFlag | lesson); }
constexpr uint16_t IndexHeaderId(int position) {
    return static_cast<uint16_t>(~(kIndexLessonIdFlag | position));
}
static_assert(IndexHeaderId(4) == 0xBFFB && IndexHeaderId(23) == 0xBFE8);

// "Tishrei 1, 5770": the title of dated lesson n (4..135), with the month
// spelled as the index spells it.
std::string DatedLessonTitle(int lesson);

// The index of a book of titles.size() lessons (titles[n - 1] is lesson n's,
// in book bytes). Months without a lesson get no header; the closing section
// appears when the book reaches lesson 136.
std::vector<uint8_t> BuildIndexText(const std::vector<std::string>& titles,
                                    const std::string& closingSection);

struct IndexContents {
    std::vector<std::string> titles;  // titles[n - 1]: lesson n's; empty when it has no entry
    std::string closingSection;       // the header before lesson 136's entry, if any
};

// Reads the records of an index text of `size` bytes up to its terminator.
// False, with *message, when a record runs past the text or a lesson id is
// out of range.
bool ReadIndexText(const uint8_t* text, size_t size, IndexContents* contents, std::string* message);
