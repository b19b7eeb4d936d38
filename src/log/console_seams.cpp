#include <cstdio>
#include <string>

#include "log/seams.h"
#include "reports/cabrillo_writer.h"

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

// Without a window the header is confirmed as the dialog would show it.
bool ConsoleSeams::EditCabrilloHeader(CabrilloHeaderFields& fields) {
  fields = AsShownInHeaderDialog(fields);
  return true;
}

}  // namespace qvt
