#include "platform/file_search.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "test_support.h"

namespace qvt::platform {
namespace {

using qvt::testing::TempFolder;

TEST(FileSearch, WildcardsMatchWithoutRegardToCase) {
  const struct {
    const char* pattern;
    const char* name;
    bool match;
  } cases[] = {
      {"*.ini", "Kelvo2.ini", true},  {"*.ini", "KELVO2.INI", true}, {"*.ini", "a.ini.bak", false},
      {"K*2.ini", "Kelvo2.ini", true}, {"?.exe", "a.exe", true},     {"?.exe", "ab.exe", false},
      {"*", "", true},                 {"*.exe", "exe", false},      {"**x", "abx", true},
  };
  for (const auto& c : cases) EXPECT_EQ(WildcardMatch(c.pattern, c.name), c.match) << c.pattern << " " << c.name;
}

TEST(FileSearch, ListsMatchingEntriesOfAFolder) {
  TempFolder dir;
  dir.Write("Kelvo2.ini", "");
  dir.Write("other.ini", "");
  dir.Write("notes.txt", "");
  auto names = FindFiles(dir.File("*.ini"));
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"Kelvo2.ini", "other.ini"}));
  EXPECT_TRUE(FindFiles(dir.File("nothing*.ini")).empty());
  EXPECT_TRUE(FindFiles(dir.File("missing\\*.ini")).empty());
}

TEST(FileSearch, ParsesTheFixedVersionBlock) {
  std::string bytes(64, '\0');
  const unsigned char block[] = {0xBD, 0x04, 0xEF, 0xFE, 0, 0, 1, 0,
                                 20, 0, 2, 0,  // most significant half: 2.20
                                 4, 0, 7, 0};  // least significant half: 7.4
  std::copy(std::begin(block), std::end(block), bytes.begin() + 16);
  const auto version = ParseFileVersion(bytes);
  ASSERT_TRUE(version.has_value());
  EXPECT_EQ((*version)[0], 2);
  EXPECT_EQ((*version)[1], 20);
  EXPECT_EQ((*version)[2], 7);
  EXPECT_EQ((*version)[3], 4);
  EXPECT_FALSE(ParseFileVersion(std::string(64, 'x')).has_value());
  EXPECT_FALSE(ReadFileVersion(std::string("/no/such/file.exe")).has_value());
}

}  // namespace
}  // namespace qvt::platform
