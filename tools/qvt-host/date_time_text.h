// Date-times as the host hands them to the plug-in: a day count since 1899-12-30 00:00 whose
// fraction is the time of day, plus a status. The host computes the day count itself, from the
// calendar, so a fault in the plug-in's own conversion shows up as a difference.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qvt::host {

struct CalendarTime {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// True when every field is inside its range (day within the month, leap years included).
bool IsValidCalendarTime(const CalendarTime& t);

// Day count of a calendar time; the caller checks validity first.
double DayCountOf(const CalendarTime& t);

// Calendar time of a day count, rounded to the nearest second.
CalendarTime CalendarTimeOf(double dayCount);

// "YYYY-MM-DDTHH:MM" or "YYYY-MM-DDTHH:MM:SS"; also accepts a blank in place of the "T".
std::optional<CalendarTime> ParseDateTimeText(std::string_view text);

// "YYYY-MM-DDTHH:MM:SS", the form ParseDateTimeText reads back.
std::string FormatDateTimeText(const CalendarTime& t);

}  // namespace qvt::host
