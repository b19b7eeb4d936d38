// The settings profile through the Win32 private-profile functions.
#include <windows.h>


#include "platform/profile.h"

namespace qvt::platform {

std::string ReadProfileText(std::string_view file, std::string_view section,
                              std::string_view key, std::string_view defaultValue) {
  char buffer[kProfileBufferSize] = {};
  const std::string f(file);
  const std::string s(section);
  const std::string k(key);
  const std::string d(defaultValue);
  GetPrivateProfileStringA(s.c_str(), k.c_str(), d.c_str(), buffer, sizeof buffer, f.c_str());
  buffer[sizeof buffer - 1] = '\0';
  return buffer;
}

bool WriteProfileText(std::string_view file, std::string_view section, std::string_view key,
                        std::string_view value) {
  const std::string f(file);
  const std::string s(section);
  const std::string k(key);
  const std::string v(value);
  return WritePrivateProfileStringA(s.c_str(), k.c_str(), v.c_str(), f.c_str()) != FALSE;
}


}  // namespace qvt::platform
