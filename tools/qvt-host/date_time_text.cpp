#include "date_time_text.h"

#include <cmath>
#include <cstdio>

namespace qvt::host {
namespace {

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month == 2 && IsLeapYear(year)) return 29;
  return kDays[month - 1];
}

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
std::int64_t DaysFromCivil(std::int64_t y, std::int64_t m, std::int64_t d) {
  y -= m <= 2 ? 1 : 0;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t yoe = y - era * 400;
  const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

void CivilFromDays(std::int64_t z, int& year, int& month, int& day) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const std::int64_t doe = z - era * 146097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int64_t mp = (5 * doy + 2) / 153;
  const std::int64_t d = doy - (153 * mp + 2) / 5 + 1;
  const std::int64_t m = mp < 10 ? mp + 3 : mp - 9;
  year = static_cast<int>(yoe + era * 400 + (m <= 2 ? 1 : 0));
  month = static_cast<int>(m);
  day = static_cast<int>(d);
}

const std::int64_t kEpochDays = DaysFromCivil(1899, 12, 30);

// Reads exactly `width` decimal digits at `pos`.
std::optional<int> Digits(std::string_view text, std::size_t pos, std::size_t width) {
  if (pos + width > text.size()) return std::nullopt;
  int value = 0;
  for (std::size_t i = pos; i < pos + width; ++i) {
    const char c = text[i];
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

}  // namespace

bool IsValidCalendarTime(const CalendarTime& t) {
  if (t.year < 100 || t.year > 9999) return false;
  if (t.month < 1 || t.month > 12) return false;
  if (t.day < 1 || t.day > DaysInMonth(t.year, t.month)) return false;
  return t.hour >= 0 && t.hour < 24 && t.minute >= 0 && t.minute < 60 && t.second >= 0 &&
         t.second < 60;
}

double DayCountOf(const CalendarTime& t) {
  const std::int64_t days = DaysFromCivil(t.year, t.month, t.day) - kEpochDays;
  const int seconds = t.hour * 3600 + t.minute * 60 + t.second;
  return static_cast<double>(days) + seconds / 86400.0;
}

CalendarTime CalendarTimeOf(double dayCount) {
  // Whole seconds since the epoch, rounded to nearest; floor division keeps days before the
  // epoch (negative counts) on the right calendar day.
  const auto totalSeconds = static_cast<std::int64_t>(std::llround(dayCount * 86400.0));
  std::int64_t days = totalSeconds / 86400;
  std::int64_t rest = totalSeconds % 86400;
  if (rest < 0) {
    rest += 86400;
    --days;
  }
  CalendarTime t;
  CivilFromDays(days + kEpochDays, t.year, t.month, t.day);
  t.hour = static_cast<int>(rest / 3600);
  t.minute = static_cast<int>(rest / 60 % 60);
  t.second = static_cast<int>(rest % 60);
  return t;
}

std::optional<CalendarTime> ParseDateTimeText(std::string_view text) {
  if (text.size() != 16 && text.size() != 19) return std::nullopt;
  if (text[4] != '-' || text[7] != '-' || (text[10] != 'T' && text[10] != ' ') || text[13] != ':')
    return std::nullopt;
  const auto y = Digits(text, 0, 4), mo = Digits(text, 5, 2), d = Digits(text, 8, 2);
  const auto h = Digits(text, 11, 2), mi = Digits(text, 14, 2);
  if (!y || !mo || !d || !h || !mi) return std::nullopt;
  CalendarTime t{*y, *mo, *d, *h, *mi, 0};
  if (text.size() == 19) {
    const auto s = Digits(text, 17, 2);
    if (text[16] != ':' || !s) return std::nullopt;
    t.second = *s;
  }
  if (!IsValidCalendarTime(t)) return std::nullopt;
  return t;
}

std::string FormatDateTimeText(const CalendarTime& t) {
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02dT%02d:%02d:%02d", t.year, t.month, t.day,
                t.hour, t.minute, t.second);
  return buffer;
}

}  // namespace qvt::host
