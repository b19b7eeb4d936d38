// The plug-in's module-wide state in one object: the contest log and its tables, the texts and
// flags the reset sets, the last result and the Cabrillo writer, with the host's operations on
// them. The library holds one instance; tests build their own.
//
// One mutex guards everything. The host's thread calls the operations below; the windows'
// thread reads through Snapshot(), which copies under the lock. The lock is never held while a
// message box or a modal dialog runs.
#pragma once

#include <array>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "log/cinfo.h"
#include "log/seams.h"
#include "platform/ole_date_time.h"
#include "reports/cabrillo_writer.h"

namespace qvt {

inline constexpr int kBandSlots = 6;  // 160m, 80m, 40m, 20m, 15m, 10m
inline constexpr int kAreaGroups = 4;  // K, VE, JA, VK
inline constexpr std::string_view kSettingsPath = "Plugins\\QVT.ini";
inline constexpr std::string_view kSettingsSection = "Settings";
inline constexpr std::string_view kBadQsoHeader = "QVT Contest UBN file";

using StringArray = std::vector<std::string>;

// Everything the entry points share. Field names are the module-wide names the plug-in's
// documentation uses.
struct ContestData {
  std::vector<CInfo> qsoLog;
  StringArray loggedBands;
  std::array<StringArray, kBandSlots> workedBeforeRows;
  std::array<StringArray, kBandSlots> bandPrefixes;
  std::array<std::array<StringArray, kBandSlots>, kAreaGroups> bandAreas;

  std::string ownCall;
  std::string ownCountry;
  std::string contestStartText;
  std::string contestEndText;
  std::string contestYear;
  std::string hostVersion;
  std::string badQsoFile;
  std::int32_t cabrilloRun = 0;
  std::int32_t clubMember = 0;
  std::int32_t russianUi = 0;
  std::int32_t htmlResults = 0;
  std::int32_t refreshArmed = 1;

  std::string resultText;
  std::int64_t claimedScore = 0;
  std::int32_t badQsoCount = 0;

  CabrilloWriter cabrillo;
};

// What AddData0 and RemoveData0 pass that the plug-in reads.
struct QsoReport {
  std::string_view ownCall;
  std::string_view call;
  platform::OleDateTime time;
  std::uint32_t frequencyHz = 0;
  std::string_view mode;
  std::string_view rstSent;
  std::string_view rstReceived;
  std::string_view exchSent;
  std::string_view exchReceived;
  std::string_view prefix;
  std::string_view country;
  std::string_view band;
};

struct ResetRequest {
  std::string_view pathPrefix;
  std::int32_t cabrilloRun = 0;
  std::string_view ownCall;
  platform::OleDateTime start;
  platform::OleDateTime end;
  std::string_view ownCountry;
};

struct CallCheckRequest {
  std::string_view call{};
  std::string_view mode{};
  std::string_view prefix{};
  std::string_view band{};
  std::string_view band2{};  // empty: not given
};

// What the windows need, copied under the lock.
struct WindowSnapshot {
  std::array<StringArray, kBandSlots> workedBeforeRows;
  std::array<StringArray, kBandSlots> bandPrefixes;
  std::array<std::array<StringArray, kBandSlots>, kAreaGroups> bandAreas;
  std::vector<CInfo> qsoLog;
  std::string contestYear;
  std::int32_t russianUi = 0;
  std::int32_t clubMember = 0;
};

class ContestState {
 public:
  // `folder` is where relative file names resolve; empty means the current directory.
  explicit ContestState(Seams& seams, std::string folder = {});

  int AddData(const QsoReport& qso);
  int RemoveData(std::string_view call, const platform::OleDateTime& time, std::string_view mode,
                 std::string_view band);
  int ResetStats(const ResetRequest& request);
  int CheckCall(const CallCheckRequest& request);
  static int IsValidExchange(std::string_view exchange);
  // The result text (valid until the next call); sets *out to -1 when out is not null.
  const char* GetResult(int* out);
  unsigned long SetVersion();

  WindowSnapshot Snapshot() const;
  void SetClubMember(std::int32_t member);

  // The state without the lock, for tests and single-threaded tools.
  ContestData& Unlocked() { return data_; }
  const ContestData& Unlocked() const { return data_; }

  std::string SettingsFile() const;
  std::string FilePath(std::string_view name) const;

 private:
  void PostRefreshIfOpen();
  void RunHeaderStep(std::unique_lock<std::mutex>& lock, std::string_view ownCall);
  // Returns true when a record with the same call, band and mode was already indexed.
  bool IndexAdd(const CInfo& qso);
  void IndexRemove(const CInfo& qso);
  void IndexClear();
  void ClearBandTables();

  Seams& seams_;
  std::string folder_;
  mutable std::mutex mutex_;
  ContestData data_;

  // Lookups over qsoLog that keep intake and the call check from scanning the log: the records
  // of a call on a band, counted per mode (duplicates; worked before on the band), and the
  // records per band and multiplier prefix (a new multiplier). Keys are texts joined by a NUL.
  struct CallOnBand {
    int records = 0;
    // Nearly every call is worked in one mode per band: that one is kept inline.
    std::string firstMode;
    int firstModeCount = 0;
    std::unordered_map<std::string, int> otherModes;
  };
  std::unordered_map<std::string, CallOnBand> byCallBand_;
  std::unordered_map<std::string, int> byBandPrefix_;
  std::string keyBuffer_;
};

}  // namespace qvt
