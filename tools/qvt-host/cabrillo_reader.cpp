#include "cabrillo_reader.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "band_plan.h"

namespace qvt::host {
namespace {

std::vector<std::string_view> Fields(std::string_view text) {
  std::vector<std::string_view> fields;
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    const std::size_t start = i;
    while (i < text.size() && text[i] != ' ' && text[i] != '\t') ++i;
    if (i > start) fields.push_back(text.substr(start, i - start));
  }
  return fields;
}

// A report or a serial number: digits, optionally followed by a club member's "/M".
bool IsNumberField(std::string_view field) {
  std::size_t digits = 0;
  while (digits < field.size() && field[digits] >= '0' && field[digits] <= '9') ++digits;
  if (digits == 0) return false;
  const std::string_view rest = field.substr(digits);
  return rest.empty() || rest == "/M" || rest == "/m";
}

// "TAG:" at the start of a line, letter case ignored; returns the text after the colon.
bool HasTag(std::string_view line, std::string_view tag, std::string_view& rest) {
  if (line.size() < tag.size() + 1 || line[tag.size()] != ':') return false;
  if (ToUpperAscii(line.substr(0, tag.size())) != tag) return false;
  rest = line.substr(tag.size() + 1);
  return true;
}

std::optional<CalendarTime> QsoTime(std::string_view date, std::string_view time) {
  if (time.size() != 4) return std::nullopt;
  std::string text(date);
  text += 'T';
  text += time.substr(0, 2);
  text += ':';
  text += time.substr(2, 2);
  return ParseDateTimeText(text);
}

// Sets the frequency and band of a Cabrillo frequency column; false when it is unreadable.
bool ReadFrequency(std::string_view field, LogQso& qso) {
  if (const auto hertz = ScaledDecimal(field, 3)) {
    std::uint64_t hz = *hertz;
    // Below 1 MHz the column is a VHF band designator in MHz ("50", "144").
    if (hz < 1000000) hz *= 1000;
    if (hz > 0xFFFFFFFFull) return false;
    qso.frequencyHz = static_cast<std::uint32_t>(hz);
    qso.band = BandOfKilohertz(static_cast<double>(hz) / 1000.0);
    return true;
  }
  // Microwave designators ("1.2G", "10G") and "LIGHT": named, no frequency the host can pass.
  const std::string upper = ToUpperAscii(field);
  if (upper == "LIGHT" || (upper.size() > 1 && upper.back() == 'G' &&
                           ScaledDecimal(std::string_view(upper).substr(0, upper.size() - 1), 0))) {
    qso.frequencyHz = 0;
    qso.band = ToLowerAscii(field);
    return true;
  }
  return false;
}

}  // namespace

LogContents ReadCabrillo(std::istream& in) {
  LogContents log;
  std::string raw;
  int lineNumber = 0;
  while (std::getline(in, raw)) {
    ++lineNumber;
    const std::string_view line = TrimBlanks(raw);
    std::string_view rest;
    if (HasTag(line, "X-QSO", rest)) {
      ++log.ignoredLines;
      continue;
    }
    if (HasTag(line, "CALLSIGN", rest)) {
      log.ownCall = ToUpperAscii(TrimBlanks(rest));
      continue;
    }
    if (!HasTag(line, "QSO", rest)) continue;
    ++log.qsoLines;
    const auto bad = [&](std::string message) {
      log.problems.push_back({lineNumber, std::move(message)});
    };
    const std::vector<std::string_view> f = Fields(rest);
    if (f.size() < 6) {
      bad("too few fields in QSO line");
      continue;
    }
    LogQso qso;
    qso.line = lineNumber;
    if (!ReadFrequency(f[0], qso)) {
      bad("unreadable frequency '" + std::string(f[0]) + "'");
      continue;
    }
    qso.mode = HostModeOfCabrilloCode(f[1]);
    const auto time = QsoTime(f[2], f[3]);
    if (!time) {
      bad("unreadable date and time '" + std::string(f[2]) + " " + std::string(f[3]) + "'");
      continue;
    }
    qso.time = *time;
    qso.ownCall = std::string(f[4]);
    std::size_t callIndex = 5;
    while (callIndex < f.size() && IsNumberField(f[callIndex])) ++callIndex;
    if (callIndex >= f.size()) {
      bad("no worked call in QSO line");
      continue;
    }
    const std::size_t sentCount = callIndex - 5;
    const std::size_t receivedCount = f.size() - callIndex - 1;
    if (sentCount > 2 || receivedCount > 3) {
      bad("unexpected fields in QSO line");
      continue;
    }
    if (sentCount >= 1) qso.rstSent = std::string(f[5]);
    if (sentCount == 2) qso.numberSent = std::string(f[6]);
    qso.call = std::string(f[callIndex]);
    if (receivedCount >= 1) qso.rstReceived = std::string(f[callIndex + 1]);
    if (receivedCount >= 2) qso.numberReceived = std::string(f[callIndex + 2]);
    // A third field after the worked call is the transmitter number of multi-op logs.
    log.qsos.push_back(std::move(qso));
  }
  return log;
}

}  // namespace qvt::host
