// Compiling the book: lesson files are found and numbered, each is parsed
// and checked against its place in the book, encoded and compressed, and the
// index is built from their titles.
#include "tools/bookc/book_compile.h"

#include <charconv>
#include <cstdio>
#include <string>

#include "calendar/dated_lessons.h"
#include "content/lesson_number.h"
#include "content/lesson_resource.h"
#include "content/paragraph.h"
#include "tools/bookc/book_index.h"
#include "tools/bookc/lesson_source.h"
#include "tools/bookc/resource_form.h"

namespace {

constexpr std::string_view kLessonPrefix = "lesson-";
constexpr std::string_view kLessonSuffix = ".txt";
constexpr size_t kLessonDigits = 3;

std::string BaseName(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string LessonFileName(int n) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "lesson-%03d.txt", n);
    return buffer;
}

// The number in "lesson-NNN.txt", or 0 when the name is not of that form.
int LessonNumberOfName(const std::string& name) {
    if (name.size() != kLessonPrefix.size() + kLessonDigits + kLessonSuffix.size() ||
        name.compare(0, kLessonPrefix.size(), kLessonPrefix) != 0 ||
        name.compare(name.size() - kLessonSuffix.size(), kLessonSuffix.size(), kLessonSuffix) != 0)
        return 0;
    const char* digits = name.data() + kLessonPrefix.size();
    int n = 0;
    for (size_t i = 0; i < kLessonDigits; ++i) {
        if (digits[i] < '0' || digits[i] > '9') return 0;
        n = n * 10 + (digits[i] - '0');
    }
    return n == 0 ? -1 : n;
}

std::string DateText(int month, int day) {
    return std::string(kBookMonthNames[month]) + " " + std::to_string(day);
}

// Orders the lesson files by number and checks that lessons 1..count are
// all there, each once.
bool NumberLessonFiles(const BookSource& source, const CompileOptions& options,
                       std::vector<const SourceFile*>* files, Diagnostic* error) {
    files->assign(kLessonCount + 1, nullptr);
    int highest = 0;
    for (const SourceFile& file : source.lessons) {
        const int n = LessonNumberOfName(BaseName(file.path));
        if (n == 0) {
            *error = {file.path, 0, "not a lesson file name (lesson-001.txt to lesson-139.txt)"};
            return false;
        }
        if (n < 0 || n > kLastLesson) {
            *error = {file.path, 0, "the book has no such lesson (lessons 1 to 139)"};
            return false;
        }
        if ((*files)[n]) {
            *error = {file.path, 0, "a second file for lesson " + std::to_string(n)};
            return false;
        }
        (*files)[n] = &file;
        if (n > highest) highest = n;
    }
    const int count = options.partialBook ? highest : kLessonCount;
    if (count == 0) {
        *error = {source.lessonsDir, 0, "no lesson files"};
        return false;
    }
    for (int n = kFirstLesson; n <= count; ++n)
        if (!(*files)[n]) {
            *error = {source.lessonsDir + "/" + LessonFileName(n), 0,
                      "missing: the book has " + std::to_string(count) + " lessons and " +
                          std::to_string(source.lessons.size()) + " lesson files were found"};
            return false;
        }
    files->resize(static_cast<size_t>(count) + 1);
    return true;
}

// Checks a lesson's headers against its place in the book and gives its
// index title.
bool CheckLessonPlace(const SourceFile& file, int n, const LessonSource& lesson, std::string* title,
                      Diagnostic* error) {
    const HebrewMonthDay date = DatedLessonDate(n);
    if (date.month != 0) {
        if (!lesson.dateLine) {
            *error = {file.path, 0, "missing @date (lesson " + std::to_string(n) + " is " +
                                        DateText(date.month, date.day) + ")"};
            return false;
        }
        if (lesson.month != date.month || lesson.day != date.day) {
            *error = {file.path, lesson.dateLine,
                      "@date " + DateText(lesson.month, lesson.day) +
                          " does not match the book's table: lesson " + std::to_string(n) + " is " +
                          DateText(date.month, date.day)};
            return false;
        }
        *title = DatedLessonTitle(n);
        if (lesson.titleLine && lesson.title != *title) {
            *error = {file.path, lesson.titleLine,
                      "the @title of a dated lesson is its date, '" + *title + "'"};
            return false;
        }
        return true;
    }
    if (lesson.dateLine) {
        *error = {file.path, lesson.dateLine, "@date belongs to lessons 4 to 135 only"};
        return false;
    }
    if (!lesson.titleLine) {
        *error = {file.path, 0, "missing @title (lessons 1 to 3 and 136 to 139 need one)"};
        return false;
    }
    *title = lesson.title;
    return true;
}

