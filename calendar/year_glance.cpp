// The "year at a glance" list: the calendar's marks of each day and the
// list's source text.
#include "calendar/year_glance.h"

#include <array>

#include "calendar/date_names.h"
#include "calendar/dated_lessons.h"
#include "calendar/hebrew_calendar.h"

namespace {

constexpr const char* kMiddleDot = "\xC2\xB7";  // U+00B7 in UTF-8
constexpr const char* kMarkSeparator = "; ";

constexpr int32_t kChanukahDays = 8;
constexpr int32_t kOmerDays = 49;
constexpr int32_t kLagBaOmer = 33;
constexpr int32_t kFirstMevarchimDay = 23;  // a Shabbat on days 23..29 blesses the next month
constexpr int32_t kLastMevarchimDay = 29;

constexpr std::array<const char*, 8> kNumberWords = {"",     "one", "two", "three",
                                                     "four", "five", "six", "seven"};
constexpr std::array<const char*, 9> kOrdinals = {"",      "first", "second",  "third", "fourth",
                                                  "fifth", "sixth", "seventh", "eighth"};

// Named days that keep their date every year (moved fasts are handled apart).
struct FixedDay {
    int32_t month, day;
    const char* name;
};
constexpr FixedDay kFixedDays[] = {
    {kTishrei, 1, "Rosh Hashanah, first day"},
    {kTishrei, 2, "Rosh Hashanah, second day"},
    {kTishrei, 9, "Erev Yom Kippur"},
    {kTishrei, 10, "Yom Kippur"},
    {kTishrei, 14, "Erev Sukkot"},
    {kTishrei, 15, "Sukkot, first day"},
    {kTishrei, 16, "Sukkot, second day"},
    {kTishrei, 17, "Chol HaMoed Sukkot"},
    {kTishrei, 18, "Chol HaMoed Sukkot"},
    {kTishrei, 19, "Chol HaMoed Sukkot"},
    {kTishrei, 20, "Chol HaMoed Sukkot"},
    {kTishrei, 21, "Hoshana Rabbah"},
    {kTishrei, 22, "Shemini Atzeret"},
    {kTishrei, 23, "Simchat Torah"},
    {kTishrei, 24, "Isru Chag"},
    {kTeves, 10, "Fast of the Tenth of Teves"},  // never falls on Shabbat
    {kShvat, 15, "Tu B'Shvat"},
    {kNissan, 14, "Erev Pesach"},
    {kNissan, 15, "Pesach, first day"},
    {kNissan, 16, "Pesach, second day"},
    {kNissan, 17, "Chol HaMoed Pesach"},
    {kNissan, 18, "Chol HaMoed Pesach"},
    {kNissan, 19, "Chol HaMoed Pesach"},
    {kNissan, 20, "Chol HaMoed Pesach"},
    {kNissan, 21, "Pesach, seventh day"},
    {kNissan, 22, "Pesach, eighth day"},
    {kNissan, 23, "Isru Chag"},
    {kIyar, 14, "Pesach Sheni"},
    {kSivan, 5, "Erev Shavuot"},
    {kSivan, 6, "Shavuot, first day"},
    {kSivan, 7, "Shavuot, second day"},
    {kSivan, 8, "Isru Chag"},
    {kAv, 15, "Tu B'Av"},
    {kElul, 29, "Erev Rosh Hashanah"},
};

// The last Shabbat on or before absolute day n.
constexpr int32_t ShabbatOnOrBefore(int32_t n) { return n - (WeekdayOfDay(n) + 1) % kDaysInWeek; }

bool IsShabbat(int32_t n) { return WeekdayOfDay(n) == kSaturday; }

// The month after `month` in the order of `year` (Elul is followed by Tishrei).
int32_t NextMonth(int32_t month, int32_t year) {
    return month == HebrewMonthsInYear(year) ? kNissan : month + 1;
}

// The month before `month` in the order of `year` (never asked of Tishrei).
int32_t PreviousMonth(int32_t month, int32_t year) {
    return month == kNissan ? HebrewMonthsInYear(year) : month - 1;
}

// A fast that leaves Shabbat: later by a day, or earlier by two (to Thursday).
struct Fast {
    int32_t month, day;
    int32_t shiftFromShabbat;
    const char* name;
    const char* movedName;
};

// "Omer day 12, one week and five days": the count as it is said.
std::string OmerCount(int32_t count) {
    std::string text = "Omer day " + std::to_string(count);
    const int32_t weeks = count / kDaysInWeek, days = count % kDaysInWeek;
    if (weeks == 0) return text;
    text += std::string(", ") + kNumberWords[weeks] + (weeks == 1 ? " week" : " weeks");
    if (days != 0)
        text += std::string(" and ") + kNumberWords[days] + (days == 1 ? " day" : " days");
    return text;
}

std::string CivilDate(int32_t day) {
    const GregorianDate g = GregorianFromDay(day);
    return std::string(kCivilMonthNames[g.month]) + " " + std::to_string(g.day) + ", " +
           std::to_string(g.year);
}

std::string LongCivilDate(int32_t day) {
    return std::string(kWeekdayNames[WeekdayOfDay(day)]) + ", " + CivilDate(day);
}

}  // namespace

