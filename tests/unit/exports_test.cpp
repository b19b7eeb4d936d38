// The plug-in as the host sees it: loaded as a library, every entry point found by name and
// called with the host's argument lists, null pointers included.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/text_file.h"
#include "plugin/qvt_exports.h"
#include "plugin_library.h"
#include "test_support.h"

namespace qvt {
namespace {

using abi::HostDateTime;
using testing::PluginLibrary;

using NamePair = abi::ExportName;
constexpr const auto& kExports = abi::kExportNames;

#if defined(_WIN32)
constexpr bool kDecorated = true;
#else
constexpr bool kDecorated = false;
#endif

// Runs each test in a fresh working folder: the plug-in writes its files there.
class Exports : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(lib.Loaded());
    previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
  }
  void TearDown() override { std::filesystem::current_path(previous); }

  std::string Name(const NamePair& pair, bool decorated) const {
    return decorated ? pair.decorated : pair.plain;
  }

  int Reset(abi::ResetStatsFn fn, const char* call, HostDateTime* start, HostDateTime* end,
            const char* country) {
    return fn("", 0, call, start, end, "", "", "", "", "", "", "", "", "", country, 0, 0, 0, 0.0,
              0.0, "", "", "");
  }
  int Add(abi::AddDataFn fn, const char* call, HostDateTime* t, const char* band) {
    return fn("ZZ9ZZ", call, t, t, t, t, 0, 14080000, "RTTY", "599", "599", "001", "002", "", "",
              "", "", "", "", "", "", "QQ1", "DL", 0, 0, 0, 0.0, 0.0, "", "", "", band, "");
  }

  PluginLibrary lib;
  testing::TempFolder dir;
  std::filesystem::path previous;
};

TEST_F(Exports, EveryEntryPointIsFoundUnderItsNames) {
  for (const auto& pair : kExports) {
    EXPECT_NE(lib.Find(pair.plain), nullptr) << pair.plain;
      if (kDecorated) {
      EXPECT_NE(lib.Find(pair.decorated), nullptr) << pair.decorated;
    }
  }
  if (kDecorated) {
    // One body behind the four names of the set and exchange counts.
    EXPECT_EQ(lib.Find("GetNumberOfSets"), lib.Find("GetExchgCount0"));
    EXPECT_EQ(lib.Find("?GetNumberOfSets@@YAHXZ"), lib.Find("GetExchgCount0"));
    EXPECT_EQ(lib.Find("?StatsGetExchgCount0@@YAHPBD00@Z"), lib.Find("GetExchgCount0"));
  }
}

