// Text files as the plug-in writes and reads them: CRLF line ends on disk on both targets,
// files shared for reading and writing with other openers (deny-none) on Windows.
#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qvt::platform {

enum class OpenMode { kAppend, kTruncate };

// Writes lines as a text-mode stream would: every "\n" inside a line and the line end become
// "\r\n". Opening creates a missing file; a file that cannot be opened makes every call a
// no-op (IsOpen() false).
class TextFileWriter {
 public:
  TextFileWriter() = default;
  TextFileWriter(std::string_view path, OpenMode mode) { Open(path, mode); }
  ~TextFileWriter();
  TextFileWriter(const TextFileWriter&) = delete;
  TextFileWriter& operator=(const TextFileWriter&) = delete;

  bool Open(std::string_view path, OpenMode mode);
  bool IsOpen() const { return file_ != nullptr; }
  void WriteLine(std::string_view line);
  void Close();

 private:
  std::FILE* file_ = nullptr;
};

// Writes bytes unchanged, replacing an existing file. Returns false when it cannot be created.
bool WriteBinaryFile(std::string_view path, std::string_view bytes);

// Reads a whole file as bytes; nothing when it cannot be opened.
std::optional<std::string> ReadBinaryFile(std::string_view path);

// Reads a text file line by line, each line without its CR/LF line end. Nothing when the file
// cannot be opened for reading.
std::optional<std::vector<std::string>> ReadLines(std::string_view path);

// Splits text into lines the way ReadLines does.
std::vector<std::string> SplitLines(std::string_view text);

// Joins a folder and a relative name; an empty folder or an absolute name leaves the name.
std::string JoinPath(std::string_view folder, std::string_view name);

// The path as the file system of this target wants it ("\" becomes "/" off Windows).
std::string NativePath(std::string_view path);

}  // namespace qvt::platform
