#include "script_runner.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string_view>

#include "band_plan.h"
#include "date_time_text.h"
#include "host_calls.h"
#include "platform/profile.h"

namespace qvt::host {
namespace {

// Checks the keys of a line against the command's required and optional keys.
void CheckKeys(const ScriptLine& line, std::initializer_list<std::string_view> required,
               std::initializer_list<std::string_view> optional) {
  for (const auto& word : line.words) {
    const bool known = std::find(required.begin(), required.end(), word.key) != required.end() ||
                       std::find(optional.begin(), optional.end(), word.key) != optional.end();
    if (!known) throw ScriptError(line.number, "'" + line.command + "' has no key '" + word.key + "'");
  }
  for (const auto key : required) {
    if (line.Find(key) == nullptr)
      throw ScriptError(line.number, "'" + line.command + "' needs " + std::string(key) + "=");
  }
}

// A text argument: the word's text, a null pointer for @null, `fallback` when absent.
Text TextOf(const ScriptLine& line, std::string_view key, Text fallback = "") {
  const ScriptWord* word = line.Find(key);
  if (word == nullptr) return fallback;
  if (word->IsNull()) return nullptr;
  return word->value.c_str();
}

// A date-time argument: a valid day count, or the invalid or null status. "@nullptr" passes
// no object at all.
struct DateTimeArgument {
  HostDateTime value{0.0, abi::kValid};
  bool pointerIsNull = false;
  DateTime Pointer() { return pointerIsNull ? nullptr : &value; }
};

DateTimeArgument DateTimeOf(const ScriptLine& line, std::string_view key) {
  const ScriptWord* word = line.Find(key);
  DateTimeArgument argument;
  if (word == nullptr) return argument;
  if (word->IsNull()) {
    argument.value.status = abi::kNull;
  } else if (word->IsInvalid()) {
    argument.value.status = abi::kInvalid;
  } else if (!word->quoted && word->value == "@nullptr") {
    argument.pointerIsNull = true;
  } else if (const auto time = ParseDateTimeText(word->value)) {
    argument.value.dayCount = DayCountOf(*time);
  } else {
    throw ScriptError(line.number, std::string(key) + "='" + word->value +
                                       "' is not a date-time YYYY-MM-DDTHH:MM[:SS]");
  }
  return argument;
}

std::uint32_t UnsignedOf(const ScriptLine& line, std::string_view key) {
  const ScriptWord* word = line.Find(key);
  if (word == nullptr) return 0;
  const auto value = ScaledDecimal(word->value, 0);
  if (!value || word->value.find('.') != std::string::npos)
    throw ScriptError(line.number, std::string(key) + "='" + word->value +
                                       "' is not an unsigned 32-bit number");
  return *value;
}

int FlagOf(const ScriptLine& line, std::string_view key) {
  const ScriptWord* word = line.Find(key);
  if (word == nullptr) return 0;
  if (word->value == "0") return 0;
  if (word->value == "1") return 1;
  throw ScriptError(line.number, std::string(key) + "= takes 0 or 1");
}

std::string PlainTextOf(const ScriptLine& line, std::string_view key) {
  const ScriptWord* word = line.Find(key);
  if (word->IsNull()) throw ScriptError(line.number, std::string(key) + "= cannot be @null");
  return word->value;
}

const char* Printable(const char* text) { return text == nullptr ? "(null)" : text; }

const std::initializer_list<std::string_view> kQsoOptionalKeys = {
    "own", "rst_sent", "rst_rcvd", "freq", "sent", "rcvd", "prefix", "country"};

}  // namespace

void ScriptRunner::Run(const ScriptLine& line) {
  const std::string& command = line.command;
  if (command == "reset") {
    CheckKeys(line, {"call", "country", "start", "end"}, {"cabrillo", "path"});
    DateTimeArgument start = DateTimeOf(line, "start");
    DateTimeArgument end = DateTimeOf(line, "end");
    ResetArguments reset;
    reset.pathPrefix = TextOf(line, "path");
    reset.cabrilloRun = FlagOf(line, "cabrillo");
    reset.ownCall = TextOf(line, "call");
    reset.start = start.Pointer();
    reset.end = end.Pointer();
    reset.ownCountry = TextOf(line, "country");
    lastResetCall_ = reset.ownCall == nullptr ? "" : reset.ownCall;
    out_ << "reset -> " << ResetStats(api_, reset) << '\n';
  } else if (command == "add" || command == "remove") {
    const bool add = command == "add";
    if (add) {
      CheckKeys(line, {"call", "time", "freq", "mode", "band", "sent", "rcvd", "prefix", "country"},
                {"own", "rst_sent", "rst_rcvd"});
    } else {
      CheckKeys(line, {"call", "time", "mode", "band"}, kQsoOptionalKeys);
    }
    DateTimeArgument time = DateTimeOf(line, "time");
    QsoArguments qso;
    qso.ownCall = TextOf(line, "own", lastResetCall_.c_str());
    qso.call = TextOf(line, "call");
    qso.time = time.Pointer();
    qso.frequencyHz = UnsignedOf(line, "freq");
    qso.mode = TextOf(line, "mode");
    qso.rstSent = TextOf(line, "rst_sent", "599");
    qso.rstReceived = TextOf(line, "rst_rcvd", "599");
    qso.numberSent = TextOf(line, "sent");
    qso.numberReceived = TextOf(line, "rcvd");
    qso.prefix = TextOf(line, "prefix");
    qso.country = TextOf(line, "country");
    qso.band = TextOf(line, "band");
    const int answer = add ? AddQso(api_, qso) : RemoveQso(api_, qso);
    out_ << command << " -> " << answer << '\n';
  } else if (command == "check") {
    CheckKeys(line, {"call", "mode", "band", "prefix"}, {"band2", "country"});
    CheckArguments check;
    check.call = TextOf(line, "call");
    check.mode = TextOf(line, "mode");
    check.prefix = TextOf(line, "prefix");
    check.country = TextOf(line, "country");
    check.band = TextOf(line, "band");
    // A host tuned to one band names it twice.
    check.band2 = TextOf(line, "band2", check.band);
    const CheckAnswer answer = CheckCall(api_, check);
    out_ << "check -> " << answer.code;
    if (answer.buffersChanged) out_ << " (buffers changed)";
    out_ << '\n';
  } else if (command == "exchange") {
    CheckKeys(line, {"text"}, {});
    out_ << "exchange -> " << api_.isValidExchange(TextOf(line, "text"), "", "", "", 0, 0, 0)
         << '\n';
  } else if (command == "exchcount") {
    CheckKeys(line, {}, {});
    out_ << "exchcount -> " << api_.getExchangeCount("", "", "") << '\n';
  } else if (command == "html") {
    CheckKeys(line, {}, {});
    out_ << "html -> " << api_.setVersion("") << '\n';
  } else if (command == "sets") {
    CheckKeys(line, {}, {});
    const int count = api_.getNumberOfSets();
    out_ << "sets -> " << count << " \"" << Printable(api_.getSetName(0)) << "\"\n";
  } else if (command == "setup") {
    CheckKeys(line, {}, {});
    api_.setupSet();
    out_ << "setup -> done\n";
  } else if (command == "result") {
    CheckKeys(line, {}, {"out"});
    int number = 12345;  // the plug-in must overwrite it
    const char* text = api_.getResult(&number);
    const std::string_view view = text == nullptr ? std::string_view() : std::string_view(text);
    if (const ScriptWord* out = line.Find("out")) {
      std::ofstream file(out->value, std::ios::binary | std::ios::trunc);
      if (!file) throw ScriptError(line.number, "cannot write '" + out->value + "'");
      file.write(view.data(), static_cast<std::streamsize>(view.size()));
    } else {
      out_.write(view.data(), static_cast<std::streamsize>(view.size()));
      if (!view.empty() && view.back() != '\n') out_ << '\n';
    }
    out_ << "result -> " << number;
    if (text == nullptr) out_ << " (null text)";
    out_ << '\n';
  } else if (command == "setting") {
    CheckKeys(line, {"key", "value"}, {});
    const std::string key = PlainTextOf(line, "key");
    const std::string value = PlainTextOf(line, "value");
    std::error_code ignored;
    std::filesystem::create_directories("Plugins", ignored);
    if (!platform::WriteProfileText(kPluginSettingsFile, kPluginSettingsSection, key, value))
      throw ScriptError(line.number, "cannot write the plug-in's settings file");
  } else if (command == "show") {
    CheckKeys(line, {"file"}, {});
    const std::string name = PlainTextOf(line, "file");
    std::ifstream file(name, std::ios::binary);
    if (!file) {
      out_ << "show " << name << " -> missing\n";
    } else {
      const std::string content{std::istreambuf_iterator<char>(file),
                                std::istreambuf_iterator<char>()};
      out_ << "show " << name << " -> " << content.size() << " bytes\n" << content;
      if (!content.empty() && content.back() != '\n') out_ << '\n';
    }
  } else if (command == "host-version") {
    CheckKeys(line, {"value"}, {});
    const ScriptWord* value = line.Find("value");
    if (value->IsNull()) {
      std::remove(kHostSettingsFile);
    } else {
      std::ofstream file(kHostSettingsFile, std::ios::binary | std::ios::trunc);
      file << "Kelvo=" << value->value << "\r\n";
      if (!file) throw ScriptError(line.number, "cannot write the host's settings file");
    }
  } else {
    throw ScriptError(line.number, "unknown command '" + command + "'");
  }
  out_.flush();
}

}  // namespace qvt::host
