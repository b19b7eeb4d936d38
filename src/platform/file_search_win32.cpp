// File search and version lookup through Win32.
#include <windows.h>

#include <memory>

#include "platform/file_search.h"

namespace qvt::platform {

std::vector<std::string> FindFiles(std::string_view pattern) {
  std::vector<std::string> names;
  const std::string p(pattern);
  WIN32_FIND_DATAA data{};
  struct FindCloser {
    void operator()(HANDLE h) const { FindClose(h); }
  };
  HANDLE first = FindFirstFileA(p.c_str(), &data);
  if (first == INVALID_HANDLE_VALUE) return names;
  const std::unique_ptr<void, FindCloser> find(first);
  do {
    const std::string_view name = data.cFileName;
    if (name != "." && name != "..") names.emplace_back(name);
  } while (FindNextFileA(find.get(), &data));
  return names;
}

std::optional<std::array<std::uint16_t, 4>> ReadFileVersion(std::string_view path) {
  const std::string p(path);
  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeA(p.c_str(), &handle);
  if (size == 0) return std::nullopt;
  auto block = std::make_unique<char[]>(size);
  if (!GetFileVersionInfoA(p.c_str(), 0, size, block.get())) return std::nullopt;
  VS_FIXEDFILEINFO* info = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(block.get(), "\\", reinterpret_cast<void**>(&info), &length) ||
      info == nullptr || length < sizeof(VS_FIXEDFILEINFO)) {
    return std::nullopt;
  }
  return std::array<std::uint16_t, 4>{HIWORD(info->dwFileVersionMS), LOWORD(info->dwFileVersionMS),
                                      HIWORD(info->dwFileVersionLS), LOWORD(info->dwFileVersionLS)};
}

}  // namespace qvt::platform
