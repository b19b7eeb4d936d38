// The one contest state of a loaded library, and the seams of the platform it runs on.
#pragma once

#include <memory>

#include "log/contest_state.h"
#include "log/seams.h"

namespace qvt::plugin {

// Created on first use, destroyed when the library unloads.
ContestState& State();
Seams& PlatformSeams();

// The platform's seams: message boxes and the header dialog on Windows, the console elsewhere.
std::unique_ptr<Seams> MakePlatformSeams();

}  // namespace qvt::plugin
