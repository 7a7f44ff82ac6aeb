// Reading one lesson file, and book.txt, of the book's source form into
// their parts: header lines, then paragraphs with their tag lines.
#pragma once

#include <string>
#include <vector>

#include "tools/bookc/book_source.h"
#include "tools/bookc/diagnostic.h"
#include "tools/bookc/tag_words.h"

struct SourceParagraph {
    ParagraphForm form;
    std::string text;  // book bytes, lines joined by single spaces, the continuation's space included
    int line;          // its tag line, or its first text line
};

struct LessonSource {
    std::string title;  // book bytes
    int titleLine;      // 0 when there is no @title
    int month;          // 1..13 as the calendar numbers them
    int day;
    int dateLine;       // 0 when there is no @date
    std::vector<SourceParagraph> paragraphs;
};

// Parses a lesson file. False, with *error, on a malformed markup line, a
// character outside the book's set, or a spacing fault. The lesson's place
// in the book (dates, titles, the empty first paragraph) is checked by the
// caller.
bool ParseLessonSource(const SourceFile& file, LessonSource* lesson, Diagnostic* error);

struct BookHeader {
    std::string closingSection;  // book bytes
    int closingSectionLine;      // 0 when absent
};

// Parses book.txt: comments, blank lines and "@closing-section TITLE".
bool ParseBookHeader(const SourceFile& file, BookHeader* header, Diagnostic* error);
