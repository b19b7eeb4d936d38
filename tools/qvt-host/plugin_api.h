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
using abi::ExportName;
using abi::kExportNames;

}  // namespace qvt::host
