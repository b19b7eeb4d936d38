#include "wpx_prefix.h"

#include <gtest/gtest.h>

namespace qvt::host {
namespace {

struct WpxCase {
  const char* call;
  const char* prefix;
};

TEST(WpxPrefix, TableOfCalls) {
  const WpxCase cases[] = {
      // Letters and the digits that follow them.
      {"N8BJQ", "N8"},
      {"WN5N", "WN5"},
      {"9A5Y", "9A5"},      // a digit first, then letters, then the call area
      {"2E0ABC", "2E0"},
      {"3DA0RU", "3DA0"},
      {"E73A", "E73"},      // a run of digits stays together
      {"LY1000A", "LY1000"},
      {"DB100FK", "DB100"},
      {"K1A2B", "K1"},      // digits in the suffix are not part of the prefix
      {"ab0rx", "AB0"},     // letter case of the log does not matter
      // No digit after the first character: two letters and "0".
      {"RAEM", "RA0"},
      {"9AAA", "9A0"},
      // Operating suffixes say nothing about the prefix.
      {"W1AW/P", "W1"},
      {"W1AW/M", "W1"},
      {"W1AW/MM", "W1"},
      {"W1AW/AM", "W1"},
      {"W1AW/QRP", "W1"},
      // A portable designator wins, written before or after the call.
      {"W1AW/KH6", "KH6"},
      {"KH6/W1AW", "KH6"},
      {"VP2E/W1AW", "VP2"},
      {"DL/W1AW/P", "DL0"},
      {"F/ON4UN", "F0"},    // a designator without a digit gets "0"
      {"PA/OH2AA", "PA0"},
      {"9A/DL1ABC", "9A0"},  // "9A" has no digit after its first character
      {"HB0/DL1ABC", "HB0"},
      // "/digit" replaces the call area.
      {"N8BJQ/9", "N9"},
      {"9A5Y/3", "9A3"},
      {"2E0ABC/1", "2E1"},
      {"LY1000A/2", "LY2"},
      {"RAEM/3", "RA3"},
      {"N8BJQ/9/QRP", "N9"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(WpxPrefix(c.call), c.prefix) << c.call;
}

}  // namespace
}  // namespace qvt::host
