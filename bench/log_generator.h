// Contest logs for the benchmarks, made from real call signs (the MASTER.SCP call list) with a
// fixed seed, so every run and every machine feeds the plug-in the same QSOs.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "plugin/qvt_exports.h"

namespace qvt::bench {

// One QSO with every text the host passes to AddData0 / RemoveData0.
struct GeneratedQso {
  std::string call;
  std::string band;
  std::string mode;
  std::string prefix;   // WPX-style multiplier prefix of the call
  std::string country;  // stand-in DXCC prefix: the call's first two characters
  std::string rstSent = "599";
  std::string rstReceived = "599";
  std::string exchSent;      // serial number, "001" on
  std::string exchReceived;  // the other station's serial; some end in "/M" (club members)
  std::uint32_t frequencyHz = 0;
  abi::HostDateTime time{};
};

// The call list of a MASTER.SCP file (comment lines skipped); nothing when it cannot be read.
std::optional<std::vector<std::string>> ReadCallList(std::string_view path);

// The multiplier prefix by the WPX rule, simplified: the call up to and including the last
// digit that is followed only by letters ("DL1ABC" -> "DL1", "1N7N" -> "1N7"). A call without a
// digit gets its first two letters and "0".
std::string WpxPrefix(std::string_view call);

// `count` QSOs on 80 m to 10 m in RTTY and BPSK63, 5 to 40 s apart from 2021-03-13 12:00 UTC,
// picked from `calls` by a fixed-seed generator. As in a real log, a call is worked at most
// once per band and mode except for about one QSO in a hundred, a duplicate of an earlier one.
// `calls` must offer more than count / 10 calls.
std::vector<GeneratedQso> GenerateLog(const std::vector<std::string>& calls, std::size_t count,
                                      std::uint64_t seed = 20210313);

// The log as an ADIF file that qvt-host can replay.
std::string ToAdif(const std::vector<GeneratedQso>& log, std::string_view ownCall);

// The host calls, with the texts of `qso` and the ignored positions filled with empty texts.
int AddQso(abi::AddDataFn add, const GeneratedQso& qso, const char* ownCall);
int ResetContest(const char* ownCall, const char* ownCountry);

}  // namespace qvt::bench
