// Decoding resources into lesson files and book.txt. Paragraph texts are
// wrapped at word boundaries, which is lossless because the source joins a
// paragraph's lines with single spaces and the text never holds two.
#include "tools/bookc/book_dump.h"

#include <cstdio>
#include <map>

#include "calendar/dated_lessons.h"
#include "content/lesson_number.h"
#include "content/lesson_resource.h"
#include "content/paragraph.h"
#include "platform/heap.h"
#include "tools/bookc/book_index.h"
#include "tools/bookc/book_text.h"
#include "tools/bookc/tag_words.h"

namespace {

constexpr size_t kWrapColumn = 78;

std::string LessonPath(int n) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "lessons/lesson-%03d.txt", n);
    return buffer;
}

// A line must not begin with what the source form reads as markup.
bool LooksLikeMarkup(std::string_view text) {
    return !text.empty() && (text.front() == '#' || text.front() == '@' || text.substr(0, 2) == "::");
}

// Appends `text` (book bytes, no double, leading or trailing spaces) as
// lines of at most kWrapColumn characters where the words allow, never
// starting a line with a word that reads as markup.
bool AppendWrapped(std::string_view text, std::string* out, std::string* message) {
    std::string line;
    while (!text.empty()) {
        const size_t space = text.find(' ');
        const std::string_view word = text.substr(0, space);
        text.remove_prefix(space == std::string_view::npos ? text.size() : space + 1);
        if (!line.empty() && line.size() + 1 + word.size() > kWrapColumn && !LooksLikeMarkup(word)) {
            if (!BookTextToUtf8(line, out, message)) return false;
            *out += '\n';
            line.clear();
        }
        if (!line.empty()) line += ' ';
        line += word;
    }
    if (!BookTextToUtf8(line, out, message)) return false;
    *out += '\n';
    return true;
}

bool DumpLesson(int n, const std::vector<uint8_t>& text, const std::string& title, std::string* out,
                std::string* message) {
    const std::string where = "lesson " + std::to_string(n);
    const HebrewMonthDay date = DatedLessonDate(n);
    if (date.month != 0) {
        if (title != DatedLessonTitle(n)) {
            *message = where + ": its index title is not its date, " + DatedLessonTitle(n);
            return false;
        }
        *out += "@date " + std::string(kBookMonthNames[date.month]) + " " + std::to_string(date.day) + "\n";
    } else {
        if (title.empty()) {
            *message = where + ": the index has no entry for it";
            return false;
        }
        *out += "@title ";
        if (!BookTextToUtf8(title, out, message)) return false;
        *out += '\n';
    }

    const char* lesson = reinterpret_cast<const char*>(text.data());
    size_t cursor = 0;
    Paragraph paragraph;
    for (int k = 1; NextParagraph(lesson, text.size(), &cursor, &paragraph); ++k) {
        const std::string at = where + ", paragraph " + std::to_string(k) + ": ";
        std::string_view body(paragraph.text, paragraph.textLength);
        const bool continues = !body.empty() && body.front() == ' ';
        if (continues) body.remove_prefix(1);
        if (IsRule(paragraph.style) && !body.empty()) {
            *message = at + "a rule with text";
            return false;
        }
        if (continues && body.empty()) {
            *message = at + "a continuation without text";
            return false;
        }
        if (!CheckSpacing(body, false, message) || LooksLikeMarkup(body)) {
            *message = at + (LooksLikeMarkup(body) ? "the text would read as markup" : *message);
            return false;
        }
        *out += '\n';
        const std::string words =
            TagWordsFor(ParagraphForm{paragraph.style, paragraph.format, continues}, k == 1, !body.empty());
        if (!words.empty()) *out += ":: " + words + "\n";
        if (!body.empty() && !AppendWrapped(body, out, message)) {
            *message = at + *message;
            return false;
        }
    }
    // Only the EndMarker's three zero bytes may follow the last paragraph.
    if (cursor + kDecodedTailBytes != text.size() || text[cursor] != 0 || text[cursor + 1] != 0 ||
        text[cursor + 2] != 0) {
        *message = where + ": its text does not end with the end marker alone";
        return false;
    }
    return true;
}

}  // namespace

bool DecodeResource(const std::vector<uint8_t>& resource, std::vector<uint8_t>* text,
                    std::string* message) {
    if (resource.size() < kResourceHeaderBytes + kPayloadMinBytes) {
        *message = "shorter than a resource's header";
        return false;
    }
    uint32_t payloadLength = ReadWordBE(resource.data());
    const auto available = static_cast<uint32_t>(resource.size() - kResourceHeaderBytes);
    if (payloadLength > available) payloadLength = available;
    int code = 0;
    char* decoded = UnpackLessonResource(resource.data() + kResourceHeaderBytes, payloadLength, &code);
    if (!decoded) {
        *message = "cannot be decoded (code " + std::to_string(code) + ")";
        return false;
    }
    const size_t length = ReadWordBE(resource.data() + kResourceHeaderBytes + kTextLengthAt);
    text->assign(decoded, decoded + length);
    HeapBlockFree(decoded);
    return true;
}

bool DumpBook(const std::vector<BookResource>& resources, const CompileOptions& options,
              BookSource* source, std::string* message) {
    std::map<int, const std::vector<uint8_t>*> byId;
    for (const BookResource& r : resources) byId[r.id] = &r.bytes;

    int count = kLessonCount;
    if (options.partialBook)
        for (count = 0; byId.count(kLessonResourceBase + count + 1); ++count) {
        }
    for (int n = kFirstLesson; n <= count; ++n)
        if (!byId.count(kLessonResourceBase + n)) {
            *message = "resource " + std::to_string(kLessonResourceBase + n) + " (lesson " +
                       std::to_string(n) + ") is missing";
            return false;
        }
    if (!byId.count(kIndexResourceId) || count == 0) {
        *message = count == 0 ? "no lesson resources" : "the index resource 32767 is missing";
        return false;
    }

    std::vector<uint8_t> indexText;
    IndexContents index;
    if (!DecodeResource(*byId[kIndexResourceId], &indexText, message) ||
        !ReadIndexText(indexText.data(), indexText.size(), &index, message)) {
        *message = "index: " + *message;
        return false;
    }

    *source = BookSource{{"book.txt", ""}, "lessons", {}};
    if (!index.closingSection.empty()) {
        source->book.text = "@closing-section ";
        if (!BookTextToUtf8(index.closingSection, &source->book.text, message)) return false;
        source->book.text += '\n';
    }
    for (int n = kFirstLesson; n <= count; ++n) {
        std::vector<uint8_t> text;
        SourceFile file{LessonPath(n), ""};
        if (!DecodeResource(*byId[kLessonResourceBase + n], &text, message)) {
            *message = "lesson " + std::to_string(n) + ": " + *message;
            return false;
        }
        if (!DumpLesson(n, text, index.titles[n - 1], &file.text, message)) return false;
        source->lessons.push_back(std::move(file));
    }
    return true;
}
