// Reads an ADIF log (.adi): an optional header up to <EOH>, then records of <NAME:LENGTH>value
// fields ended by <EOR>. Field names ignore letter case; a data-type letter after the length
// (<FREQ:6:N>) is allowed. Fields used: CALL, QSO_DATE, TIME_ON, FREQ (MHz), BAND, MODE,
// SUBMODE, STX/STX_STRING, SRX/SRX_STRING, RST_SENT, RST_RCVD, PFX, STATION_CALLSIGN (else
// OPERATOR). A record without a call, or without a valid date and time, is listed with the line
// where it starts and skipped.
#pragma once

#include <istream>

#include "log_record.h"

namespace qvt::host {

LogContents ReadAdif(std::istream& in);

}  // namespace qvt::host
