#include <csignal>

#include "platform/Process.h"

namespace platform {

void PrepareProcess() {
  std::signal(SIGXFSZ, SIG_IGN);
}

}  // namespace platform
