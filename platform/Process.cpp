#include "platform/Process.h"

#include <csignal>

namespace platform {

void IgnoreFileSizeSignal() {
#ifdef SIGXFSZ
  std::signal(SIGXFSZ, SIG_IGN);
#endif
}

}  // namespace platform
