// Lessons made in code, for the view engine's tests and benchmarks on the
// host and on Windows: a lesson built from paragraphs, a long stand-in lesson
// for when the book is not built, and the size of a decoded lesson.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "content/paragraph.h"
#include "platform/heap.h"

struct Para {
    uint8_t style;
    uint8_t format;
    std::string text;
};

// A decoded Lesson as a heap block: the paragraphs, the stored EndMarker's
// three zero bytes and the decoder's tail.
inline char* MakeLesson(const std::vector<Para>& paragraphs) {
    std::string bytes;
    for (const Para& p : paragraphs) {
        bytes.push_back(static_cast<char>(p.style));
        bytes.push_back(static_cast<char>(p.format));
        bytes += p.text;
        bytes.push_back('\0');
    }
    bytes.append(6, '\0');
    auto* block = static_cast<char*>(HeapBlockAlloc(bytes.size()));
    std::memcpy(block, bytes.data(), bytes.size());
    return block;
}

// Bytes of a decoded lesson up to its EndMarker.
inline size_t LessonSize(const char* text) {
    size_t cursor = 0;
    Paragraph p;
    while (NextParagraph(text, &cursor, &p)) {
    }
    return cursor;
}

// A stand-in for a long lesson while the book is not built: a date line and
// `bodyParagraphs` body paragraphs of about 1,000 bytes each.
inline char* SyntheticLesson(int bodyParagraphs) {
    std::vector<Para> paragraphs{{kStyleDateLine, 0, "Shabbat, Tishrei 1, 5770"}};
    const std::string sentence = "The quick lesson of the day runs on, word after well-chosen word, ";
    std::string text;
    while (text.size() < 1000) text += sentence;
    for (int p = 0; p < bodyParagraphs; ++p) paragraphs.push_back({kStyleBody, 0, text});
    return MakeLesson(paragraphs);
}
