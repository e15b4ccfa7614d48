#pragma once
#include "platform/Gio_posix.h"

#include <string>

#include "platform/FileTypes.h"

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

// How an executable file starts: a problem when its "#!" interpreter is not there.
FileOpening ProgramOpening(const std::string& file);

// How a file is opened by its type, and the application that would open it (a reference the
// caller releases; null when there is a problem). Refuses an application whose program, or the
// terminal it needs, cannot be found: GIO's launch would fail on it.
struct TypeOpening {
  FileOpening opening;
  GAppInfo* app = nullptr;
};
TypeOpening OpeningByType(const std::string& file);

}  // namespace platform
