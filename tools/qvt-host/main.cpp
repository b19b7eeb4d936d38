// qvt-host: stands in for the host program. It loads the plug-in library, calls its exports as
// the host does, and either runs a script of host calls or replays a whole log.
#include <chrono>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#endif

#include "adif_reader.h"
#include "band_plan.h"
#include "cabrillo_reader.h"
#include "cty_lookup.h"
#include "operator.h"
#include "plugin_loader.h"
#include "replay.h"
#include "script_parser.h"
#include "script_runner.h"

namespace fs = std::filesystem;
using namespace qvt::host;

namespace {

constexpr const char* kMainHelp = R"HELP(usage: qvt-host [--plugin PATH] [--dir DIR] [--decorated] COMMAND ...

Stands in for the host program: loads the plug-in library and calls its exports as the host does.

Options (before the command):
  --plugin PATH   the plug-in library (default: the one built beside qvt-host,
                  libqvt.so, or QVT.dll on Windows)
  --dir DIR       the host's folder and working directory (default: the current one); the
                  bad-QSO file, the Cabrillo log and Plugins/QVT.ini land there. Plugins/ is
                  created when missing.
  --decorated     look the entry points up by their decorated names (Windows plug-in only)
  --operator ok|cancel
                  answer the plug-in's windows as an operator would (Windows): OK or Cancel
                  in the Cabrillo header dialog, OK in the "Output" message box. Without it
                  they wait for a person.

Commands:
  run SCRIPT...   run scripts of host calls, one call a line   (qvt-host run --help)
  replay LOG      replay a whole ADIF or Cabrillo log            (qvt-host replay --help)

Exit status: 0 done, 1 the plug-in or a file could not be loaded, 2 bad usage or script.
)HELP";

constexpr const char* kRunHelp = R"HELP(usage: qvt-host [OPTIONS] run SCRIPT...

Runs host calls from SCRIPT files, in order, against one loaded plug-in. One call a line; "#"
starts a comment. Words are key=value; a value with blanks is written in double quotes (quoted
text is taken literally); key= passes an empty text; key=@null passes a null pointer. Date-times
are YYYY-MM-DDTHH:MM[:SS] (UTC), or @invalid / @null for a date-time with that status
(@nullptr passes no date-time object at all). Each call prints one line "NAME -> ANSWER".

  reset call= country= start= end= [cabrillo=0|1] [path=PREFIX]
        ResetStats0                                  reset -> 1
  add call= time= freq=HZ mode= band= sent= rcvd= prefix= country= [own=] [rst_sent=] [rst_rcvd=]
        AddData0; own defaults to the last reset's call, reports to 599     add -> 1
  remove call= time= mode= band= [any key of add]
        RemoveData0                                  remove -> 1
  check call= mode= band= prefix= [band2=] [country=]
        CheckCall0; band2 defaults to band. Two 256-byte buffers are passed;
        " (buffers changed)" follows the answer if the plug-in wrote to them    check -> 2
  exchange text=         IsValidExchg0                           exchange -> 1
  exchcount              GetExchgCount0                          exchcount -> 1
  html                   setVersion                              html -> 0
  sets                   GetNumberOfSets and GetSetName(0)        sets -> 1 "QVT (C)"
  setup                  SetupSet0 (on Windows it waits for its message box)   setup -> done
  result [out=FILE]      GetResult0: writes the text byte for byte to FILE (relative to the
                         --dir folder), or to standard output followed by a line break when it
                         does not end with one; then "result -> N" with the integer it set
  show file=NAME         prints "show NAME -> N bytes" and the bytes of that file of the folder
                         (a line break added when they do not end with one), or
                         "show NAME -> missing"
  setting key= value=    writes the key in section Settings of Plugins\QVT.ini (prints nothing)
  host-version value=    writes the host's own settings file (Kelvo2.ini, a "Kelvo=VALUE" line)
                         into the folder; value=@null removes it (prints nothing)
)HELP";

constexpr const char* kReplayHelp = R"HELP(usage: qvt-host [OPTIONS] replay LOG [--call C] [--country P] [--start T] [--end T]
                                      [--cabrillo] [--html] [--out FILE] [--cty FILE]

Replays LOG as the host does after a rescore: one reset, one AddData0 per QSO in log order, one
result request; prints the result text, or writes it to FILE.

