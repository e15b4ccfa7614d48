#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "core/players/LaunchScriptReader.h"
#include "platform/FileTypes.h"
#include "platform/FileTypes_posix.h"

extern char** environ;

namespace platform {
GioFileType LookUpGioFileType(const std::string& file) {
  GioFileType result;
  const GioApi* gio = Gio(&result.error);
  if (!gio) return result;
  GFile* gfile = gio->file_new_for_path(file.c_str());
  if (GFileInfo* info = gio->file_query_info(gfile, G_FILE_ATTRIBUTE_STANDARD_CONTENT_TYPE,
                                             G_FILE_QUERY_INFO_NONE, nullptr, nullptr)) {
    if (const char* found = gio->file_info_get_content_type(info)) result.type = found;
    gio->object_unref(info);
  }
  gio->object_unref(gfile);
  if (result.type.empty()) {
    gchar* guessed = gio->content_type_guess(file.c_str(), nullptr, 0, nullptr);
    result.type = guessed ? guessed : "";
    gio->free(guessed);
  }
  gchar* description = gio->content_type_get_description(result.type.c_str());
  result.description = description ? description : "";
  gio->free(description);
  result.app = gio->app_info_get_default_for_type(result.type.c_str(), FALSE);
  return result;
}

PathState StateOfPath(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return {PathKind::Missing, std::strerror(errno)};
  return {S_ISDIR(st.st_mode) ? PathKind::Folder : PathKind::File, {}};
}

FileOpening HowFileOpens(const std::string& file) {
  if (LaunchScriptTypeOf(file) != ScriptType::None) return {OpenWay::LaunchScript, {}, {}, {}};
  if (IsProgramFile(file)) return {OpenWay::Program, {}, {}, {}};
  GioFileType found = LookUpGioFileType(file);
  FileOpening opening{
      OpenWay::ByType, found.type, found.error.empty() ? found.description : found.error, {}};
  if (found.app) {
    const GioApi* gio = Gio();
    const char* name = gio->app_info_get_name(found.app);
    opening.application = name && *name ? name : "(unnamed application)";
    gio->object_unref(found.app);
  }
  return opening;
}

bool IsProgramFile(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode) &&
         ::access(path.c_str(), X_OK) == 0;
}

std::string FindScriptProgram(const std::string& name, const std::string& workingFolder) {
  const char* searchPath = std::getenv("PATH");
  return ResolveScriptProgram(name, workingFolder, searchPath ? searchPath : "", IsProgramFile);
}

// Names are matched without letter case, as the command interpreter does, an exact match first.
std::optional<std::string> ScriptVariable(const std::string& name) {
  if (const char* value = std::getenv(name.c_str())) return std::string(value);
  for (char** entry = environ; *entry; ++entry) {
    const char* equals = std::strchr(*entry, '=');
    if (!equals || static_cast<size_t>(equals - *entry) != name.size()) continue;
    if (::strncasecmp(*entry, name.c_str(), name.size()) == 0) return std::string(equals + 1);
  }
  return std::nullopt;
}

}  // namespace platform
