// The host's thread and the windows' thread on one contest state at the same time: the host
// adds, removes, resets, checks calls and asks for results in a loop while the windows' thread
// copies what it paints (Snapshot) and flips the club-member setting as the setup window does.
// Run under ThreadSanitizer (label "stress") it proves the lock covers every shared field.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "test_support.h"

namespace qvt {
namespace {

using testing::ContestFixture;
using Qso = ContestFixture::Qso;

// Seams as the windows' thread would see them: a setup window is open, so refreshes are posted
// and the header dialog and the message box run (without the lock) on the host's thread.
class ThreadSafeSeams : public Seams {
 public:
  std::atomic<int> refreshes{0};
  std::atomic<int> messages{0};
  std::atomic<int> areaResets{0};

  void ShowMessage(std::string_view, std::string_view, Icon) override { ++messages; }
  bool EditCabrilloHeader(CabrilloHeaderFields& fields) override {
    fields.m_name = "Stress";
    return true;
  }
  bool SetupWindowOpen() override { return true; }
  void PostRefresh() override { ++refreshes; }
  void StartSetupThread() override {}
  void ResetCallAreas() override { ++areaResets; }
};

constexpr const char* kBands[] = {"80m", "40m", "20m", "15m", "10m"};

TEST(Stress, HostCallsWhileTheWindowsCopyTheState) {
  testing::TempFolder dir;
  ThreadSafeSeams seams;
  ContestState state(seams, dir.Path());

  std::atomic<bool> hostDone{false};
  std::atomic<int> snapshots{0};
  std::atomic<int> tornCopies{0};

  std::thread windows([&] {
    int round = 0;
    while (!hostDone.load()) {
      const WindowSnapshot snap = state.Snapshot();
      // Whatever moment the copy caught, it is one consistent state.
      for (const CInfo& qso : snap.qsoLog) {
        bool known = false;
        for (const char* band : kBands) known = known || qso.m_band == band;
        if (!known || qso.m_call.empty()) ++tornCopies;
      }
      for (const auto& row : snap.workedBeforeRows) {
        if (!row.empty() && row.size() != 5) ++tornCopies;
      }
      if (++round % 16 == 0) state.SetClubMember(round % 32 == 0 ? 1 : 0);
      ++snapshots;
    }
  });

  auto qsoAt = [](int n) {
    Qso q;
    q.prefix = std::string("QQ").append(std::to_string(n % 97));
    q.call = q.prefix + "X";
    q.band = kBands[n % 5];
    q.mode = n % 3 == 0 ? "BPSK63" : "RTTY";
    q.time = ContestFixture::At(2021, 3, 14, (n / 60) % 24, n % 60);
    return q;
  };
  auto add = [&](const Qso& q) { return state.AddData(ContestFixture::Report(q)); };

  int accepted = 0;
  int n = 0;
  for (int round = 0; round < 400; ++round) {
    if (round % 50 == 0) {
      ResetRequest reset;
      reset.ownCall = "ZZ9ZZ";
      reset.ownCountry = "DL";
      reset.cabrilloRun = round % 100 == 0 ? 1 : 0;
      reset.start = ContestFixture::At(2021, 3, 13, 0, 0);
      reset.end = ContestFixture::At(2021, 3, 14, 0, 0);
      EXPECT_EQ(state.ResetStats(reset), 1);
    }
    for (int k = 0; k < 4; ++k) accepted += add(qsoAt(n++));
    const Qso probe = qsoAt(n);
    const int answer = state.CheckCall(
        {.call = probe.call, .mode = probe.mode, .prefix = probe.prefix, .band = probe.band});
    EXPECT_TRUE(answer == 0 || answer == 1 || answer == 2) << answer;
    if (round % 4 == 0) {
      EXPECT_NE(std::string(state.GetResult(nullptr)).find("Score:"), std::string::npos);
    }
    const Qso gone = qsoAt(n - 3);
    EXPECT_EQ(state.RemoveData(gone.call, gone.time, gone.mode, gone.band), 1);
  }
  hostDone = true;
  windows.join();

  EXPECT_EQ(accepted, 1600);
  EXPECT_GT(snapshots.load(), 0);
  EXPECT_EQ(tornCopies.load(), 0);
  EXPECT_GT(seams.refreshes.load(), 0);
  EXPECT_GT(seams.messages.load(), 0);  // results of the Cabrillo runs end with their message
}

}  // namespace
}  // namespace qvt
