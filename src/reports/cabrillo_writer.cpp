#include "reports/cabrillo_writer.h"

#include <cinttypes>
#include <cstdio>

#include "log/cinfo.h"
#include "platform/file_search.h"
#include "platform/profile.h"
#include "platform/text_case.h"
#include "platform/text_file.h"
#include "reports/text_format.h"

namespace qvt {
namespace {

constexpr std::string_view kSection = "Settings";

std::string_view TrimBlanks(std::string_view s) {
  auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

// The header dialog's combo boxes and their lists, in the order each box keeps them (the
// power, time and transmitter boxes sort theirs).
struct HeaderCombo {
  std::string CabrilloHeaderFields::*field;
  std::vector<std::string_view> entries;
};

const std::vector<HeaderCombo>& HeaderCombos() {
  static const std::vector<HeaderCombo> combos = {
      {&CabrilloHeaderFields::m_category,
       {"SO-HP", "SO-LP", "SO-QRP", "SO80", "SO40", "SO20", "SO15", "SO10", "MO", "M", "CL"}},
      {&CabrilloHeaderFields::m_categoryBand, {"ALL", "80M", "40M", "20M", "15M", "10M"}},
      {&CabrilloHeaderFields::m_categoryOverlay, {"HIGH", "LOW", "QRP"}},
      {&CabrilloHeaderFields::m_categoryTime, {"6-HOURS"}},
      {&CabrilloHeaderFields::m_categoryTransmitter, {"ONE", "TWO", "UNLIMITED"}},
  };
  return combos;
}

}  // namespace

CabrilloHeaderFields AsShownInHeaderDialog(CabrilloHeaderFields fields) {
  for (const HeaderCombo& combo : HeaderCombos()) {
    std::string& value = fields.*combo.field;
    for (std::string_view entry : combo.entries) {
      if (platform::StartsWithNoCase(entry, value)) {
        value = std::string(entry);
        break;
      }
    }
  }
  return fields;
}

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to,
                       int* count) {
  int replaced = 0;
  std::string out;
  if (from.empty() || from == to) {
    out = std::string(text);
  } else {
    out.reserve(text.size());
    std::size_t pos = 0;
    while (true) {
      const std::size_t hit = text.find(from, pos);
      if (hit == std::string_view::npos) break;
      out.append(text.substr(pos, hit - pos));
      out.append(to);
      pos = hit + from.size();
      ++replaced;
    }
    out.append(text.substr(pos));
  }
  if (count != nullptr) *count = replaced;
  return out;
}

std::string CabrilloFileStem(std::string_view ownCall) {
  std::string stem = ReplaceAll(ReplaceAll(ownCall, "/", "_"), "\\", "_");
  stem = std::string(TrimBlanks(stem));
  return stem.empty() ? "VXLT" : stem;
}

std::string_view CabrilloModeCode(std::string_view mode) {
  if (mode == "BPSK63") return "PM";
  if (mode == "RTTY") return "RY";
  return "??";
}

std::string FlattenLineBreaks(std::string_view text) {
  return ReplaceAll(ReplaceAll(ReplaceAll(text, "\r\n", " "), "\r", " "), "\n", " ");
}

void CabrilloWriter::AddQsoLine(std::string_view call, std::uint32_t freqKHz,
                                std::string_view modeCode, const platform::OleDateTime& time,
                                std::string_view /*rstSent*/, std::string_view exchSent,
                                std::string_view /*rstReceived*/, std::string_view exchReceived) {
  const std::string when = time.Format("%Y-%m-%d %H%M");
  // The frequency is unsigned; the line shows it as the signed number the format reads.
  m_qsoLines.push_back(Printf("QSO: %5i %2s %s %-13s 599 %-5s  %-12s  599 %s\r\n",
                              static_cast<int>(freqKHz), std::string(modeCode).c_str(),
                              when.c_str(), m_callsign.c_str(), std::string(exchSent).c_str(),
                              std::string(call).c_str(), std::string(exchReceived).c_str()));
}

void CabrilloWriter::SetQsoLines(const std::vector<CInfo>& log) {
  m_qsoLines.clear();
  m_qsoLines.reserve(log.size());
  for (const CInfo& qso : log) {
    AddQsoLine(qso.m_call, qso.m_freqKHz, CabrilloModeCode(qso.m_mode), qso.m_time,
               qso.m_rstSent, qso.m_exchSent, qso.m_rstReceived, qso.m_exchReceived);
  }
}

std::string CabrilloWriter::LogText(std::int64_t claimedScore, std::string_view hostVersion) const {
  std::string text;
  std::size_t size = 512;
  for (const auto& line : m_qsoLines) size += line.size();
  text.reserve(size);
  auto line = [&text](std::string_view tag, std::string_view value) {
    text.append(tag);
    text.append(value);
    text.append("\r\n");
  };
  text.append("START-OF-LOG: 2.0\r\n");
  text.append("ARRL-SECTION: DX\r\n");
  line("CALLSIGN: ", m_callsign);
  line("CLUB: ", m_club);
  text.append("CONTEST: QVT\r\n");
  line("CATEGORY: ", m_category);
  line("CLAIMED-SCORE: ", std::to_string(claimedScore));
  line("OPERATORS: ", m_operators);
  line("NAME: ", m_name);
  line("ADDRESS: ", m_address);
  line("ADDRESS: ", m_addressCity);
  line("ADDRESS: ", m_addressPostalCode);
  line("ADDRESS: ", m_addressCountry);
  line("EMAIL: ", m_email);
  line("CREATED-BY: Kelvo ", hostVersion);
  for (const auto& qso : m_qsoLines) text.append(qso);
  text.append("END-OF-LOG:\r\n");
  return text;
}

std::string CabrilloWriter::WriteLog(std::string_view folder, std::int64_t claimedScore) const {
  const std::string name = m_fileStem + ".log";
  platform::WriteBinaryFile(platform::JoinPath(folder, name),
                            LogText(claimedScore, HostProgramVersion(folder)));
  return "File produced: " + name;
}

std::string HostProgramVersion(std::string_view folder) {
  for (const std::string& name : platform::FindFiles(platform::JoinPath(folder, "*.exe"))) {
    if (name.find("Kelvo") == std::string::npos) continue;
    const auto version = platform::ReadFileVersion(platform::JoinPath(folder, name));
    if (!version) return {};
    const auto [major, minor, build, revision] = *version;
    (void)revision;
    if (major == 2) return Printf("%d.%d", major, minor);
    return Printf("%d.%d.%d", major, minor, build);
  }
  return {};
}

void CabrilloWriter::LoadHeader(std::string_view settingsFile, std::string_view ownCall) {
  auto read = [&](std::string_view key, std::string_view def = {}) {
    return platform::ReadProfileText(settingsFile, kSection, key, def);
  };
  m_callsign = std::string(ownCall);
  m_fileStem = CabrilloFileStem(ownCall);
  m_operators = read("Operators", ownCall);
  m_name = read("Name");
  m_address = read("Address");
  m_addressCity = read("Address-City");
  m_addressPostalCode = read("Address-PostalCode");
  m_addressCountry = read("Address-Country");
  m_claimed = read("Claimed");
  m_contest = "QVT";
  m_category = "SO-HP";
  m_categoryMode = read("Mode");
  m_email = read("Email");
  m_club = read("Club");
  m_soapBox = ReplaceAll(ReplaceAll(read("SoapBox"), "<CR>", "\r"), "<LF>", "\n");
}

void CabrilloWriter::StoreHeader(std::string_view settingsFile,
                                 const CabrilloHeaderFields& confirmed) {
  const std::string claimed = m_claimed;  // what the operator typed into CLAIMED is dropped
  static_cast<CabrilloHeaderFields&>(*this) = confirmed;
  m_claimed = claimed;
  // Single-line fields cannot hold a line break: the settings line and the log line would
  // split. The soapbox keeps its own encoding.
  for (std::string* field : {&m_callsign, &m_operators, &m_category, &m_categoryMode,
                             &m_categoryOverlay, &m_categoryBand, &m_categoryTime,
                             &m_categoryTransmitter, &m_name, &m_address, &m_addressCity,
                             &m_addressPostalCode, &m_addressCountry, &m_contest, &m_email,
                             &m_club}) {
    *field = FlattenLineBreaks(*field);
  }
  m_soapBox = ReplaceAll(ReplaceAll(m_soapBox, "\r", "<CR>"), "\n", "<LF>");
  auto write = [&](std::string_view key, const std::string& value) {
    platform::WriteProfileText(settingsFile, kSection, key, value);
  };
  write("Operators", m_operators);
  write("Name", m_name);
  write("Address", m_address);
  write("Address-City", m_addressCity);
  write("Address-PostalCode", m_addressPostalCode);
  write("Address-Country", m_addressCountry);
  write("Category", m_category);
  write("Category_Overlay", m_categoryOverlay);
  write("Contest", m_contest);
  write("Email", m_email);
  write("Club", m_club);
  write("SoapBox", m_soapBox);
  // The log form of the soapbox; the log file has no line for it.
  m_soapBox = ReplaceAll(ReplaceAll(m_soapBox, "<CR>", "\r\nSOAPBOX: "), "<LF>", "");
  m_qsoLines.clear();
}

}  // namespace qvt
