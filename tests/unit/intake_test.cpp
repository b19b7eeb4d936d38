#include <gtest/gtest.h>

#include "test_support.h"

namespace qvt {
namespace {

using testing::ContestFixture;
using Qso = ContestFixture::Qso;

constexpr const char* kHeader = "QVT Contest UBN file\r\n";

class Intake : public ContestFixture, public ::testing::Test {
 protected:
  void SetUp() override { Reset(); }
};

TEST_F(Intake, RejectsWithOneLineForTheFirstFailedCheck) {
  const struct {
    Qso qso;
    const char* line;
  } cases[] = {
      {{.band = "160m"}, "QSO:  14080  RTTY  2021-03-14 0935  ZZ9ZZ  599  001  QQ1A  579  005   WRONG BAND !!!"},
      // Band first: a 160 m QSO in a wrong mode without numbers gets the band line only.
      {{.mode = "BPSK31", .band = "160m", .sent = "", .rcvd = ""},
       "QSO:  14080  BPSK31  2021-03-14 0935  ZZ9ZZ  599    QQ1A  579     WRONG BAND !!!"},
      {{.mode = "BPSK31"}, "QSO:  14080  BPSK31  2021-03-14 0935  ZZ9ZZ  599  001  QQ1A  579  005   WRONG MODE !!!"},
      {{.rcvd = ""}, "QSO:  14080  RTTY  2021-03-14 0935  ZZ9ZZ  599  001  QQ1A  579     NO RX NUMBER !!!"},
      // An empty number sent is rejected the same way.
      {{.sent = ""}, "QSO:  14080  RTTY  2021-03-14 0935  ZZ9ZZ  599    QQ1A  579  005   NO RX NUMBER !!!"},
      // An empty own call still gets its separators.
      {{.band = "40M ", .own = ""}, "QSO:  14080  RTTY  2021-03-14 0935    599  001  QQ1A  579  005   WRONG BAND !!!"},
  };
  for (const auto& c : cases) {
    Reset();
    EXPECT_EQ(Add(c.qso), 0);
    EXPECT_EQ(BadQsoFile(), std::string(kHeader) + c.line + "\r\n");
    EXPECT_TRUE(state.Unlocked().qsoLog.empty());
    EXPECT_TRUE(state.Unlocked().loggedBands.empty());
  }
}

TEST_F(Intake, StoresAcceptedQsosWithTheirFields) {
  EXPECT_EQ(Add({.hz = 14080999, .mode = "rtty", .band = "20M"}), 1);
  const CInfo& r = state.Unlocked().qsoLog.at(0);
  EXPECT_EQ(r.m_freqKHz, 14080u);  // the fraction of a kHz is dropped
  EXPECT_EQ(r.m_band, "20M");
  EXPECT_EQ(r.m_mode, "rtty");
  EXPECT_EQ(r.m_exchSent, "001");
  EXPECT_EQ(r.m_exchReceived, "005");
  EXPECT_EQ(r.m_rstSent, "599");
  EXPECT_EQ(r.m_rstReceived, "579");
  EXPECT_EQ(r.m_prefix, "QQ1");
  EXPECT_EQ(r.m_country, "DL");
  EXPECT_EQ(r.m_excluded, 0);
  EXPECT_EQ(BadQsoFile(), kHeader);
}

TEST_F(Intake, MarksDuplicatesOnlyForTheSameCallBandAndMode) {
  EXPECT_EQ(Add({}), 1);
  EXPECT_EQ(Add({.band = "40m"}), 1);
  EXPECT_EQ(Add({.mode = "BPSK63"}), 1);
  EXPECT_EQ(Add({.call = "qq1a"}), 1);
  EXPECT_EQ(Add({.mode = "rtty"}), 1);
  EXPECT_EQ(Add({.time = At(2021, 3, 14, 10, 1), .sent = "007"}), 1);
  const auto& log = state.Unlocked().qsoLog;
  ASSERT_EQ(log.size(), 6u);
  for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(log[i].m_dupes, 0) << i;
  EXPECT_EQ(log[5].m_excluded, 1);
  EXPECT_EQ(log[5].m_dupes, 1);
  EXPECT_EQ(BadQsoFile(), std::string(kHeader) +
                              "QSO:  14080  RTTY  2021-03-14 1001  ZZ9ZZ  599  007  QQ1A  579  005   DUPE !!!\r\n");
}

TEST_F(Intake, ListsBandsOnceInFirstSeenOrderComparedExactly) {
  Add({.call = "A1", .band = "20m"});
  Add({.call = "A2", .band = "40m"});
  Add({.call = "A3", .band = "20m"});
  Add({.call = "A4", .band = "20M"});
  Add({.call = "A5", .band = "160m"});
  EXPECT_EQ(state.Unlocked().loggedBands, (StringArray{"20m", "40m", "20M"}));
}

TEST_F(Intake, ClubMemberStoresSlashMButWritesTheNumberAsPassed) {
  state.SetClubMember(1);
  Add({});
  Add({});
  EXPECT_EQ(state.Unlocked().qsoLog.at(0).m_exchSent, "001/M");
  EXPECT_EQ(BadQsoFile(), std::string(kHeader) +
                              "QSO:  14080  RTTY  2021-03-14 0935  ZZ9ZZ  599  001  QQ1A  579  005   DUPE !!!\r\n");
}

TEST_F(Intake, RecordsTheCallAreaOfFourCountries) {
  const struct {
    const char* country;
    const char* prefix;
    int k, ve, ja, vk;
  } cases[] = {
      {"K", "W6", 6, -1, -1, -1},   {"VE", "VA3", -1, 3, -1, -1}, {"JA", "JA10", -1, -1, 0, -1},
      {"VK", "VK", -1, -1, -1, -1}, {"k", "W6", -1, -1, -1, -1},  {"DL", "DL1", -1, -1, -1, -1},
      {"VK", "VK4X", -1, -1, -1, 4},
  };
  for (const auto& c : cases) {
    Reset();
    Add({.prefix = c.prefix, .country = c.country});
    const CInfo& r = state.Unlocked().qsoLog.at(0);
    EXPECT_EQ(r.m_areaK, c.k) << c.country << c.prefix;
    EXPECT_EQ(r.m_areaVE, c.ve) << c.country << c.prefix;
    EXPECT_EQ(r.m_areaJA, c.ja) << c.country << c.prefix;
    EXPECT_EQ(r.m_areaVK, c.vk) << c.country << c.prefix;
  }
}

TEST(IntakeBeforeReset, StoresQsosButWritesNoLines) {
  ContestFixture f;
  EXPECT_EQ(f.Add({.band = "160m"}), 0);
  EXPECT_EQ(f.Add({}), 1);
  EXPECT_EQ(f.Add({}), 1);
  EXPECT_EQ(f.state.Unlocked().qsoLog.size(), 2u);
}

class Removal : public Intake {};

TEST_F(Removal, TakesOutOnlyTheFirstIdenticalRecordAndPostsARefresh) {
  seams.setupOpen = true;
  Add({.sent = "001"});
  Add({.sent = "002"});
  Add({.call = "QQ2B", .sent = "003"});
  state.Unlocked().refreshArmed = 0;
  EXPECT_EQ(Remove({}), 1);
  const auto& log = state.Unlocked().qsoLog;
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[0].m_exchSent, "002");
  EXPECT_EQ(seams.refreshes, 1);
  EXPECT_EQ(seams.areaResets, 1);
  EXPECT_EQ(state.Unlocked().refreshArmed, 1);
}

TEST_F(Removal, MatchesCallBandModeAndTimeExactly) {
  Add({});
  const Qso others[] = {{.call = "qq1a"}, {.mode = "rtty"}, {.band = "20M"},
                        {.time = At(2021, 3, 14, 9, 35, 1)}};
  for (const auto& q : others) EXPECT_EQ(Remove(q), 1);
  EXPECT_EQ(state.Unlocked().qsoLog.size(), 1u);
  EXPECT_EQ(seams.areaResets, 0);
}

TEST_F(Removal, DropsTheBadLinesOfTheRemovedQsoOnly) {
  Add({.band = "160m"});                                           // rejected, same minute
  Add({.call = "QQ1AB", .band = "160m"});                          // longer call, same minute
  Add({.call = "QQ2Z", .band = "160m", .sent = "0935"});           // number equal to the time
  Add({.time = At(2021, 3, 14, 10, 0), .band = "160m"});           // another minute
  Add({});
  Add({.time = At(2021, 3, 13, 9, 35, 30)});                       // duplicate: same hour-minute
  EXPECT_EQ(Remove({.band = "160m"}), 1);
  EXPECT_EQ(BadQsoFile(),
            std::string(kHeader) +
                "QSO:  14080  RTTY  2021-03-14 0935  ZZ9ZZ  599  001  QQ1AB  579  005   WRONG BAND !!!\r\n"
                "QSO:  14080  RTTY  2021-03-14 0935  ZZ9ZZ  599  0935  QQ2Z  579  005   WRONG BAND !!!\r\n"
                "QSO:  14080  RTTY  2021-03-14 1000  ZZ9ZZ  599  001  QQ1A  579  005   WRONG BAND !!!\r\n");
  // The record was never in the log; both stored QSOs stay.
  EXPECT_EQ(state.Unlocked().qsoLog.size(), 2u);
}

TEST_F(Removal, RemovingTheLastQsoEmptiesTheBandTables) {
  Add({.call = "A1", .band = "20m"});
  Add({.call = "A2", .band = "40m"});
  Result();
  EXPECT_FALSE(state.Unlocked().bandPrefixes[3].empty());
  Remove({.call = "A2", .band = "40m"});
  // Another QSO remains: the band list (sorted by the result) keeps "40m".
  EXPECT_EQ(state.Unlocked().loggedBands, (StringArray{"40m", "20m"}));
  Remove({.call = "A1", .band = "20m"});
  EXPECT_TRUE(state.Unlocked().loggedBands.empty());
  for (const auto& slot : state.Unlocked().bandPrefixes) EXPECT_TRUE(slot.empty());
}

TEST_F(Removal, RecreatesAMissingFileWithItsHeader) {
  std::filesystem::remove(dir.File("BadQSO_StatsKMNQ_14_03_2021.txt"));
  Remove({});
  EXPECT_EQ(BadQsoFile(), kHeader);
}

TEST_F(Removal, KeepsTheIndexesInStepWithTheLog) {
  Add({});
  Remove({});
  // No longer a duplicate once its twin is gone.
  Add({});
  EXPECT_EQ(state.Unlocked().qsoLog.at(0).m_dupes, 0);
  EXPECT_EQ(state.CheckCall({.call = "QQ1A", .mode = "RTTY", .prefix = "QQ1", .band = "20m"}), 0);
  Remove({});
  EXPECT_EQ(state.CheckCall({.call = "QQ1A", .mode = "RTTY", .prefix = "QQ1", .band = "20m"}), 2);
}

}  // namespace
}  // namespace qvt

