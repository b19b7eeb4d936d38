// The same tests run natively against the portable twin and under Wine against the real
// profile functions, so the twin is checked against them.
#include "platform/profile.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace qvt::platform {
namespace {

using qvt::testing::TempFolder;

TEST(Profile, WritesANewFileWithCrlfAndReadsItBack) {
  TempFolder dir;
  const std::string ini = dir.File("Plugins\\QVT.ini");
  EXPECT_TRUE(WriteProfileText(ini, "Settings", "Start", "1"));
  EXPECT_TRUE(WriteProfileText(ini, "Settings", "I_Member", "0"));
  EXPECT_TRUE(WriteProfileText(ini, "Settings", "Start", "0"));
  EXPECT_EQ(dir.Read("Plugins/QVT.ini"), "[Settings]\r\nStart=0\r\nI_Member=0\r\n");
  EXPECT_EQ(ReadProfileText(ini, "Settings", "Start"), "0");
  EXPECT_EQ(ReadProfileInt(ini, "Settings", "I_Member"), 0);
}

TEST(Profile, MatchesSectionAndKeyWithoutRegardToCase) {
  TempFolder dir;
  dir.Write("Plugins/QVT.ini", "[settings]\r\ni_member=1\r\nName=  Ann Lee  \r\n");
  const std::string ini = dir.File("Plugins\\QVT.ini");
  EXPECT_EQ(ReadProfileText(ini, "Settings", "I_Member"), "1");
  EXPECT_EQ(ReadProfileText(ini, "SETTINGS", "name"), "Ann Lee");
  WriteProfileText(ini, "Settings", "I_MEMBER", "0");
  EXPECT_EQ(ReadProfileInt(ini, "Settings", "I_Member"), 0);
  EXPECT_EQ(ReadProfileText(ini, "Other", "I_Member", "dflt"), "dflt");
}

TEST(Profile, ReturnsAtMost99Characters) {
  TempFolder dir;
  const std::string ini = dir.File("Plugins\\QVT.ini");
  const std::string longValue(250, 'x');
  WriteProfileText(ini, "Settings", "Name", longValue);
  EXPECT_EQ(ReadProfileText(ini, "Settings", "Name"), std::string(99, 'x'));
}

TEST(Profile, MissingFileOrFolderReadsAsDefaultAndWriteFailsSilently) {
  TempFolder dir;
  const std::string missing = dir.File("NoSuchFolder\\QVT.ini");
  EXPECT_EQ(ReadProfileText(missing, "Settings", "Start"), "");
  EXPECT_EQ(ReadProfileInt(missing, "Settings", "Start"), 0);
  EXPECT_FALSE(WriteProfileText(missing, "Settings", "Start", "1"));
  EXPECT_EQ(dir.Read("NoSuchFolder/QVT.ini"), "<missing>");
}

TEST(Profile, NumbersGoThroughTheDecimalConversion) {
  TempFolder dir;
  dir.Write("Plugins/QVT.ini", "[Settings]\r\nA=12abc\r\nB=abc\r\nC=-3\r\nD=\r\n");
  const std::string ini = dir.File("Plugins\\QVT.ini");
  EXPECT_EQ(ReadProfileInt(ini, "Settings", "A"), 12);
  EXPECT_EQ(ReadProfileInt(ini, "Settings", "B"), 0);
  EXPECT_EQ(ReadProfileInt(ini, "Settings", "C"), -3);
  EXPECT_EQ(ReadProfileInt(ini, "Settings", "D"), 0);
  EXPECT_EQ(ReadProfileInt(ini, "Settings", "E"), 0);
  EXPECT_EQ(DecimalValue(std::string(99, '9')), 2147483647);
  EXPECT_EQ(DecimalValue("-" + std::string(30, '9')), -2147483647 - 1);
  EXPECT_EQ(DecimalValue("  42"), 42);
}

TEST(Profile, AddsKeysAtTheEndOfTheirSectionAndKeepsOtherSections) {
  TempFolder dir;
  dir.Write("Plugins/QVT.ini", "[Settings]\r\nStart=1\r\n[Other]\r\nX=2\r\n");
  const std::string ini = dir.File("Plugins\\QVT.ini");
  WriteProfileText(ini, "Settings", "Claimed", "42");
  EXPECT_EQ(dir.Read("Plugins/QVT.ini"), "[Settings]\r\nStart=1\r\nClaimed=42\r\n[Other]\r\nX=2\r\n");
  EXPECT_EQ(ReadProfileText(ini, "Other", "X"), "2");
}

}  // namespace
}  // namespace qvt::platform

namespace qvt::platform {
namespace {

TEST(Profile, DefaultsLoseTheirTrailingBlanks) {
  qvt::testing::TempFolder dir;
  const std::string ini = dir.File("Plugins\\QVT.ini");
  EXPECT_EQ(ReadProfileText(ini, "Settings", "Operators", "ZZ9ZZ  "), "ZZ9ZZ");
  EXPECT_EQ(ReadProfileText(ini, "Settings", "Operators", "   "), " ");
  EXPECT_EQ(ReadProfileText(ini, "Settings", "Operators", " A B "), " A B");
}

}  // namespace
}  // namespace qvt::platform
