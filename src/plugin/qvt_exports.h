// The plug-in's exported ABI, as the host sees it.
//
// Every entry point is a plain cdecl function (the caller removes the arguments). On Windows
// each one is also exported under the decorated name that Microsoft's C++ toolchain gives the
// same signature (see qvt.def). This header is shared by the plug-in and by anything that
// loads it (qvt-host, tests); it includes no platform header.
#pragma once

#include <cstdint>

namespace qvt::abi {

// The host's date-time object as laid out in memory: an 8-byte day count since 1899-12-30
// at offset 0 and a 32-bit status at offset 8 (0 valid, 1 invalid, 2 null). Its size is 16
// bytes on both targets (the double aligns the struct to 8).
struct HostDateTime {
  double dayCount;
  std::int32_t status;
};
static_assert(sizeof(HostDateTime) == 16, "host date-time layout");

enum HostDateTimeStatus : std::int32_t { kValid = 0, kInvalid = 1, kNull = 2 };

using Text = const char*;
using DateTime = HostDateTime*;

}  // namespace qvt::abi

#if defined(_WIN32)
#define QVT_EXPORT
#else
#define QVT_EXPORT __attribute__((visibility("default")))
#endif

extern "C" {
QVT_EXPORT int AddData0(qvt::abi::Text, qvt::abi::Text, qvt::abi::DateTime, qvt::abi::DateTime,
                        qvt::abi::DateTime, qvt::abi::DateTime, unsigned, unsigned,
                        qvt::abi::Text, qvt::abi::Text, qvt::abi::Text, qvt::abi::Text,
                        qvt::abi::Text, qvt::abi::Text, qvt::abi::Text, qvt::abi::Text,
                        qvt::abi::Text, qvt::abi::Text, qvt::abi::Text, qvt::abi::Text,
                        qvt::abi::Text, qvt::abi::Text, qvt::abi::Text, int, int, int, double,
                        double, qvt::abi::Text, qvt::abi::Text, qvt::abi::Text, qvt::abi::Text,
                        qvt::abi::Text);
QVT_EXPORT int RemoveData0(qvt::abi::Text, qvt::abi::Text, qvt::abi::DateTime,
                           qvt::abi::DateTime, qvt::abi::DateTime, qvt::abi::DateTime, unsigned,
                           unsigned, qvt::abi::Text, qvt::abi::Text, qvt::abi::Text,
                           qvt::abi::Text, qvt::abi::Text, qvt::abi::Text, qvt::abi::Text,
                           qvt::abi::Text, qvt::abi::Text, qvt::abi::Text, qvt::abi::Text,
                           qvt::abi::Text, qvt::abi::Text, qvt::abi::Text, qvt::abi::Text, int,
                           int, int, double, double, qvt::abi::Text, qvt::abi::Text,
                           qvt::abi::Text, qvt::abi::Text, qvt::abi::Text);
QVT_EXPORT int ResetStats0(qvt::abi::Text, int, qvt::abi::Text, qvt::abi::DateTime,
                           qvt::abi::DateTime, qvt::abi::Text, qvt::abi::Text, qvt::abi::Text,
                           qvt::abi::Text, qvt::abi::Text, qvt::abi::Text, qvt::abi::Text,
                           qvt::abi::Text, qvt::abi::Text, qvt::abi::Text, int, int, int,
                           double, double, qvt::abi::Text, qvt::abi::Text, qvt::abi::Text);
QVT_EXPORT int CheckCall0(qvt::abi::Text, unsigned, unsigned, qvt::abi::Text, qvt::abi::Text,
                          qvt::abi::Text, qvt::abi::Text, qvt::abi::Text, qvt::abi::Text,
                          qvt::abi::Text, qvt::abi::Text, qvt::abi::Text, qvt::abi::Text,
                          qvt::abi::Text, int, int, int, double, double, qvt::abi::Text,
                          qvt::abi::Text, qvt::abi::Text, qvt::abi::Text, qvt::abi::Text,
                          qvt::abi::Text, qvt::abi::Text, char*, char*);
QVT_EXPORT int IsValidExchg0(qvt::abi::Text, qvt::abi::Text, qvt::abi::Text, qvt::abi::Text, int,
                             int, int);
QVT_EXPORT int GetExchgCount0(qvt::abi::Text, qvt::abi::Text, qvt::abi::Text);
QVT_EXPORT int GetNumberOfSets();
QVT_EXPORT const char* GetResult0(int*);
QVT_EXPORT const char* GetSetName(int);
QVT_EXPORT void SetupSet0();
QVT_EXPORT unsigned long setVersion(qvt::abi::Text);
}

namespace qvt::abi {

// Entry-point types, taken from the declarations above so that they cannot drift from them.
using AddDataFn = decltype(&::AddData0);
using RemoveDataFn = decltype(&::RemoveData0);
using ResetStatsFn = decltype(&::ResetStats0);
using CheckCallFn = decltype(&::CheckCall0);
using IsValidExchgFn = decltype(&::IsValidExchg0);
using GetExchgCountFn = decltype(&::GetExchgCount0);
using GetNumberOfSetsFn = decltype(&::GetNumberOfSets);
using GetResultFn = decltype(&::GetResult0);
using GetSetNameFn = decltype(&::GetSetName);
using SetupSetFn = decltype(&::SetupSet0);
using SetVersionFn = decltype(&::setVersion);

// The plain name of every entry point and the decorated name Microsoft's C++ toolchain gives
// its signature (the date-time typed as the class library's date-time class). The Windows
// plug-in exports both; the Linux library only the plain ones.
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

}  // namespace qvt::abi
