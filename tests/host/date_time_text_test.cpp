#include "date_time_text.h"

#include <gtest/gtest.h>

namespace qvt::host {
namespace {

TEST(DateTimeText, DayCountsOfKnownDates) {
  struct Case {
    const char* text;
    double dayCount;
  };
  const Case cases[] = {
      {"1899-12-30T00:00", 0.0},
      {"1899-12-31T06:00", 1.25},
      {"1900-01-01T00:00", 2.0},
      {"1899-12-29T12:00", -0.5},
      {"2000-02-29T00:00", 36585.0},  // a leap day of a century divisible by 400
      {"2021-03-14T12:00", 44269.5},
      {"2021-03-14 18:00:00", 44269.75},  // a blank in place of the "T"
      {"2024-02-10T00:00:30", 45332.0 + 30.0 / 86400.0},
  };
  for (const auto& c : cases) {
    const auto t = ParseDateTimeText(c.text);
    ASSERT_TRUE(t.has_value()) << c.text;
    EXPECT_DOUBLE_EQ(DayCountOf(*t), c.dayCount) << c.text;
  }
}

TEST(DateTimeText, RejectsTextsThatAreNoDateTime) {
  const char* bad[] = {
      "",          "2021-03-14",        "2021-03-14T1200",  "2021-3-14T12:00",
      "2021-02-29T00:00",  // not a leap year
      "1900-02-29T00:00",  // a century not divisible by 400
      "2021-13-01T00:00", "2021-04-31T00:00", "2021-03-14T24:00", "2021-03-14T12:60",
      "2021-03-14T12:00:60", "2021-03-14T12:00:", "2021-03-14X12:00", "0099-01-01T00:00",
      "2021-03-14T12:00Z",
  };
  for (const char* text : bad) EXPECT_FALSE(ParseDateTimeText(text).has_value()) << text;
}

TEST(DateTimeText, CalendarTimeRoundsToTheNearestSecondAndRoundTrips) {
  const char* texts[] = {"1899-12-30T00:00:00", "1899-12-29T23:59:59", "2021-03-14T09:35:00",
                         "2023-02-12T23:59:59", "9999-12-31T23:59:59", "0100-01-01T00:00:00"};
  for (const char* text : texts) {
    const auto t = ParseDateTimeText(text);
    ASSERT_TRUE(t.has_value()) << text;
    EXPECT_EQ(FormatDateTimeText(CalendarTimeOf(DayCountOf(*t))), text);
  }
  // Within half a second of midnight rounds onto the next day; further away it does not.
  EXPECT_EQ(FormatDateTimeText(CalendarTimeOf(1.0 - 0.4 / 86400.0)), "1899-12-31T00:00:00");
  EXPECT_EQ(FormatDateTimeText(CalendarTimeOf(1.0 - 0.6 / 86400.0)), "1899-12-30T23:59:59");
}

}  // namespace
}  // namespace qvt::host
