#pragma once
#include <windows.h>

#include <memory>

#include "platform/Process.h"

namespace platform {

// A started process by its handle, which the result owns and closes once nobody waits for it.
std::unique_ptr<Process> AdoptProcessHandle(HANDLE handle);

}  // namespace platform