LOG is ADIF (.adi, .adif) or Cabrillo ("QSO:" lines; "X-QSO:" lines are left out). Bad lines
are reported on standard error with their line number and skipped.
  --call C       own call (default: the log's CALLSIGN / STATION_CALLSIGN / first QSO)
  --country P    own country prefix (default: the own call's entity in the country file)
  --start T, --end T   contest start and end, YYYY-MM-DDTHH:MM[:SS] (default: first and last QSO)
  --cabrillo     reset for a Cabrillo export; the result request writes <OWNCALL>.log
                 (the Windows plug-in asks for the header in a dialog and shows the file name
                 in a message box, both waiting for the operator)
  --html         announce the host version first (setVersion): the result is HTML
  --out FILE     write the result text to FILE instead of standard output
  --cty FILE     country file (default: /usr/share/hamradio-files/cty.dat)
The country prefix of each QSO comes from the country file; the multiplier prefix from the log
(ADIF PFX) or else by the WPX rule. RTTY stays "RTTY"; PSK63 (Cabrillo "PM") becomes "BPSK63";
other modes pass unchanged. The band comes from the log's band, else from the frequency.
A summary goes to standard error.
)HELP";

struct GlobalOptions {
  std::string plugin;
  std::string dir = ".";
  bool decorated = false;
  OperatorAnswer answer = OperatorAnswer::kNone;
};

int Usage(const std::string& message) {
  std::cerr << "qvt-host: " << message << "\n(qvt-host --help for help)\n";
  return 2;
}

bool IsHelp(const std::string& arg) { return arg == "--help" || arg == "-h" || arg == "help"; }

std::optional<std::string> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string Absolute(const std::string& path) { return fs::absolute(fs::path(path)).string(); }

// Enters the host's folder and loads the plug-in; returns an exit status on failure.
std::optional<int> EnterHostFolder(const GlobalOptions& options, const std::string& pluginPath,
                                   PluginLibrary& library) {
  std::error_code failed;
  fs::create_directories(options.dir, failed);
  fs::current_path(options.dir, failed);
  if (failed) {
    std::cerr << "qvt-host: cannot enter folder '" << options.dir << "': " << failed.message()
              << '\n';
    return 1;
  }
  std::string error;
  if (!library.Load(pluginPath, options.decorated, error)) {
    std::cerr << "qvt-host: " << error << '\n';
    return 1;
  }
  // A host install has its Plugins folder, where the plug-in keeps its settings.
  fs::create_directories("Plugins", failed);
  return std::nullopt;
}

int RunCommand(const GlobalOptions& options, const std::string& pluginPath,
               const std::vector<std::string>& args) {
  if (args.empty()) return Usage("run needs at least one script");
  struct Script {
    std::string name;
    std::vector<ScriptLine> lines;
  };
  std::vector<Script> scripts;
  for (const auto& name : args) {
    if (IsHelp(name)) {
      std::cout << kRunHelp;
      return 0;
    }
    const auto text = ReadFile(name);
    if (!text) {
      std::cerr << "qvt-host: cannot read script '" << name << "'\n";
      return 1;
    }
    try {
      scripts.push_back({name, ParseScript(*text)});
    } catch (const ScriptError& e) {
      std::cerr << name << ":" << e.Line() << ": " << e.what() << '\n';
      return 2;
    }
  }
  PluginLibrary library;
  if (const auto failed = EnterHostFolder(options, pluginPath, library)) return *failed;
  ScriptRunner runner(library.Api(), std::cout);
  for (const auto& script : scripts) {
    for (const auto& line : script.lines) {
      try {
        runner.Run(line);
      } catch (const ScriptError& e) {
        std::cout.flush();
        std::cerr << script.name << ":" << e.Line() << ": " << e.what() << '\n';
        return 2;
      }
    }
  }
  std::cout.flush();
  return 0;
}

bool IsAdifName(const std::string& path) {
  const std::string ext = ToLowerAscii(fs::path(path).extension().string());
  return ext == ".adi" || ext == ".adif";
}

int ReplayCommand(const GlobalOptions& options, const std::string& pluginPath,
                  const std::vector<std::string>& args) {
  std::string logPath;
  std::string outPath;
  std::string ctyPath = kDefaultCountryFile;
  ReplayOptions replay;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const auto value = [&]() -> std::optional<std::string> {
      if (i + 1 >= args.size()) return std::nullopt;
      return args[++i];
    };
    if (IsHelp(arg)) {
      std::cout << kReplayHelp;
      return 0;
    }
    if (arg == "--cabrillo") {
      replay.cabrillo = true;
    } else if (arg == "--html") {
      replay.html = true;
    } else if (arg == "--call" || arg == "--country" || arg == "--out" || arg == "--cty" ||
               arg == "--start" || arg == "--end") {
      const auto v = value();
      if (!v) return Usage(arg + " needs a value");
      if (arg == "--call") replay.ownCall = ToUpperAscii(*v);
      if (arg == "--country") replay.ownCountry = *v;
      if (arg == "--out") outPath = Absolute(*v);
      if (arg == "--cty") ctyPath = *v;
      if (arg == "--start" || arg == "--end") {
        const auto time = ParseDateTimeText(*v);
        if (!time) return Usage(arg + " takes YYYY-MM-DDTHH:MM[:SS], not '" + *v + "'");
        (arg == "--start" ? replay.start : replay.end) = time;
      }
    } else if (!arg.empty() && arg[0] == '-') {
      return Usage("replay has no option '" + arg + "'");
    } else if (logPath.empty()) {
      logPath = arg;
    } else {
      return Usage("replay takes one log");
    }
  }
  if (logPath.empty()) return Usage("replay needs a log");

  const auto began = std::chrono::steady_clock::now();
  const auto text = ReadFile(logPath);
  if (!text) {
    std::cerr << "qvt-host: cannot read log '" << logPath << "'\n";
    return 1;
  }
  std::istringstream in(*text);
  const bool adif = IsAdifName(logPath) ||
                    (ToUpperAscii(*text).find("<EOR>") != std::string::npos &&
                     text->find("QSO:") == std::string::npos);
  const LogContents log = adif ? ReadAdif(in) : ReadCabrillo(in);
  for (const auto& problem : log.problems) {
    std::cerr << logPath << ":" << problem.line << ": " << problem.message << " (skipped)\n";
  }
  auto countries = CountryFile::Load(ctyPath);
  if (!countries) {
    std::cerr << "qvt-host: cannot read the country file '" << ctyPath
              << "'; country prefixes stay empty\n";
  }

  PluginLibrary library;
  if (const auto failed = EnterHostFolder(options, pluginPath, library)) return *failed;
  const ReplaySummary summary =
      Replay(library.Api(), log, replay, countries ? &*countries : nullptr, &std::cerr);
  if (outPath.empty()) {
    std::cout.write(summary.resultText.data(),
                    static_cast<std::streamsize>(summary.resultText.size()));
    std::cout.flush();
  } else {
    std::ofstream out(outPath, std::ios::binary | std::ios::trunc);
    out.write(summary.resultText.data(), static_cast<std::streamsize>(summary.resultText.size()));
    if (!out) {
      std::cerr << "qvt-host: cannot write '" << outPath << "'\n";
      return 1;
    }
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
  char timing[32];
  std::snprintf(timing, sizeof timing, "%.3f", seconds);
  std::cerr << "replay: " << logPath << ": " << log.qsoLines << " QSO lines ("
            << log.problems.size() << " unreadable, skipped), " << log.ignoredLines
            << " X-QSO lines left out; " << summary.added + summary.rejected
            << " QSOs reported: " << summary.added << " stored, " << summary.rejected
            << " rejected; own call " << summary.ownCall << ", country "
            << (summary.ownCountry.empty() ? "?" : summary.ownCountry) << "; result -> "
            << summary.resultNumber << "; " << timing << " s\n";
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
#if defined(_WIN32)
  // The result text carries its own CRLFs; a text-mode stdout would double the CRs.
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  try {
    GlobalOptions options;
    std::vector<std::string> args(argv + 1, argv + argc);
    std::size_t i = 0;
    for (; i < args.size(); ++i) {
      const std::string& arg = args[i];
      if (IsHelp(arg)) {
        std::cout << kMainHelp;
        return 0;
      }
      if (arg == "--decorated") {
        options.decorated = true;
      } else if (arg == "--operator") {
        if (i + 1 >= args.size()) return Usage(arg + " needs a value");
        const std::string& answer = args[++i];
        if (answer == "ok") {
          options.answer = OperatorAnswer::kOk;
        } else if (answer == "cancel") {
          options.answer = OperatorAnswer::kCancel;
        } else {
          return Usage("--operator takes ok or cancel");
        }
      } else if (arg == "--plugin" || arg == "--dir") {
        if (i + 1 >= args.size()) return Usage(arg + " needs a value");
        (arg == "--plugin" ? options.plugin : options.dir) = args[++i];
      } else if (!arg.empty() && arg[0] == '-') {
        return Usage("unknown option '" + arg + "'");
      } else {
        break;
      }
    }
    if (i >= args.size()) return Usage("no command given");
    const std::string command = args[i];
    std::vector<std::string> rest(args.begin() + static_cast<std::ptrdiff_t>(i) + 1, args.end());
    const std::string pluginPath =
        options.plugin.empty() ? DefaultPluginPath() : Absolute(options.plugin);
    // Scripts and logs are read before qvt-host enters the host's folder; the plug-in is
    // loaded after, so its path is made absolute first.
    const Operator person(options.answer);
    if (command == "run") return RunCommand(options, pluginPath, rest);
    if (command == "replay") return ReplayCommand(options, pluginPath, rest);
    return Usage("unknown command '" + command + "'");
  } catch (const std::exception& e) {
    std::cerr << "qvt-host: " << e.what() << '\n';
    return 1;
  }
}
