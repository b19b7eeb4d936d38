// The score is points times multipliers in 64 bits: a big log passes 2^31 and must show the
// whole number everywhere the score appears.
#include <gtest/gtest.h>

#include <string>

#include "platform/profile.h"
#include "test_support.h"

namespace qvt {
namespace {

using testing::ContestFixture;
using Qso = ContestFixture::Qso;

class BigScore : public ContestFixture, public ::testing::Test {
 protected:
  // The log seen in the field: 352870 points from 44110 QSOs on one band, 11615 distinct
  // prefixes. As a 32-bit product 352870 * 11615 wraps to -196382246.
  void FeedBigLog() {
    state.SetClubMember(1);  // a member's QSO with another member abroad is worth 8 points
    Qso q;
    for (int i = 0; i < 44110; ++i) {
      q.call = std::string("Q").append(std::to_string(i));
      q.prefix = std::string("P").append(std::to_string(i % 11615));
      const bool threePoints = i < 2;  // own country, no "/M": 3 points
      q.country = threePoints ? "DL" : "F";
      q.rcvd = threePoints ? "001" : "001/M";
      ASSERT_EQ(Add(q), 1);
    }
  }
};

TEST_F(BigScore, IsWrittenWholeInTheTextHtmlSettingAndCabrilloLog) {
  constexpr const char* kScore = "4098585050";
  for (const bool html : {false, true}) {
    SCOPED_TRACE(html ? "html" : "plain");
    Reset("ZZ9ZZ", "DL", /*cabrillo=*/1);
    if (html) state.SetVersion();
    FeedBigLog();
    const std::string text = Result();
    if (html) {
      EXPECT_NE(text.find("352870 * 11615 = 4098585050"), std::string::npos) << text;
    } else {
      EXPECT_NE(text.find("Total\t 44110\t 352870\t 11615\r\n"), std::string::npos) << text;
      EXPECT_NE(text.find("Score: 352870*11615 = 4098585050\r\n"), std::string::npos) << text;
    }
    EXPECT_EQ(state.Unlocked().claimedScore, 4098585050LL);
    EXPECT_EQ(platform::ReadProfileText(state.SettingsFile(), "Settings", "Claimed"), kScore);
    EXPECT_NE(dir.Read("ZZ9ZZ.log").find("\r\nCLAIMED-SCORE: 4098585050\r\n"), std::string::npos);
  }
}

}  // namespace
}  // namespace qvt
