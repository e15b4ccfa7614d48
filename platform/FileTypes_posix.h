#pragma once
#include "platform/Gio_posix.h"

#include <string>

namespace platform {

// The desktop's choice for a file by its content type (shared MIME database and mimeapps.list).
struct GioFileType {
  std::string type;
  std::string description;
  GAppInfo* app = nullptr;  // a reference the caller releases; null when no application is set
  std::string error;        // set when GIO itself is not available
};

// Looks up `file`'s content type from its name and content, then the type's default application.
GioFileType LookUpGioFileType(const std::string& file);

}  // namespace platform
