// The host's date-time value: a day count since 1899-12-30 00:00 (the fraction is the time of
// day) plus a status. Behaves as the class library's date-time class does for what the plug-in
// needs: calendar fields rounded to the nearest second, strftime-style formatting, an empty
// text for a null value and "Invalid DateTime" for an invalid one.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qvt::platform {

struct CalendarFields {
  int year = 1899;
  int month = 12;  // 1..12
  int day = 30;    // 1..31
  int hour = 0;
  int minute = 0;
  int second = 0;
  int dayOfWeek = 0;  // 0 Sunday
  int dayOfYear = 1;  // 1..366
};

class OleDateTime {
 public:
  enum class Status : std::int32_t { kValid = 0, kInvalid = 1, kNull = 2 };

  OleDateTime() = default;
  OleDateTime(double dayCount, Status status) : dayCount_(dayCount), status_(status) {}
  static OleDateTime FromFields(int year, int month, int day, int hour, int minute, int second);
  // Reads the host's in-memory layout (8-byte day count at offset 0, 32-bit status at offset 8);
  // a null pointer gives an invalid value.
  static OleDateTime FromHostBytes(const void* object);

  double DayCount() const { return dayCount_; }
  Status GetStatus() const { return status_; }

  // Calendar fields, or nothing when the value is not valid or outside years 100..9999.
  std::optional<CalendarFields> Fields() const;
  // strftime-style text (%Y %y %m %d %H %M %S %j %w %a %A %b %B %p %%); "" for a null value,
  // "Invalid DateTime" for an invalid one.
  std::string Format(std::string_view pattern) const;

  // Equal as the class library compares: same status and, when valid, the same day count.
  bool SameAs(const OleDateTime& other) const;

 private:
  double dayCount_ = 0.0;
  Status status_ = Status::kValid;
};

inline constexpr std::string_view kInvalidDateTimeText = "Invalid DateTime";

}  // namespace qvt::platform
