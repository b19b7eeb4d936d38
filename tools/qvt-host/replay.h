// `qvt-host replay`: what the host does after a "rescore" of a whole log: one reset, one
// AddData0 per QSO in log order, one result request.
#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "cty_lookup.h"
#include "log_record.h"
#include "plugin_api.h"

namespace qvt::host {

struct ReplayOptions {
  std::string ownCall;     // "" -> the log's own call
  std::string ownCountry;  // "" -> the country prefix of the own call
  std::optional<CalendarTime> start;  // nothing -> the first QSO's date-time
  std::optional<CalendarTime> end;    // nothing -> the last QSO's date-time
  bool cabrillo = false;
  bool html = false;
};

struct ReplaySummary {
  int added = 0;     // AddData0 answered 1
  int rejected = 0;  // AddData0 answered 0
  int resultNumber = 0;
  std::string resultText;
  std::string ownCall;
  std::string ownCountry;
};

// The log's QSOs reported to the plug-in. Prefixes the log does not give are worked out as
// the host does: the country prefix from `countries` (empty when it is null), the multiplier
// prefix by the WPX rule; a missing report is 599. `progress` (may be null) receives a line now and then when the
// replay takes more than a moment.
ReplaySummary Replay(const PluginApi& api, const LogContents& log, const ReplayOptions& options,
                     const CountryFile* countries, std::ostream* progress);

}  // namespace qvt::host