TEST_F(Exports, BothNamesReachTheSameBehaviour) {
  for (bool decorated : {false, true}) {
    if (decorated && !kDecorated) continue;
    SCOPED_TRACE(decorated ? "decorated" : "plain");
    auto name = [&](int i) { return Name(kExports[i], decorated); };
    auto reset = lib.Get<abi::ResetStatsFn>(name(2));
    auto add = lib.Get<abi::AddDataFn>(name(0));
    auto remove = lib.Get<abi::RemoveDataFn>(name(1));
    auto check = lib.Get<abi::CheckCallFn>(name(3));
    auto exchange = lib.Get<abi::IsValidExchgFn>(name(4));
    auto exchCount = lib.Get<abi::GetExchgCountFn>(name(5));
    auto sets = lib.Get<abi::GetNumberOfSetsFn>(name(6));
    auto result = lib.Get<abi::GetResultFn>(name(7));
    auto setName = lib.Get<abi::GetSetNameFn>(name(8));
    ASSERT_TRUE(reset && add && remove && check && exchange && exchCount && sets && result && setName);

    HostDateTime start{44268.0, 0};
    HostDateTime end{44269.0, 0};
    HostDateTime t{44269.4, 0};
    EXPECT_EQ(Reset(reset, "ZZ9ZZ", &start, &end, "DL"), 1);
    EXPECT_EQ(Add(add, "QQ1A", &t, "20m"), 1);
    EXPECT_EQ(Add(add, "QQ1A", &t, "160m"), 0);
    char b1[64] = "keep";
    char b2[64] = "keep";
    EXPECT_EQ(check("QQ1A", 0, 0, "RTTY", "", "", "", "", "", "", "", "", "QQ1", "", 0, 0, 0, 0.0,
                    0.0, "", "", "", "", "", "20m", "20m", b1, b2),
              0);
    EXPECT_STREQ(b1, "keep");
    EXPECT_EQ(exchange("001", "", "", "", 0, 0, 0), 1);
    EXPECT_EQ(exchange("599", "", "", "", 0, 0, 0), 0);
    EXPECT_EQ(exchCount("", "", ""), 1);
    EXPECT_EQ(sets(), 1);
    EXPECT_STREQ(setName(0), "QVT (C)");
    EXPECT_STREQ(setName(1), "");
    EXPECT_STREQ(setName(-1), "");
    int n = 7;
    const std::string text = result(&n);
    EXPECT_EQ(n, -1);
    EXPECT_NE(text.find("20m\t 1\t 1\t 1\r\n"), std::string::npos) << text;
    EXPECT_EQ(remove("", "QQ1A", &t, nullptr, nullptr, nullptr, 0, 0, "RTTY", "", "", "", "", "",
                     "", "", "", "", "", "", "", "", "", 0, 0, 0, 0.0, 0.0, "", "", "", "20m", ""),
              1);
    EXPECT_NE(std::string(result(&n)).find("Total\t 0\t 0\t 0\r\n"), std::string::npos);
    EXPECT_EQ(platform::ReadBinaryFile("BadQSO_StatsKMNQ_14_03_2021.txt").value_or(""),
              "QVT Contest UBN file\r\n");
  }
}

TEST_F(Exports, NullPointersReadAsEmptyTextsAndInvalidDates) {
  auto reset = lib.Get<abi::ResetStatsFn>("ResetStats0");
  auto add = lib.Get<abi::AddDataFn>("AddData0");
  auto remove = lib.Get<abi::RemoveDataFn>("RemoveData0");
  auto check = lib.Get<abi::CheckCallFn>("CheckCall0");
  auto exchange = lib.Get<abi::IsValidExchgFn>("IsValidExchg0");
  auto result = lib.Get<abi::GetResultFn>("GetResult0");
  auto version = lib.Get<abi::SetVersionFn>("setVersion");
  EXPECT_EQ(reset(nullptr, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                  nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, 0, 0.0, 0.0, nullptr,
                  nullptr, nullptr),
            1);
  // The contest end is invalid: the bad-QSO file is named after the fixed text.
  const std::string bad = "BadQSO_StatsKMNQ_Invalid DateTime.txt";
  EXPECT_EQ(platform::ReadBinaryFile(bad).value_or(""), "QVT Contest UBN file\r\n");
  EXPECT_EQ(add(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, nullptr, nullptr,
                nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                nullptr, nullptr, nullptr, nullptr, 0, 0, 0, 0.0, 0.0, nullptr, nullptr, nullptr,
                nullptr, nullptr),
            0);
  EXPECT_EQ(platform::ReadBinaryFile(bad).value_or(""),
            "QVT Contest UBN file\r\nQSO:  0    Invalid DateTime" + std::string(12, ' ') +
                "   WRONG BAND !!!\r\n");
  EXPECT_EQ(remove(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, nullptr, nullptr,
                   nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                   nullptr, nullptr, nullptr, nullptr, 0, 0, 0, 0.0, 0.0, nullptr, nullptr,
                   nullptr, nullptr, nullptr),
            1);
  EXPECT_EQ(check(nullptr, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                  nullptr, nullptr, nullptr, nullptr, 0, 0, 0, 0.0, 0.0, nullptr, nullptr, nullptr,
                  nullptr, nullptr, nullptr, nullptr, nullptr, nullptr),
            4);
  EXPECT_EQ(exchange(nullptr, nullptr, nullptr, nullptr, 0, 0, 0), 0);
  EXPECT_NE(result(nullptr), nullptr);
  EXPECT_EQ(version(nullptr), 0u);
  EXPECT_EQ(std::string(result(nullptr)).rfind("<html><head><style>", 0), 0u);
}

}  // namespace
}  // namespace qvt
