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

// AddData0 / RemoveData0: 2 texts, 4 date-times, 2 unsigned ints, 15 texts, 3 ints,
// 2 doubles, 5 texts.
using AddDataFn = int (*)(Text ownCall, Text call, DateTime time, DateTime, DateTime, DateTime,
                          unsigned, unsigned frequencyHz, Text mode, Text rstSent, Text rstReceived,
                          Text exchSent, Text exchReceived, Text, Text, Text, Text, Text, Text,
                          Text, Text, Text prefix, Text country, int, int, int, double, double,
                          Text, Text, Text, Text band, Text);
using RemoveDataFn = AddDataFn;
// ResetStats0: text, int, text, 2 date-times, 10 texts, 3 ints, 2 doubles, 3 texts.
using ResetStatsFn = int (*)(Text pathPrefix, int cabrilloRun, Text ownCall, DateTime start,
                             DateTime end, Text, Text, Text, Text, Text, Text, Text, Text, Text,
                             Text ownCountry, int, int, int, double, double, Text, Text, Text);
// CheckCall0: text, 2 unsigned ints, 11 texts, 3 ints, 2 doubles, 7 texts, 2 buffers.
using CheckCallFn = int (*)(Text call, unsigned, unsigned, Text mode, Text, Text, Text, Text,
                            Text, Text, Text, Text, Text prefix, Text country, int, int, int, double,
                            double, Text, Text, Text, Text, Text, Text band, Text band2,
                            char* buffer1, char* buffer2);
using IsValidExchgFn = int (*)(Text exchange, Text, Text, Text, int, int, int);
using GetExchgCountFn = int (*)(Text, Text, Text);
using GetNumberOfSetsFn = int (*)();
using GetResultFn = const char* (*)(int* out);
using GetSetNameFn = const char* (*)(int index);
using SetupSetFn = void (*)();
using SetVersionFn = unsigned long (*)(Text);

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
