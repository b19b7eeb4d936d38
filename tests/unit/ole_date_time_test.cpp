#include "platform/ole_date_time.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace qvt::platform {
namespace {

using Status = OleDateTime::Status;

struct FormatCase {
  double days;
  Status status;
  const char* pattern;
  const char* expected;
};

TEST(OleDateTime, FormatsCalendarFieldsRoundedToTheSecond) {
  const double kSecond = 1.0 / 86400.0;
  const FormatCase cases[] = {
      {0.0, Status::kValid, "%Y-%m-%d %H:%M:%S", "1899-12-30 00:00:00"},
      {-1.25, Status::kValid, "%Y-%m-%d %H%M", "1899-12-29 0600"},
      {-0.5, Status::kValid, "%Y-%m-%d %H%M", "1899-12-30 1200"},
      {1.75, Status::kValid, "%Y-%m-%d %H%M", "1899-12-31 1800"},
      {44269.0 + 9.0 / 24 + 35.0 / 1440, Status::kValid, "%Y-%m-%d %H%M", "2021-03-14 0935"},
      // Half a second before midnight rounds up into the next day.
      {44269.0 - 0.5 * kSecond, Status::kValid, "%d.%m.%Y %H:%M:%S", "14.03.2021 00:00:00"},
      {44269.0 - 0.6 * kSecond, Status::kValid, "%d.%m.%Y %H:%M:%S", "13.03.2021 23:59:59"},
      {44268.0, Status::kValid, "%d.%m", "13.03"},
      {44268.0, Status::kValid, "%Y", "2021"},
      {44269.0, Status::kValid, "%d_%m_%Y", "14_03_2021"},
      {60.0, Status::kValid, "%Y-%m-%d", "1900-02-28"},
      {61.0, Status::kValid, "%Y-%m-%d", "1900-03-01"},
      {36585.0, Status::kValid, "%Y-%m-%d %j %a", "2000-02-29 060 Tue"},
      {2958465.0, Status::kValid, "%Y-%m-%d", "9999-12-31"},
      {-657434.0, Status::kValid, "%Y-%m-%d", "0100-01-01"},
      {44269.0, Status::kNull, "%Y", ""},
      {44269.0, Status::kInvalid, "%Y", "Invalid DateTime"},
      {2958466.0, Status::kValid, "%Y", "Invalid DateTime"},
      {-657435.0, Status::kValid, "%Y", "Invalid DateTime"},
      {1e300, Status::kValid, "%Y", "Invalid DateTime"},
      {-1e300, Status::kValid, "%Y", "Invalid DateTime"},
      {std::numeric_limits<double>::quiet_NaN(), Status::kValid, "%Y", "Invalid DateTime"},
      {std::numeric_limits<double>::infinity(), Status::kValid, "%Y", "Invalid DateTime"},
      {0.0, Status::kValid, "100%% %q", "100% %q"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(OleDateTime(c.days, c.status).Format(c.pattern), c.expected)
        << "day count " << c.days << " pattern " << c.pattern;
  }
}

TEST(OleDateTime, FieldsRoundTripThroughTheDayCount) {
  const int cases[][6] = {{2021, 3, 14, 9, 35, 0}, {1899, 12, 29, 6, 0, 0}, {1899, 12, 30, 0, 0, 0},
                          {2024, 2, 29, 23, 59, 59}, {100, 1, 2, 0, 0, 1}, {9999, 12, 31, 23, 59, 58}};
  for (const auto& c : cases) {
    const auto t = OleDateTime::FromFields(c[0], c[1], c[2], c[3], c[4], c[5]);
    const auto f = t.Fields();
    ASSERT_TRUE(f.has_value());
    EXPECT_EQ(f->year, c[0]);
    EXPECT_EQ(f->month, c[1]);
    EXPECT_EQ(f->day, c[2]);
    EXPECT_EQ(f->hour, c[3]);
    EXPECT_EQ(f->minute, c[4]);
    EXPECT_EQ(f->second, c[5]);
  }
  EXPECT_DOUBLE_EQ(OleDateTime::FromFields(1899, 12, 29, 6, 0, 0).DayCount(), -1.25);
  EXPECT_EQ(OleDateTime::FromFields(2021, 13, 1, 0, 0, 0).GetStatus(), Status::kInvalid);
}

TEST(OleDateTime, ReadsTheHostLayoutAndNullPointer) {
  struct alignas(8) Raw {
    double days;
    std::int32_t status;
  };
  const Raw valid{44269.5, 0};
  const Raw null{0.0, 2};
  const Raw odd{1.0, 7};
  EXPECT_EQ(OleDateTime::FromHostBytes(&valid).Format("%H%M"), "1200");
  EXPECT_EQ(OleDateTime::FromHostBytes(&null).GetStatus(), Status::kNull);
  EXPECT_EQ(OleDateTime::FromHostBytes(&odd).GetStatus(), Status::kInvalid);
  EXPECT_EQ(OleDateTime::FromHostBytes(nullptr).Format("%H%M"), "Invalid DateTime");
}

TEST(OleDateTime, SameAsComparesStatusAndValidDayCounts) {
  EXPECT_TRUE(OleDateTime(1.5, Status::kValid).SameAs(OleDateTime(1.5, Status::kValid)));
  EXPECT_FALSE(OleDateTime(1.5, Status::kValid).SameAs(OleDateTime(1.6, Status::kValid)));
  EXPECT_TRUE(OleDateTime(1.5, Status::kNull).SameAs(OleDateTime(9.0, Status::kNull)));
  EXPECT_FALSE(OleDateTime(1.5, Status::kInvalid).SameAs(OleDateTime(1.5, Status::kInvalid)));
  EXPECT_FALSE(OleDateTime(1.5, Status::kValid).SameAs(OleDateTime(1.5, Status::kNull)));
}

}  // namespace
}  // namespace qvt::platform
