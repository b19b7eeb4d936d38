// Placeholder until the dialog template and its class exist: confirms the loaded fields.
#include <windows.h>

#include "reports/cabrillo_dialog.h"
#include "reports/cabrillo_writer.h"

namespace qvt {

bool RunCabrilloHeaderDialog(CabrilloHeaderFields& /*fields*/) { return true; }

}  // namespace qvt