bool CheckLessonText(const SourceFile& file, const LessonSource& lesson, Diagnostic* error) {
    if (lesson.paragraphs.empty()) {
        *error = {file.path, 0, "the lesson has no paragraphs"};
        return false;
    }
    const SourceParagraph& first = lesson.paragraphs.front();
    if (!IsRule(first.form.style) && first.text.empty()) {
        *error = {file.path, first.line, "the first paragraph is empty"};
        return false;
    }
    size_t length = kDecodedTailBytes;  // the EndMarker
    for (const SourceParagraph& paragraph : lesson.paragraphs) {
        length += 2 + paragraph.text.size() + 1;
        if (length > kMaxTextLength) {
            *error = {file.path, paragraph.line, "the lesson's text passes 65,535 bytes"};
            return false;
        }
    }
    return true;
}

bool AddResource(std::vector<uint8_t> text, uint16_t id, uint16_t record, uint16_t recordEnd,
                 const std::string& path, std::vector<BookResource>* resources, Diagnostic* error) {
    BookResource resource{id, {}};
    if (!MakeLessonResource(text, record, recordEnd, &resource.bytes)) {
        *error = {path, 0, "the text compresses to more than the 65,527 bytes a resource holds"};
        return false;
    }
    resources->push_back(std::move(resource));
    return true;
}

}  // namespace

std::vector<uint8_t> LessonText(const LessonSource& lesson) {
    std::vector<uint8_t> text;
    for (const SourceParagraph& paragraph : lesson.paragraphs) {
        text.push_back(paragraph.form.style);
        text.push_back(paragraph.form.format);
        text.insert(text.end(), paragraph.text.begin(), paragraph.text.end());
        text.push_back(0);
    }
    // The EndMarker: StyleByte 0, FormatByte 0, empty text.
    text.insert(text.end(), kDecodedTailBytes, kEndMarker);
    return text;
}

bool CompileBook(const BookSource& source, const CompileOptions& options,
                 std::vector<BookResource>* resources, Diagnostic* error) {
    resources->clear();
    std::vector<const SourceFile*> files;
    if (!NumberLessonFiles(source, options, &files, error)) return false;
    const int count = static_cast<int>(files.size()) - 1;

    BookHeader header;
    if (!ParseBookHeader(source.book, &header, error)) return false;
    if (header.closingSectionLine && header.closingSection.size() != kClosingSectionTitleLength) {
        *error = {source.book.path, header.closingSectionLine,
                  "the closing-section title has " + std::to_string(header.closingSection.size()) +
                      " characters; it takes " + std::to_string(kClosingSectionTitleLength)};
        return false;
    }
    if (count >= kFirstClosingLesson && !header.closingSectionLine) {
        *error = {source.book.path, 0, "missing @closing-section"};
        return false;
    }

    std::vector<std::string> titles(static_cast<size_t>(count));
    for (int n = kFirstLesson; n <= count; ++n) {
        const SourceFile& file = *files[n];
        LessonSource lesson;
        if (!ParseLessonSource(file, &lesson, error) ||
            !CheckLessonPlace(file, n, lesson, &titles[n - 1], error) ||
            !CheckLessonText(file, lesson, error))
            return false;
        const uint16_t record = LessonRecordNumber(n);
        if (!AddResource(LessonText(lesson), static_cast<uint16_t>(kLessonResourceBase + n), record,
                         record, file.path, resources, error))
            return false;
    }

    std::vector<uint8_t> index = BuildIndexText(titles, header.closingSection);
    if (index.size() > kMaxTextLength) {
        *error = {source.book.path, 0, "the index passes 65,535 bytes"};
        return false;
    }
    return AddResource(std::move(index), kIndexResourceId, kIndexRecordStart, kIndexRecordEnd,
                       source.book.path, resources, error);
}
