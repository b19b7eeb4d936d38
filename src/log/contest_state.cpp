#include "log/contest_state.h"

#include <algorithm>
#include <array>

#include "log/contest_rules.h"
#include "platform/file_search.h"
#include "platform/profile.h"
#include "platform/text_case.h"
#include "platform/text_file.h"
#include "reports/result_builder.h"

namespace qvt {
namespace {

using platform::OleDateTime;

constexpr std::array<std::string_view, 6> kSetupHiddenVersions = {"2.18", "2.17", "2.16",
                                                                  "2.15", "2.14", "2.14R"};
constexpr std::array<std::string_view, 7> kRussianCountries = {"UA", "UA2", "UA2/f", "UA9",
                                                               "UN", "UR",  "EU"};
constexpr std::string_view kDateTimeLinePattern = "%Y-%m-%d %H%M";

template <std::size_t N>
bool OneOf(std::string_view text, const std::array<std::string_view, N>& list) {
  return std::find(list.begin(), list.end(), text) != list.end();
}

// The call area of a prefix: its last decimal digit, or -1 without one.
int LastDigit(std::string_view prefix) {
  for (auto it = prefix.rbegin(); it != prefix.rend(); ++it) {
    if (*it >= '0' && *it <= '9') return *it - '0';
  }
  return -1;
}

void JoinKey(std::string& key, std::string_view a, std::string_view b) {
  key.assign(a);
  key += '\0';
  key.append(b);
}

// A bad-QSO line: "QSO:  " and nine items joined by two blanks, then the reason.
std::string BadQsoLine(const QsoReport& qso, std::uint32_t kHz, const std::string& when,
                       std::string_view reason) {
  std::string line = "QSO:  ";
  line += std::to_string(kHz);
  for (std::string_view item : {std::string_view(qso.mode), std::string_view(when), qso.ownCall,
                                qso.rstSent, qso.exchSent, qso.call, qso.rstReceived,
                                qso.exchReceived}) {
    line += "  ";
    line.append(item);
  }
  line.append(reason);
  return line;
}

// The hour-minute part of a "YYYY-MM-DD HHMM" item; any other item stands for itself (the
// fixed text of an invalid date-time, or the empty text of a null one).
std::string_view HourMinuteOf(std::string_view item) {
  if (item.size() == 15 && item[4] == '-' && item[7] == '-' && item[10] == ' ') {
    return item.substr(11);
  }
  return item;
}

// Whether a bad-QSO line belongs to the removed QSO: its worked-call item is the call and its
// date-time item has the same hour and minute.
bool LineBelongsTo(std::string_view line, std::string_view call, std::string_view hourMinute) {
  constexpr std::string_view kTag = "QSO:  ";
  if (line.substr(0, kTag.size()) != kTag) return false;
  line.remove_prefix(kTag.size());
  std::array<std::string_view, 8> items{};
  for (auto& item : items) {
    const auto sep = line.find("  ");
    if (sep == std::string_view::npos) return false;
    item = line.substr(0, sep);
    line.remove_prefix(sep + 2);
  }
  // items: kHz, mode, date-time, own call, report sent, number sent, worked call, report rcvd
  return items[6] == call && HourMinuteOf(items[2]) == hourMinute;
}

}  // namespace

ContestState::ContestState(Seams& seams, std::string folder)
    : seams_(seams), folder_(std::move(folder)) {}

std::string ContestState::FilePath(std::string_view name) const {
  return platform::JoinPath(folder_, name);
}

std::string ContestState::SettingsFile() const { return FilePath(kSettingsPath); }

void ContestState::PostRefreshIfOpen() {
  if (seams_.SetupWindowOpen()) seams_.PostRefresh();
}

bool ContestState::IndexAdd(const CInfo& qso) {
  JoinKey(keyBuffer_, qso.m_call, qso.m_band);
  CallOnBand& onBand = byCallBand_[keyBuffer_];
  ++onBand.records;
  bool seenBefore = true;
  if (onBand.firstModeCount > 0 && onBand.firstMode == qso.m_mode) {
    ++onBand.firstModeCount;
  } else if (const auto mode = onBand.otherModes.find(qso.m_mode); mode != onBand.otherModes.end()) {
    ++mode->second;
  } else if (onBand.firstModeCount == 0) {
    seenBefore = false;
    onBand.firstMode = qso.m_mode;
    onBand.firstModeCount = 1;
  } else {
    seenBefore = false;
    onBand.otherModes.emplace(qso.m_mode, 1);
  }
  JoinKey(keyBuffer_, qso.m_band, qso.m_prefix);
  ++byBandPrefix_[keyBuffer_];
  return seenBefore;
}

void ContestState::IndexRemove(const CInfo& qso) {
  JoinKey(keyBuffer_, qso.m_call, qso.m_band);
  if (const auto it = byCallBand_.find(keyBuffer_); it != byCallBand_.end()) {
    CallOnBand& onBand = it->second;
    if (onBand.firstModeCount > 0 && onBand.firstMode == qso.m_mode) {
      --onBand.firstModeCount;
    } else if (const auto mode = onBand.otherModes.find(qso.m_mode);
               mode != onBand.otherModes.end() && --mode->second <= 0) {
      onBand.otherModes.erase(mode);
    }
    if (--onBand.records <= 0) byCallBand_.erase(it);
  }
  JoinKey(keyBuffer_, qso.m_band, qso.m_prefix);
  if (const auto it = byBandPrefix_.find(keyBuffer_); it != byBandPrefix_.end()) {
    if (--it->second <= 0) byBandPrefix_.erase(it);
  }
}

void ContestState::IndexClear() {
  byCallBand_.clear();
  byBandPrefix_.clear();
}

void ContestState::ClearBandTables() {
  for (auto& slot : data_.bandPrefixes) slot.clear();
  for (auto& group : data_.bandAreas) {
    for (auto& slot : group) slot.clear();
  }
}

int ContestState::AddData(const QsoReport& qso) {
  std::lock_guard lock(mutex_);
  const std::uint32_t kHz = qso.frequencyHz / 1000;
  // The file is opened, and the line made, only when a line is to be written; without a name
  // (no reset yet) the lines go nowhere.
  auto writeLine = [&](std::string_view reason) {
    if (data_.badQsoFile.empty()) return;
    platform::TextFileWriter file(FilePath(data_.badQsoFile), platform::OpenMode::kAppend);
    file.WriteLine(BadQsoLine(qso, kHz, qso.time.Format(kDateTimeLinePattern), reason));
  };

  if (!ContestBands().Contains(qso.band)) {
    writeLine("   WRONG BAND !!!");
    return 0;
  }
  if (!ContestModes().Contains(qso.mode)) {
    writeLine("   WRONG MODE !!!");
    return 0;
  }
  if (qso.exchReceived.empty() || qso.exchSent.empty()) {
    writeLine("   NO RX NUMBER !!!");
    return 0;
  }
  if (std::find(data_.loggedBands.begin(), data_.loggedBands.end(), qso.band) ==
      data_.loggedBands.end()) {
    data_.loggedBands.emplace_back(qso.band);
  }

  CInfo record;
  record.m_time = qso.time;
  record.m_call = qso.call;
  record.m_country = qso.country;
  record.m_prefix = qso.prefix;
  record.m_band = qso.band;
  record.m_mode = qso.mode;
  record.m_rstReceived = qso.rstReceived;
  record.m_rstSent = qso.rstSent;
  record.m_exchReceived = qso.exchReceived;
  record.m_exchSent = qso.exchSent;
  if (data_.clubMember != 0) record.m_exchSent += "/M";
  record.m_freqKHz = kHz;
  if (record.m_country == "K") record.m_areaK = LastDigit(record.m_prefix);
  if (record.m_country == "VE") record.m_areaVE = LastDigit(record.m_prefix);
  if (record.m_country == "VK") record.m_areaVK = LastDigit(record.m_prefix);
  if (record.m_country == "JA") record.m_areaJA = LastDigit(record.m_prefix);

  // A duplicate is a record with the same call, band and mode already in the log.
  if (IndexAdd(record)) {
    record.m_excluded = 1;
    record.m_dupes = 1;
    writeLine("   DUPE !!!");
  }
  data_.qsoLog.push_back(std::move(record));
  return 1;
}

int ContestState::RemoveData(std::string_view call, const OleDateTime& time,
                             std::string_view mode, std::string_view band) {
  bool resetAreas = false;
  {
    std::lock_guard lock(mutex_);
    auto& log = data_.qsoLog;
    const auto it = std::find_if(log.begin(), log.end(), [&](const CInfo& r) {
      return r.m_call == call && r.m_band == band && r.m_mode == mode && r.m_time.SameAs(time);
    });
    if (it != log.end()) {
      resetAreas = true;
      IndexRemove(*it);
      log.erase(it);
    }

    const std::string hourMinute = time.Format("%H%M");
    std::vector<std::string> kept;
    if (auto lines = platform::ReadLines(FilePath(data_.badQsoFile));
        lines && !data_.badQsoFile.empty()) {
      for (std::size_t i = 1; i < lines->size(); ++i) {
        if (!LineBelongsTo((*lines)[i], call, hourMinute)) kept.push_back(std::move((*lines)[i]));
      }
    }
    if (log.empty()) {
      data_.loggedBands.clear();
      ClearBandTables();
    }
    if (!data_.badQsoFile.empty()) {
      platform::TextFileWriter file(FilePath(data_.badQsoFile), platform::OpenMode::kTruncate);
      file.WriteLine(kBadQsoHeader);
      for (const auto& line : kept) file.WriteLine(line);
    }
    data_.refreshArmed = 1;
    PostRefreshIfOpen();
  }
  // The call-area window belongs to the windows' thread: reach it without the lock.
  if (resetAreas) seams_.ResetCallAreas();
  return 1;
}

void ContestState::RunHeaderStep(std::unique_lock<std::mutex>& lock, std::string_view ownCall) {
  const std::string settings = SettingsFile();
  data_.cabrillo.LoadHeader(settings, ownCall);
  CabrilloHeaderFields fields = data_.cabrillo.Header();
  lock.unlock();
  const bool confirmed = seams_.EditCabrilloHeader(fields);
  lock.lock();
  if (confirmed) {
    data_.cabrillo.StoreHeader(settings, fields);
  } else {
    data_.cabrilloRun = 0;
  }
}

int ContestState::ResetStats(const ResetRequest& request) {
  std::unique_lock lock(mutex_);
  const std::string settings = SettingsFile();
  data_.contestStartText = request.start.Format("%d.%m");
  data_.contestYear = request.start.Format("%Y");
  data_.contestEndText = request.end.Format("%d.%m.%Y");

  // The host's version: only when a "Kelvo2.ini" is listed under the host's path prefix is the
  // file of that name in the current directory read.
  const auto listed = platform::FindFiles(FilePath(std::string(request.pathPrefix) + "*.ini"));
  const bool hostSettingsListed =
      std::any_of(listed.begin(), listed.end(),
                  [](const std::string& name) { return name.find("Kelvo2.ini") != std::string::npos; });
  if (!hostSettingsListed) {
    data_.hostVersion = "Kelvo";
  } else if (auto lines = platform::ReadLines(FilePath("Kelvo2.ini"))) {
    constexpr std::string_view kKey = "Kelvo=";
    for (const auto& line : *lines) {
      if (line.find(kKey) != std::string::npos) {
        data_.hostVersion = line.substr(kKey.size());
        break;
      }
    }
  }

  data_.qsoLog.clear();
  data_.loggedBands.clear();
  IndexClear();
  data_.ownCountry = request.ownCountry;
  data_.ownCall = request.ownCall;
  if (OneOf(data_.ownCountry, kRussianCountries)) data_.russianUi = 1;
  for (std::size_t i = 0; i < data_.workedBeforeRows.size(); ++i) {
    auto& row = data_.workedBeforeRows[i];
    row.assign({ContestBands()[i], "-", "-", "-", "-"});
  }

  data_.cabrilloRun = request.cabrilloRun != 0 ? 1 : 0;
  if (data_.cabrilloRun != 0) {
    RunHeaderStep(lock, request.ownCall);
    platform::WriteProfileText(settings, kSettingsSection, "Start", "1");
  }

  const int start = platform::ReadProfileInt(settings, kSettingsSection, "Start");
  data_.clubMember = platform::ReadProfileInt(settings, kSettingsSection, "I_Member");
  if (start != 0) {
    platform::WriteProfileText(settings, kSettingsSection, "Start", "0");
  } else if (!seams_.SetupWindowOpen()) {
    if (!OneOf(data_.hostVersion, kSetupHiddenVersions)) seams_.StartSetupThread();
    platform::WriteProfileText(settings, kSettingsSection, "Start", "1");
  }

  data_.badQsoFile = "BadQSO_StatsKMNQ_" + request.end.Format("%d_%m_%Y") + ".txt";
  platform::TextFileWriter file(FilePath(data_.badQsoFile), platform::OpenMode::kTruncate);
  file.WriteLine(kBadQsoHeader);
  return 1;
}

int ContestState::CheckCall(const CallCheckRequest& request) {
  std::lock_guard lock(mutex_);
  if (data_.refreshArmed != 0 && seams_.SetupWindowOpen()) {
    data_.refreshArmed = 0;
    seams_.PostRefresh();
  }
  const int cannotAccept = data_.hostVersion == "2.19" || data_.hostVersion == "2.20" ? 1 : 4;
  if (!request.band.empty() && !request.band2.empty() && !platform::EqualNoCase(request.band, request.band2)) {
    return cannotAccept;
  }
  if (!ContestBands().Contains(request.band)) return cannotAccept;
  if (!ContestModes().Contains(request.mode)) return cannotAccept;
  if (request.prefix.empty()) return 1;
  JoinKey(keyBuffer_, request.call, request.band);
  if (byCallBand_.count(keyBuffer_) != 0) return 0;
  JoinKey(keyBuffer_, request.band, request.prefix);
  if (byBandPrefix_.count(keyBuffer_) != 0) return 1;
  return 2;
}

int ContestState::IsValidExchange(std::string_view exchange) {
  if (exchange.empty() || exchange == "599") return 0;
  return exchange.front() >= '0' && exchange.front() <= '9' ? 1 : 0;
}

const char* ContestState::GetResult(int* out) {
  std::unique_lock lock(mutex_);
  const ResultOutcome outcome = BuildResult(data_, FilePath(data_.badQsoFile));
  data_.claimedScore = outcome.score;
  platform::WriteProfileText(SettingsFile(), kSettingsSection, "Claimed",
                               std::to_string(outcome.score));
  if (data_.cabrilloRun != 0) {
    data_.cabrillo.SetQsoLines(data_.qsoLog);
    const std::string message = data_.cabrillo.WriteLog(folder_, data_.claimedScore);
    lock.unlock();
    seams_.ShowMessage(message, "Output", Seams::Icon::kInformation);
    lock.lock();
  }
  if (out != nullptr) *out = -1;
  if (data_.refreshArmed != 0 && seams_.SetupWindowOpen()) {
    data_.refreshArmed = 0;
    seams_.PostRefresh();
  }
  return data_.resultText.c_str();
}

unsigned long ContestState::SetVersion() {
  std::lock_guard lock(mutex_);
  data_.htmlResults = 1;
  return 0;
}

WindowSnapshot ContestState::Snapshot() const {
  std::lock_guard lock(mutex_);
  WindowSnapshot snap;
  snap.workedBeforeRows = data_.workedBeforeRows;
  snap.bandPrefixes = data_.bandPrefixes;
  snap.bandAreas = data_.bandAreas;
  snap.qsoLog = data_.qsoLog;
  snap.contestYear = data_.contestYear;
  snap.russianUi = data_.russianUi;
  snap.clubMember = data_.clubMember;
  return snap;
}

void ContestState::SetClubMember(std::int32_t member) {
  std::lock_guard lock(mutex_);
  data_.clubMember = member;
}

}  // namespace qvt
