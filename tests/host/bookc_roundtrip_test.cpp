// Build, dump, build: the dump writes a source that compiles to the very
// same resources, for a fixture using every form and for the built book.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "content/lesson_number.h"
#include "platform/win.h"
#include "tests/bookc/fixture_book.h"
#include "tools/bookc/book_compile.h"
#include "tools/bookc/book_dump.h"
#include "tools/bookc/lesson_source.h"
#include "tools/bookc/resource_form.h"

namespace {

// Dumps `resources`, compiles the dump, and expects the same bytes back.
void ExpectRoundTrip(const std::vector<BookResource>& resources, const CompileOptions& options) {
    BookSource dumped;
    std::string message;
    ASSERT_TRUE(DumpBook(resources, options, &dumped, &message)) << message;
    std::vector<BookResource> rebuilt;
    Diagnostic error;
    ASSERT_TRUE(CompileBook(dumped, options, &rebuilt, &error)) << FormatDiagnostic(error);
    ASSERT_EQ(rebuilt.size(), resources.size());
    for (size_t i = 0; i < resources.size(); ++i) {
        EXPECT_EQ(rebuilt[i].id, resources[i].id);
        EXPECT_TRUE(rebuilt[i].bytes == resources[i].bytes) << "resource " << resources[i].id;
    }
}

TEST(BookcRoundTrip, EveryFormOfTheSourceComesBack) {
    BookSource book = FixtureBook(139);
    book.lessons[0].text =
        "@title Opening\n\n:: rule\n\n:: heading\nA Heading\n\nA paragraph long enough to be wrapped "
        "by the dump at a word boundary, carrying on well past a single line of text, with #1 and "
        "@home and ::colons inside it that must never start a line of their own, because such a "
        "line would read as markup.\n\n:: center tight\nCentred \u00B7 \u00A9 \u00BC \u00E9\n\n"
        ":: hang\n1. Hanging\n\n:: hang continue\nand continuing.\n\n:: style=0x81\n\n"
        ":: rule style=0xE7 len=3\n\n:: left60 indent=7 hang=2 mark small\nOdd.\n\n"
        ":: signature spaced\nSigned\n\n:: signature\nSigned tight\n";
    book.lessons[1].text = "@title Rule First\n\n:: rule len=0\n\n" + std::string(3000, 'w') + "\n";
    std::vector<BookResource> resources;
    Diagnostic error;
    ASSERT_TRUE(CompileBook(book, CompileOptions{false}, &resources, &error)) << FormatDiagnostic(error);
    ExpectRoundTrip(resources, CompileOptions{false});

    std::vector<BookResource> partial;
    ASSERT_TRUE(CompileBook(FixtureBook(7), CompileOptions{true}, &partial, &error));
    ExpectRoundTrip(partial, CompileOptions{true});
}

TEST(BookcRoundTrip, RefusesTextTheSourceFormCannotHold) {
    const std::pair<std::string, std::string> texts[] = {
        {"#hashtag", "lesson 1, paragraph 2: the text would read as markup"},
        {"::x", "lesson 1, paragraph 2: the text would read as markup"},
        {"two  spaces", "lesson 1, paragraph 2: two spaces in a row"},
        {"a\x91quote", "lesson 1, paragraph 2: byte 0x91 is not a book character"},
    };
    for (const auto& [text, expected] : texts) {
        BookSource book = FixtureBook(4);
        std::vector<BookResource> resources;
        Diagnostic error;
        ASSERT_TRUE(CompileBook(book, CompileOptions{true}, &resources, &error));
        // Rebuild lesson 1 around a text no source file can give.
        LessonSource lesson;
        ASSERT_TRUE(ParseLessonSource({"x", "@title Lesson 1\n\nFirst.\n\nplaceholder\n"}, &lesson, &error));
        lesson.paragraphs[1].text = text;
        std::vector<uint8_t> bytes = LessonText(lesson);
        ASSERT_TRUE(MakeLessonResource(bytes, LessonRecordNumber(1), LessonRecordNumber(1), &resources[0].bytes));
        BookSource dumped;
        std::string message;
        EXPECT_FALSE(DumpBook(resources, CompileOptions{true}, &dumped, &message));
        EXPECT_EQ(message, expected);
    }
}

#ifdef MORAVEL_HAVE_BOOK
TEST(BookcRoundTrip, TheBuiltBookComesBack) {
    HostLoadBookResources();
    std::vector<BookResource> resources;
    for (int id = kLessonResourceBase + kFirstLesson; id <= kLessonResourceBase + kLastLesson + 1; ++id) {
        const int resourceId = id > kLessonResourceBase + kLastLesson ? kIndexResourceId : id;
        HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(resourceId), RT_RCDATA);
        ASSERT_NE(found, nullptr) << resourceId;
        const auto* bytes = static_cast<const uint8_t*>(LockResource(LoadResource(nullptr, found)));
        resources.push_back({static_cast<uint16_t>(resourceId),
                             std::vector<uint8_t>(bytes, bytes + SizeofResource(nullptr, found))});
    }
    ExpectRoundTrip(resources, CompileOptions{false});
}
#endif

}  // namespace
