// The plug-in's entry points as the host holds them after looking them up by name. The types
// are taken from the exported declarations themselves, so the host cannot drift from the ABI.
#pragma once

#include "plugin/qvt_exports.h"

namespace qvt::host {

struct PluginApi {
  decltype(&::AddData0) addData = nullptr;
  decltype(&::RemoveData0) removeData = nullptr;
  decltype(&::ResetStats0) resetStats = nullptr;
  decltype(&::CheckCall0) checkCall = nullptr;
  decltype(&::IsValidExchg0) isValidExchange = nullptr;
  decltype(&::GetExchgCount0) getExchangeCount = nullptr;
  decltype(&::GetNumberOfSets) getNumberOfSets = nullptr;
  decltype(&::GetResult0) getResult = nullptr;
  decltype(&::GetSetName) getSetName = nullptr;
  decltype(&::SetupSet0) setupSet = nullptr;
  decltype(&::setVersion) setVersion = nullptr;
};

// The plain and the decorated export name of every entry point, in PluginApi order.
struct ExportName {
  const char* plain;
  const char* decorated;
};

inline constexpr ExportName kExportNames[] = {
    {"AddData0", "?AddData0@@YAHPBD0PAVCOleDateTime@@111II000000000000000HHHNN00000@Z"},
    {"RemoveData0", "?RemoveData0@@YAHPBD0PAVCOleDateTime@@111II000000000000000HHHNN00000@Z"},
    {"ResetStats0", "?ResetStats0@@YAHPBDH0PAVCOleDateTime@@10000000000HHHNN000@Z"},
    {"CheckCall0", "?CheckCallFunc0@@YAHPBDII00000000000HHHNN0000000PAD1@Z"},
    {"IsValidExchg0", "?StatsIsValidExchg0@@YAHPBD000HHH@Z"},
    {"GetExchgCount0", "?StatsGetExchgCount0@@YAHPBD00@Z"},
    {"GetNumberOfSets", "?GetNumberOfSets@@YAHXZ"},
    {"GetResult0", "?GetResult0@@YAPBDPAH@Z"},
    {"GetSetName", "?GetSetName@@YAPBDH@Z"},
    {"SetupSet0", "?SetupSet0@@YAXXZ"},
    {"setVersion", "?setVersion@@YAKPBD@Z"},
};

}  // namespace qvt::host
