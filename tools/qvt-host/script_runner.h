// Runs host-call scripts against a loaded plug-in. Each call prints "NAME -> ANSWER":
//   reset call= country= start= end= [cabrillo=0|1] [path=PREFIX]     ResetStats0
//   add call= time= freq=HZ mode= band= sent= rcvd= prefix= country=
//       [own=] [rst_sent=] [rst_rcvd=]                                 AddData0
//   remove call= time= mode= band= (and any key of add)                RemoveData0
//   check call= mode= band= prefix= [band2=] [country=]                CheckCall0
//   exchange text=                                                     IsValidExchg0
//   exchcount                                                          GetExchgCount0
//   html                                                               setVersion
//   sets                 GetNumberOfSets and GetSetName(0): `sets -> 1 "QVT (C)"`
//   setup                                                              SetupSet0
//   result [out=FILE]    GetResult0: the text to FILE (binary) or to the answers, then
//                        `result -> N` with the integer the plug-in set
//   show file=NAME       prints "show NAME -> N bytes" and the file's bytes as they are (a line
//                        break added when they do not end with one), or "show NAME -> missing"
// and, changing only the host's folder (they print nothing):
//   setting key= value=   writes a key of the plug-in's settings file Plugins\QVT.ini
//   host-version value=   writes the host's own settings file with that version line
//                         (value=@null removes the file)
#pragma once

#include <ostream>
#include <string>

#include "plugin_api.h"
#include "script_parser.h"

namespace qvt::host {

// The host's own settings file, the one place where the plug-in learns the host's version.
inline constexpr const char* kHostSettingsFile = "Kelvo2.ini";
inline constexpr const char* kPluginSettingsFile = "Plugins\\QVT.ini";
inline constexpr const char* kPluginSettingsSection = "Settings";

class ScriptRunner {
 public:
  ScriptRunner(const PluginApi& api, std::ostream& out) : api_(api), out_(out) {}

  // Runs one line; throws ScriptError for an unknown command, an unknown or missing key, or a
  // value that does not fit the argument.
  void Run(const ScriptLine& line);

 private:
  const PluginApi& api_;
  std::ostream& out_;
  std::string lastResetCall_;
};

}  // namespace qvt::host
