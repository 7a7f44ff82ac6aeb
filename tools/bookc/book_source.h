// The book's source as the compiler sees it: files held in memory, so that
// the compiler runs the same on a directory and on a test's fixture.
#pragma once

#include <string>
#include <vector>

struct SourceFile {
    std::string path;  // as shown in messages; its last component names a lesson file
    std::string text;  // UTF-8
};

struct BookSource {
    SourceFile book;                  // book.txt
    std::string lessonsDir;           // where lesson files live, for messages about missing ones
    std::vector<SourceFile> lessons;  // every file named lesson-*.txt, in any order
};
