#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

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

namespace {

// The interpreter a "#!" line names, read as the kernel reads it; empty when there is none.
std::string InterpreterOf(const std::string& file) {
  std::FILE* stream = std::fopen(file.c_str(), "rb");
  if (!stream) return {};
  char head[256];  // the kernel looks no further for the interpreter
  const size_t got = std::fread(head, 1, sizeof head, stream);
  std::fclose(stream);
  if (got < 2 || head[0] != '#' || head[1] != '!') return {};
  size_t start = 2;
  while (start < got && (head[start] == ' ' || head[start] == '\t')) ++start;
  size_t end = start;
  while (end < got && head[end] != ' ' && head[end] != '\t' && head[end] != '\n' &&
         head[end] != '\0')
    ++end;
  return std::string(head + start, end - start);
}

// GLib's own terminals, in its order (2.74): GIO starts an application that wants a terminal in
// the first of these found in PATH, and refuses to start it when there is none.
constexpr const char* kGioTerminals[] = {
    "gnome-terminal", "mate-terminal", "xfce4-terminal", "tilix",  "konsole",
    "nxterm",         "color-xterm",   "rxvt",           "dtterm", "xterm"};

bool FoundInPath(const GioApi* gio, const char* program) {
  gchar* found = gio->find_program_in_path(program);
  gio->free(found);
  return found != nullptr;
}

// Why GIO could not start `app`, or empty. GIO itself passes over applications whose program
// is not found when it loads them, so what is left to fail is the terminal one may want.
std::string ApplicationProblem(const GioApi* gio, GAppInfo* app) {
  if (gio->IsDesktopAppInfo(app) &&
      gio->desktop_app_info_get_boolean(reinterpret_cast<GDesktopAppInfo*>(app), "Terminal")) {
    for (const char* terminal : kGioTerminals)
      if (FoundInPath(gio, terminal)) return {};
    return "it runs in a terminal, and no terminal program was found";
  }
  return {};
}

}  // namespace

FileOpening ProgramOpening(const std::string& file) {
  FileOpening opening{OpenWay::Program, {}, {}, {}};
  const std::string interpreter = InterpreterOf(file);
  // A relative interpreter is looked up from the working folder, which only the start knows.
  if (interpreter.empty() || interpreter[0] != '/') return opening;
  struct stat st {};
  if (::stat(interpreter.c_str(), &st) != 0) {
    opening.problem = StartProblem::MissingInterpreter;
    opening.reason = "The interpreter \"" + interpreter +
                     "\" named in its first line (#!) does not exist (" + std::strerror(errno) +
                     ")";
  } else if (S_ISDIR(st.st_mode) || ::access(interpreter.c_str(), X_OK) != 0) {
    opening.problem = StartProblem::MissingInterpreter;
    opening.reason = "The interpreter \"" + interpreter +
                     "\" named in its first line (#!) is not a program that can be run";
  }
  return opening;
}

TypeOpening OpeningByType(const std::string& file) {
  GioFileType found = LookUpGioFileType(file);
  TypeOpening result;
  FileOpening& opening = result.opening;
  opening.way = OpenWay::ByType;
  opening.type = found.type;
  opening.description = found.error.empty() ? found.description : found.error;
  const std::string typeText =
      (found.description.empty() ? found.type : found.description) + ", " + found.type;
  if (!found.error.empty()) {
    opening.problem = StartProblem::NoApplication;
    opening.reason = found.error;
    return result;
  }
  if (!found.app) {
    opening.problem = StartProblem::NoApplication;
    opening.reason = "No application is associated with this type of file (" + typeText + ")";
    return result;
  }
  const GioApi* gio = Gio();
  const char* name = gio->app_info_get_name(found.app);
  opening.application = name && *name ? name : "(unnamed application)";
  const std::string problem = ApplicationProblem(gio, found.app);
  if (!problem.empty()) {
    opening.problem = StartProblem::NoApplication;
    opening.reason = "The application \"" + opening.application + "\" for this type of file (" +
                     typeText + ") cannot be started: " + problem;
    gio->object_unref(found.app);
    return result;
  }
  result.app = found.app;
  return result;
}

bool SystemRunsLaunchScripts() {
  return false;
}

FileOpening HowSystemOpens(const std::string& file) {
  if (IsProgramFile(file)) return ProgramOpening(file);
  TypeOpening byType = OpeningByType(file);
  if (byType.app) Gio()->object_unref(byType.app);
  return byType.opening;
}

bool IsProgramFile(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode) &&
         ::access(path.c_str(), X_OK) == 0;
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
