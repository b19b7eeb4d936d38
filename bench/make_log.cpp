// Writes a generated contest log as ADIF, for replaying it through qvt-host (for example under
// Wine against QVT.dll). Usage: qvt_bench_log QSOS OUT.adi
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "log_generator.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: qvt_bench_log QSOS OUT.adi\n");
    return 2;
  }
  const char* scp = std::getenv("QVT_MASTER_SCP");
  const auto calls = qvt::bench::ReadCallList(scp != nullptr ? scp : QVT_MASTER_SCP_DEFAULT);
  if (!calls || calls->empty()) {
    std::fprintf(stderr, "qvt_bench_log: cannot read the call list\n");
    return 1;
  }
  const auto log = qvt::bench::GenerateLog(*calls, std::strtoul(argv[1], nullptr, 10));
  std::ofstream out(argv[2], std::ios::binary);
  out << qvt::bench::ToAdif(log, "DL0QVT");
  return out ? 0 : 1;
}
