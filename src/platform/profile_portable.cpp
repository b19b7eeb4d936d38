// Portable twin of the Win32 private-profile functions, for what the plug-in does with them:
// one section, keys matched without regard to case, values trimmed of blanks and of one pair of
// surrounding quotes, CRLF on disk. Writes keep the file's other lines as they are.
#include <algorithm>

#include "platform/profile.h"
#include "platform/text_case.h"
#include "platform/text_file.h"

namespace qvt::platform {
namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

// A section header "[name]" gives the name; anything else nothing.
bool SectionName(std::string_view line, std::string_view& name) {
  line = Trim(line);
  if (line.empty() || line.front() != '[') return false;
  const auto close = line.find(']');
  name = Trim(line.substr(1, close == std::string_view::npos ? line.size() - 1 : close - 1));
  return true;
}

// A "key=value" line gives the trimmed key and value.
bool KeyValue(std::string_view line, std::string_view& key, std::string_view& value) {
  const auto eq = line.find('=');
  if (eq == std::string_view::npos) return false;
  key = Trim(line.substr(0, eq));
  value = Trim(line.substr(eq + 1));
  return true;
}

struct Located {
  bool sectionFound = false;
  std::size_t sectionLine = 0;  // index of the header line
  std::size_t lastKeyLine = 0;  // last non-blank line of the section
  bool keyFound = false;
  std::size_t keyLine = 0;
  std::string_view value;
};

Located Locate(const std::vector<std::string>& lines, std::string_view section,
               std::string_view key) {
  Located at;
  bool inSection = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string_view name;
    if (SectionName(lines[i], name)) {
      if (at.sectionFound) break;  // the first matching section is the one used
      inSection = EqualNoCase(name, section);
      if (inSection) {
        at.sectionFound = true;
        at.sectionLine = i;
        at.lastKeyLine = i;
      }
      continue;
    }
    if (!inSection) continue;
    if (!Trim(lines[i]).empty()) at.lastKeyLine = i;
    std::string_view k;
    std::string_view v;
    if (!at.keyFound && KeyValue(lines[i], k, v) && EqualNoCase(k, key)) {
      at.keyFound = true;
      at.keyLine = i;
      at.value = v;
    }
  }
  return at;
}

}  // namespace

std::string ReadProfileText(std::string_view file, std::string_view section,
                              std::string_view key, std::string_view defaultValue) {
  // The system strips trailing blanks from the default (keeping its first character).
  while (defaultValue.size() > 1 && defaultValue.back() == ' ') defaultValue.remove_suffix(1);
  std::string value(defaultValue);
  if (auto lines = ReadLines(file)) {
    const Located at = Locate(*lines, section, key);
    if (at.keyFound) {
      std::string_view v = at.value;
      if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) {
        v = v.substr(1, v.size() - 2);
      }
      value = std::string(v);
    }
  }
  if (value.size() > kProfileBufferSize - 1) value.resize(kProfileBufferSize - 1);
  return value;
}

bool WriteProfileText(std::string_view file, std::string_view section, std::string_view key,
                        std::string_view value) {
  const std::optional<std::string> before = ReadBinaryFile(file);
  std::vector<std::string> lines = before ? SplitLines(*before) : std::vector<std::string>{};
  const Located at = Locate(lines, section, key);
  if (at.keyFound) {
    std::string_view k;
    std::string_view v;
    KeyValue(lines[at.keyLine], k, v);
    lines[at.keyLine] = std::string(k) + "=" + std::string(value);
  } else if (at.sectionFound) {
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at.lastKeyLine + 1),
                 std::string(key) + "=" + std::string(value));
  } else {
    lines.push_back("[" + std::string(section) + "]");
    lines.push_back(std::string(key) + "=" + std::string(value));
  }
  std::string text;
  for (const auto& line : lines) {
    text += line;
    text += "\r\n";
  }
  // Nothing to do when the file already reads so (the result request stores its score often).
  if (before == text) return true;
  return WriteBinaryFile(file, text);
}


}  // namespace qvt::platform
