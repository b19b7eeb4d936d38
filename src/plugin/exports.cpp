// The exported entry points: null-safe argument conversion and a forward to the contest
// state, nothing else. No exception leaves an entry point.
#include "plugin/qvt_exports.h"

#include <string_view>

#include "plugin/plugin_instance.h"

namespace {

using qvt::abi::DateTime;
using qvt::abi::Text;
using qvt::platform::OleDateTime;

// A null text reads as an empty one.
std::string_view T(Text text) { return text != nullptr ? std::string_view(text) : std::string_view(); }

OleDateTime D(DateTime time) { return OleDateTime::FromHostBytes(time); }

qvt::QsoReport Report(Text ownCall, Text call, DateTime time, unsigned frequencyHz, Text mode,
                      Text rstSent, Text rstReceived, Text exchSent, Text exchReceived,
                      Text prefix, Text country, Text band) {
  qvt::QsoReport qso;
  qso.ownCall = T(ownCall);
  qso.call = T(call);
  qso.time = D(time);
  qso.frequencyHz = frequencyHz;
  qso.mode = T(mode);
  qso.rstSent = T(rstSent);
  qso.rstReceived = T(rstReceived);
  qso.exchSent = T(exchSent);
  qso.exchReceived = T(exchReceived);
  qso.prefix = T(prefix);
  qso.country = T(country);
  qso.band = T(band);
  return qso;
}

int NumberOfSetsBody() { return 1; }

}  // namespace

extern "C" {

int AddData0(Text ownCall, Text call, DateTime time, DateTime, DateTime, DateTime, unsigned,
             unsigned frequencyHz, Text mode, Text rstSent, Text rstReceived, Text exchSent,
             Text exchReceived, Text, Text, Text, Text, Text, Text, Text, Text, Text prefix,
             Text country, int, int, int, double, double, Text, Text, Text, Text band, Text) {
  try {
    return qvt::plugin::State().AddData(Report(ownCall, call, time, frequencyHz, mode, rstSent,
                                               rstReceived, exchSent, exchReceived, prefix,
                                               country, band));
  } catch (...) {
    return 0;
  }
}

int RemoveData0(Text, Text call, DateTime time, DateTime, DateTime, DateTime, unsigned, unsigned,
                Text mode, Text, Text, Text, Text, Text, Text, Text, Text, Text, Text, Text, Text,
                Text, Text, int, int, int, double, double, Text, Text, Text, Text band, Text) {
  try {
    return qvt::plugin::State().RemoveData(T(call), D(time), T(mode), T(band));
  } catch (...) {
    return 1;
  }
}

int ResetStats0(Text pathPrefix, int cabrilloRun, Text ownCall, DateTime start, DateTime end,
                Text, Text, Text, Text, Text, Text, Text, Text, Text, Text ownCountry, int, int,
                int, double, double, Text, Text, Text) {
  try {
    qvt::ResetRequest request;
    request.pathPrefix = T(pathPrefix);
    request.cabrilloRun = cabrilloRun;
    request.ownCall = T(ownCall);
    request.start = D(start);
    request.end = D(end);
    request.ownCountry = T(ownCountry);
    return qvt::plugin::State().ResetStats(request);
  } catch (...) {
    return 1;
  }
}

int CheckCall0(Text call, unsigned, unsigned, Text mode, Text, Text, Text, Text, Text, Text, Text,
               Text, Text prefix, Text, int, int, int, double, double, Text, Text, Text, Text,
               Text, Text band, Text band2, char*, char*) {
  try {
    qvt::CallCheckRequest request;
    request.call = T(call);
    request.mode = T(mode);
    request.prefix = T(prefix);
    request.band = T(band);
    request.band2 = T(band2);
    return qvt::plugin::State().CheckCall(request);
  } catch (...) {
    return 4;
  }
}

int IsValidExchg0(Text exchange, Text, Text, Text, int, int, int) {
  return qvt::ContestState::IsValidExchange(T(exchange));
}

int GetExchgCount0(Text, Text, Text) { return NumberOfSetsBody(); }

#if !defined(_WIN32)
// On Windows the module-definition file points this name at GetExchgCount0 itself.
int GetNumberOfSets() { return NumberOfSetsBody(); }
#endif

const char* GetResult0(int* out) {
  try {
    return qvt::plugin::State().GetResult(out);
  } catch (...) {
    if (out != nullptr) *out = -1;
    return "";
  }
}

const char* GetSetName(int index) { return index == 0 ? "QVT (C)" : ""; }

void SetupSet0() {
  try {
    qvt::plugin::PlatformSeams().ShowMessage("No additional setup for this plugin", "",
                                             qvt::Seams::Icon::kNone);
  } catch (...) {
  }
}

unsigned long setVersion(Text) {
  try {
    return qvt::plugin::State().SetVersion();
  } catch (...) {
    return 0;
  }
}

}  // extern "C"
