#pragma once
#include <windows.h>

#include <memory>

#include "platform/Process.h"

namespace platform {

// A started process by its handle, which the result owns and closes once nobody waits for it.
// It is put in a job object of its own, so that End reaches the processes it starts.
std::unique_ptr<Process> AdoptProcessHandle(HANDLE handle);

}  // namespace platform
