// The country file the host uses (cty.dat, as Debian's hamradio-files ships it) and the lookup
// that gives the primary prefix of a call's DXCC entity, the "country prefix" the host reports
// with each QSO.
//
// Entities marked "*" in the file count only for the WAE list, not for DXCC; their prefixes
// are left out, so their calls resolve to the DXCC entity they belong to ("IT9" -> "I").
#pragma once

#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace qvt::host {

inline constexpr const char* kDefaultCountryFile = "/usr/share/hamradio-files/cty.dat";

class CountryFile {
 public:
  // Reads the file's entities; entries it cannot read are skipped.
  static CountryFile Parse(std::istream& in);
  static std::optional<CountryFile> Load(const std::string& path);

  // Primary prefix of the call's DXCC entity, "" when none applies (no match, or "/MM", "/AM").
  // Order: the whole call as an exact entry; the call without "/P", "/M", "/QRP" as an exact
  // entry; then the longest listed prefix of the portable designator when there is one, else
  // of the home call with its call area replaced by a "/digit" suffix.
  std::string PrimaryPrefix(std::string_view call) const;

  std::size_t EntityCount() const { return primaries_.size(); }

 private:
  std::vector<std::string> primaries_;
  std::unordered_map<std::string, std::uint32_t> exactCalls_;
  std::unordered_map<std::string, std::uint32_t> prefixes_;
  std::size_t longestPrefix_ = 0;

  std::string LongestPrefixMatch(std::string_view text) const;
};

}  // namespace qvt::host
