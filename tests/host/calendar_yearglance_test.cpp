// The year at a glance: what the calendar marks on a day (with the moves of
// fasts and the shapes of other years), the list's layout, and that the book's
// lesson 3 holds the list exactly as the calendar gives it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "calendar/dated_lessons.h"
#include "calendar/hebrew_calendar.h"
#include "calendar/year_glance.h"

namespace {

using Marks = std::vector<std::string>;

struct MarkCase {
    int month, day, year;  // civil date
    Marks marks;
};

void ExpectMarks(const std::vector<MarkCase>& cases) {
    for (const MarkCase& c : cases)
        EXPECT_EQ(CalendarMarks(DayFromGregorian(c.month, c.day, c.year)), c.marks)
            << c.year << "-" << c.month << "-" << c.day;
}

TEST(CalendarMarks, TheBooksYear) {
    ExpectMarks({
        {9, 19, 2009, {"Rosh Hashanah, first day"}},
        {9, 22, 2009, {}},
        {9, 26, 2009, {"Shabbat Shuvah"}},
        {10, 18, 2009, {"Rosh Chodesh Cheshvan, first day"}},
        {10, 19, 2009, {"Rosh Chodesh Cheshvan, second day"}},
        {12, 17, 2009, {"Rosh Chodesh Teves, first day", "Chanukah, sixth day"}},
        {12, 19, 2009, {"Chanukah, eighth day"}},
        {12, 20, 2009, {}},
        {1, 16, 2010, {"Rosh Chodesh Sh'vat"}},
        {2, 13, 2010, {"Shabbat Shekalim", "Shabbat Mevarchim Adar"}},
        {2, 25, 2010, {"Fast of Esther, brought forward from Shabbat"}},
        {2, 27, 2010, {"Shabbat Zachor"}},
        {2, 28, 2010, {"Purim"}},
        {3, 6, 2010, {"Shabbat Parah"}},
        {3, 13, 2010, {"Shabbat HaChodesh", "Shabbat Mevarchim Nissan"}},
        {3, 27, 2010, {"Shabbat HaGadol"}},
        {3, 29, 2010, {"Erev Pesach", "Fast of the Firstborn"}},
        {3, 31, 2010, {"Pesach, second day", "Omer day 1"}},
        {4, 7, 2010, {"Isru Chag", "Omer day 8, one week and one day"}},
        {5, 2, 2010, {"Lag BaOmer", "Omer day 33, four weeks and five days"}},
        {5, 18, 2010, {"Erev Shavuot", "Omer day 49, seven weeks"}},
        {5, 19, 2010, {"Shavuot, first day"}},
        {6, 5, 2010, {"Shabbat Mevarchim Tammuz"}},
        // Sivan 30 is a Shabbat: the month was blessed the week before.
        {6, 12, 2010, {"Rosh Chodesh Tammuz, first day"}},
        {6, 29, 2010, {"Fast of the Seventeenth of Tammuz"}},
        {7, 17, 2010, {"Shabbat Chazon"}},
        {7, 19, 2010, {"Erev Tisha B'Av"}},
        {7, 20, 2010, {"Tisha B'Av"}},
        {7, 24, 2010, {"Shabbat Nachamu"}},
        {9, 4, 2010, {}},  // no blessing of Tishrei
        {9, 8, 2010, {"Erev Rosh Hashanah"}},
    });
}

TEST(CalendarMarks, FastsLeaveShabbat) {
    ExpectMarks({
        // 5771: Tishrei 3 is a Shabbat.
        {9, 11, 2010, {"Shabbat Shuvah"}},
        {9, 12, 2010, {"Fast of Gedaliah, postponed from Shabbat"}},
        // 5772: Tammuz 17 and Av 9 are Shabbatot.
        {7, 7, 2012, {}},
        {7, 8, 2012, {"Fast of the Seventeenth of Tammuz, postponed from Shabbat"}},
        {7, 28, 2012, {"Erev Tisha B'Av", "Shabbat Chazon"}},
        {7, 29, 2012, {"Tisha B'Av, postponed from Shabbat"}},
        {8, 4, 2012, {"Shabbat Nachamu"}},
        // 5768: Nissan 14 is a Shabbat.
        {4, 17, 2008, {"Fast of the Firstborn, brought forward from Shabbat"}},
        {4, 19, 2008, {"Erev Pesach", "Shabbat HaGadol"}},
    });
}

TEST(CalendarMarks, LeapAndShortYears) {
    ExpectMarks({
        // 5771 is a leap year: Purim and its Shabbatot belong to Adar II.
        {2, 18, 2011, {"Purim Katan"}},
        {3, 5, 2011, {"Shabbat Shekalim", "Shabbat Mevarchim Adar II"}},
        {3, 6, 2011, {"Rosh Chodesh Adar II, first day"}},
        {3, 7, 2011, {"Rosh Chodesh Adar II, second day"}},
        {3, 17, 2011, {"Fast of Esther, brought forward from Shabbat"}},
        {3, 20, 2011, {"Purim"}},
        // 5773 has a short Kislev: Chanukah runs to Teves 3.
        {12, 14, 2012, {"Rosh Chodesh Teves", "Chanukah, sixth day"}},
        {12, 16, 2012, {"Chanukah, eighth day"}},
    });
    EXPECT_EQ(HebrewMonthName(kAdar, 5771), "Adar I");
    EXPECT_EQ(HebrewMonthName(kAdar, 5770), "Adar");
}

TEST(YearGlance, DayLines) {
    EXPECT_EQ(YearGlanceDayLine(DayFromGregorian(9, 19, 2009)),
              "Shabbat, Tishrei 1, 5770 \xC2\xB7 September 19, 2009 \xC2\xB7 "
              "Rosh Hashanah, first day");
    EXPECT_EQ(YearGlanceDayLine(DayFromGregorian(9, 22, 2009)),
              "Tuesday, Tishrei 4, 5770 \xC2\xB7 September 22, 2009");
    EXPECT_EQ(YearGlanceDayLine(DayFromGregorian(12, 18, 2009)),
              "Friday, Teves 1, 5770 \xC2\xB7 December 18, 2009 \xC2\xB7 "
              "Rosh Chodesh Teves, second day; Chanukah, seventh day");
}

size_t Count(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

// Every day once, in order, under one heading per month; a month's last day
// is spaced, the rest tight.
TEST(YearGlance, ListHoldsEveryDayOfTheYearByMonth) {
    for (int32_t year : {5770, 5771, 5773}) {
        SCOPED_TRACE(year);
        const std::string list = YearGlanceList(year);
        const int32_t months = HebrewMonthsInYear(year);
        EXPECT_EQ(Count(list, ":: heading\n"), static_cast<size_t>(months));
        EXPECT_EQ(Count(list, ":: left\n"), static_cast<size_t>(months));
        EXPECT_EQ(Count(list, ":: left tight\n") + months,
                  static_cast<size_t>(HebrewYearLength(year)));
        EXPECT_EQ(list.rfind(":: heading\nTishrei " + std::to_string(year) + "\n", 0), 0u);
        size_t at = 0;
        for (int32_t day = DayFromHebrew(kTishrei, 1, year);
             day < DayFromHebrew(kTishrei, 1, year + 1); ++day) {
            at = list.find("\n" + YearGlanceDayLine(day) + "\n", at);
            ASSERT_NE(at, std::string::npos) << day;
        }
        EXPECT_EQ(list.back(), '\n');
        EXPECT_EQ(list.find("\n\n\n"), std::string::npos);
    }
}

std::string ReadBookLesson(const char* name) {
    const std::filesystem::path path =
        std::filesystem::path(__FILE__).parent_path() / "../../resources/book/lessons" / name;
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Decodes UTF-8 into code points; a malformed sequence becomes 0xFFFD.
std::vector<char32_t> CodePoints(const std::string& text) {
    std::vector<char32_t> out;
    for (size_t i = 0; i < text.size();) {
        const unsigned char c = text[i];
        if (c < 0x80) {
            out.push_back(c);
            ++i;
        } else if ((c & 0xE0) == 0xC0 && i + 1 < text.size() && (text[i + 1] & 0xC0) == 0x80) {
            out.push_back(static_cast<char32_t>(((c & 0x1F) << 6) | (text[i + 1] & 0x3F)));
            i += 2;
        } else {
            out.push_back(0xFFFD);
            ++i;
        }
    }
    return out;
}

// The committed lesson ends with the list as the calendar gives it now; if
// this fails, run yearglance on the lesson file to bring it up to date.
TEST(YearGlance, LessonThreeHoldsTheListUnchanged) {
    const std::string lesson = ReadBookLesson("lesson-003.txt");
    ASSERT_FALSE(lesson.empty());
    const std::string list = YearGlanceList(kBookYear);
    ASSERT_GE(lesson.size(), list.size());
    EXPECT_TRUE(lesson.compare(lesson.size() - list.size(), list.size(), list) == 0);
    EXPECT_EQ(lesson.rfind("@title The Year at a Glance\n", 0), 0u);
}

// Latin-1 text only, no doubled or trailing spaces, and over 25,000 bytes of
// paragraph text once stored (one byte a character, three bytes of framing
// a paragraph; tag and header lines are not stored as text).
TEST(YearGlance, LessonThreeKeepsTheBooksTextRules) {
    const std::vector<char32_t> text = CodePoints(ReadBookLesson("lesson-003.txt"));
    size_t stored = 3, lineStart = 0;
    bool inParagraph = false;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != U'\n') {
            const char32_t c = text[i];
            EXPECT_TRUE((c >= 0x20 && c <= 0x7E) || (c >= 0xA0 && c <= 0xFF)) << "at " << i;
            if (c == U' ') {
                EXPECT_FALSE(i + 1 < text.size() && text[i + 1] == U' ') << "at " << i;
            }
            continue;
        }
        const size_t length = i - lineStart;
        if (length > 0) {
            EXPECT_NE(text[i - 1], U' ') << "line ending at " << i;
        }
        const char32_t first = length > 0 ? text[lineStart] : 0;
        const bool tagOrHeader = first == U'@' || first == U'#' ||
                                 (length >= 2 && first == U':' && text[lineStart + 1] == U':');
        if (length == 0) {
            inParagraph = false;
        } else if (!tagOrHeader) {
            stored += length + (inParagraph ? 1 : 3);  // joining space, or framing
            inParagraph = true;
        }
        lineStart = i + 1;
    }
    EXPECT_GT(stored, 25000u);
}

}  // namespace
