// The host's heavy calls, timed through the plug-in's exported functions on logs of 1k, 10k and
// 100k QSOs: a full rescore, the call check on a full log, the result request alone and the
// removal of one QSO. The plug-in writes its files into a scratch folder made at start-up.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <unistd.h>

#include "log_generator.h"

namespace {

using qvt::bench::GeneratedQso;

constexpr const char* kOwnCall = "DL0QVT";
constexpr const char* kOwnCountry = "DL";
const char* const kEmpty = "";

std::vector<std::string>& Calls() {
  static std::vector<std::string> calls;
  return calls;
}

const std::vector<GeneratedQso>& Log(std::size_t n) {
  static std::map<std::size_t, std::vector<GeneratedQso>> logs;
  auto it = logs.find(n);
  if (it == logs.end()) it = logs.emplace(n, qvt::bench::GenerateLog(Calls(), n)).first;
  return it->second;
}

// Which log the plug-in holds now, so that the benchmarks on a full log feed it only once.
std::size_t loadedSize = 0;

void Rescore(const std::vector<GeneratedQso>& log) {
  qvt::bench::ResetContest(kOwnCall, kOwnCountry);
  for (const GeneratedQso& q : log) qvt::bench::AddQso(AddData0, q, kOwnCall);
  int ignored = 0;
  benchmark::DoNotOptimize(GetResult0(&ignored));
  loadedSize = log.size();
}

void EnsureLoaded(std::size_t n) {
  if (loadedSize != n) Rescore(Log(n));
}

void BM_Rescore(benchmark::State& state) {
  const auto& log = Log(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) Rescore(log);
  state.SetComplexityN(state.range(0));
  state.counters["QSOs/s"] = benchmark::Counter(static_cast<double>(log.size()),
                                                benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_Rescore)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// The three answers the operator sees while typing: 0 worked before on the band, 1 new call
// with a worked prefix, 2 new prefix.
enum CallKind { kWorked = 0, kNewCallWorkedPrefix = 1, kNewPrefix = 2 };

void BM_CheckCall(benchmark::State& state) {
  const auto n = static_cast<std::size_t>(state.range(0));
  const auto kind = static_cast<CallKind>(state.range(1));
  EnsureLoaded(n);
  const GeneratedQso& worked = Log(n)[n / 2];
  std::string call = worked.call;
  std::string prefix = worked.prefix;
  if (kind == kNewCallWorkedPrefix) call += "ZZZ";
  if (kind == kNewPrefix) {
    call = "QQ9ZZZ";
    prefix = "QQ9";
  }
  char buffer1[64] = {};
  char buffer2[64] = {};
  const char* e = kEmpty;
  int answer = -1;
  for (auto _ : state) {
    answer = CheckCall0(call.c_str(), 0, 0, worked.mode.c_str(), e, e, e, e, e, e, e, e,
                        prefix.c_str(), worked.country.c_str(), 0, 0, 0, 0.0, 0.0, e, e, e, e, e,
                        worked.band.c_str(), worked.band.c_str(), buffer1, buffer2);
    benchmark::DoNotOptimize(answer);
  }
  if (answer != static_cast<int>(kind)) state.SkipWithError("unexpected call-check answer");
}
BENCHMARK(BM_CheckCall)
    ->ArgsProduct({{1000, 10000, 100000}, {kWorked, kNewCallWorkedPrefix, kNewPrefix}})
    ->ArgNames({"qsos", "kind"})
    ->Unit(benchmark::kMicrosecond);

void BM_GetResult(benchmark::State& state) {
  const auto n = static_cast<std::size_t>(state.range(0));
  EnsureLoaded(n);
  int ignored = 0;
  for (auto _ : state) benchmark::DoNotOptimize(GetResult0(&ignored));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_GetResult)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// Removes a QSO from the middle of a full log; the QSO goes back in (untimed) so that every
// iteration removes from a log of the same size.
void BM_RemoveData(benchmark::State& state) {
  const auto n = static_cast<std::size_t>(state.range(0));
  EnsureLoaded(n);
  const auto& log = Log(n);
  std::size_t next = n / 2;
  const char* e = kEmpty;
  for (auto _ : state) {
    const GeneratedQso& q = log[next];
    qvt::abi::HostDateTime time = q.time;
    benchmark::DoNotOptimize(RemoveData0(e, q.call.c_str(), &time, nullptr, nullptr, nullptr, 0,
                                         0, q.mode.c_str(), e, e, e, e, e, e, e, e, e, e, e, e,
                                         e, e, 0, 0, 0, 0.0, 0.0, e, e, e, q.band.c_str(), e));
    state.PauseTiming();
    qvt::bench::AddQso(AddData0, q, kOwnCall);
    next = (next + 7919) % n;
    state.ResumeTiming();
  }
}
BENCHMARK(BM_RemoveData)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  const char* scp = std::getenv("QVT_MASTER_SCP");
  auto calls = qvt::bench::ReadCallList(scp != nullptr ? scp : QVT_MASTER_SCP_DEFAULT);
  if (!calls || calls->empty()) {
    std::fprintf(stderr, "qvt_bench: cannot read the call list %s\n",
                 scp != nullptr ? scp : QVT_MASTER_SCP_DEFAULT);
    return 1;
  }
  Calls() = std::move(*calls);

  // The plug-in writes its bad-QSO file and settings in the current directory.
  const auto scratch = std::filesystem::temp_directory_path() /
                       ("qvt-bench-" + std::to_string(getpid()));
  std::filesystem::create_directories(scratch / "Plugins");
  std::filesystem::current_path(scratch);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::filesystem::current_path(std::filesystem::temp_directory_path());
  std::error_code ignored;
  std::filesystem::remove_all(scratch, ignored);
  return 0;
}
