// The line grammar of lesson files and book.txt. Comments ('#') may stand
// anywhere; header lines ('@') come before the first paragraph; a blank line
// ends a paragraph; a paragraph's first line may be a tag line ("::").
#include "tools/bookc/lesson_source.h"

#include <charconv>
#include <string_view>

#include "calendar/dated_lessons.h"
#include "tools/bookc/book_text.h"

namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kTagPrefix = "::";

// Splits a file into lines, without their "\n" or "\r\n".
std::vector<std::string_view> SplitLines(std::string_view text) {
    if (text.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark)
        text.remove_prefix(kUtf8ByteOrderMark.size());
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

// The value of a header line "@name VALUE"; false when the line is not one.
bool HeaderValue(std::string_view line, std::string_view name, std::string_view* value) {
    if (line.substr(0, name.size()) != name) return false;
    std::string_view rest = line.substr(name.size());
    if (!rest.empty() && rest.front() != ' ') return false;
    *value = rest.empty() ? rest : rest.substr(1);
    return true;
}

// Converts a title and checks it like one line of text.
bool ReadTitle(std::string_view value, std::string* title, std::string* message) {
    title->clear();
    if (value.empty()) {
        *message = "an empty title";
        return false;
    }
    return AppendBookText(value, title, message) && CheckSpacing(*title, false, message);
}

// "MONTH DAY", with the month spelled as the book spells it.
bool ReadDate(std::string_view value, int* month, int* day, std::string* message) {
    const size_t space = value.rfind(' ');
    const std::string_view monthName = space == std::string_view::npos ? value : value.substr(0, space);
    const std::string_view dayText = space == std::string_view::npos ? "" : value.substr(space + 1);
    auto [end, fault] = std::from_chars(dayText.data(), dayText.data() + dayText.size(), *day);
    if (dayText.empty() || fault != std::errc() || end != dayText.data() + dayText.size() || *day < 1 ||
        *day > 30) {
        *message = "malformed @date '" + std::string(value) + "' (@date MONTH DAY)";
        return false;
    }
    for (int m = 1; m < static_cast<int>(std::size(kBookMonthNames)); ++m)
        if (monthName == kBookMonthNames[m]) {
            *month = m;
            return true;
        }
    *message = "unknown month '" + std::string(monthName) + "' in @date";
    return false;
}

}  // namespace

bool ParseLessonSource(const SourceFile& file, LessonSource* lesson, Diagnostic* error) {
    *lesson = LessonSource{};
    int lineNumber = 0;
    const auto fail = [&](std::string message) {
        *error = Diagnostic{file.path, lineNumber, std::move(message)};
        return false;
    };
    bool inParagraph = false;
    bool hasTextLine = false;
    std::string message;
    for (std::string_view line : SplitLines(file.text)) {
        ++lineNumber;
        if (!line.empty() && line.front() == '#') continue;
        if (line.empty()) {
            inParagraph = false;
            continue;
        }
        if (line.front() == '@') {
            if (!lesson->paragraphs.empty()) return fail("a header line after the first paragraph");
            std::string_view value;
            if (HeaderValue(line, "@title", &value)) {
                if (lesson->titleLine) return fail("a second @title");
                if (!ReadTitle(value, &lesson->title, &message)) return fail("@title: " + message);
                lesson->titleLine = lineNumber;
            } else if (HeaderValue(line, "@date", &value)) {
                if (lesson->dateLine) return fail("a second @date");
                if (!ReadDate(value, &lesson->month, &lesson->day, &message)) return fail(message);
                lesson->dateLine = lineNumber;
            } else {
                return fail("unknown header line '" + std::string(line) + "'");
            }
            continue;
        }
        if (line.substr(0, kTagPrefix.size()) == kTagPrefix) {
            if (inParagraph) return fail("a tag line inside a paragraph (a blank line must come before it)");
            SourceParagraph paragraph{kBodyForm, "", lineNumber};
            if (!ApplyTagWords(line.substr(kTagPrefix.size()), &paragraph.form, &message)) return fail(message);
            if (paragraph.form.continues) paragraph.text.assign(1, ' ');
            lesson->paragraphs.push_back(std::move(paragraph));
            inParagraph = true;
            hasTextLine = false;
            continue;
        }
        if (!inParagraph) {
            lesson->paragraphs.push_back(SourceParagraph{kBodyForm, "", lineNumber});
            inParagraph = true;
            hasTextLine = false;
        }
        SourceParagraph& paragraph = lesson->paragraphs.back();
        if (IsRule(paragraph.form.style)) return fail("a rule has no text");
        std::string bytes;
        if (!AppendBookText(line, &bytes, &message)) return fail(message);
        if (!CheckSpacing(bytes, false, &message)) {
            if (bytes.front() == ' ')
                return fail(hasTextLine ? "two spaces in a row (the line begins with a space)"
                                        : "the paragraph begins with a space (a continuation is tagged "
                                          "':: hang continue')");
            return fail(message);
        }
        if (hasTextLine) paragraph.text += ' ';
        paragraph.text += bytes;
        hasTextLine = true;
    }
    // A continuation tag with no text would leave the paragraph one space.
    for (const SourceParagraph& paragraph : lesson->paragraphs)
        if (paragraph.form.continues && paragraph.text == " ") {
            lineNumber = paragraph.line;
            return fail("trailing space (a continuation without text)");
        }
    return true;
}

bool ParseBookHeader(const SourceFile& file, BookHeader* header, Diagnostic* error) {
    *header = BookHeader{};
    int lineNumber = 0;
    const auto fail = [&](std::string message) {
        *error = Diagnostic{file.path, lineNumber, std::move(message)};
        return false;
    };
    std::string message;
    for (std::string_view line : SplitLines(file.text)) {
        ++lineNumber;
        if (line.empty() || line.front() == '#') continue;
        std::string_view value;
        if (!HeaderValue(line, "@closing-section", &value))
            return fail("malformed line '" + std::string(line) + "' (book.txt holds @closing-section TITLE)");
        if (header->closingSectionLine) return fail("a second @closing-section");
        if (!ReadTitle(value, &header->closingSection, &message)) return fail("@closing-section: " + message);
        header->closingSectionLine = lineNumber;
    }
    return true;
}
