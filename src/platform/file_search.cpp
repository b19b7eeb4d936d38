#include "platform/file_search.h"

#include "platform/text_case.h"
#include <cstring>

namespace qvt::platform {

bool WildcardMatch(std::string_view pattern, std::string_view name) {
  std::size_t p = 0;
  std::size_t n = 0;
  std::size_t starP = std::string_view::npos;
  std::size_t starN = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || SameLetterNoCase(pattern[p], name[n]))) {
      ++p;
      ++n;
    } else if (p < pattern.size() && pattern[p] == '*') {
      starP = p++;
      starN = n;
    } else if (starP != std::string_view::npos) {
      p = starP + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

std::optional<std::array<std::uint16_t, 4>> ParseFileVersion(std::string_view bytes) {
  static constexpr unsigned char kSignature[4] = {0xBD, 0x04, 0xEF, 0xFE};
  for (std::size_t i = 0; i + 20 <= bytes.size(); i += 4) {
    if (std::memcmp(bytes.data() + i, kSignature, 4) != 0) continue;
    auto word = [&](std::size_t at) {
      return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at])) |
             static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 8 |
             static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 2])) << 16 |
             static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 3])) << 24;
    };
    // Signature, structure version, file version (most, then least significant half).
    const std::uint32_t ms = word(i + 8);
    const std::uint32_t ls = word(i + 12);
    return std::array<std::uint16_t, 4>{static_cast<std::uint16_t>(ms >> 16),
                                         static_cast<std::uint16_t>(ms & 0xFFFF),
                                         static_cast<std::uint16_t>(ls >> 16),
                                         static_cast<std::uint16_t>(ls & 0xFFFF)};
  }
  return std::nullopt;
}

}  // namespace qvt::platform
