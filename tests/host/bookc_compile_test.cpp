// The book compiler's checks: each fault stops it with "file:line: message",
// and the tag lines, joins and characters it accepts give the right bytes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/bookc/fixture_book.h"
#include "tools/bookc/book_compile.h"
#include "tools/bookc/lesson_source.h"

namespace {

constexpr CompileOptions kPartial{true};
constexpr CompileOptions kWholeBook{false};

std::string CompileError(const BookSource& book, const CompileOptions& options) {
    std::vector<BookResource> resources;
    Diagnostic error{"", -1, ""};
    if (CompileBook(book, options, &resources, &error)) return "<compiled>";
    return FormatDiagnostic(error);
}

struct LessonFault {
    int lesson;        // the fixture's lesson replaced by `text`
    std::string text;
    std::string expected;
};

TEST(BookcCompile, TheFixtureCompiles) {
    EXPECT_EQ(CompileError(FixtureBook(6), kPartial), "<compiled>");
    EXPECT_EQ(CompileError(FixtureBook(139), kWholeBook), "<compiled>");
}

TEST(BookcCompile, RefusesAFaultyLessonAtItsLine) {
    const std::string p5 = "book/lessons/lesson-005.txt:";
    const std::string p1 = "book/lessons/lesson-001.txt:";
    const std::string longText(70000, 'x');
    std::string latin1Noise;  // 60,000 Latin-1 letters that do not compress
    for (unsigned i = 0, x = 1; i < 60000; ++i) {
        x = x * 1103515245u + 12345u;
        const unsigned c = 0xC0 + (x >> 16) % 64;
        latin1Noise += static_cast<char>(0xC0 | (c >> 6));
        latin1Noise += static_cast<char>(0x80 | (c & 0x3F));
    }
    const LessonFault cases[] = {
        // Dates and titles against the book's table.
        {5, "@date Tishrei 2\n\nText.\n",
         p5 + "1: @date Tishrei 2 does not match the book's table: lesson 5 is Tishrei 3"},
        {5, "\nText.\n", p5 + "0: missing @date (lesson 5 is Tishrei 3)"},
        {5, "@date Tishrei 3\n@title Tishrei 3\n\nText.\n",
         p5 + "2: the @title of a dated lesson is its date, 'Tishrei 3, 5770'"},
        {5, "@date Tishri 3\n\nText.\n", p5 + "1: unknown month 'Tishri' in @date"},
        {5, "@date Tishrei\n\nText.\n", p5 + "1: malformed @date 'Tishrei' (@date MONTH DAY)"},
        {1, "@title A\n@date Tishrei 1\n\nText.\n", p1 + "2: @date belongs to lessons 4 to 135 only"},
        {1, "\nText.\n", p1 + "0: missing @title (lessons 1 to 3 and 136 to 139 need one)"},
        {1, "@title A\n@title B\n\nText.\n", p1 + "2: a second @title"},
        {1, "@title\n\nText.\n", p1 + "1: @title: an empty title"},
        // The lesson's text as a whole.
        {1, "@title A\n\n:: heading\n\nText.\n", p1 + "3: the first paragraph is empty"},
        {1, "@title A\n# nothing else\n", p1 + "0: the lesson has no paragraphs"},
        {1, "@title A\n\nShort.\n\n" + longText + "\n", p1 + "5: the lesson's text passes 65,535 bytes"},
        {1, "@title A\n\n" + latin1Noise + "\n",
         p1 + "0: the text compresses to more than the 65,527 bytes a resource holds"},
        // Spacing.
        {1, "@title A\n\nText. \n", p1 + "3: trailing space"},
        {1, "@title A\n\nText  text.\n", p1 + "3: two spaces in a row"},
        {1, "@title A\n\nText ends\nwith space \nhere.\n", p1 + "4: trailing space"},
        {1, "@title A\n\nText\n indented.\n", p1 + "4: two spaces in a row (the line begins with a space)"},
        {1, "@title A\n\n Indented.\n",
         p1 + "3: the paragraph begins with a space (a continuation is tagged ':: hang continue')"},
        {1, "@title A  B\n\nText.\n", p1 + "1: @title: two spaces in a row"},
        {1, "@title A\n\nText.\n\n:: hang continue\n", p1 + "5: trailing space (a continuation without text)"},
        // Characters.
        {1, "@title A\n\nIt\u2019s.\n",
         p1 + "3: character U+2019 is not in the book's set (ASCII and Latin-1 letters and signs); "
              "write ' instead"},
        {1, "@title A\n\nA\tB.\n",
         p1 + "3: character U+0009 is not in the book's set (ASCII and Latin-1 letters and signs); "
              "write a space instead"},
        {1, "@title A\n\nA\u0091B.\n",
         p1 + "3: character U+0091 is not in the book's set (ASCII and Latin-1 letters and signs)"},
        {1, "@title A\n\nA\u05D0B.\n",
         p1 + "3: character U+05D0 is not in the book's set (ASCII and Latin-1 letters and signs)"},
        {1, "@title A\n\nA\xC3(B.\n", p1 + "3: malformed UTF-8"},
        {1, "@title A\n\nA\xC0\xA0.\n", p1 + "3: malformed UTF-8"},  // an overlong space
        {1, "@title \xE2\x80\x9C" "A\xE2\x80\x9D\n\nText.\n",
         p1 + "1: @title: character U+201C is not in the book's set (ASCII and Latin-1 letters and "
              "signs); write \" instead"},
        // Markup lines.
        {1, "@title A\n\n:: centre\nText.\n", p1 + "3: unknown tag word 'centre'"},
        {1, "@title A\n\n::\nText.\n", p1 + "3: a tag line without words"},
        {1, "@title A\n\nText.\n:: center\nMore.\n",
         p1 + "4: a tag line inside a paragraph (a blank line must come before it)"},
        {1, "@title A\n\nText.\n\n@title B\n", p1 + "5: a header line after the first paragraph"},
        {1, "@title A\n@author B\n\nText.\n", p1 + "2: unknown header line '@author B'"},
        {1, "@title A\n\n:: hang=4\nText.\n", p1 + "3: malformed tag word 'hang=4' (hang=1 to 3)"},
        {1, "@title A\n\n:: indent=64\nText.\n", p1 + "3: malformed tag word 'indent=64' (indent=0 to 63)"},
        {1, "@title A\n\n:: len=5\nText.\n",
         p1 + "3: 'len=5' gives a rule's length; the paragraph is not a rule"},
        {1, "@title A\n\n:: rule len=256\n", p1 + "3: malformed tag word 'len=256' (len=0 to 255)"},
        {1, "@title A\n\n:: style=0x00\nText.\n",
         p1 + "3: malformed tag word 'style=0x00' (style=0x01 to 0xFF)"},
        {1, "@title A\n\n:: style=81\nText.\n", p1 + "3: malformed tag word 'style=81' (style=0x01 to 0xFF)"},
        {1, "@title A\n\n:: style=0x01 noplain\nText.\n",
         p1 + "3: the tags leave the StyleByte 0, which ends a lesson"},
        {1, "@title A\n\n:: rule\nText.\n", p1 + "4: a rule has no text"},
    };
    for (const LessonFault& c : cases) {
        SCOPED_TRACE(c.expected);
        BookSource book = FixtureBook(5);
        book.lessons[c.lesson - 1].text = c.text;
        EXPECT_EQ(CompileError(book, kPartial), c.expected);
    }
}

TEST(BookcCompile, RefusesMissingExtraAndMisnamedLessonFiles) {
    BookSource gap = FixtureBook(5);
    gap.lessons.erase(gap.lessons.begin() + 2);
    EXPECT_EQ(CompileError(gap, kPartial),
              "book/lessons/lesson-003.txt:0: missing: the book has 5 lessons and 4 lesson files were found");
    EXPECT_EQ(CompileError(FixtureBook(5), kWholeBook),
              "book/lessons/lesson-006.txt:0: missing: the book has 139 lessons and 5 lesson files were found");
    BookSource empty = FixtureBook(0);
    EXPECT_EQ(CompileError(empty, kPartial), "book/lessons:0: no lesson files");

    const std::pair<std::string, std::string> names[] = {
        {"book/lessons/lesson-140.txt", "0: the book has no such lesson (lessons 1 to 139)"},
        {"book/lessons/lesson-000.txt", "0: the book has no such lesson (lessons 1 to 139)"},
        {"book/lessons/lesson-7.txt", "0: not a lesson file name (lesson-001.txt to lesson-139.txt)"},
        {"book/lessons/lesson-00a.txt", "0: not a lesson file name (lesson-001.txt to lesson-139.txt)"},
        {"other/lesson-002.txt", "0: a second file for lesson 2"},
    };
    for (const auto& [path, message] : names) {
        BookSource book = FixtureBook(5);
        book.lessons.push_back({path, FixtureLessonText(2)});
        EXPECT_EQ(CompileError(book, kPartial), path + ":" + message);
    }
}

TEST(BookcCompile, RefusesAFaultyBookFile) {
    const std::pair<std::string, std::string> cases[] = {
        {"# comment\n@closing-section Letters Before Elul\n",
         "book/book.txt:2: the closing-section title has 19 characters; it takes 22"},
        {"@closing-section Letters Before Tishrei\n@closing-section Letters Before Tishrei\n",
         "book/book.txt:2: a second @closing-section"},
        {"closing Letters\n", "book/book.txt:1: malformed line 'closing Letters' (book.txt holds "
                              "@closing-section TITLE)"},
        {"@closing-section Letters  Before Tishrei\n", "book/book.txt:1: @closing-section: two spaces in a row"},
        {"# no title\n", "book/book.txt:0: missing @closing-section"},
    };
    for (const auto& [text, expected] : cases) {
        BookSource book = FixtureBook(139);
        book.book.text = text;
        EXPECT_EQ(CompileError(book, kWholeBook), expected);
    }
    // A book that ends before the closing letters needs no closing section.
    BookSource shortBook = FixtureBook(5);
    shortBook.book.text = "";
    EXPECT_EQ(CompileError(shortBook, kPartial), "<compiled>");
}

struct FormCase {
    std::string source;  // the paragraphs of a lesson
    std::vector<uint8_t> expected;  // their bytes, up to the EndMarker
};

std::vector<uint8_t> Bytes(std::initializer_list<int> values, const std::string& text = "") {
    std::vector<uint8_t> out;
    for (int v : values) out.push_back(static_cast<uint8_t>(v));
    out.insert(out.end(), text.begin(), text.end());
    return out;
}

TEST(BookcCompile, TagLinesJoinsAndCharactersGiveTheirBytes) {
    const std::string latin = "Caf\xE9 \xBC \xB7 \xA9";  // é ¼ · ©
    const FormCase cases[] = {
        {"Body text.", Bytes({0x81, 0}, "Body text.")},
        {"Lines joined\nwith single\nspaces.", Bytes({0x81, 0}, "Lines joined with single spaces.")},
        {"Line one\r\nline two.\r\n", Bytes({0x81, 0}, "Line one line two.")},
        {"Comment\n# not text\ninside.", Bytes({0x81, 0}, "Comment inside.")},
        {"Caf\u00E9 \u00BC \u00B7 \u00A9", Bytes({0x81, 0}, latin)},
        {":: dateline\nD", Bytes({0xC1, 0}, "D")},
        {":: center tight\nC", Bytes({0x41, 0}, "C")},
        {":: heading\nH", Bytes({0xCC, 0}, "H")},
        {":: signature\nS", Bytes({0x29, 0}, "S")},
        {":: signature spaced\nS", Bytes({0xA9, 0}, "S")},
        {":: right\nR", Bytes({0xA1, 0}, "R")},
        {":: left60 tight\nL", Bytes({0x61, 0}, "L")},
        {":: center left\nL", Bytes({0x81, 0}, "L")},
        {":: small bold mark noplain\nX", Bytes({0x9A, 0}, "X")},
        {":: large\nX", Bytes({0x85, 0}, "X")},
        {":: rule", Bytes({0xC7, 172})},
        {":: rule len=5", Bytes({0xC7, 5})},
        {":: rule len=0", Bytes({0xC7, 0})},
        {":: hang\nH", Bytes({0x81, 64}, "H")},
        {":: hang=3 indent=9\nH", Bytes({0x81, 0xC9}, "H")},
        {":: hang continue\nmore", Bytes({0x81, 64}, " more")},
        {":: style=0x12 format=0x34\nX", Bytes({0x12, 0x34}, "X")},
        {":: style=0x12\n", Bytes({0x12, 0})},
        {"::   center    tight\nC", Bytes({0x41, 0}, "C")},
    };
    for (const FormCase& c : cases) {
        SCOPED_TRACE(c.source);
        LessonSource lesson;
        Diagnostic error;
        ASSERT_TRUE(ParseLessonSource({"lesson", "@title T\n\n" + c.source}, &lesson, &error))
            << FormatDiagnostic(error);
        std::vector<uint8_t> expected = c.expected;
        expected.insert(expected.end(), {0, 0, 0, 0});  // its NUL and the EndMarker
        EXPECT_EQ(LessonText(lesson), expected);
    }
}

TEST(BookcCompile, AByteOrderMarkAndACrlfFileReadAsPlainText) {
    LessonSource lesson;
    Diagnostic error;
    ASSERT_TRUE(ParseLessonSource({"lesson", "\xEF\xBB\xBF@title T\r\n\r\nText.\r\n"}, &lesson, &error));
    EXPECT_EQ(lesson.title, "T");
    ASSERT_EQ(lesson.paragraphs.size(), 1u);
    EXPECT_EQ(lesson.paragraphs[0].text, "Text.");
    EXPECT_EQ(lesson.paragraphs[0].line, 3);
}

}  // namespace
