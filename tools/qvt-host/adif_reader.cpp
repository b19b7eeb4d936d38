#include "adif_reader.h"

#include <iterator>
#include <map>
#include <string>
#include <string_view>

#include "band_plan.h"

namespace qvt::host {
namespace {

using Record = std::map<std::string, std::string>;

std::string Field(const Record& record, const char* name) {
  const auto it = record.find(name);
  return it == record.end() ? std::string() : std::string(TrimBlanks(it->second));
}

// The first of the named fields that is present and not empty.
std::string FirstField(const Record& record, const char* first, const char* second) {
  std::string value = Field(record, first);
  return value.empty() ? Field(record, second) : value;
}

std::optional<CalendarTime> RecordTime(const std::string& date, const std::string& time) {
  if (date.size() != 8 || (time.size() != 4 && time.size() != 6)) return std::nullopt;
  // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) on chains of "+" with literals.
  std::string text = date.substr(0, 4);
  text.append(1, '-').append(date, 4, 2).append(1, '-').append(date, 6, 2);
  text.append(1, 'T').append(time, 0, 2).append(1, ':').append(time, 2, 2);
  if (time.size() == 6) text.append(1, ':').append(time, 4, 2);
  return ParseDateTimeText(text);
}

void AddRecord(const Record& record, int line, LogContents& log) {
  ++log.qsoLines;
  const auto bad = [&](std::string message) { log.problems.push_back({line, std::move(message)}); };
  LogQso qso;
  qso.line = line;
  qso.call = ToUpperAscii(Field(record, "CALL"));
  if (qso.call.empty()) {
    bad("record without CALL");
    return;
  }
  const auto time = RecordTime(Field(record, "QSO_DATE"), Field(record, "TIME_ON"));
  if (!time) {
    bad("record without a valid QSO_DATE and TIME_ON");
    return;
  }
  qso.time = *time;
  const std::string frequency = Field(record, "FREQ");
  if (!frequency.empty()) {
    const auto hertz = ScaledDecimal(frequency, 6);
    if (!hertz) {
      bad("unreadable FREQ '" + frequency + "'");
      return;
    }
    qso.frequencyHz = *hertz;
  }
  qso.band = NormalizeBandName(Field(record, "BAND"));
  if (qso.band.empty() && qso.frequencyHz != 0)
    qso.band = BandOfKilohertz(static_cast<double>(qso.frequencyHz) / 1000.0);
  qso.mode = HostModeName(Field(record, "MODE"), Field(record, "SUBMODE"));
  qso.ownCall = ToUpperAscii(FirstField(record, "STATION_CALLSIGN", "OPERATOR"));
  qso.rstSent = Field(record, "RST_SENT");
  qso.rstReceived = Field(record, "RST_RCVD");
  qso.numberSent = FirstField(record, "STX_STRING", "STX");
  qso.numberReceived = FirstField(record, "SRX_STRING", "SRX");
  qso.multiplierPrefix = ToUpperAscii(Field(record, "PFX"));
  log.qsos.push_back(std::move(qso));
}

}  // namespace

LogContents ReadAdif(std::istream& in) {
  const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  LogContents log;
  Record record;
  int line = 1;
  int recordLine = 0;
  std::size_t countedTo = 0;  // line numbers are counted up to this offset
  const auto lineAt = [&](std::size_t offset) {
    for (; countedTo < offset && countedTo < text.size(); ++countedTo) {
      if (text[countedTo] == '\n') ++line;
    }
    return line;
  };

  // Text before the first '<' is a free-form header; "<EOH>" ends a header with fields.
  bool inHeader = !text.empty() && text[0] != '<';
  std::size_t pos = 0;
  while (true) {
    const std::size_t open = text.find('<', pos);
    if (open == std::string::npos) break;
    const std::size_t close = text.find('>', open);
    if (close == std::string::npos) break;
    const std::string tag = ToUpperAscii(std::string_view(text).substr(open + 1, close - open - 1));
    pos = close + 1;
    const std::size_t colon = tag.find(':');
    const std::string name = tag.substr(0, colon);
    if (name == "EOH") {
      inHeader = false;
      record.clear();
      continue;
    }
    if (name == "EOR") {
      if (!inHeader && !record.empty()) AddRecord(record, recordLine, log);
      record.clear();
      continue;
    }
    if (colon == std::string::npos) continue;  // a tag without a length carries no value
    std::size_t length = 0;
    std::size_t i = colon + 1;
    bool hasDigits = false;
    for (; i < tag.size() && tag[i] >= '0' && tag[i] <= '9'; ++i) {
      length = length * 10 + static_cast<std::size_t>(tag[i] - '0');
      hasDigits = true;
    }
    if (!hasDigits || (i < tag.size() && tag[i] != ':')) {
      log.problems.push_back({lineAt(open), "unreadable field '<" + tag + ">'"});
      continue;
    }
    const std::string value = text.substr(pos, length);
    if (record.empty()) recordLine = lineAt(open);
    pos += value.size();
    if (!inHeader) record[name] = value;
  }
  if (!record.empty()) {
    log.problems.push_back({recordLine, "record without <EOR> at the end of the file"});
  }
  return log;
}

}  // namespace qvt::host
