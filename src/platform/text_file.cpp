#include "platform/text_file.h"

#include <cstdio>

#if defined(_WIN32)
#include <share.h>
#endif

namespace qvt::platform {
namespace {

std::FILE* OpenShared(const std::string& path, const char* mode) {
#if defined(_WIN32)
  return _fsopen(path.c_str(), mode, _SH_DENYNO);
#else
  return std::fopen(path.c_str(), mode);
#endif
}

bool IsAbsolute(std::string_view name) {
  if (name.empty()) return false;
  if (name[0] == '/' || name[0] == '\\') return true;
  return name.size() >= 2 && name[1] == ':';
}

}  // namespace

std::string NativePath(std::string_view path) {
  std::string out(path);
#if !defined(_WIN32)
  for (char& c : out) {
    if (c == '\\') c = '/';
  }
#endif
  return out;
}

std::string JoinPath(std::string_view folder, std::string_view name) {
  if (folder.empty() || IsAbsolute(name)) return std::string(name);
  std::string out(folder);
  if (out.back() != '/' && out.back() != '\\') out += '/';
  out += name;
  return out;
}

TextFileWriter::~TextFileWriter() { Close(); }

bool TextFileWriter::Open(std::string_view path, OpenMode mode) {
  Close();
  file_ = OpenShared(NativePath(path), mode == OpenMode::kAppend ? "ab" : "wb");
  return file_ != nullptr;
}

void TextFileWriter::WriteLine(std::string_view line) {
  if (file_ == nullptr) return;
  std::string out;
  out.reserve(line.size() + 2);
  for (char c : line) {
    if (c == '\n') out += '\r';
    out += c;
  }
  out += "\r\n";
  std::fwrite(out.data(), 1, out.size(), file_);
}

void TextFileWriter::Close() {
  if (file_ != nullptr) {
    std::fclose(file_);
    file_ = nullptr;
  }
}

bool WriteBinaryFile(std::string_view path, std::string_view bytes) {
  std::FILE* f = OpenShared(NativePath(path), "wb");
  if (f == nullptr) return false;
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}

std::optional<std::string> ReadBinaryFile(std::string_view path) {
  std::FILE* f = OpenShared(NativePath(path), "rb");
  if (f == nullptr) return std::nullopt;
  std::string data;
  char buf[65536];
  std::size_t n = 0;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) data.append(buf, n);
  const bool failed = std::ferror(f) != 0;
  std::fclose(f);
  // A folder opens on some systems but cannot be read: treat it as unreadable.
  if (failed) return std::nullopt;
  return data;
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    const bool last = end == std::string_view::npos;
    if (last) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    start = last ? text.size() : end + 1;
  }
  return lines;
}

std::optional<std::vector<std::string>> ReadLines(std::string_view path) {
  auto data = ReadBinaryFile(path);
  if (!data) return std::nullopt;
  return SplitLines(*data);
}

}  // namespace qvt::platform
