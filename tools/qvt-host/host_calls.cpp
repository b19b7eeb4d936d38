#include "host_calls.h"

#include <algorithm>
#include <array>

namespace qvt::host {
namespace {

// The date-times the plug-in ignores still point at valid objects, as a host's do.
HostDateTime SpareDateTime(DateTime time) {
  if (time != nullptr && time->status == abi::kValid) return *time;
  return HostDateTime{0.0, abi::kValid};
}

int CallWithQso(decltype(&::AddData0) function, const QsoArguments& q) {
  HostDateTime spare4 = SpareDateTime(q.time);
  HostDateTime spare5 = spare4;
  HostDateTime spare6 = spare4;
  return function(q.ownCall, q.call, q.time, &spare4, &spare5, &spare6, 0u, q.frequencyHz, q.mode,
                  q.rstSent, q.rstReceived, q.numberSent, q.numberReceived,
                  /*14-21*/ "", "", "", "", "", "", "", "", q.prefix, q.country,
                  /*24-26*/ 0, 0, 0, /*27-28*/ 0.0, 0.0, /*29-31*/ "", "", "", q.band, /*33*/ "");
}

}  // namespace

int AddQso(const PluginApi& api, const QsoArguments& qso) { return CallWithQso(api.addData, qso); }

int RemoveQso(const PluginApi& api, const QsoArguments& qso) {
  return CallWithQso(api.removeData, qso);
}

int ResetStats(const PluginApi& api, const ResetArguments& r) {
  return api.resetStats(r.pathPrefix, r.cabrilloRun, r.ownCall, r.start, r.end,
                        /*6-14*/ "", "", "", "", "", "", "", "", "", r.ownCountry,
                        /*16-18*/ 0, 0, 0, /*19-20*/ 0.0, 0.0, /*21-23*/ "", "", "");
}

CheckAnswer CheckCall(const PluginApi& api, const CheckArguments& c) {
  std::array<char, kCheckBufferSize> buffer1{};
  std::array<char, kCheckBufferSize> buffer2{};
  CheckAnswer answer;
  answer.code = api.checkCall(c.call, 0u, 0u, c.mode, /*5-12*/ "", "", "", "", "", "", "", "",
                              c.prefix, c.country, /*15-17*/ 0, 0, 0, /*18-19*/ 0.0, 0.0,
                              /*20-24*/ "", "", "", "", "", c.band, c.band2, buffer1.data(),
                              buffer2.data());
  const auto isZero = [](char ch) { return ch == 0; };
  answer.buffersChanged = !std::all_of(buffer1.begin(), buffer1.end(), isZero) ||
                          !std::all_of(buffer2.begin(), buffer2.end(), isZero);
  return answer;
}

}  // namespace qvt::host
