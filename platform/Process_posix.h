#pragma once
#include <sys/types.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/Process.h"

namespace platform {

// A started child of ours, waited for and reaped exactly once.
std::unique_ptr<Process> AdoptChild(pid_t pid);

// posix_spawn of `program`: no shell, default signal handling, and no open descriptor of ours
// beyond the standard three. Returns the child, or null with the errno value in `error`.
std::unique_ptr<Process> SpawnChild(const std::string& program,
                                    const std::vector<std::string>& args, const std::string& folder,
                                    int& error);

}  // namespace platform
