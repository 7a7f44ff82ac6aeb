// English names of weekdays and civil months as the book writes them in its
// date lines ("Shabbat, Tishrei 1, 5770 · September 19, 2009").
#pragma once

// By weekday, 0 = Sunday ... 6 = Saturday, which the book calls Shabbat.
constexpr const char* kWeekdayNames[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                          "Thursday", "Friday", "Shabbat"};

// By civil month, 1..12; entry 0 is empty.
constexpr const char* kCivilMonthNames[13] = {"",        "January",  "February", "March",
                                              "April",   "May",      "June",     "July",
                                              "August",  "September", "October", "November",
                                              "December"};
