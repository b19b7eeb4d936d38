// The host's calls into the plug-in with every argument in its place: the arguments the
// plug-in reads are set from these structures, the others get what a host passes for them
// (empty texts, zeros, and valid date-times).
#pragma once

#include <cstdint>

#include "plugin_api.h"

namespace qvt::host {

using abi::DateTime;
using abi::HostDateTime;
using abi::Text;

struct QsoArguments {
  Text ownCall = "";
  Text call = "";
  DateTime time = nullptr;
  std::uint32_t frequencyHz = 0;
  Text mode = "";
  Text rstSent = "";
  Text rstReceived = "";
  Text numberSent = "";
  Text numberReceived = "";
  Text prefix = "";
  Text country = "";
  Text band = "";
};

struct ResetArguments {
  Text pathPrefix = "";
  int cabrilloRun = 0;
  Text ownCall = "";
  DateTime start = nullptr;
  DateTime end = nullptr;
  Text ownCountry = "";
};

struct CheckArguments {
  Text call = "";
  Text mode = "";
  Text prefix = "";
  Text country = "";
  Text band = "";
  Text band2 = "";
};

struct CheckAnswer {
  int code = 0;
  bool buffersChanged = false;  // the plug-in must leave both buffers as it found them
};

inline constexpr std::size_t kCheckBufferSize = 256;

int AddQso(const PluginApi& api, const QsoArguments& qso);
int RemoveQso(const PluginApi& api, const QsoArguments& qso);
int ResetStats(const PluginApi& api, const ResetArguments& reset);
CheckAnswer CheckCall(const PluginApi& api, const CheckArguments& check);

}  // namespace qvt::host
