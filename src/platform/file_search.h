// Listing the entries of a folder that match a wildcard pattern ("dir\*.ini", "*.exe").
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qvt::platform {

// Bare names (without folder) of the entries matching the pattern, in the order the file
// system returns them. '*' and '?' are wildcards; letters match without regard to case.
std::vector<std::string> FindFiles(std::string_view pattern);

// Case-insensitive wildcard match of a bare name ('*' any run, '?' one character).
bool WildcardMatch(std::string_view pattern, std::string_view name);

// The four parts of a file version (major, minor, build, revision) from a program's version
// resource; nothing when the file has none or cannot be read.
std::optional<std::array<std::uint16_t, 4>> ReadFileVersion(std::string_view path);

// Finds the fixed version block (signature 0xFEEF04BD) in the bytes of a program file.
std::optional<std::array<std::uint16_t, 4>> ParseFileVersion(std::string_view bytes);

}  // namespace qvt::platform
