#include "reports/text_format.h"

#include <cstdarg>
#include <cstdio>

namespace qvt {
namespace {

void AppendV(std::string& out, const char* format, va_list args) {
  char small[512];
  va_list copy;
  va_copy(copy, args);
  const int n = std::vsnprintf(small, sizeof small, format, copy);
  va_end(copy);
  if (n < 0) return;
  if (static_cast<std::size_t>(n) < sizeof small) {
    out.append(small, static_cast<std::size_t>(n));
    return;
  }
  const std::size_t at = out.size();
  out.resize(at + static_cast<std::size_t>(n) + 1);
  std::vsnprintf(out.data() + at, static_cast<std::size_t>(n) + 1, format, args);
  out.resize(at + static_cast<std::size_t>(n));
}

}  // namespace

std::string Printf(const char* format, ...) {
  std::string out;
  va_list args;
  va_start(args, format);
  AppendV(out, format, args);
  va_end(args);
  return out;
}

void AppendPrintf(std::string& out, const char* format, ...) {
  va_list args;
  va_start(args, format);
  AppendV(out, format, args);
  va_end(args);
}

}  // namespace qvt
