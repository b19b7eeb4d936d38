// printf-style formatting into a std::string (the same output on both targets).
#pragma once

#include <string>

namespace qvt {

#if defined(__GNUC__)
__attribute__((format(printf, 1, 2)))
#endif
std::string Printf(const char* format, ...);

// Appends a formatted text.
#if defined(__GNUC__)
__attribute__((format(printf, 2, 3)))
#endif
void AppendPrintf(std::string& out, const char* format, ...);

}  // namespace qvt
