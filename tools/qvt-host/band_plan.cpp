#include "band_plan.h"

#include <array>

namespace qvt::host {
namespace {

struct BandEdges {
  double lowKhz;
  double highKhz;
  const char* name;
};

// Region-wide edges (the union of the three IARU regions' allocations).
constexpr std::array<BandEdges, 16> kBands{{
    {1800, 2000, "160m"},
    {3500, 4000, "80m"},
    {5250, 5450, "60m"},
    {7000, 7300, "40m"},
    {10100, 10150, "30m"},
    {14000, 14350, "20m"},
    {18068, 18168, "17m"},
    {21000, 21450, "15m"},
    {24890, 24990, "12m"},
    {28000, 29700, "10m"},
    {50000, 54000, "6m"},
    {70000, 71000, "4m"},
    {144000, 148000, "2m"},
    {222000, 225000, "1.25m"},
    {420000, 450000, "70cm"},
    {902000, 928000, "33cm"},
}};

struct ModeAlias {
  const char* logName;
  const char* hostName;
};

constexpr std::array<ModeAlias, 4> kModeAliases{{
    {"RTTY", "RTTY"},
    {"PSK63", "BPSK63"},
    {"BPSK63", "BPSK63"},
    {"PM", "BPSK63"},
}};

char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string AliasOf(std::string_view name) {
  const std::string upper = ToUpperAscii(name);
  for (const auto& alias : kModeAliases) {
    if (upper == alias.logName) return alias.hostName;
  }
  return {};
}

}  // namespace

std::string BandOfKilohertz(double kilohertz) {
  for (const auto& band : kBands) {
    if (kilohertz >= band.lowKhz && kilohertz <= band.highKhz) return band.name;
  }
  return {};
}

std::string NormalizeBandName(std::string_view band) { return ToLowerAscii(TrimBlanks(band)); }

std::string HostModeName(std::string_view mode, std::string_view submode) {
  mode = TrimBlanks(mode);
  submode = TrimBlanks(submode);
  if (!submode.empty()) {
    if (auto alias = AliasOf(submode); !alias.empty()) return alias;
  }
  // "PM" is only a Cabrillo code; as an ADIF mode it means nothing to the host.
  if (ToUpperAscii(mode) != "PM") {
    if (auto alias = AliasOf(mode); !alias.empty()) return alias;
  }
  return std::string(submode.empty() ? mode : submode);
}

std::string HostModeOfCabrilloCode(std::string_view code) {
  const std::string upper = ToUpperAscii(TrimBlanks(code));
  if (upper == "RY") return "RTTY";
  if (upper == "PM") return "BPSK63";
  return std::string(TrimBlanks(code));
}

std::optional<std::uint32_t> ScaledDecimal(std::string_view text, int scale) {
  text = TrimBlanks(text);
  if (text.empty()) return std::nullopt;
  std::uint64_t value = 0;
  bool seenDigit = false;
  bool seenPoint = false;
  int fractionDigits = 0;
  for (const char c : text) {
    if (c == '.') {
      if (seenPoint) return std::nullopt;
      seenPoint = true;
      continue;
    }
    if (c < '0' || c > '9') return std::nullopt;
    seenDigit = true;
    if (seenPoint) {
      if (fractionDigits >= scale) continue;  // beyond the unit: dropped
      ++fractionDigits;
    }
    value = value * 10 + static_cast<std::uint64_t>(c - '0');
    if (value > 0xFFFFFFFFull) return std::nullopt;
  }
  if (!seenDigit) return std::nullopt;
  for (int i = fractionDigits; i < scale; ++i) {
    value *= 10;
    if (value > 0xFFFFFFFFull) return std::nullopt;
  }
  return static_cast<std::uint32_t>(value);
}

std::string ToUpperAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = UpperAscii(c);
  return out;
}

std::string ToLowerAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = LowerAscii(c);
  return out;
}

std::string_view TrimBlanks(std::string_view text) {
  const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace qvt::host
