#include "band_plan.h"

#include <gtest/gtest.h>

namespace qvt::host {
namespace {

TEST(BandPlan, BandOfFrequencyIncludesTheBandEdges) {
  struct Case {
    double khz;
    const char* band;
  };
  const Case cases[] = {
      {1799.9, ""},   {1800, "160m"}, {2000, "160m"},  {3500, "80m"},  {3589, "80m"},
      {4000, "80m"},  {4000.1, ""},   {7000, "40m"},   {7300, "40m"},  {10120, "30m"},
      {14000, "20m"}, {14350, "20m"}, {14351, ""},     {21000, "15m"}, {21450, "15m"},
      {28000, "10m"}, {29700, "10m"}, {29701, ""},     {50100, "6m"},  {0, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(BandOfKilohertz(c.khz), c.band) << c.khz;
}

TEST(BandPlan, ModeNamesAsTheHostReportsThem) {
  struct Case {
    const char* mode;
    const char* submode;
    const char* host;
  };
  const Case cases[] = {
      {"RTTY", "", "RTTY"},     {"rtty", "", "RTTY"},   {"PSK", "PSK63", "BPSK63"},
      {"PSK", "BPSK63", "BPSK63"}, {"PSK63", "", "BPSK63"}, {"PSK", "PSK31", "PSK31"},
      {"CW", "", "CW"},         {"PSK", "", "PSK"},     {"PM", "", "PM"},
      {"", "", ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(HostModeName(c.mode, c.submode), c.host) << c.mode << "/" << c.submode;
  EXPECT_EQ(HostModeOfCabrilloCode("RY"), "RTTY");
  EXPECT_EQ(HostModeOfCabrilloCode("PM"), "BPSK63");
  EXPECT_EQ(HostModeOfCabrilloCode("pm"), "BPSK63");
  EXPECT_EQ(HostModeOfCabrilloCode("CW"), "CW");
  EXPECT_EQ(HostModeOfCabrilloCode("DG"), "DG");
}

TEST(BandPlan, ScaledDecimalKeepsWholeUnitsAndRefusesWhatDoesNotFit) {
  struct Case {
    const char* text;
    int scale;
    std::optional<std::uint32_t> value;
  };
  const Case cases[] = {
      {"14080", 3, 14080000u},     {"14.0805", 6, 14080500u},  {"14.08051999", 6, 14080519u},
      {" 7.04 ", 6, 7040000u},     {"3.5", 6, 3500000u},       {".5", 3, 500u},
      {"4294967.295", 3, 4294967295u}, {"4294967.296", 3, std::nullopt},
      {"4294967296", 0, std::nullopt}, {"", 3, std::nullopt},  {".", 3, std::nullopt},
      {"1.2.3", 3, std::nullopt},  {"-14080", 3, std::nullopt}, {"14O80", 3, std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ScaledDecimal(c.text, c.scale), c.value) << c.text;
}

}  // namespace
}  // namespace qvt::host
