#include "platform/Process.h"

namespace platform {

// Windows has no signal for a file size limit: a failed write already comes back as an error.
void PrepareProcess() {}

}  // namespace platform