std::string HebrewMonthName(int32_t month, int32_t year) {
    if (month == kAdar && IsHebrewLeapYear(year)) return "Adar I";
    return kBookMonthNames[month];
}

std::vector<std::string> CalendarMarks(int32_t day) {
    const HebrewDate h = HebrewFromDay(day);
    const int32_t year = h.year;
    auto at = [year](int32_t month, int32_t d) { return DayFromHebrew(month, d, year); };
    // Purim and its Shabbatot belong to the Adar next to Nissan.
    const int32_t purimMonth = IsHebrewLeapYear(year) ? kAdarII : kAdar;

    std::vector<std::string> marks;
    for (const FixedDay& f : kFixedDays)
        if (f.month == h.month && f.day == h.day) marks.push_back(f.name);

    const Fast fasts[] = {
        {kTishrei, 3, 1, "Fast of Gedaliah", "Fast of Gedaliah, postponed from Shabbat"},
        {purimMonth, 13, -2, "Fast of Esther", "Fast of Esther, brought forward from Shabbat"},
        {kNissan, 14, -2, "Fast of the Firstborn",
         "Fast of the Firstborn, brought forward from Shabbat"},
        {kTammuz, 17, 1, "Fast of the Seventeenth of Tammuz",
         "Fast of the Seventeenth of Tammuz, postponed from Shabbat"},
        {kAv, 9, 1, "Tisha B'Av", "Tisha B'Av, postponed from Shabbat"},
    };
    for (const Fast& f : fasts) {
        const int32_t date = at(f.month, f.day);
        if (!IsShabbat(date) && day == date) marks.push_back(f.name);
        if (IsShabbat(date) && day == date + f.shiftFromShabbat) marks.push_back(f.movedName);
    }
    // Tisha B'Av begins at sunset on the day before the fast is kept.
    const int32_t tishaBAv = at(kAv, 9) + (IsShabbat(at(kAv, 9)) ? 1 : 0);
    if (day == tishaBAv - 1) marks.push_back("Erev Tisha B'Av");

    if (day == at(purimMonth, 14)) marks.push_back("Purim");
    if (day == at(purimMonth, 15)) marks.push_back("Shushan Purim");
    if (IsHebrewLeapYear(year)) {
        if (day == at(kAdar, 14)) marks.push_back("Purim Katan");
        if (day == at(kAdar, 15)) marks.push_back("Shushan Purim Katan");
    }

    const int32_t omer = day - at(kNissan, 16) + 1;
    if (omer == kLagBaOmer) marks.push_back("Lag BaOmer");

    // Rosh Chodesh: the 30th of a full month and the 1st of the next.
    if (h.day == 30) {
        marks.push_back("Rosh Chodesh " + HebrewMonthName(NextMonth(h.month, year), year) +
                        ", first day");
    } else if (h.day == 1 && h.month != kTishrei) {
        const bool twoDays = HebrewMonthLength(PreviousMonth(h.month, year), year) == 30;
        marks.push_back("Rosh Chodesh " + HebrewMonthName(h.month, year) +
                        (twoDays ? ", second day" : ""));
    }

    const int32_t chanukah = day - at(kKislev, 25) + 1;
    if (chanukah >= 1 && chanukah <= kChanukahDays)
        marks.push_back(std::string("Chanukah, ") + kOrdinals[chanukah] + " day");

    if (IsShabbat(day)) {
        const int32_t haChodesh = ShabbatOnOrBefore(at(kNissan, 1));
        const int32_t chazon = ShabbatOnOrBefore(at(kAv, 9));
        if (h.month == kTishrei && h.day >= 3 && h.day <= 9) marks.push_back("Shabbat Shuvah");
        if (day == ShabbatOnOrBefore(at(purimMonth, 1))) marks.push_back("Shabbat Shekalim");
        if (day == ShabbatOnOrBefore(at(purimMonth, 13))) marks.push_back("Shabbat Zachor");
        if (day == haChodesh - kDaysInWeek) marks.push_back("Shabbat Parah");
        if (day == haChodesh) marks.push_back("Shabbat HaChodesh");
        if (day == ShabbatOnOrBefore(at(kNissan, 14))) marks.push_back("Shabbat HaGadol");
        if (day == chazon) marks.push_back("Shabbat Chazon");
        if (day == chazon + kDaysInWeek) marks.push_back("Shabbat Nachamu");
        // Before Rosh Hashanah the new month is not blessed.
        if (h.month != kElul && h.day >= kFirstMevarchimDay && h.day <= kLastMevarchimDay)
            marks.push_back("Shabbat Mevarchim " + HebrewMonthName(NextMonth(h.month, year), year));
    }

    if (omer >= 1 && omer <= kOmerDays) marks.push_back(OmerCount(omer));
    return marks;
}

