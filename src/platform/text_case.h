// Comparing 8-bit texts without regard to letter case, as the C locale folds it (A to Z only):
// the same answers on both targets, and no library call per character on the hot paths.
#pragma once

#include <algorithm>
#include <string_view>

namespace qvt::platform {

constexpr char FoldCase(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr bool SameLetterNoCase(char a, char b) { return FoldCase(a) == FoldCase(b); }

constexpr bool EqualNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), SameLetterNoCase);
}

constexpr bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return prefix.size() <= text.size() && EqualNoCase(text.substr(0, prefix.size()), prefix);
}

}  // namespace qvt::platform
