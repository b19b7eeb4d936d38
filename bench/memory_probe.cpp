// Peak memory per stored QSO: feeds a generated log through the exported functions and reports
// how far the process's peak resident size rose above what it held before the feed (the
// generated log itself is made first and not counted).
// Usage: qvt_bench_memory [QSOS]   (default 100000)
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "log_generator.h"

namespace {

// A "VmRSS:" / "VmHWM:" value of /proc/self/status in bytes.
long long StatusBytes(const char* key) {
  std::ifstream in("/proc/self/status");
  std::string line;
  const std::string prefix = std::string(key) + ":";
  while (std::getline(in, line)) {
    if (line.rfind(prefix, 0) == 0) return std::atoll(line.c_str() + prefix.size()) * 1024;
  }
  return -1;
}

// Lowers the peak mark to the current size (Linux 4.0 on); false when the kernel refuses.
bool ResetPeak() {
  std::ofstream clear("/proc/self/clear_refs");
  clear << "5";
  clear.flush();
  return static_cast<bool>(clear);
}

}  // namespace

int main(int argc, char** argv) {
  const std::size_t n = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 100000;
  const char* scp = std::getenv("QVT_MASTER_SCP");
  auto calls = qvt::bench::ReadCallList(scp != nullptr ? scp : QVT_MASTER_SCP_DEFAULT);
  if (!calls || calls->empty()) {
    std::fprintf(stderr, "qvt_bench_memory: cannot read the call list\n");
    return 1;
  }
  const auto log = qvt::bench::GenerateLog(*calls, n);
  calls->clear();
  calls->shrink_to_fit();

  const auto scratch = std::filesystem::temp_directory_path() /
                       ("qvt-memory-" + std::to_string(getpid()));
  std::filesystem::create_directories(scratch / "Plugins");
  std::filesystem::current_path(scratch);

  qvt::bench::ResetContest("DL0QVT", "DL");  // the plug-in's one-time set-up happens here
  const bool peakReset = ResetPeak();
  const long long before = StatusBytes("VmRSS");
  for (const auto& q : log) qvt::bench::AddQso(AddData0, q, "DL0QVT");
  const long long held = StatusBytes("VmRSS");
  int ignored = 0;
  GetResult0(&ignored);
  const long long peak = StatusBytes("VmHWM");

  std::printf("QSOs stored:              %zu\n", n);
  std::printf("resident before the feed: %.1f MiB\n", static_cast<double>(before) / 1048576.0);
  std::printf("held after the feed:      %.1f MiB  (%.0f bytes per QSO)\n",
              static_cast<double>(held - before) / 1048576.0,
              static_cast<double>(held - before) / static_cast<double>(n));
  std::printf("peak incl. result:        %.1f MiB  (%.0f bytes per QSO)%s\n",
              static_cast<double>(peak - before) / 1048576.0,
              static_cast<double>(peak - before) / static_cast<double>(n),
              peakReset ? "" : "  [peak mark not resettable: includes start-up]");

  std::filesystem::current_path(std::filesystem::temp_directory_path());
  std::error_code ec;
  std::filesystem::remove_all(scratch, ec);
  return 0;
}
