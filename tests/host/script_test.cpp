#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "date_time_text.h"
#include "script_parser.h"
#include "script_runner.h"

namespace qvt::host {
namespace {

std::string Describe(const ScriptLine& line) {
  std::string out = line.command;
  for (const auto& w : line.words) {
    out += " [" + w.key + "|" + w.value + (w.quoted ? "|q" : "") + (w.IsNull() ? "|null" : "") +
           (w.IsInvalid() ? "|invalid" : "") + "]";
  }
  return out;
}

TEST(ScriptParser, LinesAndWords) {
  struct Case {
    const char* text;
    const char* parsed;  // nullptr: blank or comment
  };
  const Case cases[] = {
      {"", nullptr},
      {"   \t ", nullptr},
      {"# a comment", nullptr},
      {"  # indented comment", nullptr},
      {"html", "html"},
      {"html   # with a comment", "html"},
      {"add call=QQ1A band=20m", "add [call|QQ1A] [band|20m]"},
      {"add\tcall=QQ1A\r", "add [call|QQ1A]"},
      {"add call= band=", "add [call|] [band|]"},
      {"add call=@null", "add [call|@null|null]"},
      {"add time=@invalid", "add [time|@invalid|invalid]"},
      {"add call=\"@null\"", "add [call|@null|q]"},  // quoted text is literal
      {"exchange text=\"12 /M\" # note", "exchange [text|12 /M|q]"},
      {"exchange text=\"a#b\"", "exchange [text|a#b|q]"},
      {"exchange text=\"\"", "exchange [text||q]"},
      {"exchange text=a#b", "exchange [text|a]"},
      {"add call=QQ1A=B", "add [call|QQ1A=B]"},
  };
  for (const auto& c : cases) {
    const auto line = ParseScriptLine(c.text, 3);
    if (c.parsed == nullptr) {
      EXPECT_FALSE(line.has_value()) << c.text;
    } else {
      ASSERT_TRUE(line.has_value()) << c.text;
      EXPECT_EQ(Describe(*line), c.parsed);
      EXPECT_EQ(line->number, 3);
    }
  }
}

TEST(ScriptParser, MistakesAreReportedWithTheirLine) {
  const char* bad[] = {"add call", "add =QQ1A", "add call=\"QQ1A", "add call=\"QQ\"1A",
                       "add call=A call=B", "call=QQ1A"};
  for (const char* text : bad) {
    try {
      ParseScriptLine(text, 7);
      ADD_FAILURE() << "accepted: " << text;
    } catch (const ScriptError& e) {
      EXPECT_EQ(e.Line(), 7) << text;
    }
  }
  const auto lines = ParseScript("# head\nhtml\n\nsets\r\nresult out=a.txt");
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].number, 2);
  EXPECT_EQ(lines[1].number, 4);
  EXPECT_EQ(lines[2].number, 5);
}

// A fake plug-in that remembers what the host passed at the positions it reads.
struct Passed {
  std::string own, call, time, mode, rstSent, rstReceived, band, band2, exchange, path,
      country;
  unsigned frequency = 0;
  int cabrillo = -1;
  int versionCalls = 0;
};
Passed passed;

std::string Show(abi::Text text) { return text == nullptr ? "<null>" : std::string(text); }
std::string Show(abi::DateTime t) {
  if (t == nullptr) return "<null>";
  return std::to_string(t->dayCount) + "/" + std::to_string(t->status);
}

int FakeAdd(abi::Text own, abi::Text call, abi::DateTime time, abi::DateTime, abi::DateTime,
            abi::DateTime, unsigned, unsigned frequency, abi::Text mode, abi::Text rstSent,
            abi::Text rstReceived, abi::Text, abi::Text, abi::Text, abi::Text, abi::Text,
            abi::Text, abi::Text, abi::Text, abi::Text, abi::Text, abi::Text, abi::Text, int, int,
            int, double, double, abi::Text, abi::Text, abi::Text, abi::Text band, abi::Text) {
  passed.own = Show(own);
  passed.call = Show(call);
  passed.time = Show(time);
  passed.frequency = frequency;
  passed.mode = Show(mode);
  passed.rstSent = Show(rstSent);
  passed.rstReceived = Show(rstReceived);
  passed.band = Show(band);
  return 1;
}

