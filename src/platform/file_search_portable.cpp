// File search and version lookup without Win32: a directory listing filtered by the pattern,
// and the fixed version block read straight from the program file's bytes.
#include <dirent.h>

#include "platform/file_search.h"
#include "platform/text_file.h"

namespace qvt::platform {

std::vector<std::string> FindFiles(std::string_view pattern) {
  const std::string path = NativePath(pattern);
  const auto slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
  const std::string filePattern = slash == std::string::npos ? path : path.substr(slash + 1);
  std::vector<std::string> names;
  DIR* dir = opendir(folder.c_str());
  if (dir == nullptr) return names;
  while (const dirent* entry = readdir(dir)) {
    const std::string_view name = entry->d_name;
    if (name == "." || name == "..") continue;
    if (WildcardMatch(filePattern, name)) names.emplace_back(name);
  }
  closedir(dir);
  return names;
}

std::optional<std::array<std::uint16_t, 4>> ReadFileVersion(std::string_view path) {
  const auto bytes = ReadBinaryFile(path);
  if (!bytes) return std::nullopt;
  return ParseFileVersion(*bytes);
}

}  // namespace qvt::platform
