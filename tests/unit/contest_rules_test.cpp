#include "log/contest_rules.h"

#include <gtest/gtest.h>

#include "log/cinfo.h"

namespace qvt {
namespace {

TEST(ContestRules, AcceptsBandsAndModesWithoutRegardToCase) {
  const struct {
    const CContestRules& rules;
    const char* text;
    bool accepted;
  } cases[] = {
      {ContestBands(), "80m", true},   {ContestBands(), "80M", true},   {ContestBands(), "10m", true},
      {ContestBands(), "160m", false}, {ContestBands(), "", false},     {ContestBands(), "20m ", false},
      {ContestModes(), "bpsk63", true}, {ContestModes(), "RTTY", true}, {ContestModes(), "BPSK31", false},
  };
  for (const auto& c : cases) EXPECT_EQ(c.rules.Contains(c.text), c.accepted) << c.text;
  ASSERT_EQ(ContestBands().size(), 6u);
  EXPECT_EQ(ContestBands()[0], "80m");
  EXPECT_EQ(ContestBands()[1], "80m");
}

TEST(CInfo, StartsEmptyAndCopiesIndependently) {
  CInfo fresh;
  EXPECT_TRUE(fresh.m_call.empty());
  EXPECT_EQ(fresh.m_excluded, 0);
  EXPECT_EQ(fresh.m_dupes, 0);
  EXPECT_EQ(fresh.m_areaJA, -1);
  EXPECT_EQ(fresh.m_areaK, -1);
  EXPECT_EQ(fresh.m_areaVE, -1);
  EXPECT_EQ(fresh.m_areaVK, -1);
  EXPECT_EQ(fresh.m_time.Format("%Y-%m-%d %H%M"), "1899-12-30 0000");
  CInfo copy = fresh;
  copy.m_call = "QQ1A";
  EXPECT_TRUE(fresh.m_call.empty());
}

}  // namespace
}  // namespace qvt
