// Fixed lists of accepted names (bands, modes), compared without regard to case.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace qvt {

class CContestRules {
 public:
  CContestRules(const char* const* table, int count);
  CContestRules(std::initializer_list<const char*> table);

  bool Contains(std::string_view text) const;
  std::size_t size() const { return entries_.size(); }
  const std::string& operator[](std::size_t i) const { return entries_[i]; }

 private:
  std::vector<std::string> entries_;
};

// "80m" stands twice: row i of the worked-before table is labelled with entry i, and rows 0
// and 1 both read "80m". "160m" is not accepted although the band tables have a slot for it.
const CContestRules& ContestBands();
const CContestRules& ContestModes();

}  // namespace qvt
