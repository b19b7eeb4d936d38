// The WPX multiplier prefix of a call, the way the host works it out for the plug-in:
//  - the letters and digits that start the call ("N8BJQ" -> "N8", "9A5Y" -> "9A5");
//  - a call without digits: its first two letters and "0" ("RAEM" -> "RA0");
//  - a portable designator wins ("W1AW/KH6" and "KH6/W1AW" -> "KH6"); one without a digit
//    gets "0" ("F/ON4UN" -> "F0", "PA/OH2AA" -> "PA0");
//  - "/digit" replaces the call area ("N8BJQ/9" -> "N9");
//  - "/P", "/M", "/MM", "/AM" and "/QRP" are ignored.
#pragma once

#include <string>
#include <string_view>

namespace qvt::host {

std::string WpxPrefix(std::string_view call);

}  // namespace qvt::host
