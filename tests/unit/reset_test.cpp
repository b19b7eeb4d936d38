#include <gtest/gtest.h>

#include "platform/profile.h"
#include "test_support.h"

namespace qvt {
namespace {

using testing::ContestFixture;

class Reset : public ContestFixture, public ::testing::Test {
 protected:
  std::string Setting(const char* key) {
    return platform::ReadProfileText(dir.File("Plugins\\QVT.ini"), "Settings", key, "<none>");
  }
  void SetSetting(const char* key, const char* value) {
    platform::WriteProfileText(dir.File("Plugins\\QVT.ini"), "Settings", key, value);
  }
  void HostSettings(const std::string& versionLine) {
    dir.Write("Kelvo2.ini", "[Main]\r\nName=x\r\n" + versionLine + "\r\nKelvo=9.99\r\n");
  }
};

TEST_F(Reset, TakesOverTheContestDataAndRecreatesTheBadQsoFile) {
  dir.Write("BadQSO_StatsKMNQ_14_03_2021.txt", "old\r\nlines\r\n");
  Add({});
  EXPECT_EQ(ContestFixture::Reset("ZZ9ZZ", "UR"), 1);
  const ContestData& d = state.Unlocked();
  EXPECT_EQ(d.contestStartText, "13.03");
  EXPECT_EQ(d.contestYear, "2021");
  EXPECT_EQ(d.contestEndText, "14.03.2021");
  EXPECT_EQ(d.badQsoFile, "BadQSO_StatsKMNQ_14_03_2021.txt");
  EXPECT_EQ(BadQsoFile(), "QVT Contest UBN file\r\n");
  EXPECT_EQ(d.ownCall, "ZZ9ZZ");
  EXPECT_EQ(d.ownCountry, "UR");
  EXPECT_TRUE(d.qsoLog.empty());
  EXPECT_TRUE(d.loggedBands.empty());
  const char* labels[] = {"80m", "80m", "40m", "20m", "15m", "10m"};
  for (int i = 0; i < kBandSlots; ++i) {
    EXPECT_EQ(d.workedBeforeRows[static_cast<std::size_t>(i)],
              (StringArray{labels[i], "-", "-", "-", "-"}));
  }
  // A QSO added after the reset is no duplicate of one from before it.
  Add({});
  EXPECT_EQ(d.qsoLog.at(0).m_dupes, 0);
}

TEST_F(Reset, StartFlagAlternatesAndDecidesTheSetupWindow) {
  const struct {
    const char* start;  // nullptr: no such key
    const char* hostVersion;  // nullptr: no host settings file
    bool setupOpen;
    int starts;
    const char* after;
  } cases[] = {
      {nullptr, nullptr, false, 1, "1"},
      {"0", nullptr, false, 1, "1"},
      {"1", nullptr, false, 0, "0"},
      {"7", nullptr, false, 0, "0"},
      {"abc", nullptr, false, 1, "1"},
      {"0", nullptr, true, 0, "0"},  // a window is open: nothing happens, "Start" stays
      {"0", "Kelvo=2.18", false, 0, "1"},
      {"0", "Kelvo=2.14R", false, 0, "1"},
      {"0", "Kelvo=2.19", false, 1, "1"},
      {"0", "Kelvo=2.18 ", false, 1, "1"},
  };
  for (const auto& c : cases) {
    ContestFixture f;
    if (c.start != nullptr) {
      platform::WriteProfileText(f.dir.File("Plugins\\QVT.ini"), "Settings", "Start", c.start);
    }
    if (c.hostVersion != nullptr) f.dir.Write("Kelvo2.ini", std::string(c.hostVersion) + "\r\n");
    f.seams.setupOpen = c.setupOpen;
    f.Reset();
    EXPECT_EQ(f.seams.setupStarts, c.starts) << c.start << " " << c.hostVersion;
    EXPECT_EQ(platform::ReadProfileText(f.dir.File("Plugins\\QVT.ini"), "Settings", "Start", "<none>"),
              c.after)
        << c.start << " " << c.hostVersion;
  }
}

TEST_F(Reset, TwoResetsInARowOpenTheSetupWindowOnce) {
  ContestFixture::Reset();
  ContestFixture::Reset();
  EXPECT_EQ(seams.setupStarts, 1);
  EXPECT_EQ(Setting("Start"), "0");
  ContestFixture::Reset();
  EXPECT_EQ(seams.setupStarts, 2);
}

TEST_F(Reset, FindsTheHostVersion) {
  const struct {
    const char* fileName;  // host settings file to create, or nullptr
    const char* contents;
    const char* pathPrefix;
    const char* version;
  } cases[] = {
      {nullptr, "", "", "Kelvo"},
      {"Kelvo2.ini", "[x]\r\nKelvo=2.18\r\n", "", "2.18"},
      {"Kelvo2.ini", "Kelvo=2.19\r\nKelvo=2.18\r\n", "", "2.19"},
      {"Kelvo2.ini", "MyKelvo=2.20\r\n", "", "o=2.20"},  // the key is taken to start the line
      {"Kelvo2.ini", "[x]\r\nKelvo=\r\n", "", ""},
      {"OldKelvo2.ini", "Kelvo=2.18\r\n", "", "<kept>"},  // listed, but the bare name is missing
      {"Other.ini", "Kelvo=2.18\r\n", "", "Kelvo"},
      {"Kelvo2.ini", "Kelvo=2.18\r\n", "Kel", "2.18"},
      {"Kelvo2.ini", "Kelvo=2.18\r\n", "Nothing", "Kelvo"},
      {"kelvo2.ini", "Kelvo=2.18\r\n", "", "Kelvo"},  // the name match is case-sensitive
  };
  for (const auto& c : cases) {
    ContestFixture f;
    f.state.Unlocked().hostVersion = "<kept>";
    if (c.fileName != nullptr) f.dir.Write(c.fileName, c.contents);
    f.Reset("ZZ9ZZ", "DL", 0, c.pathPrefix);
    EXPECT_EQ(f.state.Unlocked().hostVersion, c.version) << c.fileName << " " << c.contents;
  }
}

TEST_F(Reset, RussianInterfaceForListedCountriesOnlyAndNeverCleared) {
  const struct {
    const char* country;
    int russian;
  } cases[] = {{"UA", 1}, {"UA2", 1}, {"UA2/f", 1}, {"UA9", 1}, {"UN", 1}, {"UR", 1}, {"EU", 1},
               {"ua9", 0}, {"UA9A", 0}, {"UA2/F", 0}, {"DL", 0}, {"", 0}};
  for (const auto& c : cases) {
    ContestFixture f;
    f.Reset("ZZ9ZZ", c.country);
    EXPECT_EQ(f.state.Unlocked().russianUi, c.russian) << c.country;
  }
  ContestFixture::Reset("ZZ9ZZ", "UA9");
  ContestFixture::Reset("ZZ9ZZ", "DL");
  EXPECT_EQ(state.Unlocked().russianUi, 1);
}

TEST_F(Reset, ReadsTheClubMemberSetting) {
  SetSetting("I_Member", "1");
  ContestFixture::Reset();
  EXPECT_EQ(state.Unlocked().clubMember, 1);
  SetSetting("I_Member", "x");
  ContestFixture::Reset();
  EXPECT_EQ(state.Unlocked().clubMember, 0);
}

TEST_F(Reset, CabrilloRunAsksForTheHeaderAndNeverOpensTheSetupWindow) {
  SetSetting("Start", "0");
  ContestFixture::Reset("ZZ9ZZ", "DL", 5);
  EXPECT_EQ(seams.headerDialogs, 1);
  EXPECT_EQ(state.Unlocked().cabrilloRun, 1);
  EXPECT_EQ(seams.setupStarts, 0);
  EXPECT_EQ(Setting("Start"), "0");
  seams.confirmHeader = false;
  ContestFixture::Reset("ZZ9ZZ", "DL", 1);
  EXPECT_EQ(state.Unlocked().cabrilloRun, 0);
  EXPECT_EQ(seams.headerDialogs, 2);
}

TEST_F(Reset, UnwritableFolderStillAnswers) {
  // No "Plugins" folder: settings read as empty and are not written; the reset goes on.
  std::filesystem::remove_all(dir.File("Plugins"));
  EXPECT_EQ(ContestFixture::Reset(), 1);
  EXPECT_EQ(seams.setupStarts, 1);
  EXPECT_EQ(BadQsoFile(), "QVT Contest UBN file\r\n");
}

}  // namespace
}  // namespace qvt
