#include "script_parser.h"

namespace qvt::host {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

}  // namespace

const ScriptWord* ScriptLine::Find(std::string_view key) const {
  for (const auto& word : words) {
    if (word.key == key) return &word;
  }
  return nullptr;
}

std::optional<ScriptLine> ParseScriptLine(std::string_view text, int number) {
  ScriptLine line;
  line.number = number;
  std::size_t i = 0;
  const auto skipBlanks = [&]() {
    while (i < text.size() && IsBlank(text[i])) ++i;
  };
  skipBlanks();
  if (i >= text.size() || text[i] == '#') return std::nullopt;
  const std::size_t commandStart = i;
  while (i < text.size() && !IsBlank(text[i]) && text[i] != '#') ++i;
  line.command.assign(text.substr(commandStart, i - commandStart));
  if (line.command.find('=') != std::string::npos)
    throw ScriptError(number, "a line starts with a command, not '" + line.command + "'");

  while (true) {
    skipBlanks();
    if (i >= text.size() || text[i] == '#') break;
    ScriptWord word;
    const std::size_t keyStart = i;
    while (i < text.size() && text[i] != '=' && !IsBlank(text[i]) && text[i] != '#') ++i;
    word.key.assign(text.substr(keyStart, i - keyStart));
    if (i >= text.size() || text[i] != '=' || word.key.empty())
      throw ScriptError(number, "expected key=value, found '" + word.key + "'");
    ++i;  // '='
    if (i < text.size() && text[i] == '"') {
      const std::size_t close = text.find('"', i + 1);
      if (close == std::string_view::npos)
        throw ScriptError(number, "unclosed quote in the value of '" + word.key + "'");
      word.value.assign(text.substr(i + 1, close - i - 1));
      word.quoted = true;
      i = close + 1;
      if (i < text.size() && !IsBlank(text[i]) && text[i] != '#')
        throw ScriptError(number, "text after the closing quote of '" + word.key + "'");
    } else {
      const std::size_t valueStart = i;
      while (i < text.size() && !IsBlank(text[i]) && text[i] != '#') ++i;
      word.value.assign(text.substr(valueStart, i - valueStart));
    }
    if (line.Find(word.key) != nullptr)
      throw ScriptError(number, "key '" + word.key + "' given twice");
    line.words.push_back(std::move(word));
  }
  return line;
}

std::vector<ScriptLine> ParseScript(std::string_view text) {
  std::vector<ScriptLine> lines;
  int number = 0;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    ++number;
    if (auto line = ParseScriptLine(text.substr(start, end - start), number))
      lines.push_back(std::move(*line));
    start = end + 1;
  }
  return lines;
}

}  // namespace qvt::host
