#include "cty_lookup.h"

#include <gtest/gtest.h>

#include <sstream>

namespace qvt::host {
namespace {

// A few entities in the file's own layout: continuation lines, exact calls ("="), overrides
// after a prefix or call, a WAE-only entity ("*"), and an entity spread over two lines.
constexpr const char* kCountryFile =
    "United States of America: 05:  08:  NA:   37.60:    91.87:     5.0:  K:\n"
    "    AA,AB,K,N,W,=KG4ABC(5)[8];\n"
    "Guantanamo Bay:           08:  11:  NA:   20.00:    75.00:     5.0:  KG4:\n"
    "    KG4,=W1AW/KG4;\n"
    "Hawaii:                   31:  61:  OC:   21.12:   157.48:    10.0:  KH6:\n"
    "    AH6,KH6,=W1AW/KH6<21.1/157.5>;\n"
    "Fed. Rep. of Germany:     14:  28:  EU:   51.00:   -10.00:    -1.0:  DL:\n"
    "    DA,DB,DC,DD,\n"
    "    DJ,DK,DL,DM;\n"
    "Italy:                    15:  28:  EU:   42.82:   -12.58:    -1.0:  I:\n"
    "    I,IT9{EU};\n"
    "Sicily:                   15:  28:  EU:   37.50:   -14.00:    -1.0:  *IT9:\n"
    "    IT9,=IT9XX;\n"
    "European Russia:          16:  29:  EU:   53.65:   -41.37:    -4.0:  UA:\n"
    "    R,UA,UA1,UA3;\n"
    "Asiatic Russia:           17:  30:  AS:   55.88:   -84.08:    -7.0:  UA9:\n"
    "    UA9,UA0,RA9(17),RA0;\n"
    "Rotuma Island:            32:  56:  OC:  -12.48:  -177.08:   -12.0:  3D2/r:\n"
    "    =3D2AG/P,=3D2RI;\n"
    "Fiji:                     32:  56:  OC:  -17.78:  -177.92:   -12.0:  3D2:\n"
    "    3D2;\n";

CountryFile Fixture() {
  std::istringstream in(kCountryFile);
  return CountryFile::Parse(in);
}

struct CtyCase {
  const char* call;
  const char* prefix;
};

TEST(CountryFile, LooksCallsUpAsTheHostDoes) {
  const CountryFile file = Fixture();
  EXPECT_EQ(file.EntityCount(), 10u);
  const CtyCase cases[] = {
      {"W1AW", "K"},
      {"ab0rx", "K"},
      {"DK1ABC", "DL"},           // a prefix on the second alias line
      {"KG4XYZ", "KG4"},          // longest prefix wins over "K"
      {"KG4ABC", "K"},            // an exact call wins over every prefix
      {"W1AW/KG4", "KG4"},        // the whole call as an exact entry first...
      {"W1AW/KH6", "KH6"},        // ...and with an override after it
      {"KH6/W1AW", "KH6"},        // a designator written first
      {"DL/W1AW", "DL"},
      {"DL/W1AW/P", "DL"},
      {"DL1ABC/P", "DL"},
      {"DL1ABC/M", "DL"},
      {"DL1ABC/QRP", "DL"},
      {"3D2AG/P", "3D2/r"},       // an exact entry that carries "/P" itself
      {"3D2AG", "3D2"},
      {"3D2RI/P", "3D2/r"},       // the exact entry once "/P" is taken off
      {"UA1ABC", "UA"},
      {"UA1ABC/9", "UA9"},        // "/digit" moves the call to that call area
      {"RA0FLP", "UA9"},          // a prefix with an override
      {"UA9ABC/3", "UA"},
      {"IT9ABC", "I"},            // a WAE-only entity counts for its DXCC entity
      {"IT9XX", "I"},
      {"DL1ABC/MM", ""},          // at sea: no country
      {"W1AW/AM", ""},
      {"ZZ9ZZ", ""},              // no prefix fits
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(file.PrimaryPrefix(c.call), c.prefix) << c.call;
}

TEST(CountryFile, InstalledCountryFileGivesPrimaryPrefixes) {
  const auto file = CountryFile::Load(QVT_HOST_TEST_CTY);
  if (!file) GTEST_SKIP() << "no country file at " << QVT_HOST_TEST_CTY;
  EXPECT_GT(file->EntityCount(), 300u);
  const CtyCase cases[] = {
      {"9A5Y", "9A"},     {"AB0RX", "K"},      {"AB2E", "K"},       {"JH7RTQ", "JA"},
      {"RA0FLP", "UA9"},  {"UA2FF", "UA2"},    {"VE7KI", "VE"},     {"KH6/W1AW", "KH6"},
      {"W1AW/KH6", "KH6"}, {"HB0/DL1ABC", "HB0"}, {"VP2E/W1AW", "VP2E"}, {"3D2AG/P", "3D2/r"},
      {"IT9ABC", "I"},    {"G7X", "G"},        {"DL1ABC/MM", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(file->PrimaryPrefix(c.call), c.prefix) << c.call;
}

}  // namespace
}  // namespace qvt::host
