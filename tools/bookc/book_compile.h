// The book compiler: the source form (lesson files and book.txt) to the
// 139 lesson resources and the index resource, checked on the way.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/bookc/book_source.h"
#include "tools/bookc/diagnostic.h"
#include "tools/bookc/lesson_source.h"

constexpr uint16_t kIndexResourceId = 32767;

struct CompileOptions {
    // Accept a book of lessons 1..N for any N (test fixtures); otherwise the
    // book must have exactly its 139 lessons.
    bool partialBook;
};

struct BookResource {
    uint16_t id;                 // 1000 + lesson number, or kIndexResourceId
    std::vector<uint8_t> bytes;  // a LessonResource
};

// Compiles the book: the lessons' resources in lesson order, then the
// index's. False, with *error, at the first fault: a lesson file's name,
// number or absence; a malformed markup line; a character outside the
// book's set; a spacing fault; a @date that is missing or does not match the
// dated-lesson table; a @title that is missing or is not the lesson's date;
// an empty first paragraph; a text over 65,535 bytes; a closing-section
// title that is not 22 characters long.
bool CompileBook(const BookSource& source, const CompileOptions& options,
                 std::vector<BookResource>* resources, Diagnostic* error);

// The decoded text of a lesson (paragraphs and the EndMarker's three zero
// bytes) as the compiler lays it out, before compression.
std::vector<uint8_t> LessonText(const LessonSource& lesson);
