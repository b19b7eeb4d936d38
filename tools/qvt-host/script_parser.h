// The host-call scripts of `qvt-host run`: one call a line, `#` starts a comment (outside
// double quotes). A line is a command followed by `key=value` words:
//   key=value       a text without blanks
//   key="a b"       a text with blanks; quoted text is taken literally ("@null" stays a text)
//   key=            an empty text
//   key=@null       a null pointer (for a date-time: the null status)
//   key=@invalid    a date-time whose status is invalid
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace qvt::host {

struct ScriptWord {
  std::string key;
  std::string value;
  bool quoted = false;

  bool IsNull() const { return !quoted && value == "@null"; }
  bool IsInvalid() const { return !quoted && value == "@invalid"; }
};

struct ScriptLine {
  int number = 0;
  std::string command;
  std::vector<ScriptWord> words;

  const ScriptWord* Find(std::string_view key) const;
};

class ScriptError : public std::runtime_error {
 public:
  ScriptError(int line, const std::string& message)
      : std::runtime_error(message), line_(line) {}
  int Line() const { return line_; }

 private:
  int line_;
};

// One line of a script; nothing for a blank or comment line. Throws ScriptError for a word
// without "=", an unclosed quote, or a key given twice.
std::optional<ScriptLine> ParseScriptLine(std::string_view text, int number);

std::vector<ScriptLine> ParseScript(std::string_view text);

}  // namespace qvt::host
