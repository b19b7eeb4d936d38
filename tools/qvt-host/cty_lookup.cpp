#include "cty_lookup.h"

#include <fstream>

#include "band_plan.h"
#include "call_sign.h"

namespace qvt::host {
namespace {

// Alias entries carry zone, position and continent overrides after the prefix:
// "(cq)", "[itu]", "<lat/lon>", "{continent}", "~offset~".
std::string_view AliasText(std::string_view entry) {
  const std::size_t end = entry.find_first_of("([<{~");
  return TrimBlanks(entry.substr(0, end));
}

// The home call with its call area replaced: "W1AW" with '4' -> "W4AW".
std::string WithCallArea(const std::string& call, char area) {
  std::size_t start = 1;
  while (start < call.size() && !(call[start] >= '0' && call[start] <= '9')) ++start;
  if (start >= call.size()) return call;
  std::size_t end = start;
  while (end < call.size() && call[end] >= '0' && call[end] <= '9') ++end;
  return call.substr(0, start) + area + call.substr(end);
}

}  // namespace

CountryFile CountryFile::Parse(std::istream& in) {
  CountryFile file;
  std::string line;
  std::string aliases;
  bool collecting = false;
  bool waeOnly = false;
  std::uint32_t entity = 0;

  const auto flushAliases = [&]() {
    std::size_t start = 0;
    while (start < aliases.size()) {
      std::size_t comma = aliases.find(',', start);
      if (comma == std::string::npos) comma = aliases.size();
      std::string_view entry = TrimBlanks(std::string_view(aliases).substr(start, comma - start));
      start = comma + 1;
      if (entry.empty() || waeOnly) continue;
      const bool exact = entry.front() == '=';
      if (exact) entry.remove_prefix(1);
      const std::string key = ToUpperAscii(AliasText(entry));
      if (key.empty()) continue;
      if (exact) {
        file.exactCalls_.emplace(key, entity);
      } else {
        file.prefixes_.emplace(key, entity);
        if (key.size() > file.longestPrefix_) file.longestPrefix_ = key.size();
      }
    }
    aliases.clear();
  };

  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    const bool continuation = line.front() == ' ' || line.front() == '\t';
    if (!continuation) {
      // Entity line: name: cq: itu: continent: lat: lon: offset: primary prefix:
      std::vector<std::string_view> fields;
      std::string_view rest(line);
      while (!rest.empty()) {
        const std::size_t colon = rest.find(':');
        if (colon == std::string_view::npos) break;
        fields.push_back(TrimBlanks(rest.substr(0, colon)));
        rest.remove_prefix(colon + 1);
      }
      if (fields.size() < 8) {
        collecting = false;
        continue;
      }
      std::string_view primary = fields[7];
      waeOnly = !primary.empty() && primary.front() == '*';
      if (waeOnly) primary.remove_prefix(1);
      entity = static_cast<std::uint32_t>(file.primaries_.size());
      file.primaries_.emplace_back(primary);
      collecting = true;
      continue;
    }
    if (!collecting) continue;
    const std::size_t semicolon = line.find(';');
    aliases += line.substr(0, semicolon);
    if (semicolon != std::string::npos) {
      flushAliases();
      collecting = false;
    } else {
      aliases += ',';
    }
  }
  return file;
}

std::optional<CountryFile> CountryFile::Load(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return Parse(in);
}

std::string CountryFile::LongestPrefixMatch(std::string_view text) const {
  std::size_t length = std::min(text.size(), longestPrefix_);
  std::string key;
  for (; length > 0; --length) {
    key.assign(text.substr(0, length));
    if (const auto it = prefixes_.find(key); it != prefixes_.end()) return primaries_[it->second];
  }
  return {};
}

std::string CountryFile::PrimaryPrefix(std::string_view call) const {
  const std::string whole = ToUpperAscii(TrimBlanks(call));
  if (whole.empty()) return {};
  if (const auto it = exactCalls_.find(whole); it != exactCalls_.end())
    return primaries_[it->second];
  const std::string stripped = CallWithoutOperatingSuffixes(whole);
  if (const auto it = exactCalls_.find(stripped); it != exactCalls_.end())
    return primaries_[it->second];

  const CallParts parts = SplitCall(whole);
  if (parts.maritime) return {};
  if (!parts.designator.empty()) {
    std::string found = LongestPrefixMatch(parts.designator);
    if (!found.empty()) return found;
  }
  if (parts.base.empty()) return {};
  if (parts.area != 0) return LongestPrefixMatch(WithCallArea(parts.base, parts.area));
  if (parts.designator.empty()) {
    if (const auto it = exactCalls_.find(parts.base); it != exactCalls_.end())
      return primaries_[it->second];
  }
  return LongestPrefixMatch(parts.base);
}

}  // namespace qvt::host
