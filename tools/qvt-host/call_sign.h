// Pieces of a call sign as logged: the home call, a portable designator written before or
// after it ("DL/W1AW", "W1AW/KH6"), a call-area digit ("W1AW/4") and the operating suffixes
// that say nothing about the location ("/P", "/M", "/QRP") or take the station out of every
// country ("/MM", "/AM").
#pragma once

#include <string>
#include <string_view>

namespace qvt::host {

struct CallParts {
  std::string base;        // the home call ("W1AW"), upper case
  std::string designator;  // portable designator, or ""
  char area = 0;           // call-area digit of a "/digit" suffix, or 0
  bool maritime = false;   // "/MM" or "/AM": at sea or in the air
};

// Splits an upper- or lower-case call. Of two remaining parts the shorter is the designator
// (the first one when both are as long).
CallParts SplitCall(std::string_view call);

// The call with the operating suffixes removed, in upper case ("3D2AG/P" -> "3D2AG",
// "DL/W1AW/P" -> "DL/W1AW").
std::string CallWithoutOperatingSuffixes(std::string_view call);

// The letters-and-digits start of a call up to and including the digits that follow its first
// character ("N8BJQ" -> "N8", "9A5Y" -> "9A5", "LY1000A" -> "LY1000"); "" when no digit follows
// the first character.
std::string LeadingPrefix(std::string_view call);

}  // namespace qvt::host
