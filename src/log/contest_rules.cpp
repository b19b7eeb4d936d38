#include "log/contest_rules.h"

#include <algorithm>

namespace qvt {

namespace {

// Letter case folded as the C locale does (only A to Z), without a library call per character:
// the host asks for every QSO and every keystroke.
constexpr char FoldCase(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool EqualNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return FoldCase(x) == FoldCase(y);
         });
}

CContestRules::CContestRules(const char* const* table, int count) {
  for (int i = 0; i < count; ++i) entries_.emplace_back(table[i]);
}

CContestRules::CContestRules(std::initializer_list<const char*> table) {
  for (const char* entry : table) entries_.emplace_back(entry);
}

bool CContestRules::Contains(std::string_view text) const {
  return std::any_of(entries_.begin(), entries_.end(),
                     [&](const std::string& e) { return EqualNoCase(e, text); });
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
