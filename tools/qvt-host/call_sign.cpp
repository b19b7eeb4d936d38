#include "call_sign.h"

#include <array>
#include <vector>

#include "band_plan.h"

namespace qvt::host {
namespace {

constexpr std::array<std::string_view, 3> kLocationFreeSuffixes{"P", "M", "QRP"};
constexpr std::array<std::string_view, 2> kMaritimeSuffixes{"MM", "AM"};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

template <std::size_t N>
bool IsOneOf(std::string_view part, const std::array<std::string_view, N>& list) {
  for (const auto item : list) {
    if (part == item) return true;
  }
  return false;
}

std::vector<std::string> SlashParts(std::string_view call) {
  std::vector<std::string> parts;
  const std::string upper = ToUpperAscii(TrimBlanks(call));
  std::size_t start = 0;
  while (start <= upper.size()) {
    const std::size_t slash = upper.find('/', start);
    const std::size_t end = slash == std::string::npos ? upper.size() : slash;
    if (end > start) parts.push_back(upper.substr(start, end - start));
    if (slash == std::string::npos) break;
    start = slash + 1;
  }
  return parts;
}

}  // namespace

CallParts SplitCall(std::string_view call) {
  CallParts result;
  std::vector<std::string> kept;
  for (auto& part : SlashParts(call)) {
    if (IsOneOf(part, kLocationFreeSuffixes)) continue;
    if (IsOneOf(part, kMaritimeSuffixes)) {
      result.maritime = true;
      continue;
    }
    if (part.size() == 1 && IsDigit(part[0]) && !kept.empty()) {
      result.area = part[0];
      continue;
    }
    kept.push_back(std::move(part));
  }
  if (kept.empty()) return result;
  if (kept.size() == 1) {
    result.base = kept[0];
    return result;
  }
  // The longest part is the home call; the shortest other part the designator.
  std::size_t baseIndex = 0;
  for (std::size_t i = 1; i < kept.size(); ++i) {
    if (kept[i].size() > kept[baseIndex].size()) baseIndex = i;
  }
  std::size_t designatorIndex = baseIndex == 0 ? 1 : 0;
  for (std::size_t i = 0; i < kept.size(); ++i) {
    if (i != baseIndex && kept[i].size() < kept[designatorIndex].size()) designatorIndex = i;
  }
  // Equal lengths: the first written part is the designator ("PA/OH2A" style).
  if (kept[designatorIndex].size() == kept[baseIndex].size() && baseIndex < designatorIndex) {
    std::swap(baseIndex, designatorIndex);
  }
  result.base = kept[baseIndex];
  result.designator = kept[designatorIndex];
  return result;
}

std::string CallWithoutOperatingSuffixes(std::string_view call) {
  std::string out;
  for (const auto& part : SlashParts(call)) {
    if (IsOneOf(part, kLocationFreeSuffixes) || IsOneOf(part, kMaritimeSuffixes)) continue;
    if (!out.empty()) out += '/';
    out += part;
  }
  return out;
}

std::string LeadingPrefix(std::string_view call) {
  std::size_t i = 1;
  while (i < call.size() && !IsDigit(call[i])) ++i;
  if (i >= call.size()) return {};
  while (i < call.size() && IsDigit(call[i])) ++i;
  return std::string(call.substr(0, i));
}

}  // namespace qvt::host
