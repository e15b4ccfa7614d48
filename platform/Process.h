#pragma once

namespace platform {
// Settles how the process meets the system before anything else runs. On POSIX a file size
// limit must not kill the program in the middle of a save: with SIGXFSZ ignored the write fails
// instead, and the save reports "Stream write error" with the old file kept.
void PrepareProcess();
}  // namespace platform
