#include "wpx_prefix.h"

#include "call_sign.h"

namespace qvt::host {

std::string WpxPrefix(std::string_view call) {
  const CallParts parts = SplitCall(call);
  std::string prefix;
  if (!parts.designator.empty()) {
    prefix = LeadingPrefix(parts.designator);
    if (prefix.empty()) prefix = parts.designator + "0";
  } else if (!parts.base.empty()) {
    prefix = LeadingPrefix(parts.base);
    if (prefix.empty()) prefix = parts.base.substr(0, 2) + "0";
  }
  if (parts.area != 0 && !prefix.empty()) {
    std::size_t end = prefix.size();
    while (end > 1 && prefix[end - 1] >= '0' && prefix[end - 1] <= '9') --end;
    prefix = prefix.substr(0, end) + parts.area;
  }
  return prefix;
}

}  // namespace qvt::host
