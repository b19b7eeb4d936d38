#include "test_support.h"

#if defined(_WIN32)
#include <process.h>
#else
#include <unistd.h>
#endif

namespace qvt::testing {

long TempFolder::Pid() {
#if defined(_WIN32)
  return static_cast<long>(_getpid());
#else
  return static_cast<long>(getpid());
#endif
}

}  // namespace qvt::testing
