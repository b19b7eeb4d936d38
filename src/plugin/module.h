// The plug-in library's own module (Windows): where its dialog templates and icon live.
#pragma once

namespace qvt::plugin {

// The library's module handle (an HINSTANCE), or null off Windows.
void* ModuleInstance();

}  // namespace qvt::plugin