int FakeReset(abi::Text path, int cabrillo, abi::Text call, abi::DateTime start, abi::DateTime,
              abi::Text, abi::Text, abi::Text, abi::Text, abi::Text, abi::Text, abi::Text,
              abi::Text, abi::Text, abi::Text country, int, int, int, double, double, abi::Text,
              abi::Text, abi::Text) {
  passed.path = Show(path);
  passed.cabrillo = cabrillo;
  passed.call = Show(call);
  passed.time = Show(start);
  passed.country = Show(country);
  return 1;
}

int FakeCheck(abi::Text call, unsigned, unsigned, abi::Text, abi::Text, abi::Text, abi::Text,
              abi::Text, abi::Text, abi::Text, abi::Text, abi::Text, abi::Text, abi::Text, int, int,
              int, double, double, abi::Text, abi::Text, abi::Text, abi::Text, abi::Text,
              abi::Text band, abi::Text band2, char*, char*) {
  passed.call = Show(call);
  passed.band = Show(band);
  passed.band2 = Show(band2);
  return 4;
}

int FakeExchange(abi::Text text, abi::Text, abi::Text, abi::Text, int, int, int) {
  passed.exchange = Show(text);
  return 0;
}
int FakeCount(abi::Text, abi::Text, abi::Text) { return 1; }
int FakeSets() { return 1; }
const char* FakeResult(int* number) {
  *number = -1;
  return "Band\tQSOs\r\nScore: 0*0 = 0";  // no line end at the end
}
const char* FakeSetName(int index) { return index == 0 ? "QVT (C)" : ""; }
void FakeSetup() {}
unsigned long FakeVersion(abi::Text) {
  ++passed.versionCalls;
  return 0;
}

PluginApi FakeApi() {
  PluginApi api;
  api.addData = &FakeAdd;
  api.removeData = &FakeAdd;
  api.resetStats = &FakeReset;
  api.checkCall = &FakeCheck;
  api.isValidExchange = &FakeExchange;
  api.getExchangeCount = &FakeCount;
  api.getNumberOfSets = &FakeSets;
  api.getResult = &FakeResult;
  api.getSetName = &FakeSetName;
  api.setupSet = &FakeSetup;
  api.setVersion = &FakeVersion;
  return api;
}

std::string RunScript(const std::string& script) {
  const PluginApi api = FakeApi();
  std::ostringstream out;
  ScriptRunner runner(api, out);
  for (const auto& line : ParseScript(script)) runner.Run(line);
  return out.str();
}

std::string DayCount(const char* text, int status = 0) {
  return std::to_string(DayCountOf(*ParseDateTimeText(text))) + "/" + std::to_string(status);
}

TEST(ScriptRunner, AnswersOneLinePerCall) {
  passed = {};
  const std::string out = RunScript(
      "reset call=QQ1A country=QQ start=2021-03-13T00:00 end=2021-03-14T23:59\n"
      "add call=QQ2B time=2021-03-13T10:00 freq=14080000 mode=RTTY band=20m sent=1 rcvd=2 "
      "prefix=QQ2 country=QQ\n"
      "remove call=QQ2B time=2021-03-13T10:00 mode=RTTY band=20m\n"
      "check call=QQ2B mode=RTTY band=160m prefix=QQ2\n"
      "exchange text=599\n"
      "exchcount\n"
      "html\n"
      "sets\n"
      "setup\n"
      "result\n");
  EXPECT_EQ(out,
            "reset -> 1\nadd -> 1\nremove -> 1\ncheck -> 4\nexchange -> 0\nexchcount -> 1\n"
            "html -> 0\nsets -> 1 \"QVT (C)\"\nsetup -> done\n"
            "Band\tQSOs\r\nScore: 0*0 = 0\nresult -> -1\n");
  EXPECT_EQ(passed.versionCalls, 1);
}

