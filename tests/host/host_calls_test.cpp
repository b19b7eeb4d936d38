// The host's calls put every argument the plug-in reads in its place. A fake plug-in records
// what arrives at each position.
#include "host_calls.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace qvt::host {
namespace {

// Position (from 1) -> what arrived there: a text, "<null>", a number, or a date-time.
using Arrivals = std::map<int, std::string>;
Arrivals arrivals;

std::string Show(Text text) { return text == nullptr ? "<null>" : std::string(text); }
std::string Show(DateTime t) {
  if (t == nullptr) return "<null>";
  return std::to_string(t->dayCount) + "/" + std::to_string(t->status);
}
// Tagged by type; built with append, as GCC 12 warns falsely (-Wrestrict) on "x" + string.
std::string Tagged(char tag, const std::string& value) { return std::string(1, tag).append(value); }
std::string Show(unsigned value) { return Tagged('u', std::to_string(value)); }
std::string Show(int value) { return Tagged('i', std::to_string(value)); }
std::string Show(double value) { return Tagged('d', std::to_string(value)); }
std::string Show(char* buffer) { return buffer == nullptr ? "<null>" : "buffer"; }

template <typename... Args>
void Record(Args... args) {
  arrivals.clear();
  int position = 0;
  ((arrivals[++position] = Show(args)), ...);
}

int FakeAddData(Text a1, Text a2, DateTime a3, DateTime a4, DateTime a5, DateTime a6, unsigned a7,
                unsigned a8, Text a9, Text a10, Text a11, Text a12, Text a13, Text a14, Text a15,
                Text a16, Text a17, Text a18, Text a19, Text a20, Text a21, Text a22, Text a23,
                int a24, int a25, int a26, double a27, double a28, Text a29, Text a30, Text a31,
                Text a32, Text a33) {
  Record(a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18, a19,
         a20, a21, a22, a23, a24, a25, a26, a27, a28, a29, a30, a31, a32, a33);
  return 7;
}

int FakeReset(Text a1, int a2, Text a3, DateTime a4, DateTime a5, Text a6, Text a7, Text a8,
              Text a9, Text a10, Text a11, Text a12, Text a13, Text a14, Text a15, int a16, int a17,
              int a18, double a19, double a20, Text a21, Text a22, Text a23) {
  Record(a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18, a19,
         a20, a21, a22, a23);
  return 1;
}

bool scribble = false;

int FakeCheckCall(Text a1, unsigned a2, unsigned a3, Text a4, Text a5, Text a6, Text a7, Text a8,
                  Text a9, Text a10, Text a11, Text a12, Text a13, Text a14, int a15, int a16,
                  int a17, double a18, double a19, Text a20, Text a21, Text a22, Text a23,
                  Text a24, Text a25, Text a26, char* a27, char* a28) {
  Record(a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18, a19,
         a20, a21, a22, a23, a24, a25, a26, a27, a28);
  if (scribble) a28[kCheckBufferSize - 1] = 'x';
  return 2;
}

PluginApi FakeApi() {
  PluginApi api;
  api.addData = &FakeAddData;
  api.removeData = &FakeAddData;
  api.resetStats = &FakeReset;
  api.checkCall = &FakeCheckCall;
  return api;
}

// Every position not listed must hold what a host passes for an unused argument of its type.
void ExpectOnly(const Arrivals& expected, std::size_t count, const Arrivals& unusedByType) {
  ASSERT_EQ(arrivals.size(), count);
  for (const auto& [position, value] : arrivals) {
    const auto it = expected.find(position);
    if (it != expected.end()) {
      EXPECT_EQ(value, it->second) << "position " << position;
    } else {
      EXPECT_EQ(value, unusedByType.at(position)) << "unused position " << position;
    }
  }
}

TEST(HostCalls, AddAndRemovePutTheQsoInItsPlaces) {
  const PluginApi api = FakeApi();
  HostDateTime time{44269.5, abi::kValid};
  QsoArguments qso;
  qso.ownCall = "QQ1A";
  qso.call = "QQ2B";
  qso.time = &time;
  qso.frequencyHz = 14080999;
  qso.mode = "RTTY";
  qso.rstSent = "599";
  qso.rstReceived = "579";
  qso.numberSent = "001";
  qso.numberReceived = "12/M";
  qso.prefix = "QQ2";
  qso.country = "QQ";
  qso.band = "20m";
  const Arrivals expected = {{1, "QQ1A"}, {2, "QQ2B"},  {3, Show(&time)}, {8, "u14080999"},
                             {9, "RTTY"}, {10, "599"},  {11, "579"},      {12, "001"},
                             {13, "12/M"}, {22, "QQ2"}, {23, "QQ"},       {32, "20m"}};
  // Unused: the other date-times are valid copies, texts empty, numbers zero.
  Arrivals unused;
  for (int p = 1; p <= 33; ++p) unused[p] = "";
  for (int p : {4, 5, 6}) unused[p] = Show(&time);
  unused[7] = "u0";
  for (int p : {24, 25, 26}) unused[p] = "i0";
  for (int p : {27, 28}) unused[p] = Show(0.0);

  EXPECT_EQ(AddQso(api, qso), 7);
  ExpectOnly(expected, 33, unused);
  EXPECT_EQ(RemoveQso(api, qso), 7);
  ExpectOnly(expected, 33, unused);

  // An invalid QSO time still leaves valid objects in the unused date-time places.
  HostDateTime invalid{0.0, abi::kInvalid};
  qso.time = &invalid;
  AddQso(api, qso);
  EXPECT_EQ(arrivals[3], Show(&invalid));
  HostDateTime zero{0.0, abi::kValid};
  EXPECT_EQ(arrivals[4], Show(&zero));
}

TEST(HostCalls, ResetPassesPathFlagCallDatesAndCountry) {
  const PluginApi api = FakeApi();
  HostDateTime start{44268.0, abi::kValid};
  HostDateTime end{44269.99, abi::kNull};
  ResetArguments reset;
  reset.pathPrefix = "C:\\Host\\";
  reset.cabrilloRun = 1;
  reset.ownCall = "QQ1A";
  reset.start = &start;
  reset.end = &end;
  reset.ownCountry = nullptr;
  EXPECT_EQ(ResetStats(api, reset), 1);
  Arrivals unused;
  for (int p = 1; p <= 23; ++p) unused[p] = "";
  for (int p : {16, 17, 18}) unused[p] = "i0";
  for (int p : {19, 20}) unused[p] = Show(0.0);
  ExpectOnly({{1, "C:\\Host\\"}, {2, "i1"}, {3, "QQ1A"}, {4, Show(&start)}, {5, Show(&end)},
              {15, "<null>"}},
             23, unused);
}

TEST(HostCalls, CheckCallPassesItsTextsAndNoticesWrittenBuffers) {
  const PluginApi api = FakeApi();
  CheckArguments check;
  check.call = "QQ1B";
  check.mode = "BPSK63";
  check.prefix = "QQ1";
  check.country = "QQ";
  check.band = "20m";
  check.band2 = "20M";
  scribble = false;
  const CheckAnswer answer = CheckCall(api, check);
  EXPECT_EQ(answer.code, 2);
  EXPECT_FALSE(answer.buffersChanged);
  Arrivals unused;
  for (int p = 1; p <= 28; ++p) unused[p] = "";
  for (int p : {2, 3}) unused[p] = "u0";
  for (int p : {15, 16, 17}) unused[p] = "i0";
  for (int p : {18, 19}) unused[p] = Show(0.0);
  ExpectOnly({{1, "QQ1B"}, {4, "BPSK63"}, {13, "QQ1"}, {14, "QQ"}, {25, "20m"}, {26, "20M"},
              {27, "buffer"}, {28, "buffer"}},
             28, unused);

  scribble = true;
  EXPECT_TRUE(CheckCall(api, check).buffersChanged);
  scribble = false;
}

}  // namespace
}  // namespace qvt::host
