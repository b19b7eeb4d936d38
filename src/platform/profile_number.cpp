#include <climits>
#include <cstdlib>

#include "platform/profile.h"

namespace qvt::platform {

int ReadProfileInt(std::string_view file, std::string_view section, std::string_view key) {
  return DecimalValue(ReadProfileText(file, section, key));
}

int DecimalValue(const std::string& text) {
  // strtoll, then clamped: atoi's overflow is undefined and differs between C libraries.
  const long long value = std::strtoll(text.c_str(), nullptr, 10);
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

}  // namespace qvt::platform
