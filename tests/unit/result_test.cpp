#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "platform/profile.h"
#include "reports/result_builder.h"
#include "test_support.h"

namespace qvt {
namespace {

using testing::ContestFixture;
using Qso = ContestFixture::Qso;

class ResultText : public ContestFixture, public ::testing::Test {
 protected:
  void SetUp() override { Reset(); }
  static platform::OleDateTime Minute(int minute, int second = 0) {
    return At(2021, 3, 14, 9 + minute / 60, minute % 60, second);
  }
  std::string Claimed() {
    return platform::ReadProfileText(dir.File("Plugins\\QVT.ini"), "Settings", "Claimed", "<none>");
  }
};

TEST_F(ResultText, EmptyLogHasTitleZeroTotalsAndNoRateBlock) {
  int n = 5;
  const std::string text = state.GetResult(&n);
  EXPECT_EQ(n, -1);
  EXPECT_EQ(text,
            "\t   QVT Contest 13.03-14.03.2021 \r\n\t       Contestant: ZZ9ZZ\r\nBand\tQSOs\tPoints\tPrefix\r\n"
            "Total\t 0\t 0\t 0\r\nDupe\t 0\r\nBad QSO\t 0\r\n\r\nScore: 0*0 = 0\r\n");
  EXPECT_EQ(Claimed(), "0");
}

TEST_F(ResultText, PointsForMembersAndCountries) {
  const struct {
    int clubMember;
    const char* country;
    const char* received;
    int points;
  } cases[] = {
      {1, "DL", "12/M", 7}, {1, "DL", "12", 3}, {1, "K", "12/M", 8}, {1, "K", "12", 4},
      {0, "DL", "12/M", 3}, {0, "DL", "12", 1}, {0, "K", "12/M", 4}, {0, "K", "12", 2},
      {0, "K", "/M12", 2},  // "/M" at the start is no member's number
      {0, "dl", "12", 2},   // countries compare exactly
  };
  for (const auto& c : cases) {
    ContestFixture f;
    f.Reset();
    f.state.SetClubMember(c.clubMember);
    f.Add({.rcvd = c.received, .country = c.country});
    const std::string text = f.Result();
    const std::string row = "20m\t 1\t " + std::to_string(c.points) + "\t 1\r\n";
    EXPECT_NE(text.find(row), std::string::npos) << c.clubMember << c.country << c.received << "\n" << text;
    EXPECT_NE(text.find("Last QSO points: " + std::to_string(c.points) + "\r\n"), std::string::npos);
  }
}

TEST_F(ResultText, SortsBandsLargestFirstAndKeepsTheOrder) {
  for (const char* band : {"10m", "80m", "20m", "40m", "15m", "20M"}) {
    Add({.call = std::string("A") + band, .band = band});
  }
  const std::string text = Result();
  EXPECT_EQ(state.Unlocked().loggedBands, (StringArray{"80m", "40m", "20m", "20M", "15m", "10m"}));
  EXPECT_LT(text.find("80m\t"), text.find("40m\t"));
  EXPECT_LT(text.find("20M\t"), text.find("15m\t"));
  StringArray withLongBand{"80m", "160m", "2m", "70cm"};
  SortBands(withLongBand);
  EXPECT_EQ(withLongBand, (StringArray{"70cm", "160m", "80m", "2m"}));
}

TEST_F(ResultText, CountsDupesAndMultipliersPerBandAndSkipsEmptyCalls) {
  Add({.call = "A1", .band = "20m", .prefix = "P1"});
  Add({.call = "A1", .band = "20m", .prefix = "P1"});  // duplicate
  Add({.call = "A2", .band = "20m", .prefix = "P1"});
  Add({.call = "A3", .band = "40m", .prefix = "P1"});
  Add({.call = "", .band = "40m", .prefix = "P9"});    // counts nowhere
  Add({.call = "", .band = "40m", .prefix = "P9"});    // an empty-call duplicate: not even a dupe
  const std::string text = Result();
  EXPECT_NE(text.find("40m\t 1\t 1\t 1\r\n20m\t 2\t 2\t 1\r\nTotal\t 3\t 3\t 2\r\nDupe\t 1\r\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("Score: 3*2 = 6\r\n"), std::string::npos);
  EXPECT_EQ(state.Unlocked().bandPrefixes[3], (StringArray{"P1"}));
  EXPECT_EQ(state.Unlocked().bandPrefixes[2], (StringArray{"P1"}));
  EXPECT_EQ(Claimed(), "6");
  EXPECT_EQ(state.Unlocked().claimedScore, 6);
}

TEST_F(ResultText, RateWindowsEndHalfASecondShortOfTheirLength) {
  // Reference: the last reported QSO at 10:00:00.
  const struct {
    int minute;
    int second;
    int inHour;
    int inTen;
  } cases[] = {
      {0, 1, 1, 0},    // 3599 s before: in the hour
      {0, 0, 0, 0},    // 3600 s before
      {50, 1, 1, 1},   // 599 s before
      {50, 0, 1, 0},   // 600 s before
      {61, 0, 1, 1},   // after the reference counts in both
  };
  for (const auto& c : cases) {
    ContestFixture f;
    f.Reset();
    f.Add({.call = "A1", .time = Minute(c.minute, c.second)});
    f.Add({.call = "A2", .time = Minute(60)});
    const std::string text = f.Result();
    const std::string qsoRate = "QSO rate: " + std::to_string(1 + c.inHour) + " (" +
                                std::to_string(6 * (1 + c.inTen)) + ") per hour\r\n";
    EXPECT_NE(text.find(qsoRate), std::string::npos) << c.minute << ":" << c.second << "\n" << text;
  }
  std::int64_t m = 0;
  // 599.5 s rounds to 600 s, 599.4 s to 599 s.
  EXPECT_TRUE(ElapsedMinutes(599.5 / 86400.0, 0.0, m));
  EXPECT_EQ(m, 10);
  EXPECT_TRUE(ElapsedMinutes(599.4 / 86400.0, 0.0, m));
  EXPECT_EQ(m, 9);
  EXPECT_TRUE(ElapsedMinutes(3599.4 / 86400.0, 0.0, m));
  EXPECT_EQ(m, 59);
  EXPECT_TRUE(ElapsedMinutes(3599.5 / 86400.0, 0.0, m));
  EXPECT_EQ(m, 60);
  EXPECT_FALSE(ElapsedMinutes(std::nan(""), 0.0, m));
}

TEST_F(ResultText, SingleQsoShowsItsPointsAndSixTimesTheTenMinuteRate) {
  Add({.country = "K"});
  const std::string text = Result();
  EXPECT_NE(text.find("Last QSO points: 2\r\nQSO rate: 1 (6) per hour\r\nPoints rate: 2 (12) per hour\r\n"),
            std::string::npos)
      << text;
}

TEST_F(ResultText, LastQsoPointsComeFromTheLatestCountedQsoOnTheLastBand) {
  Add({.call = "A1", .band = "20m", .country = "K"});   // 2 points
  Add({.call = "A2", .band = "40m", .country = "DL"});  // 1 point
  Add({.call = "A1", .band = "20m", .country = "DL"});  // duplicate, reported last
  EXPECT_NE(Result().find("Last QSO points: 2\r\n"), std::string::npos);
  ContestFixture f;
  f.Reset();
  f.Add({.call = "A1", .band = "20m"});
  f.Add({.call = "", .band = "40m"});
  EXPECT_NE(f.Result().find("Last QSO points: 0\r\n"), std::string::npos);
}

TEST_F(ResultText, CountsBadQsoLinesButNotDupesOrTheTitle) {
  Add({.band = "160m"});
  Add({.mode = "BPSK31"});
  Add({});
  Add({});  // duplicate line
  EXPECT_NE(Result().find("Dupe\t 1\r\nBad QSO\t 2\r\n"), std::string::npos);
  // Lines that only begin with a marker still count; an empty line counts too.
  dir.Write("BadQSO_StatsKMNQ_14_03_2021.txt", "QVT Contest UBN file\r\nDUPE x\r\nUBN\r\n\r\nx DUPE\r\n");
  EXPECT_EQ(Result().find("Bad QSO\t 3\r\n") != std::string::npos, true);
  std::filesystem::remove(dir.File("BadQSO_StatsKMNQ_14_03_2021.txt"));
  EXPECT_NE(Result().find("Bad QSO\t 0\r\n"), std::string::npos);
}

TEST_F(ResultText, CabrilloRunHasNoRateBlock) {
  Add({});
  state.Unlocked().cabrilloRun = 1;
  const std::string text = Result();
  EXPECT_EQ(text.find("Last QSO points"), std::string::npos);
  EXPECT_EQ(seams.messages.size(), 1u);
  EXPECT_EQ(seams.messages[0].text, "File produced: .log");  // no header step ran: no stem
  EXPECT_EQ(seams.messages[0].caption, "Output");
}

TEST_F(ResultText, PostsARefreshOnlyWhenArmedAndTheSetupWindowIsOpen) {
  Result();
  EXPECT_EQ(seams.refreshes, 0);
  seams.setupOpen = true;
  Result();
  Result();
  EXPECT_EQ(seams.refreshes, 1);
  EXPECT_EQ(state.Unlocked().refreshArmed, 0);
}

TEST_F(ResultText, FillsTheCallAreasOfEachBandOncePerKey) {
  Add({.call = "W6AA", .band = "20m", .prefix = "W6", .country = "K"});
  Add({.call = "K6BB", .band = "20m", .prefix = "K6", .country = "K"});
  Add({.call = "VA3C", .band = "20m", .prefix = "VA3", .country = "VE"});
  Add({.call = "JA1D", .band = "20m", .prefix = "JA1", .country = "JA"});
  Add({.call = "JA1D", .band = "20m", .prefix = "JA1", .country = "JA"});  // duplicate: not counted
  Add({.call = "VK4E", .band = "40m", .prefix = "VK4", .country = "VK"});
  Result();
  const auto& areas = state.Unlocked().bandAreas;
  EXPECT_EQ(areas[0][3], (StringArray{"K6"}));
  EXPECT_EQ(areas[1][3], (StringArray{"VE3"}));
  EXPECT_EQ(areas[2][3], (StringArray{"JA1"}));
  EXPECT_TRUE(areas[3][3].empty());
  EXPECT_EQ(areas[3][2], (StringArray{"VK4"}));
}

TEST_F(ResultText, ABandNameInAnotherCaseTakesOverTheSlotBeforeIt) {
  Add({.call = "A1", .band = "20m", .prefix = "P1"});
  Add({.call = "A2", .band = "20M", .prefix = "P2"});
  Result();
  EXPECT_EQ(state.Unlocked().bandPrefixes[3], (StringArray{"P2"}));
}

TEST_F(ResultText, ScoreBeyondThirtyTwoBitsIsWrittenWhole) {
  // 70000 QSOs with distinct prefixes, 8 points each: 560000 * 70000 = 39200000000.
  state.SetClubMember(1);
  for (int i = 0; i < 70000; ++i) {
    const std::string id = std::to_string(i);
    Add({.call = "C" + id, .rcvd = "1/M", .prefix = "P" + id, .country = "K"});
  }
  const std::string text = Result();
  EXPECT_NE(text.find("Score: 560000*70000 = 39200000000\r\n"), std::string::npos);
  EXPECT_EQ(Claimed(), "39200000000");
  state.SetVersion();
  EXPECT_NE(Result().find("<center>560000 * 70000 = 39200000000</center>"), std::string::npos);
}

// A small log over all five bands and both modes, byte for byte.
class GoldenResult : public ResultText {
 protected:
  void SetUp() override {
    Reset("ZZ9ZZ", "DL");
    Add({.call = "DL1AA", .time = Minute(0), .band = "20m", .rcvd = "001", .prefix = "DL1", .country = "DL"});
    Add({.call = "K1ABC", .time = Minute(5), .band = "20m", .rcvd = "012/M", .prefix = "K1", .country = "K"});
    Add({.call = "DL1AA", .time = Minute(10), .band = "20m", .rcvd = "001", .prefix = "DL1", .country = "DL"});
    Add({.call = "JA1XYZ", .time = Minute(20), .hz = 7040100, .mode = "BPSK63", .band = "40m", .rcvd = "5", .prefix = "JA1", .country = "JA"});
    Add({.call = "DL1AA", .time = Minute(30), .hz = 7080000, .band = "40m", .rcvd = "002", .prefix = "DL1", .country = "DL"});
    Add({.call = "K2XX", .time = Minute(40), .hz = 3580000, .band = "80m", .rcvd = "77", .prefix = "K2", .country = "K"});
    Add({.call = "", .time = Minute(45), .hz = 3580000, .band = "80m", .rcvd = "78", .prefix = "", .country = ""});
    Add({.call = "G4ABC", .time = Minute(50), .hz = 28080000, .mode = "BPSK63", .band = "10m", .rcvd = "3", .prefix = "G4", .country = "G"});
    Add({.call = "OK1Z", .time = Minute(55), .hz = 1840000, .band = "160m", .rcvd = "4", .prefix = "OK1", .country = "OK"});
    Add({.call = "VE3AB", .time = Minute(58), .hz = 21080000, .band = "15m", .rcvd = "/M12", .prefix = "VE3", .country = "VE"});
  }

  void ExpectGolden(const std::string& name, const std::string& text) {
    const std::string path = std::string(QVT_SOURCE_DIR) + "/tests/golden/results/" + name;
    if (std::getenv("QVT_UPDATE_GOLDEN") != nullptr) platform::WriteBinaryFile(path, text);
    EXPECT_EQ(text, platform::ReadBinaryFile(path).value_or("<missing " + path + ">"));
  }
};

TEST_F(GoldenResult, PlainText) { ExpectGolden("multiband.txt", Result()); }

TEST_F(GoldenResult, Html) {
  state.SetVersion();
  const std::string text = Result();
  EXPECT_EQ(text.rfind("<html><head><style>", 0), 0u);
  EXPECT_EQ(text.substr(text.size() - 14), "</body></html>");
  EXPECT_EQ(text.find('\n'), std::string::npos);
  ExpectGolden("multiband.html", text);
}

TEST_F(GoldenResult, ClubMemberPlainText) {
  state.SetClubMember(1);
  ExpectGolden("multiband-member.txt", Result());
}

TEST(ResultHtml, EmptyLogHasEveryRowWithZeros) {
  ContestFixture f;
  f.Reset();
  f.state.SetVersion();
  EXPECT_EQ(f.Result(),
            std::string("<html><head><style>table{ width:100%; }table, th, td{ border: 1px solid black; "
                        "border-collapse: collapse; }th, td{ padding: 1px; text-align: middle; }th,td{ "
                        "background-color: #fffac6; color: black}</style></head><body>") +
                "<center><b>    QVT Contest 13.03-14.03.2021</b></center><center>Contestant:  <b>ZZ9ZZ</center></b><table>"
                "<tr><th> Band</th><th> QSOs</th><th> Points</th><th> Prefix</th></tr>"
                "<tr><th> <center>Total</center></th><td><center>0</center></td><td><center>0</center></td><td><center>0</center></td></tr>"
                "<tr><th> <center>Dupe</center></th><td><center>0</center></td><td colspan=8> </td></tr>"
                "<tr><th> <center>Bad QSO</center></th><td><center>0</center></td><td colspan=8> </td></tr>"
                "<tr><th>Score:</th><td colspan=9><center>0 * 0 = 0</center></td></tr>"
                "<tr><th>Last QSO points:</small></th><td colspan=9><center>    0</center></td></tr>"
                "<th colspan=10><center>Rate</center></th></tr>"
                "<tr><th> Hourly (10min/1 hour) QSO rate: </th><td colspan=9><center>    0 /0</center></td></tr>"
                "<tr><th> Hourly (10min/1 hour) pts rate: </th><td colspan=9><center>    0 /0</center></td></tr>"
                "</table></body></html>");
}

}  // namespace
}  // namespace qvt
