#include <gtest/gtest.h>

#include "test_support.h"

namespace qvt {
namespace {

using testing::ContestFixture;

class CallCheck : public ContestFixture, public ::testing::Test {
 protected:
  void SetUp() override {
    Reset();
    Add({.call = "QQ1A", .mode = "RTTY", .band = "20m", .prefix = "QQ1"});
  }
  int Check(const char* call, const char* prefix, const char* band, const char* mode = "RTTY",
            const char* band2 = "") {
    return state.CheckCall({.call = call, .mode = mode, .prefix = prefix, .band = band, .band2 = band2});
  }
};

TEST_F(CallCheck, AnswersDuplicateNewCallOrNewMultiplier) {
  const struct {
    const char* call;
    const char* prefix;
    const char* band;
    const char* mode;
    const char* band2;
    int answer;
  } cases[] = {
      {"QQ1A", "QQ1", "20m", "BPSK63", "", 0},  // worked on the band in any mode
      {"QQ1B", "QQ1", "20m", "RTTY", "", 1},
      {"QQ1B", "QQ2", "20m", "RTTY", "", 2},
      {"QQ1A", "QQ1", "40m", "RTTY", "", 2},
      {"QQ1A", "", "20m", "RTTY", "", 1},       // no prefix: 1 even for a worked call
      {"qq1a", "QQ1", "20m", "RTTY", "", 1},    // calls compare exactly
      {"QQ1A", "QQ1", "20M", "RTTY", "", 2},    // accepted band, but not the logged name
      {"QQ1A", "QQ1", "20m", "RTTY", "20M", 0}, // second band name agrees without regard to case
      {"QQ1A", "QQ1", "20m", "RTTY", "40m", 4},
      {"QQ1A", "QQ1", "160m", "RTTY", "", 4},
      {"QQ1A", "QQ1", "20m", "BPSK31", "", 4},
      {"QQ1A", "QQ1", "", "RTTY", "", 4},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Check(c.call, c.prefix, c.band, c.mode, c.band2), c.answer)
        << c.call << " " << c.prefix << " " << c.band << " " << c.mode << " " << c.band2;
  }
}

TEST_F(CallCheck, NewerHostsGetOneForACallThatCannotBeAccepted) {
  for (const char* version : {"2.19", "2.20"}) {
    state.Unlocked().hostVersion = version;
    EXPECT_EQ(Check("QQ1A", "QQ1", "160m"), 1) << version;
    EXPECT_EQ(Check("QQ1A", "QQ1", "20m", "RTTY", "40m"), 1) << version;
  }
  state.Unlocked().hostVersion = "2.21";
  EXPECT_EQ(Check("QQ1A", "QQ1", "160m"), 4);
}

TEST_F(CallCheck, DuplicatesInTheLogCountLikeAnyRecord) {
  Add({.call = "QQ1A", .mode = "RTTY", .band = "40m", .prefix = "QQ9"});
  Add({.call = "QQ1A", .mode = "RTTY", .band = "40m", .prefix = "QQ9"});
  EXPECT_EQ(Check("QQ1A", "QQ9", "40m"), 0);
  EXPECT_EQ(Check("QQ5Z", "QQ9", "40m"), 1);
}

TEST_F(CallCheck, PostsOneRefreshPerArmingWhenTheSetupWindowIsOpen) {
  EXPECT_EQ(state.Unlocked().refreshArmed, 1);
  Check("QQ1A", "QQ1", "20m");
  EXPECT_EQ(seams.refreshes, 0);  // no setup window
  EXPECT_EQ(state.Unlocked().refreshArmed, 1);
  seams.setupOpen = true;
  Check("QQ1A", "QQ1", "160m");  // posted whatever the answer
  Check("QQ1A", "QQ1", "20m");
  EXPECT_EQ(seams.refreshes, 1);
  EXPECT_EQ(state.Unlocked().refreshArmed, 0);
  state.Unlocked().refreshArmed = 1;
  Check("QQ1A", "QQ1", "20m");
  EXPECT_EQ(seams.refreshes, 2);
}

TEST(ExchangeCheck, AcceptsTextsThatStartWithADigitExceptTheReport) {
  const struct {
    const char* text;
    int valid;
  } cases[] = {{"001", 1}, {"599", 0}, {"5990", 1}, {"0599", 1}, {"", 0},   {"A12", 0},
               {"/M", 0},  {"12/M", 1}, {" 12", 0}, {"-1", 0},  {"9", 1}, {"\xC0" "12", 0}};
  for (const auto& c : cases) EXPECT_EQ(ContestState::IsValidExchange(c.text), c.valid) << c.text;
}

}  // namespace
}  // namespace qvt
