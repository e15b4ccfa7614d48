#include "base/AppError.h"

std::string CannotOpenFileText(const std::string& file, const std::string& reason) {
  return "Cannot open file \"" + file + "\". " + reason;
}

std::string CannotCreateFileText(const std::string& file, const std::string& reason) {
  return "Cannot create file \"" + file + "\". " + reason;
}

std::string StreamWriteErrorText() {
  return "Stream write error";
}

std::string UnableToWriteText(const std::string& file) {
  return "Unable to write to " + file;
}

std::string InvalidFloatText(const std::string& text) {
  return "'" + text + "' is not a valid floating point value";
}

std::string ListIndexOutOfBoundsText(long long index) {
  return "List index out of bounds (" + std::to_string(index) + ")";
}

std::string AlreadyRunningText(const std::string& exePath) {
  return "\"" + exePath +
         "\" is already running. A second copy would share its show list, settings and journal "
         "and overwrite them, so it does not start";
}
