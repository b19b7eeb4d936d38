#include "plugin/plugin_instance.h"

namespace qvt::plugin {
namespace {

struct Instance {
  std::unique_ptr<Seams> seams = MakePlatformSeams();
  ContestState state{*seams};
};

Instance& TheInstance() {
  static Instance instance;
  return instance;
}

}  // namespace

ContestState& State() { return TheInstance().state; }
Seams& PlatformSeams() { return *TheInstance().seams; }

}  // namespace qvt::plugin
