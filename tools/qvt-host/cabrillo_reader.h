// Reads a Cabrillo log (versions 2.0 and 3.0): the CALLSIGN header and the "QSO:" lines
//   QSO: freq mo date time mycall rst exch call rst exch [t]
// The frequency is in kHz (or a VHF band designator such as "50" or "144"); "RY" is RTTY and
// "PM" PSK63. "X-QSO:" lines are counted and left out. A line that cannot be read is listed
// with its number and skipped. Where a QSO line lacks a report or a number, the missing field
// is passed on empty so that the plug-in can judge the QSO (the worked call is the first field
// after the own call that is not a report or a number).
#pragma once

#include <istream>

#include "log_record.h"

namespace qvt::host {

LogContents ReadCabrillo(std::istream& in);

}  // namespace qvt::host
