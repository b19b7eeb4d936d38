// The Cabrillo header dialog (Windows): runs modally, with no parent window, on the calling
// thread. Returns true when the operator pressed OK; `fields` then holds what the dialog shows.
#pragma once

namespace qvt {

struct CabrilloHeaderFields;

bool RunCabrilloHeaderDialog(CabrilloHeaderFields& fields);

}  // namespace qvt
