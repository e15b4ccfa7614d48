#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>

#include <string>

#include "base/AppError.h"
#include "platform/FileSystem.h"

namespace platform {
namespace {

constexpr const char* kNotRegularText = "Not a regular file";
// Links followed before a save gives up, as the system's own limit for a path.
constexpr int kMaxLinks = 40;

std::string ErrnoText(int code) {
  return std::strerror(code);
}

std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

[[noreturn]] void ThrowCreate(const std::string& path, const std::string& reason,
                              SaveErrors errors) {
  if (errors == SaveErrors::UnableToWrite) throw AppError(UnableToWriteText(path));
  throw AppError(CannotCreateFileText(path, reason));
}

[[noreturn]] void ThrowCreate(const std::string& path, int code, SaveErrors errors) {
  ThrowCreate(path, ErrnoText(code), errors);
}

// The file a save of `path` replaces: a symbolic link is followed to its target (which need
// not exist yet), so the link stays a link and the file it names gets the new content.
std::string SaveTarget(const std::string& path, SaveErrors errors) {
  std::string current = path;
  for (int links = 0;; ++links) {
    struct stat st {};
    if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return current;
    if (links == kMaxLinks) ThrowCreate(path, ELOOP, errors);
    std::string target(static_cast<size_t>(st.st_size > 0 ? st.st_size : 4096) + 1, '\0');
    const ssize_t n = ::readlink(current.c_str(), target.data(), target.size());
    if (n < 0) ThrowCreate(path, errno, errors);
    target.resize(static_cast<size_t>(n));
    current = target.front() == '/' ? target : FolderOf(current) + "/" + target;
  }
}

[[noreturn]] void ThrowStream(const std::string& path, SaveErrors errors) {
  if (errors == SaveErrors::UnableToWrite) throw AppError(UnableToWriteText(path));
  throw AppError(StreamWriteErrorText());
}

// Closes and removes the temporary file unless the save went through.
struct TempFile {
  int fd = -1;
  std::string name;
  bool keep = false;
  ~TempFile() {
    if (fd >= 0) ::close(fd);
    if (!keep && !name.empty()) ::unlink(name.c_str());
  }
};

}  // namespace

std::string LastErrorText() {
  return ErrnoText(errno);
}

std::string ReadWholeFile(const std::string& path) {
  // Not blocking: opening a FIFO without a writer would otherwise wait for ever.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) throw AppError(CannotOpenFileText(path, ErrnoText(errno)));
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    const int code = errno;
    ::close(fd);
    throw AppError(CannotOpenFileText(path, ErrnoText(code)));
  }
  if (!S_ISREG(st.st_mode)) {
    ::close(fd);
    // A FIFO, device or socket never ends or never starts: refused like a file that cannot open.
    throw AppError(
        CannotOpenFileText(path, S_ISDIR(st.st_mode) ? ErrnoText(EISDIR) : kNotRegularText));
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  std::string data;
  if (st.st_size > 0) data.reserve(static_cast<size_t>(st.st_size));
  char buffer[1 << 16];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      const int code = errno;
      ::close(fd);
      throw AppError(CannotOpenFileText(path, ErrnoText(code)));
    }
    data.append(buffer, static_cast<size_t>(n));
  }
  ::close(fd);
  return data;
}

bool IsRegularFile(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

void WriteFileAtomically(const std::string& path, std::string_view data, SaveErrors errors) {
  WriteFileAtomically(
      path, [data](const ByteSink& sink) { sink(data); }, errors);
}

void WriteFileAtomically(const std::string& shownPath,
                         const std::function<void(const ByteSink&)>& produce, SaveErrors errors) {
  // Messages name the file as the caller knows it; the work happens at the link's target.
  const std::string path = SaveTarget(shownPath, errors);
  struct stat target {};
  const bool exists = ::stat(path.c_str(), &target) == 0;
  if (exists && S_ISDIR(target.st_mode)) ThrowCreate(shownPath, EISDIR, errors);
  // A FIFO, device or socket is no file to be replaced by one.
  if (exists && !S_ISREG(target.st_mode)) ThrowCreate(shownPath, kNotRegularText, errors);
  if (exists && ::access(path.c_str(), W_OK) != 0) ThrowCreate(shownPath, errno, errors);

  mode_t mode = exists ? (target.st_mode & 07777) : 0;
  if (!exists) {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }

  // An unnamed file where the system offers one: a process killed while writing leaves nothing
  // behind. It gets a name only once it is complete, just before the rename.
  TempFile temp;
  temp.fd = ::open(FolderOf(path).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
  const bool unnamed = temp.fd >= 0;
  if (!unnamed) {
    temp.name = FolderOf(path) + "/.quadrel-save-XXXXXX";
    temp.fd = ::mkostemp(temp.name.data(), O_CLOEXEC);
    if (temp.fd < 0) {
      const int code = errno;
      temp.name.clear();
      ThrowCreate(shownPath, code, errors);
    }
  }
  ::fchmod(temp.fd, mode);

  off_t written = 0;
  produce([&](std::string_view data) {
    size_t done = 0;
    while (done < data.size()) {
      const ssize_t n = ::write(temp.fd, data.data() + done, data.size() - done);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) ThrowStream(shownPath, errors);
      done += static_cast<size_t>(n);
    }
    // Start writing this piece to the disk now, while the next one is prepared, so the flush
    // below waits only for the last of them. Only a hint: the flush still decides.
#ifdef SYNC_FILE_RANGE_WRITE
    ::sync_file_range(temp.fd, written, static_cast<off_t>(data.size()), SYNC_FILE_RANGE_WRITE);
#endif
    written += static_cast<off_t>(data.size());
  });
  if (::fsync(temp.fd) != 0) ThrowStream(shownPath, errors);
  if (unnamed) {
    const std::string self = "/proc/self/fd/" + std::to_string(temp.fd);
    for (int attempt = 0; temp.name.empty() && attempt < 100; ++attempt) {
      std::string name = FolderOf(path) + "/.quadrel-save-" + std::to_string(::getpid()) + "-" +
                         std::to_string(attempt);
      if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0)
        temp.name = std::move(name);
      else if (errno != EEXIST)
        ThrowCreate(shownPath, errno, errors);
    }
    if (temp.name.empty()) ThrowCreate(shownPath, EEXIST, errors);
  }
  const int fd = temp.fd;
  temp.fd = -1;
  if (::close(fd) != 0) ThrowStream(shownPath, errors);
  if (::rename(temp.name.c_str(), path.c_str()) != 0) ThrowCreate(shownPath, errno, errors);
  temp.keep = true;

  // Make the rename itself durable, so a power cut cannot bring the old name back empty.
  const int dir = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
}

}  // namespace platform
