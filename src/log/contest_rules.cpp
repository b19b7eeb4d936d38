#include "log/contest_rules.h"

#include <algorithm>

#include "platform/text_case.h"

namespace qvt {

CContestRules::CContestRules(const char* const* table, int count) {
  for (int i = 0; i < count; ++i) entries_.emplace_back(table[i]);
}

CContestRules::CContestRules(std::initializer_list<const char*> table) {
  for (const char* entry : table) entries_.emplace_back(entry);
}

bool CContestRules::Contains(std::string_view text) const {
  return std::any_of(entries_.begin(), entries_.end(),
                     [&](const std::string& e) { return platform::EqualNoCase(e, text); });
}

const CContestRules& ContestBands() {
  static const CContestRules bands{"80m", "80m", "40m", "20m", "15m", "10m"};
  return bands;
}

const CContestRules& ContestModes() {
  static const CContestRules modes{"RTTY", "BPSK63"};
  return modes;
}

}  // namespace qvt