namespace qvt {
namespace {

// The duplicate index keeps counting right when the modes of one call on a band come and go.
TEST_F(Removal, DuplicatesStayMarkedAcrossModesAddedAndRemoved) {
  using Q = ContestFixture::Qso;
  const Q rtty{.mode = "RTTY"};
  const Q psk{.time = At(2021, 3, 14, 9, 40), .mode = "BPSK63"};
  const Q rtty2{.time = At(2021, 3, 14, 9, 50), .mode = "rtty"};
  Add(rtty);
  Add(psk);
  Add(rtty2);
  Remove(rtty);  // the first mode's only record goes
  Add({.time = At(2021, 3, 14, 10, 0), .mode = "BPSK63"});  // still a duplicate of psk
  Add({.time = At(2021, 3, 14, 10, 5), .mode = "RTTY"});    // no longer a duplicate
  Add({.time = At(2021, 3, 14, 10, 10), .mode = "rtty"});   // a duplicate of rtty2
  const auto& log = state.Unlocked().qsoLog;
  ASSERT_EQ(log.size(), 5u);
  EXPECT_EQ(log[2].m_dupes, 1);
  EXPECT_EQ(log[3].m_dupes, 0);
  EXPECT_EQ(log[4].m_dupes, 1);
  EXPECT_EQ(state.CheckCall({.call = "QQ1A", .mode = "RTTY", .prefix = "QQ1", .band = "20m"}), 0);
}

}  // namespace
}  // namespace qvt
