#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "base/AppError.h"
#include "platform/FileTypes.h"
#include "platform/FileTypes_posix.h"
#include "platform/Process_posix.h"
#include "platform/Shell.h"

namespace platform {
namespace {

std::string ErrnoText(int code) {
  return std::strerror(code);
}

void PrepareChild(gpointer folder) {
  // Runs in the child between fork and exec: setpgid and chdir are async-signal-safe. A process
  // group of its own, so that ending the item reaches the processes it starts.
  ::setpgid(0, 0);
  if (::chdir(static_cast<const char*>(folder)) != 0) _exit(127);
}

void StorePid(GDesktopAppInfo*, GPid pid, gpointer target) {
  *static_cast<GPid*>(target) = pid;
}

// The desktop's default application for the file's type, started so that its process is known.
// The application is the one the show check finds, refused for the same reasons.
OpenResult OpenWithDefaultApplication(const std::string& file, const std::string& folder) {
  const TypeOpening decided = OpeningByType(file);
  if (!decided.app) return {nullptr, CannotOpenFileText(file, decided.opening.reason)};
  GAppInfo* app = decided.app;

  const GioApi* gio = Gio();
  GFile* gfile = gio->file_new_for_path(file.c_str());
  gchar* uri = gio->file_get_uri(gfile);
  GList uris{uri, nullptr, nullptr};
  GError* failure = nullptr;
  GPid pid = 0;
  gboolean launched = FALSE;
  if (gio->IsDesktopAppInfo(app)) {
    launched = gio->desktop_app_info_launch_uris_as_manager(
        reinterpret_cast<GDesktopAppInfo*>(app), &uris, nullptr,
        static_cast<GSpawnFlags>(G_SPAWN_SEARCH_PATH | G_SPAWN_DO_NOT_REAP_CHILD), PrepareChild,
        const_cast<char*>(folder.c_str()), StorePid, &pid, &failure);
  } else {
    launched = gio->app_info_launch_uris(app, &uris, nullptr, &failure);
  }
  OpenResult result;
  if (!launched) {
    result.error = CannotOpenFileText(file, failure ? failure->message : "It could not be started");
  } else if (pid > 0) {
    result.process = AdoptChild(pid);
  }
  if (failure) gio->error_free(failure);
  gio->free(uri);
  gio->object_unref(app);
  gio->object_unref(gfile);
  return result;
}

class PosixShell : public Shell {
 public:
  OpenResult Open(const std::string& file, const std::string& folder) override {
    try {
      return OpenItem(file, folder);
    } catch (const AppError& error) {
      return {nullptr, error.what()};
    }
  }

 private:
  static OpenResult OpenItem(const std::string& file, const std::string& folder) {
    struct stat st {};
    if (::stat(file.c_str(), &st) != 0)
      return {nullptr, CannotOpenFileText(file, ErrnoText(errno))};
    if (S_ISDIR(st.st_mode)) return {nullptr, CannotOpenFileText(file, ErrnoText(EISDIR))};

    if (IsProgramFile(file)) {
      const FileOpening program = ProgramOpening(file);
      if (program.problem != StartProblem::None)
        return {nullptr, CannotOpenFileText(file, program.reason)};
      int error = 0;
      auto child = SpawnChild(file, {file}, folder, error);
      if (child) return {std::move(child), {}};
      // A file that only carries the execute bit (as on many mounted Windows drives) is
      // opened by its type instead.
      if (error != ENOEXEC) return {nullptr, CannotOpenFileText(file, ErrnoText(error))};
    }
    return OpenWithDefaultApplication(file, folder);
  }
};

}  // namespace

std::unique_ptr<Shell> MakeSystemShell() {
  return std::make_unique<PosixShell>();
}

}  // namespace platform
