// The settings profile: the Win32 private-profile functions on Windows, a portable twin that
// behaves the same (for what the plug-in does) elsewhere.
//
// Both resolve a relative path such as "Plugins\QVT.ini" against the current directory and
// match section and key names without regard to case. Reads go through a 100-byte buffer, so
// at most 99 characters of a value come back; a missing file, folder, section or key reads as
// the default. A write that cannot be done (missing folder, read-only file) fails silently.
#pragma once

#include <string>
#include <string_view>

namespace qvt::platform {

inline constexpr std::size_t kProfileBufferSize = 100;

std::string ReadProfileText(std::string_view file, std::string_view section,
                              std::string_view key, std::string_view defaultValue = {});

// Returns true when the value was stored.
bool WriteProfileText(std::string_view file, std::string_view section, std::string_view key,
                        std::string_view value);

// The C library's decimal conversion of a stored value: a missing or non-numeric value is 0,
// and a number beyond the int range gives the nearest end of it on both targets.
int ReadProfileInt(std::string_view file, std::string_view section, std::string_view key);

// The decimal conversion ReadProfileInt applies.
int DecimalValue(const std::string& text);

}  // namespace qvt::platform
