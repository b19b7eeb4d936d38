// Off Windows the plug-in opens no window: messages go to standard error.
#include <cstdio>

#include "plugin/plugin_instance.h"

namespace qvt::plugin {

std::unique_ptr<Seams> MakePlatformSeams() { return std::make_unique<ConsoleSeams>(); }

}  // namespace qvt::plugin
