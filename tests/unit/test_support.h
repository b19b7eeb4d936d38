// Shared fixtures for the unit tests: a fresh folder per test, and seams that record calls.
#pragma once

#include <atomic>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "log/contest_state.h"
#include "log/seams.h"
#include "platform/text_file.h"
#include "reports/cabrillo_writer.h"

namespace qvt::testing {

class TempFolder {
 public:
  TempFolder() {
    static std::atomic<int> counter{0};
    path_ = std::filesystem::temp_directory_path() /
            ("qvt-test-" + std::to_string(Pid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_ / "Plugins");
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  std::string Path() const { return path_.string(); }
  std::string File(const std::string& name) const { return (path_ / name).string(); }
  std::string Read(const std::string& name) const {
    return platform::ReadBinaryFile(File(name)).value_or("<missing>");
  }
  void Write(const std::string& name, const std::string& bytes) const {
    platform::WriteBinaryFile(File(name), bytes);
  }

 private:
  static long Pid();
  std::filesystem::path path_;
};

class FakeSeams : public Seams {
 public:
  struct Message {
    std::string text;
    std::string caption;
    Icon icon;
  };
  std::vector<Message> messages;
  int refreshes = 0;
  int setupStarts = 0;
  int areaResets = 0;
  int headerDialogs = 0;
  bool setupOpen = false;
  bool confirmHeader = true;
  std::function<void(CabrilloHeaderFields&)> editHeader;

  void ShowMessage(std::string_view text, std::string_view caption, Icon icon) override {
    messages.push_back({std::string(text), std::string(caption), icon});
  }
  bool EditCabrilloHeader(CabrilloHeaderFields& fields) override {
    ++headerDialogs;
    if (editHeader) editHeader(fields);
    return confirmHeader;
  }
  bool SetupWindowOpen() override { return setupOpen; }
  void PostRefresh() override { ++refreshes; }
  void StartSetupThread() override { ++setupStarts; }
  void ResetCallAreas() override { ++areaResets; }
};

}  // namespace qvt::testing

namespace qvt::testing {

// A contest state in a fresh folder with recording seams, and QSOs with sensible defaults.
struct ContestFixture {
  TempFolder dir;
  FakeSeams seams;
  ContestState state{seams, dir.Path()};

  static platform::OleDateTime At(int year, int month, int day, int hour, int minute,
                                  int second = 0) {
    return platform::OleDateTime::FromFields(year, month, day, hour, minute, second);
  }

  struct Qso {
    std::string call = "QQ1A";
    platform::OleDateTime time = At(2021, 3, 14, 9, 35);
    std::uint32_t hz = 14080500;
    std::string mode = "RTTY";
    std::string band = "20m";
    std::string sent = "001";
    std::string rcvd = "005";
    std::string prefix = "QQ1";
    std::string country = "DL";
    std::string own = "ZZ9ZZ";
    std::string rstSent = "599";
    std::string rstRcvd = "579";
  };

  int Add(const Qso& q) { return state.AddData(Report(q)); }
  static QsoReport Report(const Qso& q) {
    QsoReport r;
    r.ownCall = q.own;
    r.call = q.call;
    r.time = q.time;
    r.frequencyHz = q.hz;
    r.mode = q.mode;
    r.rstSent = q.rstSent;
    r.rstReceived = q.rstRcvd;
    r.exchSent = q.sent;
    r.exchReceived = q.rcvd;
    r.prefix = q.prefix;
    r.country = q.country;
    r.band = q.band;
    return r;
  }
  int Remove(const Qso& q) { return state.RemoveData(q.call, q.time, q.mode, q.band); }

  int Reset(std::string ownCall = "ZZ9ZZ", std::string ownCountry = "DL", int cabrillo = 0,
            std::string pathPrefix = "") {
    ResetRequest r;
    r.pathPrefix = pathPrefix;
    r.cabrilloRun = cabrillo;
    r.ownCall = ownCall;
    r.ownCountry = ownCountry;
    r.start = At(2021, 3, 13, 0, 0);
    r.end = At(2021, 3, 14, 0, 0);
    return state.ResetStats(r);
  }

  std::string BadQsoFile() const { return dir.Read("BadQSO_StatsKMNQ_14_03_2021.txt"); }
  std::string Result() { return state.GetResult(nullptr); }
};

}  // namespace qvt::testing
