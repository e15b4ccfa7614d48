#include "platform/BatchText.h"

namespace platform {

// The built-in launch-script reader takes .bat bytes as they stand, like every other file name.
std::string ToBatchFileText(const std::string& text, const std::string& /*scriptPath*/) {
  return text;
}

std::string FromBatchFileText(const std::string& bytes) {
  return bytes;
}

}  // namespace platform
