// The way back: built resources decoded into the book's source form, so that
// compiling the result gives the same resources again.
#pragma once

#include <string>
#include <vector>

#include "tools/bookc/book_compile.h"
#include "tools/bookc/book_source.h"

// Decodes `resources` (lessons 1001.. and the index 32767) into source files
// named "book.txt" and "lessons/lesson-NNN.txt". With options.partialBook the
// lessons may be 1..N; otherwise all 139 must be there. False, with
// *message, when a resource cannot be decoded or its text has no source form
// (bytes outside the book's set, spacing the source cannot express, text
// that would read as markup, an index that names no title for a lesson).
bool DumpBook(const std::vector<BookResource>& resources, const CompileOptions& options,
              BookSource* source, std::string* message);

// The decoded text of one LessonResource, without the decoder's zero tail.
bool DecodeResource(const std::vector<uint8_t>& resource, std::vector<uint8_t>* text,
                    std::string* message);
