#include "platform/ole_date_time.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace qvt::platform {
namespace {

constexpr double kHalfSecond = 1.0 / 172800.0;
// Day counts of 0100-01-01 and 9999-12-31, the range the class library accepts.
constexpr double kMinDayCount = -657434.0;
constexpr double kMaxDayCount = 2958466.0;
// Days from 0000-03-01 (proleptic Gregorian civil-from-days epoch shift) handled below.
constexpr long long kDaysFrom0001To1899_12_30 = 693593;  // 0001-01-01 to 1899-12-30

constexpr std::array<const char*, 7> kDayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                  "Thursday", "Friday", "Saturday"};
constexpr std::array<const char*, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

bool IsLeap(long long y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

// Days since 0001-01-01 (day 0) to a civil date.
void CivilFromDays(long long days, int& year, int& month, int& day, int& dayOfYear) {
  // Shift to days since 0000-03-01 for the usual era algorithm.
  long long z = days + 306;  // 0001-01-01 is 306 days after 0000-03-01
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const long long doe = z - era * 146097;
  const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  long long y = yoe + era * 400;
  const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long long mp = (5 * doy + 2) / 153;
  const long long d = doy - (153 * mp + 2) / 5 + 1;
  const long long m = mp < 10 ? mp + 3 : mp - 9;
  if (m <= 2) ++y;
  year = static_cast<int>(y);
  month = static_cast<int>(m);
  day = static_cast<int>(d);
  static constexpr std::array<int, 12> kCum = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
  dayOfYear = kCum[static_cast<std::size_t>(month - 1)] + day + ((month > 2 && IsLeap(y)) ? 1 : 0);
}

long long DaysFromCivil(long long y, long long m, long long d) {
  y -= m <= 2 ? 1 : 0;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const long long yoe = y - era * 400;
  const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 306;  // days since 0001-01-01
}

void AppendNumber(std::string& out, int value, int width) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%0*d", width, value);
  out += buf;
}

}  // namespace

OleDateTime OleDateTime::FromFields(int year, int month, int day, int hour, int minute,
                                    int second) {
  if (year < 100 || year > 9999 || month < 1 || month > 12 || day < 1 || day > 31 || hour < 0 ||
      hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59) {
    return OleDateTime(0.0, Status::kInvalid);
  }
  const long long days = DaysFromCivil(year, month, day) - kDaysFrom0001To1899_12_30;
  const double time = (hour * 3600.0 + minute * 60.0 + second) / 86400.0;
  // Before the epoch the integer part is the day and the fraction, counted away from zero,
  // the time of day.
  const double count = days >= 0 ? static_cast<double>(days) + time
                                  : static_cast<double>(days) - time;
  return OleDateTime(count, Status::kValid);
}

OleDateTime OleDateTime::FromHostBytes(const void* object) {
  if (object == nullptr) return OleDateTime(0.0, Status::kInvalid);
  double count = 0.0;
  std::int32_t status = 0;
  std::memcpy(&count, object, sizeof count);
  std::memcpy(&status, static_cast<const unsigned char*>(object) + 8, sizeof status);
  Status s = Status::kInvalid;
  if (status == 0) s = Status::kValid;
  if (status == 2) s = Status::kNull;
  return OleDateTime(count, s);
}

std::optional<CalendarFields> OleDateTime::Fields() const {
  if (status_ != Status::kValid) return std::nullopt;
  if (!(dayCount_ >= kMinDayCount && dayCount_ < kMaxDayCount)) return std::nullopt;  // NaN too
  double date = dayCount_ + (dayCount_ > 0.0 ? kHalfSecond : -kHalfSecond);
  const long long days = static_cast<long long>(date);  // toward zero: the day
  date = std::fabs(date);
  long long secondsInDay = static_cast<long long>((date - std::floor(date)) * 86400.0);
  if (secondsInDay > 86399) secondsInDay = 86399;
  CalendarFields f;
  const long long absolute = days + kDaysFrom0001To1899_12_30;
  CivilFromDays(absolute, f.year, f.month, f.day, f.dayOfYear);
  if (f.year < 100 || f.year > 9999) return std::nullopt;
  f.hour = static_cast<int>(secondsInDay / 3600);
  f.minute = static_cast<int>((secondsInDay / 60) % 60);
  f.second = static_cast<int>(secondsInDay % 60);
  // 0001-01-01 was a Monday.
  f.dayOfWeek = static_cast<int>(((absolute % 7) + 7 + 1) % 7);
  return f;
}

std::string OleDateTime::Format(std::string_view pattern) const {
  if (status_ == Status::kNull) return {};
  const auto fields = Fields();
  if (!fields) return std::string(kInvalidDateTimeText);
  const CalendarFields& f = *fields;
  std::string out;
  out.reserve(pattern.size() + 16);
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char c = pattern[i];
    if (c != '%' || i + 1 == pattern.size()) {
      out += c;
      continue;
    }
    const char k = pattern[++i];
    switch (k) {
      case 'Y': AppendNumber(out, f.year, 4); break;
      case 'y': AppendNumber(out, f.year % 100, 2); break;
      case 'm': AppendNumber(out, f.month, 2); break;
      case 'd': AppendNumber(out, f.day, 2); break;
      case 'H': AppendNumber(out, f.hour, 2); break;
      case 'I': AppendNumber(out, f.hour % 12 == 0 ? 12 : f.hour % 12, 2); break;
      case 'M': AppendNumber(out, f.minute, 2); break;
      case 'S': AppendNumber(out, f.second, 2); break;
      case 'j': AppendNumber(out, f.dayOfYear, 3); break;
      case 'w': AppendNumber(out, f.dayOfWeek, 1); break;
      case 'p': out += f.hour < 12 ? "AM" : "PM"; break;
      case 'A': out += kDayNames[static_cast<std::size_t>(f.dayOfWeek)]; break;
      case 'a': out.append(kDayNames[static_cast<std::size_t>(f.dayOfWeek)], 3); break;
      case 'B': out += kMonthNames[static_cast<std::size_t>(f.month - 1)]; break;
      case 'b': out.append(kMonthNames[static_cast<std::size_t>(f.month - 1)], 3); break;
      case '%': out += '%'; break;
      default:
        out += '%';
        out += k;
        break;
    }
  }
  return out;
}

bool OleDateTime::SameAs(const OleDateTime& other) const {
  if (status_ != other.status_) return false;
  if (status_ == Status::kValid) return dayCount_ == other.dayCount_;
  return status_ == Status::kNull;
}

}  // namespace qvt::platform