std::string YearGlanceDayLine(int32_t day) {
    const HebrewDate h = HebrewFromDay(day);
    std::string line = std::string(kWeekdayNames[WeekdayOfDay(day)]) + ", " +
                       HebrewMonthName(h.month, h.year) + " " + std::to_string(h.day) + ", " +
                       std::to_string(h.year) + " " + kMiddleDot + " " + CivilDate(day);
    const std::vector<std::string> marks = CalendarMarks(day);
    for (size_t i = 0; i < marks.size(); ++i) {
        line += i == 0 ? std::string(" ") + kMiddleDot + " " : std::string(kMarkSeparator);
        line += marks[i];
    }
    return line;
}

std::string YearGlanceList(int32_t year) {
    std::string text;
    auto paragraph = [&text](const char* tags, const std::string& body) {
        if (!text.empty()) text += "\n";
        text += std::string(":: ") + tags + "\n" + body + "\n";
    };
    for (int32_t month : kMonthsInYearOrder) {
        if (month > HebrewMonthsInYear(year)) continue;
        const std::string name = HebrewMonthName(month, year);
        const int32_t length = HebrewMonthLength(month, year);
        const int32_t first = DayFromHebrew(month, 1, year);
        const int32_t last = first + length - 1;
        paragraph("heading", name + " " + std::to_string(year));
        paragraph("center", name + " has " + std::to_string(length) + " days this year, from " +
                                LongCivilDate(first) + " to " + LongCivilDate(last) + ".");
        for (int32_t day = first; day <= last; ++day)
            paragraph(day == last ? "left" : "left tight", YearGlanceDayLine(day));
    }
    return text;
}
