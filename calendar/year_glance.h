// The "year at a glance" of the book's lesson 3: every day of a Hebrew year
// with its civil date and what the calendar marks on it, written in the
// book's source form. Diaspora observance: two days of each festival, Simchat
// Torah on the day after Shemini Atzeret.
//
// Pure functions of the calendar arithmetic; text is UTF-8 (the middle dot is
// the only character beyond ASCII).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What the calendar marks on absolute day `day`, in the order written: named
// days (festivals and their eves, fasts with their moves off Shabbat, Purim,
// minor days), Rosh Chodesh, Chanukah, named Shabbatot, then the Omer count.
// Empty for an ordinary day. That a day is Shabbat is left to its weekday.
std::vector<std::string> CalendarMarks(int32_t day);

// The name of Hebrew month `month` (1..13) in `year` as the book spells it,
// with Adar called Adar I in a leap year.
std::string HebrewMonthName(int32_t month, int32_t year);

// One day as the list writes it, e.g.
// "Shabbat, Tishrei 1, 5770 · September 19, 2009 · Rosh Hashanah, first day";
// the marks follow the second dot, separated by "; ".
std::string YearGlanceDayLine(int32_t day);

// Every day of Hebrew year `year` in the book's source form: per month a
// heading paragraph, a centred paragraph with the month's length and civil
// span, then one tight left paragraph per day, the month's last one spaced.
// Paragraphs are separated by one blank line; the text ends with a newline.
std::string YearGlanceList(int32_t year);
