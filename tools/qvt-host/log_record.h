// One QSO of a log file as the host would report it, and what a reader found in the file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "date_time_text.h"

namespace qvt::host {

struct LogQso {
  int line = 0;             // line of the file where the QSO starts
  std::string ownCall;      // own call as logged with this QSO ("" when the log has none)
  std::string call;         // worked call
  CalendarTime time;        // always valid: a reader skips QSOs without a valid date-time
  std::uint32_t frequencyHz = 0;
  std::string band;         // host form ("20m"), "" when neither band nor frequency tells
  std::string mode;         // host form ("RTTY", "BPSK63", or the log's own name)
  std::string rstSent;
  std::string rstReceived;
  std::string numberSent;
  std::string numberReceived;
  std::string multiplierPrefix;  // as the log gives it, "" when the log has none
};

struct LogProblem {
  int line = 0;
  std::string message;
};

struct LogContents {
  std::string ownCall;  // from the header (Cabrillo CALLSIGN) or "" when the log has none
  std::vector<LogQso> qsos;
  std::vector<LogProblem> problems;  // bad lines or records, skipped
  int qsoLines = 0;                  // QSO lines or records seen, bad ones included
  int ignoredLines = 0;              // Cabrillo "X-QSO:" lines: kept out of the contest
};

}  // namespace qvt::host