TEST(ScriptRunner, DefaultsAndSpecialValuesReachThePlugin) {
  passed = {};
  RunScript("reset call=QQ1A country=@null start=2021-03-13T00:00 end=@invalid cabrillo=1\n");
  EXPECT_EQ(passed.path, "");
  EXPECT_EQ(passed.cabrillo, 1);
  EXPECT_EQ(passed.country, "<null>");
  EXPECT_EQ(passed.time, DayCount("2021-03-13T00:00"));

  // The own call follows the last reset; reports are 599 unless given.
  RunScript(
      "reset call=QQ1A country=QQ start=2021-03-13T00:00 end=2021-03-14T00:00\n"
      "add call=QQ2B time=2021-03-13T10:00:30 freq=0 mode= band=@null sent= rcvd= prefix= "
      "country=\n");
  EXPECT_EQ(passed.own, "QQ1A");
  EXPECT_EQ(passed.rstSent, "599");
  EXPECT_EQ(passed.rstReceived, "599");
  EXPECT_EQ(passed.time, DayCount("2021-03-13T10:00:30"));
  EXPECT_EQ(passed.mode, "");
  EXPECT_EQ(passed.band, "<null>");

  RunScript(
      "add own=@null call=QQ2B time=@null freq=4294967295 mode=RTTY band=20m sent=1 rcvd=2 "
      "prefix=QQ2 country=QQ rst_sent=\"5 9\" rst_rcvd=@null\n");
  EXPECT_EQ(passed.own, "<null>");
  EXPECT_EQ(passed.time, std::to_string(0.0) + "/2");
  EXPECT_EQ(passed.frequency, 4294967295u);
  EXPECT_EQ(passed.rstSent, "5 9");
  EXPECT_EQ(passed.rstReceived, "<null>");

  RunScript("remove call=QQ2B time=@invalid mode=RTTY band=20m\n");
  EXPECT_EQ(passed.time, std::to_string(0.0) + "/1");
  RunScript("remove call=QQ2B time=@nullptr mode=RTTY band=20m\n");
  EXPECT_EQ(passed.time, "<null>");

  // The second band name is the first unless given.
  RunScript("check call=QQ2B mode=RTTY band=20m prefix=QQ2\n");
  EXPECT_EQ(passed.band2, "20m");
  RunScript("check call=QQ2B mode=RTTY band=20m band2=@null prefix=QQ2\n");
  EXPECT_EQ(passed.band2, "<null>");
  RunScript("exchange text=@null\n");
  EXPECT_EQ(passed.exchange, "<null>");
}

TEST(ScriptRunner, MistakesStopTheScriptWithTheirLine) {
  const char* bad[] = {
      "frobnicate",                                                     // unknown command
      "html now=1",                                                     // unknown key
      "reset call=QQ1A country=QQ start=2021-03-13T00:00",              // end= missing
      "reset call=QQ1A country=QQ start=2021-03-13 end=2021-03-14T00:00",  // not a date-time
      "reset call=QQ1A country=QQ start=@null end=@null cabrillo=2",    // flag is 0 or 1
      "add call=A time=@null freq=14.08 mode=RTTY band=20m sent=1 rcvd=2 prefix=A0 country=A",
      "add call=A time=@null freq=4294967296 mode=RTTY band=20m sent=1 rcvd=2 prefix=A0 "
      "country=A",
      "add call=A time=@null freq=-1 mode=RTTY band=20m sent=1 rcvd=2 prefix=A0 country=A",
      "add call=A time=@null freq=1 mode=RTTY band=20m sent=1 rcvd=2 prefix=A0",  // no country
      "check call=A mode=RTTY band=20m",                                // prefix= missing
      "setting key=I_Member value=@null",
  };
  for (const char* text : bad) {
    try {
      RunScript(std::string("html\n") + text + "\n");
      ADD_FAILURE() << "accepted: " << text;
    } catch (const ScriptError& e) {
      EXPECT_EQ(e.Line(), 2) << text;
    }
  }
}

}  // namespace
}  // namespace qvt::host
