// Small books made in memory for the book compiler's tests: every lesson
// valid, with dated lessons on the dates of the book's table.
#pragma once

#include <cstdio>
#include <string>

#include "calendar/dated_lessons.h"
#include "tools/bookc/book_source.h"

inline std::string FixtureLessonPath(int n) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "book/lessons/lesson-%03d.txt", n);
    return buffer;
}

// A valid lesson n: a title or date, an opening paragraph and a body.
inline std::string FixtureLessonText(int n) {
    const HebrewMonthDay date = DatedLessonDate(n);
    if (date.month == 0)
        return "@title Lesson " + std::to_string(n) + "\n\n:: heading\nHeading " + std::to_string(n) +
               "\n\nThe text of lesson " + std::to_string(n) + ".\n";
    return "@date " + std::string(kBookMonthNames[date.month]) + " " + std::to_string(date.day) +
           "\n\n:: dateline\nA day, " + kBookMonthNames[date.month] + " " + std::to_string(date.day) +
           ", 5770 \xC2\xB7 a civil date\n\nThe text of lesson " + std::to_string(n) + ".\n";
}

constexpr const char* kFixtureBookText = "@closing-section Letters Before Tishrei\n";

// Lessons 1..count.
inline BookSource FixtureBook(int count) {
    BookSource book{{"book/book.txt", kFixtureBookText}, "book/lessons", {}};
    for (int n = 1; n <= count; ++n) book.lessons.push_back({FixtureLessonPath(n), FixtureLessonText(n)});
    return book;
}
