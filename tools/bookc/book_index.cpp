// Writing and reading the index's records.
#include "tools/bookc/book_index.h"

#include <cstring>

#include "calendar/dated_lessons.h"
#include "content/lesson_number.h"

namespace {

void AppendRecord(std::vector<uint8_t>* text, uint16_t id, uint8_t style, uint8_t level,
                  const std::string& title) {
    text->push_back(static_cast<uint8_t>(id & 0xFF));
    text->push_back(static_cast<uint8_t>(id >> 8));
    text->push_back(style);
    text->push_back(level);
    text->insert(text->end(), title.begin(), title.end());
    text->push_back(0);
}

}  // namespace

std::string DatedLessonTitle(int lesson) {
    const HebrewMonthDay date = DatedLessonDate(lesson);
    return std::string(kBookMonthNames[date.month]) + " " + std::to_string(date.day) + ", " +
           std::to_string(kBookYear);
}

std::vector<uint8_t> BuildIndexText(const std::vector<std::string>& titles,
                                    const std::string& closingSection) {
    const int count = static_cast<int>(titles.size());
    std::vector<uint8_t> text;
    int position = 0;
    const auto lessonEntry = [&](int n, uint8_t style, uint8_t level) {
        ++position;
        AppendRecord(&text, IndexLessonId(n), style, level, titles[n - 1]);
    };
    const auto header = [&](const std::string& title) {
        ++position;
        AppendRecord(&text, IndexHeaderId(position), kIndexTopStyle, kIndexTopLevel, title);
    };

    for (int n = kFirstLesson; n <= kTopLevelLessons && n <= count; ++n)
        lessonEntry(n, kIndexTopStyle, kIndexTopLevel);
    int n = kFirstDatedLesson;
    for (const DatedMonth& month : kDatedMonths) {
        const int last = n + static_cast<int>(month.days.size()) - 1;
        if (n <= count) {
            header(kBookMonthNames[month.month]);
            for (; n <= last && n <= count; ++n) lessonEntry(n, kIndexEntryStyle, kIndexEntryLevel);
        }
        n = last + 1;
    }
    if (count >= kFirstClosingLesson) {
        header(closingSection);
        for (n = kFirstClosingLesson; n <= count; ++n) lessonEntry(n, kIndexEntryStyle, kIndexEntryLevel);
    }
    text.insert(text.end(), kIndexTerminatorBytes, 0);
    return text;
}

bool ReadIndexText(const uint8_t* text, size_t size, IndexContents* contents, std::string* message) {
    *contents = IndexContents{};
    contents->titles.assign(kLessonCount, std::string());
    std::string lastHeader;
    size_t at = 0;
    for (int record = 1;; ++record) {
        if (at + kIndexRecordOverhead > size) {
            *message = "index record " + std::to_string(record) + " runs past the index's end";
            return false;
        }
        const uint16_t id = static_cast<uint16_t>(text[at] | text[at + 1] << 8);
        const uint8_t style = text[at + 2];
        if (style == 0) return true;
        const auto* title = reinterpret_cast<const char*>(text + at + 4);
        const void* nul = std::memchr(title, 0, size - at - 4);
        if (!nul) {
            *message = "index record " + std::to_string(record) + " has no NUL";
            return false;
        }
        const std::string titleText(title, static_cast<const char*>(nul));
        at += 4 + titleText.size() + 1;
        if ((id & 0xC000) == kIndexLessonIdFlag) {
            const int n = id & ~kIndexLessonIdFlag;
            if (n < kFirstLesson || n > kLastLesson) {
                *message = "index record " + std::to_string(record) + " names lesson " + std::to_string(n);
                return false;
            }
            contents->titles[n - 1] = titleText;
            if (n == kFirstClosingLesson) contents->closingSection = lastHeader;
        } else {
            lastHeader = titleText;
        }
    }
}
