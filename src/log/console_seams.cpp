#include <cstdio>
#include <string>

#include "log/seams.h"

namespace qvt {

void ConsoleSeams::ShowMessage(std::string_view text, std::string_view caption, Icon /*icon*/) {
  std::string line;
  if (!caption.empty()) {
    line.append(caption);
    line.append(": ");
  }
  line.append(text);
  line += '\n';
  std::fwrite(line.data(), 1, line.size(), stderr);
  std::fflush(stderr);
}

bool ConsoleSeams::EditCabrilloHeader(CabrilloHeaderFields& /*fields*/) { return true; }

}  // namespace qvt
