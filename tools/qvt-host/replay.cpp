#include "replay.h"

#include <chrono>

#include "host_calls.h"
#include "wpx_prefix.h"

namespace qvt::host {
namespace {

constexpr const char* kDefaultReport = "599";

}  // namespace

ReplaySummary Replay(const PluginApi& api, const LogContents& log, const ReplayOptions& options,
                     const CountryFile* countries, std::ostream* progress) {
  ReplaySummary summary;
  summary.ownCall = options.ownCall;
  if (summary.ownCall.empty()) summary.ownCall = log.ownCall;
  if (summary.ownCall.empty() && !log.qsos.empty()) summary.ownCall = log.qsos.front().ownCall;
  summary.ownCountry = options.ownCountry;
  if (summary.ownCountry.empty() && countries != nullptr)
    summary.ownCountry = countries->PrimaryPrefix(summary.ownCall);

  // The contest runs from the first to the last QSO unless told otherwise.
  HostDateTime start{0.0, abi::kValid};
  HostDateTime end{0.0, abi::kValid};
  bool first = true;
  for (const auto& qso : log.qsos) {
    const double day = DayCountOf(qso.time);
    if (first || day < start.dayCount) start.dayCount = day;
    if (first || day > end.dayCount) end.dayCount = day;
    first = false;
  }
  if (options.start) start.dayCount = DayCountOf(*options.start);
  if (options.end) end.dayCount = DayCountOf(*options.end);

  if (options.html) api.setVersion("");
  ResetArguments reset;
  reset.cabrilloRun = options.cabrillo ? 1 : 0;
  reset.ownCall = summary.ownCall.c_str();
  reset.start = &start;
  reset.end = &end;
  reset.ownCountry = summary.ownCountry.c_str();
  ResetStats(api, reset);

  using Clock = std::chrono::steady_clock;
  const auto began = Clock::now();
  auto nextReport = began + std::chrono::seconds(1);
  std::size_t done = 0;
  for (const auto& qso : log.qsos) {
    HostDateTime time{DayCountOf(qso.time), abi::kValid};
    const std::string prefix = qso.multiplierPrefix.empty() ? WpxPrefix(qso.call)
                                                            : qso.multiplierPrefix;
    const std::string country = countries == nullptr ? std::string()
                                                     : countries->PrimaryPrefix(qso.call);
    QsoArguments args;
    args.ownCall = qso.ownCall.empty() ? summary.ownCall.c_str() : qso.ownCall.c_str();
    args.call = qso.call.c_str();
    args.time = &time;
    args.frequencyHz = qso.frequencyHz;
    args.mode = qso.mode.c_str();
    // A host fills in the usual report where the log has none.
    args.rstSent = qso.rstSent.empty() ? kDefaultReport : qso.rstSent.c_str();
    args.rstReceived = qso.rstReceived.empty() ? kDefaultReport : qso.rstReceived.c_str();
    args.numberSent = qso.numberSent.c_str();
    args.numberReceived = qso.numberReceived.c_str();
    args.prefix = prefix.c_str();
    args.country = country.c_str();
    args.band = qso.band.c_str();
    if (AddQso(api, args) == 1) {
      ++summary.added;
    } else {
      ++summary.rejected;
    }
    ++done;
    if (progress != nullptr && (done & 63) == 0 && Clock::now() >= nextReport) {
      *progress << "replay: " << done << " of " << log.qsos.size() << " QSOs reported\n";
      progress->flush();
      nextReport = Clock::now() + std::chrono::seconds(1);
    }
  }

  int number = 12345;
  const char* text = api.getResult(&number);
  summary.resultNumber = number;
  if (text != nullptr) summary.resultText = text;
  return summary;
}

}  // namespace qvt::host
